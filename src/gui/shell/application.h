#pragma once
// Start-up and the windows' wiring: the one Session, the three windows, the file events.

#include <QPointer>
#include <QWidget>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/os/clock.h"
#include "core/os/file_access.h"
#include "core/data/officer_file.h"
#include "core/editing/edit_history.h"
#include "core/os/wine_prefix.h"
#include "gui/editor/officer_name_lists.h"
#include "platform/game_location.h"

namespace busho {
namespace platform {
class MessageBoxes;
class VoicePlayer;
class Translators;
}  // namespace platform
class EditorWindow;
class OfficerListWindow;
class PortraitPickerWindow;
class FaceDrawer;
class MapWindow;
class RestoreBackupDialog;
class WindowArranger;

struct StartupOptions {
    std::optional<std::uint8_t> edition;  // answers the edition chooser in advance
    QString gameFolder;                   // empty: the registry or the settings file
    QString documentsFolder;              // empty: the settings file or the user's documents
    bool demo = false;                    // the demo game and documents built beside the program
    std::filesystem::path programFolder;  // empty: where the program is
    std::optional<std::filesystem::path> winePrefix;  // where the game runs under Wine (else WINEPREFIX, ~/.wine)
    QString settingsFile;                 // empty: the user's own settings file
    QString language;  // zh_CN, zh_TW, ja or en for this run; empty: the setting, else the system's locale
};

struct GameLocationCheck;

// Folders chosen in the folder dialog.
struct FolderChoice {
    QString gameFolder;
    QString documentsFolder;
};

class Application final : public FileEvents {
public:
    Application(platform::MessageBoxes& messages, platform::VoicePlayer& voices, FileAccess& files);
    ~Application() override;

    // Runs start-up; false when the edition chooser was closed without a choice.
    bool Start(const StartupOptions& options);

    Session& State() { return *session_; }
    EditorWindow& Form1() { return *form1_; }
    OfficerListWindow& Form2() { return *form2_; }
    PortraitPickerWindow& Form3() { return *form3_; }
    MapWindow* Form6();  // while the map is loaded
    void OpenMap();
    // 系统 → 恢复备份…: the backups of the officer file, read afresh each time it opens.
    void OpenRestoreDialog();
    RestoreBackupDialog* RestoreDialog();  // once it has been opened
    OfficerNameLists& Names() { return names_; }
    EditHistory& History() { return history_; }

    // Before the officer table is left or replaced (closing, 系统 → 退出, 打开, a change of folders):
    // with unsaved changes, asks 保存 / 不保存 / 取消. True when the program may go on: nothing was
    // unsaved, the user chose 不保存, or the save worked. False (取消, or a save that failed): stay,
    // with everything as it was.
    bool AskToSaveChanges();
    // "保存所有修改": saves the table; the history marks it as the file's state. False when it failed.
    bool Save();
    // Loads the edition's officer file again; a fresh table has no history.
    void Reload();

    // 系统 → 语言: the interface in another language at once, every window and every value in the
    // boxes as they are; remembered in the settings file. False when its translation was not found.
    bool ChooseLanguage(const QString& code);
    QString LanguageInUse() const;

    // The three windows placed afresh for the screen the editor is on.
    void ArrangeWindows();
    // Where the windows are, stored for the edition in the settings file; the next start puts them there
    // again while they fit on the screen.
    void RememberWindowPlaces();

    // 系统 → 游戏与存档文件夹…: the folder dialog; a choice reloads the faces and the officer file.
    void ChooseFolders();
    // Asks for the folders instead of the real dialog (tests, unattended runs): what start-up found
    // missing (nothing when the user asked), the folders now; the folders chosen, or nothing to go on
    // without.
    std::function<std::optional<FolderChoice>(const GameLocationCheck* missing, const QString& gameFolder,
                                              const QString& documentsFolder)>
        askFolders;

    // File events: rows into the list window, captions and messages.
    void ClearRows() override;
    void RowRead(int slot) override;
    void SetCaption(const std::string& gbk) override;
    void LoadFinished() override;
    void Notify(const Message& message) override;
    void Tell(const Status& status);  // a load or save that failed, as a message box

private:
    std::filesystem::path FindGameFolder(const StartupOptions& options);
    std::filesystem::path FindDocumentsFolder(const StartupOptions& options);
    const WineLocation& Wine(const StartupOptions& options);  // looked up once, when first needed
    void LoadTables();
    void ReportTable(bool loaded, const char* file, bool used);
    void TableChanged(const EditCommand& step);  // list rows and name lists follow the table
    void ShowStep(int slot);                     // after undo or redo: select the slot and show it
    void Check();                                // the file's check, into the list's panel
    void PlaceWindows();  // where they were left, else arranged for the screen
    bool AskFolders(const GameLocationCheck* missing);  // true when folders were chosen
    std::vector<std::filesystem::path> WinePrefixes() const;
    void ShowWindow(QWidget& window);

    platform::MessageBoxes& messages_;
    platform::VoicePlayer& voices_;
    FileAccess& files_;
    std::unique_ptr<Session> session_;
    EditHistory history_;  // every change of the table since it was loaded
    std::unique_ptr<FaceDrawer> faces_;  // the one face drawer, for every window that shows faces
    OfficerNameLists names_;
    std::unique_ptr<EditorWindow> form1_;
    std::unique_ptr<OfficerListWindow> form2_;
    std::unique_ptr<PortraitPickerWindow> form3_;
    QPointer<MapWindow> form6_;  // deletes itself when closed with its close box
    Clock clock_;                 // the time of day, for the backups
    QPointer<RestoreBackupDialog> restoreDialog_;  // a child of the editor, made when first opened
    std::unique_ptr<WindowArranger> arranger_;
    bool windowsShown_ = false;          // the list and the picker have been shown once
    bool skippedOfficerFolder_ = false;  // the folder dialog told it missing and the user went on
    std::optional<std::filesystem::path> winePrefix_;  // given on the command line
    std::optional<WineLocation> wine_;
    platform::SettingsFile settings_;
    std::unique_ptr<platform::Translators> translators_;
    void UseLanguage(const QString& code);  // installs it and ticks it in the 语言 menu
};

}  // namespace busho
