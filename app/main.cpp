// busho-editor: the registered-officer editor.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>

#include "core/os/file_access.h"
#include "gui/editor/editor_window.h"
#include "platform/first_paint.h"
#include "platform/message_boxes.h"
#include "platform/guarded_application.h"
#include "platform/interface_language.h"
#include "platform/cjk_font.h"
#ifdef Q_OS_WIN
#include "platform/system_sound_voice_player.h"
#else
#include "platform/voice_player.h"
#endif
#include "gui/portrait/face_preview_window.h"
#include "gui/auxiliary/map_window.h"
#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/application.h"
#include "gui/shell/restore_backup_dialog.h"
#include "gui/shell/edition_chooser.h"
#include "gui/shell/game_location_dialog.h"
#include "gui/shell/officer_list_window.h"

namespace {

// Qt Multimedia where it is built (Linux); the Win32 sound API on Windows.
#ifdef Q_OS_WIN
using SystemVoicePlayer = busho::platform::SystemSoundVoicePlayer;
#else
using SystemVoicePlayer = busho::platform::QtVoicePlayer;
#endif

constexpr int kExitTextAsBoxes = 4;
constexpr int kOfficersShownUnattended = 5;
constexpr int kVoiceOutcomeWaitMs = 20000;  // a demo sample lasts about a second
constexpr int kSettleMs = 1500;

// What an unattended run found: a screenshot not written, text drawn as boxes.
struct UnattendedOutcome {
    bool written = true;
    bool boxes = false;
};

// Writes `window` to DIR/<name>.png and names the characters in it that no font can draw.
void Capture(QWidget& window, const QString& dir, const QString& name, UnattendedOutcome& outcome) {
    outcome.written = window.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png")) && outcome.written;
    const QString boxes = busho::platform::WindowCharactersWithoutGlyph(window);
    if (boxes.isEmpty()) return;
    outcome.boxes = true;
    std::fprintf(stderr, "busho-editor: %s draws these characters as boxes: %s\n", name.toUtf8().constData(), boxes.toUtf8().constData());
}

// Writes every window that start-up shows, and the edition chooser, to DIR/<objectName>.png.
UnattendedOutcome WriteScreenshots(busho::Application& app, const QString& dir) {
    QDir().mkpath(dir);
    UnattendedOutcome outcome;
    for (QWidget* window : {static_cast<QWidget*>(&app.Form1()), static_cast<QWidget*>(&app.Form2()), static_cast<QWidget*>(&app.Form3())}) {
        if (window->isVisible()) Capture(*window, dir, window->objectName(), outcome);
    }
    // The whole screen as the window system shows it, frames included: where the windows were placed.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        outcome.written = screen->grabWindow(0).save(dir + QStringLiteral("/Screen.png")) && outcome.written;
    busho::EditionChooser chooser;
    chooser.adjustSize();
    Capture(chooser, dir, QStringLiteral("Form4"), outcome);
    busho::GameLocationDialog folders(app.State().Edition, QString::fromStdU16String(app.State().GameFolder.u16string()),
                                      QString::fromStdU16String(app.State().DocumentsFolder.u16string()), nullptr, {});
    folders.adjustSize();
    Capture(folders, dir, QStringLiteral("GameLocationDialog"), outcome);
    app.OpenMap();
    if (auto* map = app.Form6()) {
        Capture(*map, dir, QStringLiteral("Form6"), outcome);
        map->hide();
    }
    // 系统 → 恢复备份… on the backups the documents folder holds.
    app.OpenRestoreDialog();
    if (auto* restore = app.RestoreDialog()) {
        Capture(*restore, dir, QStringLiteral("RestoreBackupDialog"), outcome);
        restore->hide();
    }
    // The preview as a right-button press on the first standard face shows it.
    app.Form3().PreviewFace(true, 0, QPoint(0, 0));
    if (auto* preview = app.Form3().Preview()) {
        Capture(*preview, dir, QStringLiteral("Form5"), outcome);
        preview->hide();
    }
    return outcome;
}

// Prints what the unattended run would have shown, and how the last sample asked for ended, then quits:
// status 0, or 1 when a screenshot could not be written, 3 when the sample had no outcome in time, or
// 4 when a window draws text as boxes.
void WaitForVoiceThenQuit(SystemVoicePlayer& voices, busho::platform::RecordingMessageBoxes& messages, UnattendedOutcome outcome) {
    auto finish = [&messages, outcome](int status) {
        for (const auto& m : messages.shown)
            std::fprintf(stderr, "busho-editor: %s\n", busho::platform::MessageText(m).toUtf8().constData());
        QApplication::exit(!outcome.written ? 1 : outcome.boxes ? kExitTextAsBoxes : status);
    };
    auto print = [](const busho::platform::VoiceReport& report) {
        const QString file = QString::fromStdU16String(report.file.u16string());
        if (report.played) std::fprintf(stderr, "busho-editor: voice played: %s\n", file.toUtf8().constData());
        else std::fprintf(stderr, "busho-editor: voice not played: %s: %s\n", file.toUtf8().constData(),
                          QString(report.reason).replace(QLatin1Char('\n'), QLatin1Char(' ')).toUtf8().constData());
    };
    // Ended already (a sample that could not start ends at once), or never asked for.
    if (!voices.Awaiting()) {
        if (voices.LastReport()) print(*voices.LastReport());
        finish(0);
        return;
    }
    voices.onReport = [finish, print](const busho::platform::VoiceReport& report) {
        print(report);
        finish(0);
    };
    QTimer::singleShot(kVoiceOutcomeWaitMs, qApp, [finish, &voices] {
        voices.onReport = nullptr;
        std::fprintf(stderr, "busho-editor: voice had no outcome within %d s\n", kVoiceOutcomeWaitMs / 1000);
        finish(3);
    });
}

int RunEditor(int argc, char** argv) {
    // Its own guard catches what escapes an event handler or a slot once the event loop runs.
    busho::platform::GuardedApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("busho-editor"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("信长之野望－革新 PK 登录武将编辑器"));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Open the demo game built beside the program."));
    const QCommandLineOption edition(QStringLiteral("edition"), QStringLiteral("Choose the edition in advance: tc or jp."),
                                     QStringLiteral("tc|jp"));
    const QCommandLineOption gameFolder(QStringLiteral("game-folder"), QStringLiteral("The game's install folder."), QStringLiteral("DIR"));
    const QCommandLineOption documents(QStringLiteral("documents"), QStringLiteral("The documents folder that holds KOEI/…"),
                                       QStringLiteral("DIR"));
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Run the start-up, write each window to DIR/<name>.png and quit."),
                                         QStringLiteral("DIR"));
    const QCommandLineOption winePrefix(QStringLiteral("wine-prefix"), QStringLiteral("The Wine prefix the game is installed in."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption quit(QStringLiteral("quit-after-startup"), QStringLiteral("Quit as soon as every window is shown."));
    const QCommandLineOption quitWhenShown(QStringLiteral("quit-when-shown"),
                                           QStringLiteral("Quit as soon as every window is shown and painted once."));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("The settings file to read and write instead of the user's own."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption save(QStringLiteral("save-after-startup"),
                                  QStringLiteral("Save the officer file as \"保存所有修改\" does (backup first), then quit."));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The interface language for this run: zh_CN, zh_TW, ja or en."),
                                      QStringLiteral("zh_CN|zh_TW|ja|en"));
    parser.addOptions({demo, edition, gameFolder, documents, winePrefix, settings, language, screenshots, quit, save, quitWhenShown});
    parser.process(qt);
    // After the options: --help and --version need no fonts.
    busho::platform::UseBundledCjkFonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));

    busho::StartupOptions options;
    options.demo = parser.isSet(demo);
    options.gameFolder = parser.value(gameFolder);
    options.documentsFolder = parser.value(documents);
    options.settingsFile = parser.value(settings);
    options.language = parser.value(language);
    if (parser.isSet(language) && !busho::platform::LanguageFromCode(options.language)) {
        std::fprintf(stderr, "busho-editor: --language takes zh_CN, zh_TW, ja or en\n");
        return 2;
    }
    if (parser.isSet(winePrefix)) options.winePrefix = std::filesystem::path(parser.value(winePrefix).toStdU16String());
    if (parser.isSet(edition)) {
        const QString value = parser.value(edition);
        if (value == QLatin1String("tc")) options.edition = busho::kEditionTraditionalChinese;
        else if (value == QLatin1String("jp")) options.edition = busho::kEditionJapanese;
        else {
            std::fprintf(stderr, "busho-editor: --edition takes tc or jp\n");
            return 2;
        }
    }

    const bool unattended = parser.isSet(screenshots) || parser.isSet(quit) || parser.isSet(save) || parser.isSet(quitWhenShown);
    std::unique_ptr<busho::platform::MessageBoxes> messages;
    if (unattended) {
        messages = std::make_unique<busho::platform::RecordingMessageBoxes>();
    } else {
        messages = std::make_unique<busho::platform::QtMessageBoxes>();
    }
    // The real player in every mode: it makes its media player only when the first sample starts.
#ifdef Q_OS_WIN
    SystemVoicePlayer voices(*messages, busho::platform::WindowsSystemSound());
#else
    SystemVoicePlayer voices(*messages);
#endif
    busho::FileAccess files;
    busho::Application app(*messages, voices, files);
    if (unattended) {
        // No one to answer the folder dialog: say what is missing and go on without.
        app.askFolders = [](const busho::GameLocationCheck* missing, const QString& game, const QString&) {
            if (missing)
                std::fprintf(stderr, "busho-editor: not found: %s\n",
                             busho::MissingText(*missing, game).replace(QLatin1Char('\n'), QLatin1String("; ")).toUtf8().constData());
            return std::optional<busho::FolderChoice>();
        };
    }
    // The start-up as the user sees it ends when the last window has been painted.
    std::unique_ptr<busho::platform::FirstPaintWatch> painted;
    if (parser.isSet(quitWhenShown)) painted = std::make_unique<busho::platform::FirstPaintWatch>([] { QApplication::exit(0); });
    // Closing the edition chooser without a choice ends the program.
    if (!app.Start(options)) return 0;
    if (painted) painted->Check();

    if (unattended && !painted) {
        const QString dir = parser.value(screenshots);
        const bool showOfficers = parser.isSet(quit);
        const bool saveFile = parser.isSet(save);
        // Where start-up found the game and the officer file (the registry, the settings, the options).
        std::fprintf(stderr, "busho-editor: game folder: %s\n", QString::fromStdU16String(app.State().GameFolder.u16string()).toUtf8().constData());
        std::fprintf(stderr, "busho-editor: documents folder: %s\n",
                     QString::fromStdU16String(app.State().DocumentsFolder.u16string()).toUtf8().constData());
        // On a desktop the window manager frames the windows and the editor places them again: the
        // screenshots wait until it has.
        const int settleMs = QGuiApplication::platformName() == QLatin1String("offscreen") ? 0 : kSettleMs;
        QTimer::singleShot(settleMs, &qt, [&, dir, showOfficers, saveFile] {
            UnattendedOutcome outcome;
            if (!dir.isEmpty()) outcome = WriteScreenshots(app, dir);
            if (saveFile) app.Form2().onSave();
            // As a user clicking down the list: each officer shown selects its voice, which plays a sample.
            if (showOfficers) {
                const int last = std::min(app.State().EndSlot - 1, kOfficersShownUnattended);
                for (int slot = 1; slot <= last; ++slot) app.Form2().onShowOfficer(slot);
            }
            WaitForVoiceThenQuit(voices, static_cast<busho::platform::RecordingMessageBoxes&>(*messages), outcome);
        });
    }
    const int status = QApplication::exec();
    // Runs that quit by themselves leave the user's window places alone.
    if (!unattended) app.RememberWindowPlaces();
    return status;
}

}  // namespace

// The last guard: anything that escapes start-up ends it with its reason and status 2.
int main(int argc, char** argv) {
    try {
        return RunEditor(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "busho-editor: internal error: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "busho-editor: internal error\n");
    }
    return busho::platform::kExitInternalError;
}
