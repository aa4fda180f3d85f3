// The small controls: all tactics, the two test buttons, the picker and readme commands, voices, the random officer, scenario ages.

#include "editor_window.h"

#include "platform/widget_colours.h"
#include <QRadioButton>
#include <QAction>
#include <cmath>
#include <QCheckBox>
#include <QUrl>
#include <vector>
#include "core/os/game_paths.h"
#include "core/text/messages.h"
#include "platform/interface_language.h"
#include "control_pictures.h"
#include "core/editing/game_ranges.h"
#include "core/editing/random_officer.h"
#include "core/editing/reference_figures.h"
#include "reference_panel.h"
#include "gui/auxiliary/readme_window.h"
#include "vocabulary.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_drawer.h"
#include "core/text/text_fields.h"
#include "editor_widgets.h"

namespace busho {

using namespace editor_widgets;

void EditorWindow::TickAllTactics(bool ticked) {
    for (QCheckBox* tactic : SKill1) tactic->setChecked(ticked);
}

void EditorWindow::ShowCompatibilityCount() {
    messages_.Show({Problem(TextId::kTextAsIs, {std::int64_t{cXXWJ->count()}}), std::nullopt, text_gbk::kStyleOk});
}

// The character whose code is the number in txchr: a byte below 256, else a double-byte code.
void EditorWindow::ShowCharacterOfCode() {
    const double number = RoundHalfEven(LeadingNumber(platform::ToGbk(txchr->text())));
    if (!(number >= -32768 && number <= 65535)) return;  // outside the character codes: nothing to show
    int value = static_cast<int>(number);
    if (value < 0) value += 65536;  // negative codes name the same double-byte characters
    std::string bytes;
    if (value > 255) bytes.push_back(static_cast<char>(value >> 8));
    bytes.push_back(static_cast<char>(value & 0xFF));
    messages_.Show({Problem(TextId::kTextAsIs, {bytes}), std::nullopt, text_gbk::kStyleOk});
}

void EditorWindow::OpenPicker() {
    if (onOpenPicker) onOpenPicker();
}

void EditorWindow::UpdateScenarioAges() {
    scenarioAgesShown_ = true;
    const auto ages = ScenarioAges(platform::ToGbk(txCSN->text()));
    for (std::size_t i = 0; i < 4; ++i)
        lbTl[i]->setText(platform::InterfaceText(ages[i].caption) +
                         (ages[i].age ? platform::FromGbk(*ages[i].age) + platform::InterfaceText(TextId::kAgeSuffix)
                                      : platform::InterfaceText(TextId::kNotOfAge)));
}

void EditorWindow::SetScenarioCaptions() {
    scenarioAgesShown_ = false;
    const TextId captions[] = {TextId::kScenario1555, TextId::kScenario1561, TextId::kScenario1570, TextId::kScenario1582};
    for (std::size_t i = 0; i < 4; ++i) lbTl[i]->setText(platform::InterfaceText(captions[i]));
}

void EditorWindow::OpenReadme() {
    // Each click asks the desktop again; where it has no viewer for text files the program shows the
    // readme itself.
    const std::filesystem::path readme = session_.ProgramFolder / "readme.txt";
    std::error_code error;
    if (!std::filesystem::is_regular_file(readme, error)) {
        messages_.Show({Problem(TextId::kTextReadmeMissing).InFile(readme), std::nullopt, text_gbk::kStyleCritical});
        return;
    }
    if (openDocument && openDocument(QUrl::fromLocalFile(QString::fromStdU16String(readme.u16string())))) return;
    if (!readmeWindow_) readmeWindow_ = new ReadmeWindow(this);
    if (!readmeWindow_->Load(readme)) {
        messages_.Show({Problem(TextId::kTextReadmeUnreadable).InFile(readme), std::nullopt, text_gbk::kStyleCritical});
        return;
    }
    readmeWindow_->show();
    readmeWindow_->raise();
    readmeWindow_->activateWindow();
}

void EditorWindow::VoicePreview(int voiceType) {
    SD[static_cast<std::size_t>(voiceType)]->setChecked(true);
    session_.Random.ReseedFromClock();
    const int n = session_.Random.Draw(49);
    voices_.Stop();
    voices_.Play(GamePath(session_.GameFolder, std::string(kVoicePathPrefix[voiceType]) + std::to_string(n) + ".wav"));
}

void EditorWindow::RandomOfficer() {
    for (QCheckBox* tactic : SKill1) tactic->setChecked(false);
    EditorValues values = Values();
    session_.Random.ReseedFromClock();
    const int face = DrawRandomOfficer(values, session_.Random, names_.BuiltInGbk());
    SetValues(values);
    ShowLargePortrait(face);  // a standard face: its portrait number is the face number
    session_.CurrentPortrait = face;
    ShowPortraitNumber();
}

}  // namespace busho
