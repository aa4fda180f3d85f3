#include "application.h"

#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>

#include "core/text/messages.h"
#include "core/data/roster.h"
#include "core/os/wine_prefix.h"
#include "core/os/wine_prefixes.h"
#include "gui/editor/editor_window.h"
#include "core/os/folders.h"
#include "platform/game_location.h"
#include "platform/gbk_text.h"
#include "platform/message_boxes.h"
#include "gui/portrait/face_preview_window.h"
#include "gui/auxiliary/map_window.h"
#include "gui/portrait/face_drawer.h"
#include "gui/portrait/portrait_picker_window.h"
#include "edition_chooser.h"
#include "normalise_folder.h"
#include "game_location_dialog.h"
#include "officer_list_window.h"
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
        messages_.Show({text_gbk::kTextTablesMissing, session_->ProgramFolder / file, {}, text_gbk::kTitleTables, text_gbk::kStyleCritical});
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
    names_.SetBuiltInNames(LoadBuiltInNames(s.ProgramFolder));
    form1_ = std::make_unique<EditorWindow>(s, names_, messages_, voices_, *faces_);
    form2_ = std::make_unique<OfficerListWindow>(s, names_, messages_);
    form3_ = std::make_unique<PortraitPickerWindow>(s, *faces_);
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
    form1_->setWindowTitle(platform::FromGbk(s.AppTitle));
    LoadTables();
    QObject::connect(form3_.get(), &PortraitPickerWindow::LargeFaceShown, form1_.get(), &EditorWindow::ShowLargePortrait);
    QObject::connect(form3_.get(), &PortraitPickerWindow::MediumFaceShown, form1_.get(), &EditorWindow::ShowMediumPortrait);
    form3_->showPortraitNumber = [this] { form1_->ShowPortraitNumber(); };
    form3_->onPortraitChanged = [this](int slot) {
        // The list's CG column and the roster follow the new portrait number.
        if (slot >= session_->EndSlot) return;
        form2_->BuildListRow(slot);
        CopyToRoster(session_->Officers, session_->Roster, slot);
    };
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
    s.BlankSlotLoaded = LoadBlankSlot(s.ProgramFolder, s.BlankSlot).ok;  // a save without it is refused

    form2_->onShowOfficer = [this](int slot) {
        form1_->ApplyBlankDefaults();
        session_->CurrentSlot = slot;
        form1_->ShowOfficer(slot);
    };
    form2_->onSave = [this] { SaveAllOfficers(*session_, *this, files_); };
    form1_->onOpen = [this] { LoadOfficerFile(*session_, *this, files_); };
    form1_->onCommitted = [this](int slot) {
        form2_->BuildListRow(slot);
        form2_->SelectListRow(slot);  // after 添加 the new row is the list's current row, in view
    };
    form1_->onOpenMap = [this] { OpenMap(); };
    // Closing the editor closes every other window with it.
    form1_->onClosed = [this] {
        form2_->close();
        form3_->close();
        if (form3_->Preview()) form3_->Preview()->close();
        if (form6_) form6_->close();
    };

    // A file whose folder the folder dialog has told missing is not looked for again.
    if (!skippedOfficerFolder_) LoadOfficerFile(s, *this, files_);
    form1_->show();
    return true;
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
    if (!AskFolders(nullptr)) return;
    // The faces and the officers from the folders chosen.
    if (form3_->IsLoaded()) {
        faces_->CloseMedium();
        form3_->Load();
    }
    LoadOfficerFile(*session_, *this, files_);
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

void Application::ClearRows() {
    form2_->ClearAll();
    names_.ClearRegistered();
}

void Application::RowRead(int slot) { form2_->BuildListRow(slot); }

void Application::SetCaption(const std::string& gbk) { form1_->setWindowTitle(platform::FromGbk(gbk)); }

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
    form1_->setWindowTitle(platform::FromGbk(session_->AppTitle));
}

void Application::ShowMessage(const Message& message) { messages_.Show(message); }

}  // namespace busho
