#include "vocabulary.h"

#include "core/editing/vocabulary_text.h"

namespace busho::vocabulary {
namespace {

QStringList ToList(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) list << QString::fromStdString(item);
    return list;
}

}  // namespace

QStringList Genders() { return ToList(vocabulary_text::Genders()); }
QStringList Origins() { return ToList(vocabulary_text::Origins()); }
QStringList Faiths() { return ToList(vocabulary_text::Faiths()); }
QStringList Statuses() { return ToList(vocabulary_text::Statuses()); }
QStringList Appearances() { return ToList(vocabulary_text::Appearances()); }
QStringList Ranks() { return ToList(vocabulary_text::Ranks()); }
QStringList Castles() { return ToList(vocabulary_text::Castles()); }
QStringList AptitudeLabels() { return ToList(vocabulary_text::AptitudeLabels()); }
QStringList TacticNames() { return ToList(vocabulary_text::TacticNames()); }
QStringList VoiceLabels() { return ToList(vocabulary_text::VoiceLabels()); }

}  // namespace busho::vocabulary
