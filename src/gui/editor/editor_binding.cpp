// Moving values between the controls and the editing rules: showing, the blank officer, committing, the portrait.

#include "editor_window.h"

#include "platform/widget_colours.h"
#include <QRadioButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QAction>
#include <cmath>
#include <QComboBox>
#include <QLineEdit>
#include <vector>
#include "core/os/game_paths.h"
#include "core/text/messages.h"
#include "control_pictures.h"
#include "core/editing/game_ranges.h"
#include "core/editing/random_officer.h"
#include "core/editing/reference_figures.h"
#include "reference_panel.h"
#include "gui/auxiliary/readme_window.h"
#include "vocabulary.h"
#include "platform/gbk_text.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_drawer.h"
#include "core/text/text_fields.h"
#include "core/editing/list_row.h"
#include "editor_widgets.h"

namespace busho {

using namespace editor_widgets;

// The controls and the values they hold, in one list each, so that reading and setting agree.
std::vector<std::pair<QLineEdit*, std::string EditorValues::*>> EditorWindow::TextBoxes() const {
    return {{txX, &EditorValues::txX},     {txXP, &EditorValues::txXP},   {txM, &EditorValues::txM},
            {txMP, &EditorValues::txMP},   {txLJ, &EditorValues::txLJ},   {txLTY, &EditorValues::txLTY},
            {txLWG, &EditorValues::txLWG}, {txLZH, &EditorValues::txLZH}, {txLZZ, &EditorValues::txLZZ},
            {txLQY, &EditorValues::txLQY}, {txCSN, &EditorValues::txCSN}, {txSWN, &EditorValues::txSWN}};
}

std::vector<std::pair<QComboBox*, int EditorValues::*>> EditorWindow::FixedLists() const {
    return {{cSB, &EditorValues::cSB}, {cCZ, &EditorValues::cCZ}, {cXY, &EditorValues::cXY},
            {cZT, &EditorValues::cZT}, {cSS, &EditorValues::cSS}, {cCCDC, &EditorValues::cCCDC}};
}

std::vector<std::pair<QComboBox*, int EditorValues::*>> EditorWindow::NameLists() const {
    return {{cQEWJ1, &EditorValues::cQEWJ1}, {cQEWJ2, &EditorValues::cQEWJ2}, {cYEWJ1, &EditorValues::cYEWJ1},
            {cYEWJ2, &EditorValues::cYEWJ2}, {cSF, &EditorValues::cSF}};
}

EditorValues EditorWindow::Values() const {
    EditorValues v;
    for (const auto& [box, field] : TextBoxes()) v.*field = platform::ToGbk(box->text());
    auto fixed = [](const QComboBox* list) {
        const int index = list->currentIndex();
        return index >= list->property(kVocabularySize).toInt() ? kUnlistedItem : index;
    };
    for (const auto& [list, field] : FixedLists()) v.*field = fixed(list);
    for (const auto& [list, field] : NameLists()) v.*field = NamePosition(list);
    v.cXXWJ = NamePosition(cXXWJ);
    for (std::size_t k = 0; k < SkillList.size(); ++k) v.SkillList[k] = fixed(SkillList[k]);
    for (std::size_t t = 0; t < SKill1.size(); ++t) v.SKill1[t] = SKill1[t]->isChecked();
    v.SD = voiceGroup_->checkedId();
    v.shown = kept_.shown;
    v.unlisted = kept_.unlisted;
    // Characters typed that GBK cannot hold never reach the officer: they are named for the question.
    for (const char* name : kTextBoxNames) {
        const auto* box = findChild<QLineEdit*>(QString::fromLatin1(name));
        std::string notes;
        for (const char32_t c : platform::CharactersNotInGbk(box->text()))
            notes += (notes.empty() ? "" : " ") + QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper().toStdString();
        if (!notes.empty()) v.notEncodable[name] = notes;
    }
    return v;
}

// A stored value that no item stands for gets one item of its own, "（value）", after the list's
// own items, so that it is shown and committed unchanged rather than replaced by another item.
void EditorWindow::SelectFixed(QComboBox* list, int item, const EditorValues& v) const {
    const int size = list->property(kVocabularySize).toInt();
    while (list->count() > size) list->removeItem(list->count() - 1);
    if (item == kUnlistedItem) {
        const auto value = v.unlisted.find(list->objectName().toStdString());
        if (value != v.unlisted.end()) {
            list->addItem(UnlistedText(value->second));
            list->setCurrentIndex(size);
            return;
        }
    }
    list->setCurrentIndex(item >= 0 && item < size ? item : -1);
}

// The name of a registered officer's list item as the list would hold it.
QString EditorWindow::RegisteredName(int item) const {
    const int slot = item - kBuiltInOfficerCount;
    if (slot < 1 || slot > kSlotCount) return UnlistedText(item);
    return platform::FromGbk(OfficerName(session_, slot, session_.ZZZZ));
}

// Officer-name lists: an officer's item is made to exist when the names were not entered (中日文译
// unticked); a number that names no officer is shown as the list's own unlisted item.
void EditorWindow::SelectName(QComboBox* list, int item, const EditorValues& v) const {
    const NameListModels& models = nameLists_.at(list);
    if (item == kUnlistedItem) {
        const auto value = v.unlisted.find(list->objectName().toStdString());
        if (value != v.unlisted.end()) {
            models.unlisted->setStringList({UnlistedText(value->second)});
            list->setCurrentIndex(models.names->rowCount());
            return;
        }
    }
    models.unlisted->setStringList({});
    if (list != cXXWJ && item >= models.names->rowCount() && item <= kBuiltInOfficerCount + kSlotCount)
        names_.EnsureItem(item, [this](int i) { return RegisteredName(i); });
    list->setCurrentIndex(item >= 0 && item < models.names->rowCount() ? item : -1);
}

int EditorWindow::NamePosition(const QComboBox* list) const {
    const int index = list->currentIndex();
    return index >= nameLists_.at(list).names->rowCount() ? kUnlistedItem : index;
}

void EditorWindow::SetValues(const EditorValues& v) {
    kept_.shown = v.shown;
    kept_.unlisted = v.unlisted;
    // A text box shows its text up to the first NUL, as the field it came from ends there.
    for (const auto& [box, field] : TextBoxes()) {
        box->setText(platform::FromGbk(CutAtNul(v.*field)));
        box->setCursorPosition(0);
        // A box showing the stored text records it as the box gives it back, which is what a commit
        // compares with: raw or undecodable bytes do not come back from the box as they went in.
        const auto shown = kept_.shown.find(box->objectName().toStdString());
        if (shown != kept_.shown.end() && shown->second.text == v.*field) shown->second.text = platform::ToGbk(box->text());
    }
    for (const auto& [list, field] : FixedLists()) SelectFixed(list, v.*field, v);
    for (const auto& [list, field] : NameLists()) SelectName(list, v.*field, v);
    // The compatibility list holds built-in officers only.
    SelectName(cXXWJ, v.cXXWJ, v);
    for (std::size_t k = 0; k < SkillList.size(); ++k) SelectFixed(SkillList[k], v.SkillList[k], v);
    for (std::size_t t = 0; t < SKill1.size(); ++t) SKill1[t]->setChecked(v.SKill1[t]);
    // The voice option is set without playing; ShowOfficer plays it as a click would.
    voiceGroup_->setExclusive(false);
    for (int k = 0; k < 6; ++k) SD[static_cast<std::size_t>(k)]->setChecked(k == v.SD);
    voiceGroup_->setExclusive(true);
}

void EditorWindow::ApplyBlankDefaults() {
    // Items added for out-of-range values go again.
    auto trim = [](QComboBox* list) {
        const int size = list->property(kVocabularySize).toInt();
        while (list->count() > size) list->removeItem(list->count() - 1);
    };
    for (const auto& [list, field] : FixedLists()) trim(list);
    for (QComboBox* list : SkillList) trim(list);
    EditorValues values = Values();
    busho::ApplyBlankDefaults(values, session_);
    SetValues(values);
    ShowPortraitNumber();
}

void EditorWindow::ShowPortraitNumber() { lbCG->setText(QString::number(session_.CurrentPortrait)); }

void EditorWindow::ShowOfficer(int slot) {
    EditorValues values = Values();
    busho::ShowOfficer(session_, slot, values);
    SetValues(values);
    shownValues_ = Values();
    ShowLargePortrait(session_.Officers[slot].Record.PortraitNumber);
    ShowPortraitNumber();
    if (values.SD >= 0 && values.SD < 6) VoicePreview(values.SD);
}

void EditorWindow::ShowLargePortrait(int portraitNumber) {
    const PortraitSource source = LargePortraitSource(portraitNumber);
    faces_.DrawFromFile(Picture1, GamePath(session_.GameFolder, source.archive), source.face);
    // A face larger than the portrait's place widens the place once; smaller faces leave it.
    QWidget* place = Picture1->parentWidget();
    place->setFixedSize(place->size().expandedTo(Picture1->size()));
}

void EditorWindow::ShowMediumPortrait(int portraitNumber) {
    if (!faces_.DrawMedium(Picture1, SetOfPortrait(portraitNumber), FaceOfPortrait(portraitNumber))) return;
    Picture1->setVisible(true);
    lbCG->setText(QString::number(portraitNumber));
}

bool EditorWindow::Commit(CommitMode mode) {
    EditorValues values = Values();
    Status result = CommitOfficer(session_, history_, values, mode);
    if (!result && IsCommitQuestion(result.problem())) {
        // Characters or numbers the user may not expect: cancel leaves everything as it was.
        if (!messages_.AskYesNo(MessageFor(result.problem()))) return false;
        values = Values();
        result = CommitOfficer(session_, history_, values, mode, {true, true});
    }
    SetValues(values);  // normalised names, readings, replaced biography and years
    if (!result) {
        messages_.Show(MessageFor(result.problem()));
        // The box of the field to correct takes the focus.
        const std::pair<const char*, QLineEdit*> boxes[] = {
            {"FamilyName", txX},   {"GivenName", txM},    {"Leadership", txLTY},        {"Valour", txLWG},
            {"Intellect", txLZH},  {"Politics", txLZZ},   {"Duty", txLQY},              {"BirthYear", txCSN},
            {"DeathYear", txSWN},  {"FamilyNameReading", txXP}, {"GivenNameReading", txMP}, {"Biography", txLJ},
        };
        for (const auto& [field, box] : boxes) {
            if (result.problem().field != field) continue;
            box->setFocus();
            box->selectAll();
        }
        return false;
    }
    if (onCommitted) onCommitted(session_.CurrentSlot);
    ShowOfficer(session_.CurrentSlot);
    return true;
}

}  // namespace busho
