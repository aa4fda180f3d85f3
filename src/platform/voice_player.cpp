#include "voice_player.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include <system_error>
#include <utility>

#include "core/text/messages.h"
#include "gbk_text.h"
#include "message_boxes.h"

namespace busho::platform {
namespace {

QString ToText(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

// On Linux the WAV decoder and the audio output come from GStreamer's plugin packages.
QString InstallHint() {
#ifdef Q_OS_WIN
    return {};
#else
    return QStringLiteral("如果缺少解码器或声音输出，请安装软件包 gstreamer1.0-plugins-good 和 gstreamer1.0-alsa"
                          "（或 gstreamer1.0-pulseaudio），然后重新启动编辑器。");
#endif
}

}  // namespace

QtVoicePlayer::QtVoicePlayer(MessageBoxes& messages) : messages_(messages) {}

QtVoicePlayer::~QtVoicePlayer() = default;

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
    // window is up, and of several requests in one burst only the last one plays.
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        StartPending();
    });
}

void QtVoicePlayer::StartPending() {
    if (!pending_) return;
    const std::filesystem::path file = *std::exchange(pending_, std::nullopt);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        Finish(false, QStringLiteral("找不到这个语音文件，请确认游戏文件夹正确。"));
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
            QString reason = QStringLiteral("请检查声卡和声音服务（PulseAudio 或 PipeWire）。");
            if (const QString hint = InstallHint(); !hint.isEmpty()) reason += QLatin1Char('\n') + hint;
            Tell(QStringLiteral("本机没有找到声音输出设备，语音样本可能听不到："), file, reason);
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
        QString reason = QStringLiteral("媒体后端报告：") + text;
        if (const QString hint = InstallHint(); !hint.isEmpty()) reason += QLatin1Char('\n') + hint;
        Finish(false, reason);
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia) Finish(true, {});
        // An unreadable sample without an error of its own.
        if (status == QMediaPlayer::InvalidMedia && player_->error() == QMediaPlayer::NoError)
            Finish(false, QStringLiteral("这个语音文件无法解码。"));
    });
    return true;
}

void QtVoicePlayer::Finish(bool played, const QString& reason) {
    // Only the sample last asked for has an outcome; one that was stopped or replaced has none.
    if (!awaiting_) return;
    const VoiceReport report{*std::exchange(awaiting_, std::nullopt), played, reason};
    if (!played) Tell(QStringLiteral("无法播放语音样本："), report.file, reason);
    lastReport_ = report;
    if (onReport) onReport(report);
}

void QtVoicePlayer::Tell(const QString& heading, const std::filesystem::path& file, const QString& reason) {
    if (told_) return;
    told_ = true;
    messages_.Show({ToGbk(heading), file,
                    ToGbk(reason + QStringLiteral("\n语音选项照常可以选择；本次运行不再提示。")), ToGbk(QStringLiteral("语音")),
                    text_gbk::kStyleInformation});
}

}  // namespace busho::platform
