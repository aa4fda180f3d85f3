// What each control of the main window says of itself: its tooltip, and the name screen readers and
// UI automation know it by (each its own, not its group's title).

#include "editor_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>

#include <tuple>

#include "core/editing/game_ranges.h"
#include "core/text/messages.h"
#include "platform/interface_language.h"
#include "reference_panel.h"
#include "vocabulary.h"

namespace busho {
namespace {

QString Gbk(const char* text) { return platform::InterfaceText(text); }

void Describe(QWidget* control, const QString& name, const QString& tip) {
    control->setAccessibleName(name);
    control->setToolTip(tip);
}

}  // namespace

void EditorWindow::DescribeControls() {
    struct Entry {
        QWidget* control;
        const char* name;  // GBK
        const char* tip;   // GBK
    };
    const Entry entries[] = {
        {txX, text_gbk::kFieldFamilyName, text_gbk::kTipFamilyName},
        {txM, text_gbk::kFieldGivenName, text_gbk::kTipGivenName},
        {txXP, text_gbk::kFieldFamilyReading, text_gbk::kTipFamilyReading},
        {txMP, text_gbk::kFieldGivenReading, text_gbk::kTipGivenReading},
        {txLJ, text_gbk::kFieldBiography, text_gbk::kTipBiography},
        {txCSN, text_gbk::kLabelBirthYear, text_gbk::kTipBirthYear},
        {txSWN, text_gbk::kLabelDeathYear, text_gbk::kTipDeathYear},
        {cSB, text_gbk::kTipGender, text_gbk::kTipGender},
        {Check1, "", text_gbk::kTipAllTactics},
        {Command4, "", text_gbk::kTipCompatibilityCount},
        {txchr, text_gbk::kTipCodeBox, text_gbk::kTipCodeBox},
        {Command5, "", text_gbk::kTipCharacterOfCode},
        {cSF, text_gbk::kFieldFather, text_gbk::kTipFather},
        {cXXWJ, text_gbk::kFieldCompatibility, text_gbk::kTipCompatibility},
        {Command7, text_gbk::kTipFatherNone, text_gbk::kTipFatherNone},
        {cCZ, text_gbk::kTipOrigin, text_gbk::kTipOrigin},
        {cXY, text_gbk::kTipFaith, text_gbk::kTipFaith},
        {cSS, text_gbk::kTipCastle, text_gbk::kTipCastle},
        {Command18, text_gbk::kTipMapButton, text_gbk::kTipMapButton},
        {cZT, text_gbk::kTipStatus, text_gbk::kTipStatus},
        {cCCDC, text_gbk::kTipAppearance, text_gbk::kTipAppearance},
        {ZZZZ, "", text_gbk::kTipTranslate},
        {CK_FT, "", text_gbk::kTipTraditional},
        {txOpen, text_gbk::kTipOfficerFile, text_gbk::kTipOfficerFile},
        {Command1, "", text_gbk::kTipOpen},
        {Command8, "", text_gbk::kTipChoosePortrait},
        {Command2, "", text_gbk::kTipModify},
        {Command3, "", text_gbk::kTipAdd},
        {Command16, text_gbk::kTipRandom, text_gbk::kTipRandom},
        {Picture2->List1, text_gbk::kTipReferenceList, text_gbk::kTipReferenceList},
        {Picture2->txSER, text_gbk::kTipReferenceSearch, text_gbk::kTipReferenceSearch},
        {Picture2->Command17, text_gbk::kTipReferenceFind, text_gbk::kTipReferenceFind},
        {Picture2->Command9, text_gbk::kTipReferenceClose, text_gbk::kTipReferenceClose},
    };
    for (const Entry& e : entries) {
        // A button's or check box's own caption is its name; other controls get theirs here.
        if (*e.name) e.control->setAccessibleName(Gbk(e.name));
        e.control->setToolTip(Gbk(e.tip));
    }

    // Number boxes: the values the game itself uses.
    for (const GameRange& range : kGameRanges) {
        auto* box = findChild<QLineEdit*>(QString::fromLatin1(range.box));
        Describe(box, Gbk(range.label), Gbk(text_gbk::kTipGameRange).arg(Gbk(range.label)).arg(range.low).arg(range.high));
    }
    const QStringList aptitudes = vocabulary::AptitudeLabels();
    for (int k = 0; k < kAptitudeCount; ++k) {
        const QString tip = Gbk(text_gbk::kTipAptitude).arg(aptitudes[k]);
        Describe(SkillList[static_cast<std::size_t>(k)], tip.left(tip.indexOf(QChar(0xFF1A))), tip);
    }
    const QStringList tactics = vocabulary::TacticNames();
    for (int t = 0; t < kTacticBoxes; ++t) Describe(SKill1[static_cast<std::size_t>(t)], tactics[t], Gbk(text_gbk::kTipTactic).arg(tactics[t]));
    const QStringList voices = vocabulary::VoiceLabels();
    for (int k = 0; k < 6; ++k)
        Describe(SD[static_cast<std::size_t>(k)], Gbk(text_gbk::kNameVoice).arg(voices[k]), Gbk(text_gbk::kTipVoice).arg(voices[k]));

    // The four liked and disliked lists, and the 选 button beside each of the six officer lists.
    const std::tuple<QComboBox*, QPushButton*, QString> relations[] = {
        {cSF, Command14, Gbk(text_gbk::kFieldFather)},      {cXXWJ, Command15, Gbk(text_gbk::kFieldCompatibility)},
        {cQEWJ1, Command10, Gbk(text_gbk::kFieldLiked1)},    {cQEWJ2, Command12, Gbk(text_gbk::kFieldLiked2)},
        {cYEWJ1, Command11, Gbk(text_gbk::kFieldDisliked1)}, {cYEWJ2, Command13, Gbk(text_gbk::kFieldDisliked2)}};
    for (const auto& [list, pick, name] : relations) {
        if (list != cSF && list != cXXWJ) Describe(list, name, name);
        Describe(pick, Gbk(text_gbk::kTipPick).arg(name), Gbk(text_gbk::kTipPick).arg(name));
    }

    // The reference panel's figures of the officer chosen there.
    const QString reference = Gbk(text_gbk::kNameReference);
    const std::pair<QLineEdit*, QString> figures[] = {
        {Picture2->lbSCG, Gbk(text_gbk::kLabelPortraitNumber)}, {Picture2->lbSCSN, Gbk(text_gbk::kLabelBirthYear)},
        {Picture2->lbSSWN, Gbk(text_gbk::kLabelDeathYear)},     {Picture2->lbSTY, Gbk(text_gbk::kLabelLeadership)},
        {Picture2->lbSWL, Gbk(text_gbk::kLabelValour)},         {Picture2->lbSZL, Gbk(text_gbk::kLabelIntellect)},
        {Picture2->lbSZZ, Gbk(text_gbk::kLabelPolitics)},       {Picture2->lbSYL, Gbk(text_gbk::kLabelDuty)}};
    for (const auto& [box, label] : figures) Describe(box, reference + label, Gbk(text_gbk::kTipReferenceFigure).arg(label));
}

}  // namespace busho
