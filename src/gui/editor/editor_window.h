#pragma once
// The officer editor, the main window (Form1). Its controls carry the names the rest of the
// system uses; behaviour on plain values lives in officer_view.h.

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/editing/commit_officer.h"
#include "officer_name_lists.h"
#include "core/editing/officer_view.h"

class QAction;
class QUrl;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStringListModel;

namespace busho {
namespace platform {
class MessageBoxes;
class VoicePlayer;
class LanguageTexts;
}  // namespace platform
class FaceDrawer;
class ReferencePanel;
class ReadmeWindow;

class EditorWindow : public QMainWindow {
    Q_OBJECT
public:
    EditorWindow(Session& session, EditHistory& history, OfficerNameLists& names, platform::MessageBoxes& messages,
                 platform::VoicePlayer& voices, FaceDrawer& faces, QWidget* parent = nullptr);

    // The window's controls as plain values, and back. Setting values selects list items that do
    // not exist yet by making them exist, so what is shown is always what is stored.
    EditorValues Values() const;
    void SetValues(const EditorValues& values);

    void ApplyBlankDefaults();
    void ShowOfficer(int slot);
    void UpdateScenarioAges();
    void SetScenarioCaptions();  // the four labels without ages
    void VoicePreview(int voiceType);
    // lbCG shows the portrait number in use (CurrentPortrait).
    void ShowPortraitNumber();

    // The editor's portrait from a large archive; the medium drawers from the picker's archives.
    // The portrait: a portrait number's face from its large archive, or from its medium one.
    void ShowLargePortrait(int portraitNumber);
    void ShowMediumPortrait(int portraitNumber);

    // "修改" and "添加": commit the controls as one step of the history, then show the officer again;
    // false when nothing was committed (a refusal, or the user's No to the question).
    bool Commit(CommitMode mode);
    // 编辑 → 撤销 / 重做: one step of the history back or forth, then the officer it changed is shown.
    void Undo();
    void Redo();
    // The edit menu's entries and the title's asterisk, from the history.
    void ShowHistoryState();
    // Whether the boxes hold changes to the officer shown that are not in the table yet.
    bool HasUncommittedEdits() const;
    // Before another officer is shown: asks whether to commit such changes first. False: stay.
    bool SettleUncommitted();
    // The random officer button: a made-up officer in the controls, nothing stored.
    void RandomOfficer();
    // The reference panel: a pick button aims it at one of the officer lists; a choice in its
    // list shows that officer's figures and goes to the aimed list.
    void Pick(PickTarget target);
    void ShowReference();
    void SearchReference();
    ReferencePanel* Panel() { return Picture2; }
    // The parts of the editor, scrolling when the window is smaller than they are.
    QScrollArea* ScrollArea() const { return scrollArea_; }

    // The small controls: all tactics at once, the father reset, the two test buttons.
    void TickAllTactics(bool ticked);
    void ShowCompatibilityCount();
    void ShowCharacterOfCode();
    void OpenPicker();

    std::function<void()> onOpen;               // the open button: load the officer file again
    std::function<void()> onOpenMap;            // "B": the map city picker
    std::function<void()> onRestoreBackup;      // 系统 → 恢复备份…
    std::function<void()> onOpenPicker;         // "选择头像": the portrait picker
    std::function<void()> onClosed;             // the editor closes: the other windows go with it
    std::function<void()> onShowList;           // 窗口 → the officer list, as it was
    std::function<void()> onArrangeWindows;     // 窗口 → the three windows placed afresh for the screen
    std::function<void()> onChooseFolders;      // 系统 → the game and documents folders
    // Asks the desktop to open a file with its viewer (the readme); false when it could not; tests replace it.
    std::function<bool(const QUrl&)> openDocument;
    void OpenReadme();  // "说明文档"
    ReadmeWindow* Readme() { return readmeWindow_; }  // once the program has shown the readme itself
    std::function<void(int slot)> onCommitted;  // a slot was committed: its list row becomes current
    std::function<void(int slot)> onStepShown;  // undo or redo changed this slot: select it and show it
    // The table is about to be left (closing, 系统 → 退出): asks about unsaved changes; false: stay.
    std::function<bool()> mayLeaveTable;
    // Ends the program's event loop with a status (系统 → 退出); tests replace it.
    std::function<void(int status)> exitProgram;

    // Controls.
    QLineEdit *txX, *txXP, *txM, *txMP, *txLJ, *txCSN, *txSWN, *txLTY, *txLWG, *txLZH, *txLZZ, *txLQY;
    std::array<QComboBox*, kAptitudeCount> SkillList{};
    std::array<QCheckBox*, kTacticBoxes> SKill1{};
    QComboBox *cSB, *cCZ, *cXY, *cSS, *cXXWJ, *cQEWJ1, *cQEWJ2, *cYEWJ1, *cYEWJ2, *cSF, *cZT, *cCCDC;
    std::array<QRadioButton*, 6> SD{};
    QLabel *Picture1, *lbCG;
    std::array<QLabel*, 4> lbTl{};
    QCheckBox *ZZZZ, *CK_FT;
    QPushButton *Command1, *Command2, *Command3, *Command16;
    QPushButton *Command10, *Command11, *Command12, *Command13, *Command14, *Command15;
    QPushButton *Command4, *Command5, *Command7, *Command8, *Command18;
    QCheckBox* Check1;
    QLineEdit* txchr;
    ReferencePanel* Picture2;
    QLineEdit* txOpen;
    QAction *M_EXIT, *M_RDME, *M_UNDO, *M_REDO;
    QMenu* M_LANGUAGE;  // 系统 → 语言 / Language
    QAction* M_RESTORE;  // 系统 → 恢复备份…
    QAction *M_FOLDERS, *M_LIST, *M_PICKER, *M_ARRANGE;

private:
    QWidget* BuildIdentity();
    QWidget* BuildAbilities();
    QWidget* BuildAptitudes();
    QWidget* BuildTactics();
    QWidget* BuildRelations();
    QWidget* BuildStanding();
    QWidget* BuildPortrait();
    void DescribeControls();  // tooltips and names for screen readers
    // A caption in the interface language (marked QT_TRANSLATE_NOOP("EditorWindow", …)), naming `buddy`.
    QLabel* TrCaption(const char* source, QWidget* buddy = nullptr);
    // The fixed lists and the pictures of the tactic and voice options in the interface language.
    void SetVocabularyTexts();
    platform::LanguageTexts* texts_ = nullptr;
    std::optional<bool> scenarioAgesShown_;  // lbTl show ages, or the scenarios' captions alone, or nothing yet
    QPushButton* PickButton(const char* name, PickTarget target);
    QComboBox* AimedList(PickTarget target) const;
    std::vector<std::pair<QLineEdit*, std::string EditorValues::*>> TextBoxes() const;
    std::vector<std::pair<QComboBox*, int EditorValues::*>> FixedLists() const;
    std::vector<std::pair<QComboBox*, int EditorValues::*>> NameLists() const;
    void SelectFixed(QComboBox* list, int item, const EditorValues& values) const;
    void SelectName(QComboBox* list, int item, const EditorValues& values = {}) const;
    int NamePosition(const QComboBox* list) const;
    QComboBox* NameList(const char* name, QAbstractItemModel* names);
    QString RegisteredName(int item) const;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void TakeStep(bool redo);

    Session& session_;
    EditHistory& history_;
    OfficerNameLists& names_;
    platform::MessageBoxes& messages_;
    platform::VoicePlayer& voices_;
    FaceDrawer& faces_;
    QButtonGroup* voiceGroup_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    ReadmeWindow* readmeWindow_ = nullptr;  // a child window, made on first need
    // What the boxes and lists showed of the stored officer (the maps of EditorValues).
    EditorValues kept_;
    // The values as the officer was last shown, to tell changes not yet committed.
    EditorValues shownValues_;
    // Each officer-name list: the shared names, and a one-item list of its own for an unlisted value.
    struct NameListModels {
        QAbstractItemModel* names;
        QStringListModel* unlisted;
    };
    std::map<const QComboBox*, NameListModels> nameLists_;
};

}  // namespace busho
