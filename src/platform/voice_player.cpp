#include "voice_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEvent>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <system_error>
#include <utility>

#include "core/text/messages.h"
#include "gbk_text.h"
#include "interface_language.h"
#include "message_boxes.h"

namespace busho::platform {
namespace {

QString ToText(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

// The longest the first sample waits for the windows: one the window system never exposes (started
// minimised) does not keep it silent.
constexpr int kWindowsUpWaitMs = 1000;

// Every window on screen has been exposed, and so painted: a widget window paints as it handles its
// expose event.
bool WindowsUp() {
    for (const QWindow* window : QGuiApplication::topLevelWindows())
        if (window->isVisible() && !window->isExposed()) return false;
    return true;
}

// On Linux the WAV decoder and the audio output come from GStreamer's plugin packages.
QString InstallHint() {
#ifdef Q_OS_WIN
    return {};
#else
    return InterfaceText(text_gbk::kReasonInstallGstreamerPlugins);
#endif
}

}  // namespace

QtVoicePlayer::QtVoicePlayer(MessageBoxes& messages) : messages_(messages) {}

QtVoicePlayer::~QtVoicePlayer() { StopWatchingWindows(); }

void QtVoicePlayer::Stop() {
    pending_.reset();
    awaiting_.reset();
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
}

void QtVoicePlayer::Play(const std::filesystem::path& file) {
    pending_ = file;
    awaiting_ = file;
    // Started from the event loop: the sample that showing the first officer asks for waits until every
    // window is up (making the media player takes longer than drawing them), and of several requests in
    // one burst only the last one plays.
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] { StartWhenWindowsUp(); });
}

void QtVoicePlayer::StartWhenWindowsUp() {
    if (!scheduled_) return;
    if (!windowsWereUp_ && !WindowsUp()) {
        if (!watchingWindows_) {
            watchingWindows_ = true;
            qApp->installEventFilter(this);
            QTimer::singleShot(kWindowsUpWaitMs, this, [this] {
                windowsWereUp_ = true;
                StartWhenWindowsUp();
            });
        }
        return;
    }
    windowsWereUp_ = true;
    StopWatchingWindows();
    scheduled_ = false;
    StartPending();
}

void QtVoicePlayer::StopWatchingWindows() {
    if (!watchingWindows_) return;
    watchingWindows_ = false;
    if (qApp) qApp->removeEventFilter(this);
}

bool QtVoicePlayer::eventFilter(QObject* watched, QEvent* event) {
    // Looked at again once the window has handled its expose event, and so has been painted.
    if (event->type() == QEvent::Expose && watched->isWindowType()) QTimer::singleShot(0, this, [this] { StartWhenWindowsUp(); });
    return QObject::eventFilter(watched, event);
}

void QtVoicePlayer::StartPending() {
    if (!pending_) return;
    const std::filesystem::path file = *std::exchange(pending_, std::nullopt);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        Finish(false, InterfaceText(text_gbk::kReasonVoiceFileMissing));
        return;
    }
    if (!EnsurePlayer()) {
        Finish(false, *unavailable_);
        return;
    }
    if (!outputChecked_) {
        outputChecked_ = true;
        // Qt finds output devices through the sound service (PulseAudio, or PipeWire's PulseAudio
        // interface, on Linux). Without one the sample still goes to the backend's default sink, which
        // may be a sound card, a null device or nothing at all; the user is told it may not be heard.
        if (QMediaDevices::audioOutputs().isEmpty()) {
            QString reason = InterfaceText(text_gbk::kReasonCheckSoundService);
            if (const QString hint = InstallHint(); !hint.isEmpty()) reason += QLatin1Char('\n') + hint;
            Tell(TextId::kTextNoAudioOutput, file, reason);
        }
    }
    player_->setSource(QUrl::fromLocalFile(ToText(file)));
    player_->play();
}

bool QtVoicePlayer::EnsurePlayer() {
    if (player_) return true;
    if (unavailable_) return false;
    const QString missing = MissingMediaPieces();
    if (!missing.isEmpty()) {
        unavailable_ = missing;
        return false;
    }
    output_ = new QAudioOutput(this);
    player_ = new QMediaPlayer(this);
    player_->setAudioOutput(output_);
    connect(player_, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& text) {
        QString reason = InterfaceText(text_gbk::kReasonMediaBackendSays) + text;
        if (const QString hint = InstallHint(); !hint.isEmpty()) reason += QLatin1Char('\n') + hint;
        Finish(false, reason);
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia) Finish(true, {});
        // An unreadable sample without an error of its own.
        if (status == QMediaPlayer::InvalidMedia && player_->error() == QMediaPlayer::NoError)
            Finish(false, InterfaceText(text_gbk::kReasonVoiceUndecodable));
    });
    return true;
}

void QtVoicePlayer::Finish(bool played, const QString& reason) {
    // Only the sample last asked for has an outcome; one that was stopped or replaced has none.
    if (!awaiting_) return;
    const VoiceReport report{*std::exchange(awaiting_, std::nullopt), played, reason};
    if (!played) Tell(TextId::kTextVoiceNotPlayed, report.file, reason);
    lastReport_ = report;
    if (onReport) onReport(report);
}

void QtVoicePlayer::Tell(TextId heading, const std::filesystem::path& file, const QString& reason) {
    if (told_) return;
    told_ = true;
    messages_.Show({Problem(heading).InFile(file).Because(Problem(TextId::kTextJoined, {ToGbk(reason), TextId::kTextVoicesStillSelect})),
                    TextId::kTitleVoice, text_gbk::kStyleInformation});
}

}  // namespace busho::platform
