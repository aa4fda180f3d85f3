#include "application.h"

#include <QActionGroup>
#include <QTimer>
#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTableWidget>

#include <algorithm>

#include "core/text/messages.h"
#include "core/data/backups.h"
#include "core/data/roster.h"
#include "core/editing/officer_check.h"
#include "core/os/wine_prefix.h"
#include "core/os/wine_prefixes.h"
#include "gui/editor/editor_window.h"
#include "core/os/folders.h"
#include "platform/game_location.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/message_boxes.h"
#include "gui/portrait/face_preview_window.h"
#include "gui/auxiliary/map_window.h"
#include "gui/portrait/face_drawer.h"
#include "gui/portrait/portrait_picker_window.h"
#include "edition_chooser.h"
#include "normalise_folder.h"
#include "game_location_dialog.h"
#include "officer_list_window.h"
#include "restore_backup_dialog.h"
#include "window_arranger.h"

namespace busho {
namespace {

std::filesystem::path ToPath(const QString& folder) { return std::filesystem::path(folder.toStdU16String()); }
QString ToText(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

}  // namespace

Application::Application(platform::MessageBoxes& messages, platform::VoicePlayer& voices, FileAccess& files)
    : messages_(messages), voices_(voices), files_(files), session_(std::make_unique<Session>()),
      faces_(std::make_unique<FaceDrawer>(*session_, messages)) {}


const WineLocation& Application::Wine(const StartupOptions& options) {
    if (!wine_) {
        const auto prefix = FindWinePrefix(options.winePrefix);
        wine_ = prefix ? LocateInWinePrefix(*prefix, session_->Edition) : WineLocation{};
    }
    return *wine_;
}

std::filesystem::path Application::FindGameFolder(const StartupOptions& options) {
    QString folder = options.gameFolder;
    if (folder.isEmpty() && options.demo) folder = ToText(session_->ProgramFolder / ".." / "demo" / "game");
    if (folder.isEmpty()) {
        // A folder the user chose in the folder dialog wins over the install key.
        folder = settings_.GameFolder(session_->Edition);
        const bool tc = session_->Edition == kEditionTraditionalChinese;
        if (folder.trimmed().isEmpty())
            folder = platform::ReadRegistryText(tc ? QStringLiteral("Software\\KOEI\\Nobunaga12PK TC\\Install")
                                                   : QStringLiteral("Software\\KOEI\\Nobunaga12PK\\Install"),
                                                QStringLiteral("InstallInfo"));
#ifndef Q_OS_WIN
        // The game under Wine: the install key in the prefix's registry, mapped into the prefix.
        if (folder.trimmed().isEmpty()) folder = ToText(Wine(options).gameFolder);
#endif
    }
    if (folder.trimmed().isEmpty()) folder = ToText(session_->ProgramFolder);
    if (options.demo || !options.gameFolder.isEmpty()) folder = QDir::cleanPath(folder);
    return ToPath(NormaliseFolder(folder));
}

std::filesystem::path Application::FindDocumentsFolder(const StartupOptions& options) {
    if (!options.documentsFolder.isEmpty()) return ToPath(QDir::cleanPath(options.documentsFolder));
    if (options.demo) return ToPath(QDir::cleanPath(ToText(session_->ProgramFolder / ".." / "demo" / "Documents")));
    const QString configured = settings_.DocumentsFolder();
    if (!configured.isEmpty()) return ToPath(QDir::cleanPath(configured));
#ifndef Q_OS_WIN
    if (!Wine(options).documentsFolder.empty()) return Wine(options).documentsFolder;
#endif
    return UserDocumentsFolder();
}

// A table file that did not load is reported under its own name, and only to the edition that
// converts through it; the simplified/traditional forms serve both editions.
void Application::ReportTable(bool loaded, const char* file, bool used) {
    if (!loaded && used && file)
        messages_.Show(MessageFor(Problem(TextId::kTextTablesMissing).InFile(session_->ProgramFolder / file)));
}

void Application::LoadTables() {
    Session& s = *session_;
    const bool gbBig5 = LoadGbBig5Tables(s.Text.GbBig5, s.ProgramFolder);
    ReportTable(gbBig5, s.Text.GbBig5.FailedFile, s.Edition == kEditionTraditionalChinese);
    const bool forms = LoadSimplifiedTraditionalTables(s.Text.Forms, s.ProgramFolder);
    ReportTable(forms, kSimplifiedTraditionalFileName, true);
}

bool Application::Start(const StartupOptions& options) {
    Session& s = *session_;
    settings_ = platform::SettingsFile(options.settingsFile);
    s.ProgramFolder = options.programFolder.empty() ? DataFolder(ExecutableFolder(nullptr)) : options.programFolder;
    // The language before any window: the command line's for this run, else the one chosen last,
    // else the system's.
    translators_ = std::make_unique<platform::Translators>(
        QStringList{QString::fromStdU16String((s.ProgramFolder / "translations").u16string()),
                    QCoreApplication::applicationDirPath() + QStringLiteral("/translations")});
    QString language = options.language;
    if (!platform::LanguageFromCode(language)) language = settings_.Language();
    if (!platform::LanguageFromCode(language)) language = platform::LanguageCode(platform::LanguageForLocale(QLocale::system()));
    translators_->Use(*platform::LanguageFromCode(language));
    names_.SetBuiltInNames(LoadBuiltInNames(s.ProgramFolder));
    form1_ = std::make_unique<EditorWindow>(s, history_, names_, messages_, voices_, *faces_);
    form2_ = std::make_unique<OfficerListWindow>(s, names_, messages_);
    form3_ = std::make_unique<PortraitPickerWindow>(s, history_, *faces_);
    form3_->UseFiles(files_);
    history_.onTableChanged = [this](const EditCommand& step) { TableChanged(step); };
    history_.onStateChanged = [this] { form1_->ShowHistoryState(); };
    arranger_ = std::make_unique<WindowArranger>(*form1_, *form2_, *form3_, [this] {
        return std::array<QSize, 3>{form1_->sizeHint(), OfficerListWindow::PreferredSize(), PortraitPickerWindow::PreferredSize()};
    });
    form1_->onOpenPicker = [this] {
        form3_->EnsureLoaded();
        ShowWindow(*form3_);
    };
    form1_->onShowList = [this] { ShowWindow(*form2_); };
    form1_->onArrangeWindows = [this] { ArrangeWindows(); };
    form1_->onChooseFolders = [this] { ChooseFolders(); };
    // 系统 → 语言 / Language: each language in its own name.
    auto* languages = new QActionGroup(form1_->M_LANGUAGE);
    for (const platform::Language l : platform::kLanguages) {
        QAction* entry = form1_->M_LANGUAGE->addAction(platform::LanguageOwnName(l));
        entry->setObjectName(QStringLiteral("M_LANGUAGE_") + platform::LanguageCode(l));
        entry->setData(platform::LanguageCode(l));
        entry->setCheckable(true);
        languages->addAction(entry);
        QObject::connect(entry, &QAction::triggered, form1_.get(), [this, l] { ChooseLanguage(platform::LanguageCode(l)); });
    }
    UseLanguage(platform::LanguageCode(translators_->Current()));
    winePrefix_ = options.winePrefix;

    // The edition, once.
    if (options.edition) {
        s.Edition = *options.edition;
    } else {
        EditionChooser chooser;
        chooser.exec();
        if (chooser.Chosen() == kEditionUnchosen) return false;
        s.Edition = chooser.Chosen();
    }
    PlaceWindows();
    if (s.Edition == kEditionTraditionalChinese) form1_->show();

    const bool gbkSjis = LoadGbkJisTables(s.Text.GbkSjis, s.ProgramFolder);
    ReportTable(gbkSjis, s.Text.GbkSjis.FailedFile, s.Edition == kEditionJapanese);
    s.GameFolder = FindGameFolder(options);
    s.DocumentsFolder = FindDocumentsFolder(options);
    // What the command line names is used as given; anything else that is missing is asked for once.
    const GameLocationCheck found = CheckGameLocation(s.GameFolder, s.DocumentsFolder, s.Edition);
    const bool gameGiven = options.demo || !options.gameFolder.isEmpty();
    const bool documentsGiven = options.demo || !options.documentsFolder.isEmpty();
    if ((!found.GameFound() && !gameGiven) || (!found.officerFolderFound && !documentsGiven)) AskFolders(&found);
    s.AppTitle = AppTitleFor(s.Edition);
    form1_->setWindowTitle(platform::CaptionText(s.AppTitle));
    LoadTables();
    QObject::connect(form3_.get(), &PortraitPickerWindow::LargeFaceShown, form1_.get(), &EditorWindow::ShowLargePortrait);
    QObject::connect(form3_.get(), &PortraitPickerWindow::MediumFaceShown, form1_.get(), &EditorWindow::ShowMediumPortrait);
    form3_->showPortraitNumber = [this] { form1_->ShowPortraitNumber(); };
    form3_->Load();
    form1_->ApplyBlankDefaults();
    form1_->SetScenarioCaptions();
    for (QComboBox* list : {form1_->cXXWJ, form1_->cQEWJ1, form1_->cQEWJ2, form1_->cYEWJ1, form1_->cYEWJ2, form1_->cSF, form1_->cCZ})
        list->setCurrentIndex(0);
    form1_->txCSN->setText(QStringLiteral("1500"));
    form1_->txSWN->setText(QStringLiteral("1600"));
    s.FileLoaded = false;
    s.PickTarget = PickTarget::None;
    LoadRoster(s.ProgramFolder, s.Roster);
    s.BlankSlotLoaded = LoadBlankSlot(s.ProgramFolder, s.BlankSlot).ok();  // a save without it is refused

    form2_->onShowOfficer = [this](int slot) {
        // Changes in the boxes are committed first or dropped, as the user says; or the list stays.
        if (!form1_->SettleUncommitted()) {
            form2_->SelectListRow(session_->CurrentSlot);
            return;
        }
        // A commit made the committed row current: the row clicked is the one shown.
        if (form2_->msFlg->currentRow() != slot - 1) form2_->SelectListRow(slot);
        form1_->ApplyBlankDefaults();
        session_->CurrentSlot = slot;
        form1_->ShowOfficer(slot);
    };
    form2_->onSave = [this] { Save(); };
    // 删除, 复制为新武将, 上移/下移 and 批量修改: edits in the boxes are settled first, then the step is
    // taken and the officer it names first is shown.
    form2_->mayChangeTable = [this] { return form1_->SettleUncommitted(); };
    form2_->onStep = [this](std::unique_ptr<EditCommand> step) {
        const int shown = step->Slots().front();
        history_.Push(*session_, std::move(step));
        ShowStep(shown);
    };
    form1_->onOpen = [this] {
        if (AskToSaveChanges()) Reload();
    };
    form1_->mayLeaveTable = [this] { return AskToSaveChanges(); };
    form1_->onCommitted = [this](int slot) {
        form2_->SelectListRow(slot);  // after 添加 the new row is the list's current row, in view
    };
    form1_->onStepShown = [this](int slot) { ShowStep(slot); };
    form1_->onOpenMap = [this] { OpenMap(); };
    form1_->onRestoreBackup = [this] { OpenRestoreDialog(); };
    s.DatedBackupsKept = settings_.DatedBackupsKept(kDefaultDatedBackupsKept, kMaxDatedBackupsKept);
    // Closing the editor closes every other window with it.
    form1_->onClosed = [this] {
        form2_->close();
        form3_->close();
        if (form3_->Preview()) form3_->Preview()->close();
        if (form6_) form6_->close();
    };

    // A file whose folder the folder dialog has told missing is not looked for again.
    if (!skippedOfficerFolder_) Reload();
    form1_->show();
    return true;
}

void Application::Reload() {
    const Status loaded = LoadOfficerFile(*session_, *this, files_);
    if (loaded) history_.Clear();
    Tell(loaded);
}

bool Application::Save() {
    const Status saved = SaveAllOfficers(*session_, *this, files_, clock_);
    if (saved) history_.MarkSaved();
    Tell(saved);
    return saved.ok();
}

bool Application::AskToSaveChanges() {
    if (!history_.IsModified()) return true;
    const Message question{Problem(TextId::kUnsavedQuestion), TextId::kTitleNotice, text_gbk::kStyleWarning};
    switch (messages_.AskKeep(question, TextId::kButtonSave, TextId::kButtonDontSave)) {
        case platform::KeepAnswer::Keep: return Save();
        case platform::KeepAnswer::Drop: return true;
        case platform::KeepAnswer::Cancel: return false;
    }
    return false;
}

void Application::TableChanged(const EditCommand& step) {
    bool taken = false;
    for (int slot : step.Slots()) {
        if (slot < session_->EndSlot) {
            form2_->BuildListRow(slot);
        } else {
            form2_->ClearListRow(slot);
            taken = true;
        }
    }
    // An added officer taken back leaves the officer-name lists with the slots that hold officers.
    if (taken) names_.KeepRegistered(session_->EndSlot - 1);
    form2_->RefreshView();
    Check();
}

void Application::Check() { form2_->ShowFindings(CheckOfficers(*session_)); }

void Application::ShowStep(int slot) {
    const int shown = std::clamp(slot, 1, std::max(1, session_->EndSlot - 1));
    form2_->SelectListRow(shown);
    form1_->ApplyBlankDefaults();
    session_->CurrentSlot = shown;
    form1_->ShowOfficer(shown);
}

std::vector<std::filesystem::path> Application::WinePrefixes() const {
#ifdef Q_OS_WIN
    return {};
#else
    return WinePrefixesFound(winePrefix_);
#endif
}

bool Application::AskFolders(const GameLocationCheck* missing) {
    Session& s = *session_;
    const QString game = QDir::toNativeSeparators(ToText(s.GameFolder));
    const QString documents = QDir::toNativeSeparators(ToText(s.DocumentsFolder));
    std::optional<FolderChoice> choice;
    if (askFolders) {
        choice = askFolders(missing, game, documents);
    } else {
        GameLocationDialog dialog(s.Edition, game, documents, missing, WinePrefixes(), form1_->isVisible() ? form1_.get() : nullptr);
        if (dialog.exec() == QDialog::Accepted) choice = FolderChoice{dialog.GameFolder(), dialog.DocumentsFolder()};
    }
    if (!choice) {
        // Gone on without: what the dialog told missing is not told again, box after box.
        if (missing) {
            faces_->SetQuietWhenMissing(!missing->GameFound());
            skippedOfficerFolder_ = !missing->officerFolderFound;
        }
        return false;
    }
    s.GameFolder = ToPath(NormaliseFolder(QDir::cleanPath(choice->gameFolder)));
    s.DocumentsFolder = ToPath(QDir::cleanPath(choice->documentsFolder));
    settings_.SetGameFolder(s.Edition, QDir::cleanPath(choice->gameFolder));
    settings_.SetDocumentsFolder(QDir::cleanPath(choice->documentsFolder));
    faces_->SetQuietWhenMissing(false);
    skippedOfficerFolder_ = false;
    return true;
}

void Application::ChooseFolders() {
    // Other folders hold another table: unsaved changes are saved or given up first.
    if (!AskToSaveChanges()) return;
    if (!AskFolders(nullptr)) return;
    // The faces and the officers from the folders chosen.
    if (form3_->IsLoaded()) {
        faces_->CloseMedium();
        form3_->Load();
    }
    Reload();
}

void Application::PlaceWindows() {
    // The places the windows were left in, while each still fits on a screen as it is now.
    std::array<QRect, 3> places;
    std::array<QRect, 3> frames;
    const std::array<QWidget*, 3> windows{form1_.get(), form2_.get(), form3_.get()};
    bool remembered = true;
    for (std::size_t i = 0; i < 3 && remembered; ++i) {
        const auto place = settings_.WindowPlace(session_->Edition, windows[i]->objectName());
        remembered = place.has_value();
        if (!place) break;
        places[i] = *place;
        const QMargins frame = arranger_->FrameOf(*windows[i]);
        frames[i] = QRect(place->topLeft(), place->size().grownBy(frame));
    }
    const QScreen* screen = remembered ? QGuiApplication::screenAt(frames[0].center()) : nullptr;
    if (screen && AllInside(screen->availableGeometry(), frames)) arranger_->Restore(places);
    else arranger_->Arrange();
}

void Application::ArrangeWindows() {
    form3_->EnsureLoaded();
    form2_->show();
    form3_->show();
    arranger_->Arrange();
}

void Application::ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

void Application::RememberWindowPlaces() {
    if (session_->Edition == kEditionUnchosen) return;
    for (QWidget* window : {static_cast<QWidget*>(form1_.get()), static_cast<QWidget*>(form2_.get()), static_cast<QWidget*>(form3_.get())})
        settings_.SetWindowPlace(session_->Edition, window->objectName(), QRect(window->pos(), window->size()));
}

Application::~Application() { delete form6_.data(); }

MapWindow* Application::Form6() { return form6_.data(); }

void Application::OpenMap() {
    // A map closed with its close box is loaded afresh; a hidden one is shown again as it was.
    if (!form6_) form6_ = new MapWindow(form1_->cSS, session_->ProgramFolder);
    form6_->show();
    form6_->raise();
}

RestoreBackupDialog* Application::RestoreDialog() { return restoreDialog_.data(); }

void Application::OpenRestoreDialog() {
    // A restore replaces the table: unsaved changes are saved or given up first, and a save now (which
    // moves the backups on) comes before the list of backups is read.
    if (!AskToSaveChanges()) return;
    if (!restoreDialog_) {
        restoreDialog_ = new RestoreBackupDialog(*session_, *this, files_, clock_, messages_, form1_.get());
        restoreDialog_->onKeepChanged = [this](int kept) { settings_.SetDatedBackupsKept(kept); };
        restoreDialog_->onRestored = [this] { history_.Clear(); };
        // The picker keeps the medium archives open, and Windows replaces no open file.
        restoreDialog_->beforeFacesRestore = [this] { faces_->CloseMedium(); };
        restoreDialog_->afterFacesRestore = [this] { form3_->Load(); };
    }
    restoreDialog_->Refresh();
    restoreDialog_->open();
    restoreDialog_->raise();
}

void Application::ClearRows() {
    form2_->ClearAll();
    names_.ClearRegistered();
}

void Application::RowRead(int slot) { form2_->BuildListRow(slot); }

void Application::UseLanguage(const QString& code) {
    if (const auto language = platform::LanguageFromCode(code); language && *language != translators_->Current())
        translators_->Use(*language);
    for (QAction* entry : form1_->M_LANGUAGE->actions()) entry->setChecked(entry->data().toString() == LanguageInUse());
}

bool Application::ChooseLanguage(const QString& code) {
    const auto language = platform::LanguageFromCode(code);
    if (!language) return false;
    UseLanguage(code);
    settings_.SetLanguage(code);
    // Texts of another length need windows of another size: once the layouts have taken the new texts,
    // the windows are placed again as 窗口 → 重新排列 places them, when all three are up.
    QTimer::singleShot(0, form1_.get(), [this] {
        if (form1_->isVisible() && form2_->isVisible() && form3_->isVisible()) arranger_->Arrange();
    });
    return translators_->Current() == *language;
}

QString Application::LanguageInUse() const { return platform::LanguageCode(translators_->Current()); }

void Application::SetCaption(const std::string& gbk) { form1_->setWindowTitle(platform::CaptionText(gbk)); }

void Application::LoadFinished() {
    // The first officer from the blank officer, as a row click shows one: nothing of what the editor
    // showed before (ticks, unlisted items) stays to be committed with it.
    form1_->ApplyBlankDefaults();
    form1_->ShowOfficer(1);
    form1_->UpdateScenarioAges();
    // The list and the picker where start-up placed them (to the right of the editor, the picker
    // below the list), or where the user has put them since.
    form1_->show();
    form2_->show();
    form3_->show();
    if (!windowsShown_) {
        // Shown for the first time: arranged again with the frames the window system gives them.
        windowsShown_ = true;
        arranger_->Settle();
    }
    form1_->ShowHistoryState();  // the title, with its asterisk while the table is not saved
    form2_->RefreshView();
    Check();
}

void Application::Notify(const Message& message) { messages_.Show(message); }

void Application::Tell(const Status& status) {
    if (!status) messages_.Show(MessageFor(status.problem()));
}

}  // namespace busho
