#include "vocabulary.h"

#include <QCoreApplication>

#include "core/editing/vocabulary_text.h"

namespace busho::vocabulary {
namespace {

constexpr const char* kContext = "Vocabulary";

// The items that read differently in another interface language, as lupdate finds them (the lists
// themselves live in the core, which busho shares). The ranks Ｓ…Ｄ stay as they are, and the castles
// are the game's own names.
[[maybe_unused]] constexpr const char* kTranslatedItems[] = {
    QT_TRANSLATE_NOOP("Vocabulary", "女"), QT_TRANSLATE_NOOP("Vocabulary", "男"),
    QT_TRANSLATE_NOOP("Vocabulary", "武士"), QT_TRANSLATE_NOOP("Vocabulary", "高家"), QT_TRANSLATE_NOOP("Vocabulary", "僧侣"),
    QT_TRANSLATE_NOOP("Vocabulary", "商人"), QT_TRANSLATE_NOOP("Vocabulary", "海盗"), QT_TRANSLATE_NOOP("Vocabulary", "忍者"),
    QT_TRANSLATE_NOOP("Vocabulary", "剑豪"), QT_TRANSLATE_NOOP("Vocabulary", "庶民"),
    QT_TRANSLATE_NOOP("Vocabulary", "无"), QT_TRANSLATE_NOOP("Vocabulary", "亻厶教"), QT_TRANSLATE_NOOP("Vocabulary", "一向宗"),
    QT_TRANSLATE_NOOP("Vocabulary", "基督教"),
    QT_TRANSLATE_NOOP("Vocabulary", "元服前"), QT_TRANSLATE_NOOP("Vocabulary", "未发现"), QT_TRANSLATE_NOOP("Vocabulary", "浪人"),
    QT_TRANSLATE_NOOP("Vocabulary", "俘虏"), QT_TRANSLATE_NOOP("Vocabulary", "人质"), QT_TRANSLATE_NOOP("Vocabulary", "姬"),
    QT_TRANSLATE_NOOP("Vocabulary", "家臣"), QT_TRANSLATE_NOOP("Vocabulary", "死亡\""),
    QT_TRANSLATE_NOOP("Vocabulary", "退场"), QT_TRANSLATE_NOOP("Vocabulary", "出场"),
    QT_TRANSLATE_NOOP("Vocabulary", "足轻"), QT_TRANSLATE_NOOP("Vocabulary", "骑马"), QT_TRANSLATE_NOOP("Vocabulary", "弓"),
    QT_TRANSLATE_NOOP("Vocabulary", "铁炮"), QT_TRANSLATE_NOOP("Vocabulary", "计略"), QT_TRANSLATE_NOOP("Vocabulary", "兵器"),
    QT_TRANSLATE_NOOP("Vocabulary", "水军"), QT_TRANSLATE_NOOP("Vocabulary", "筑城"), QT_TRANSLATE_NOOP("Vocabulary", "内政"),
    QT_TRANSLATE_NOOP("Vocabulary", "枪衾"), QT_TRANSLATE_NOOP("Vocabulary", "枪突击"), QT_TRANSLATE_NOOP("Vocabulary", "枪车"),
    QT_TRANSLATE_NOOP("Vocabulary", "乱战"), QT_TRANSLATE_NOOP("Vocabulary", "强袭"), QT_TRANSLATE_NOOP("Vocabulary", "千成衾"),
    QT_TRANSLATE_NOOP("Vocabulary", "先驱"), QT_TRANSLATE_NOOP("Vocabulary", "突进"), QT_TRANSLATE_NOOP("Vocabulary", "突击"),
    QT_TRANSLATE_NOOP("Vocabulary", "啄木鸟"), QT_TRANSLATE_NOOP("Vocabulary", "乘崩"), QT_TRANSLATE_NOOP("Vocabulary", "车悬"),
    QT_TRANSLATE_NOOP("Vocabulary", "齐射"), QT_TRANSLATE_NOOP("Vocabulary", "火矢"), QT_TRANSLATE_NOOP("Vocabulary", "连射"),
    QT_TRANSLATE_NOOP("Vocabulary", "三矢训"),
    QT_TRANSLATE_NOOP("Vocabulary", "铁炮一"), QT_TRANSLATE_NOOP("Vocabulary", "铁炮二"), QT_TRANSLATE_NOOP("Vocabulary", "铁炮三"),
    QT_TRANSLATE_NOOP("Vocabulary", "铁炮四"), QT_TRANSLATE_NOOP("Vocabulary", "铁炮五"), QT_TRANSLATE_NOOP("Vocabulary", "铁炮六"),
    QT_TRANSLATE_NOOP("Vocabulary", "计略一"), QT_TRANSLATE_NOOP("Vocabulary", "计略二"), QT_TRANSLATE_NOOP("Vocabulary", "计略三"),
    QT_TRANSLATE_NOOP("Vocabulary", "计略四"), QT_TRANSLATE_NOOP("Vocabulary", "计略五"), QT_TRANSLATE_NOOP("Vocabulary", "计略六"),
    QT_TRANSLATE_NOOP("Vocabulary", "计略七"), QT_TRANSLATE_NOOP("Vocabulary", "计略八"),
    QT_TRANSLATE_NOOP("Vocabulary", "威严"), QT_TRANSLATE_NOOP("Vocabulary", "勇猛"), QT_TRANSLATE_NOOP("Vocabulary", "睿智"),
    QT_TRANSLATE_NOOP("Vocabulary", "年少"), QT_TRANSLATE_NOOP("Vocabulary", "普通"), QT_TRANSLATE_NOOP("Vocabulary", "女性"),
};

QStringList ToList(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) list << QString::fromStdString(item);
    return list;
}

QStringList Translated(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) list << QCoreApplication::translate(kContext, item.c_str());
    return list;
}

}  // namespace

QStringList Genders() { return Translated(vocabulary_text::Genders()); }
QStringList Origins() { return Translated(vocabulary_text::Origins()); }
QStringList Faiths() { return Translated(vocabulary_text::Faiths()); }
QStringList Statuses() { return Translated(vocabulary_text::Statuses()); }
QStringList Appearances() { return Translated(vocabulary_text::Appearances()); }
QStringList Ranks() { return ToList(vocabulary_text::Ranks()); }
QStringList Castles() { return ToList(vocabulary_text::Castles()); }
QStringList AptitudeLabels() { return Translated(vocabulary_text::AptitudeLabels()); }
QStringList TacticNames() { return Translated(vocabulary_text::TacticNames()); }
QStringList VoiceLabels() { return Translated(vocabulary_text::VoiceLabels()); }

}  // namespace busho::vocabulary
