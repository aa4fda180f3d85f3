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
#include "platform/message_boxes.h"
#include "platform/guarded_application.h"
#include "platform/interface_language.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_preview_window.h"
#include "gui/auxiliary/map_window.h"
#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/application.h"
#include "gui/shell/restore_backup_dialog.h"
#include "gui/shell/edition_chooser.h"
#include "gui/shell/game_location_dialog.h"
#include "gui/shell/officer_list_window.h"

namespace {

constexpr int kOfficersShownUnattended = 5;
constexpr int kVoiceOutcomeWaitMs = 20000;  // a demo sample lasts about a second
constexpr int kSettleMs = 1500;

// Writes every window that start-up shows, and the edition chooser, to DIR/<objectName>.png.
bool WriteScreenshots(busho::Application& app, const QString& dir) {
    QDir().mkpath(dir);
    bool ok = true;
    for (QWidget* window : {static_cast<QWidget*>(&app.Form1()), static_cast<QWidget*>(&app.Form2()), static_cast<QWidget*>(&app.Form3())}) {
        if (window->isVisible()) ok = window->grab().save(dir + QLatin1Char('/') + window->objectName() + QStringLiteral(".png")) && ok;
    }
    // The whole screen as the window system shows it, frames included: where the windows were placed.
    if (QScreen* screen = QGuiApplication::primaryScreen()) ok = screen->grabWindow(0).save(dir + QStringLiteral("/Screen.png")) && ok;
    busho::EditionChooser chooser;
    chooser.adjustSize();
    ok = chooser.grab().save(dir + QStringLiteral("/Form4.png")) && ok;
    busho::GameLocationDialog folders(app.State().Edition, QString::fromStdU16String(app.State().GameFolder.u16string()),
                                      QString::fromStdU16String(app.State().DocumentsFolder.u16string()), nullptr, {});
    folders.adjustSize();
    ok = folders.grab().save(dir + QStringLiteral("/GameLocationDialog.png")) && ok;
    app.OpenMap();
    if (auto* map = app.Form6()) {
        ok = map->grab().save(dir + QStringLiteral("/Form6.png")) && ok;
        map->hide();
    }
    // 系统 → 恢复备份… on the backups the documents folder holds.
    app.OpenRestoreDialog();
    if (auto* restore = app.RestoreDialog()) {
        ok = restore->grab().save(dir + QStringLiteral("/RestoreBackupDialog.png")) && ok;
        restore->hide();
    }
    // The preview as a right-button press on the first standard face shows it.
    app.Form3().PreviewFace(true, 0, QPoint(0, 0));
    if (auto* preview = app.Form3().Preview()) {
        ok = preview->grab().save(dir + QStringLiteral("/Form5.png")) && ok;
        preview->hide();
    }
    return ok;
}

// Prints what the unattended run would have shown, and how the last sample asked for ended, then quits:
// status 0, or 1 when a screenshot could not be written, or 3 when the sample had no outcome in time.
void WaitForVoiceThenQuit(busho::platform::QtVoicePlayer& voices, busho::platform::RecordingMessageBoxes& messages, bool ok) {
    auto finish = [&messages, ok](int status) {
        for (const auto& m : messages.shown)
            std::fprintf(stderr, "busho-editor: %s\n", busho::platform::MessageText(m).toUtf8().constData());
        QApplication::exit(ok ? status : 1);
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
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("The settings file to read and write instead of the user's own."),
                                      QStringLiteral("FILE"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("The interface language for this run: zh_CN, zh_TW, ja or en."),
                                      QStringLiteral("zh_CN|zh_TW|ja|en"));
    parser.addOptions({demo, edition, gameFolder, documents, winePrefix, settings, language, screenshots, quit});
    parser.process(qt);

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

    const bool unattended = parser.isSet(screenshots) || parser.isSet(quit);
    std::unique_ptr<busho::platform::MessageBoxes> messages;
    if (unattended) {
        messages = std::make_unique<busho::platform::RecordingMessageBoxes>();
    } else {
        messages = std::make_unique<busho::platform::QtMessageBoxes>();
    }
    // The real player in every mode: it makes its media player only when the first sample starts.
    busho::platform::QtVoicePlayer voices(*messages);
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
    // Closing the edition chooser without a choice ends the program.
    if (!app.Start(options)) return 0;

    if (unattended) {
        const QString dir = parser.value(screenshots);
        const bool showOfficers = parser.isSet(quit);
        // On a desktop the window manager frames the windows and the editor places them again: the
        // screenshots wait until it has.
        const int settleMs = QGuiApplication::platformName() == QLatin1String("offscreen") ? 0 : kSettleMs;
        QTimer::singleShot(settleMs, &qt, [&, dir, showOfficers] {
            bool ok = true;
            if (!dir.isEmpty()) ok = WriteScreenshots(app, dir);
            // As a user clicking down the list: each officer shown selects its voice, which plays a sample.
            if (showOfficers) {
                const int last = std::min(app.State().EndSlot - 1, kOfficersShownUnattended);
                for (int slot = 1; slot <= last; ++slot) app.Form2().onShowOfficer(slot);
            }
            WaitForVoiceThenQuit(voices, static_cast<busho::platform::RecordingMessageBoxes&>(*messages), ok);
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
