#pragma once
// The voice player, behind a seam: tests record what would be played.

#include <QObject>
#include <QString>

#include "core/text/problem.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAudioOutput;
class QMediaPlayer;

namespace busho::platform {

class MessageBoxes;

class VoicePlayer {
public:
    virtual ~VoicePlayer() = default;
    virtual void Stop() = 0;                                  // close whatever sample it holds
    virtual void Play(const std::filesystem::path& file) = 0;  // start at once and return
};

// How a requested sample ended: played to its end, or not played and why (in the user's words).
struct VoiceReport {
    std::filesystem::path file;
    bool played = false;
    QString reason;
};

// Qt Multimedia, made safe to have on any machine. The media player is created when the first sample
// is started, from the event loop, so start-up never waits for or fails on the media backend; before
// that the backend's pieces are checked, because a player made without them takes the program down.
// When a sample cannot be played (no backend, no decoder, no audio output, no file) the editor goes
// on and the user is told once per run why, and what to install.
class QtVoicePlayer final : public QObject, public VoicePlayer {
public:
    explicit QtVoicePlayer(MessageBoxes& messages);
    ~QtVoicePlayer() override;
    void Stop() override;
    void Play(const std::filesystem::path& file) override;

    // A sample was requested and has not yet ended, failed or been stopped.
    bool Awaiting() const { return awaiting_.has_value(); }
    // How the last sample asked for ended, once it has.
    const std::optional<VoiceReport>& LastReport() const { return lastReport_; }
    std::function<void(const VoiceReport&)> onReport;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartWhenWindowsUp();
    void StopWatchingWindows();
    void StartPending();
    bool EnsurePlayer();
    void Finish(bool played, const QString& reason);
    void Tell(TextId heading, const std::filesystem::path& file, const QString& reason);  // once per run

    MessageBoxes& messages_;
    QMediaPlayer* player_ = nullptr;  // children of this object, made on first use
    QAudioOutput* output_ = nullptr;
    std::optional<QString> unavailable_;        // why no player can be made on this machine
    std::optional<std::filesystem::path> pending_;   // asked for, not yet handed to the player
    std::optional<std::filesystem::path> awaiting_;  // asked for, outcome not yet known
    std::optional<VoiceReport> lastReport_;
    bool scheduled_ = false;
    bool watchingWindows_ = false;  // the first sample waits for the windows' expose events
    bool windowsWereUp_ = false;    // once they were, no sample waits for them again
    bool told_ = false;
    bool outputChecked_ = false;
};

// What the media backend lacks to play WAV samples, in the user's words; empty when nothing is missing
// or the backend cannot be checked from here.
QString MissingMediaPieces();

class RecordingVoicePlayer final : public VoicePlayer {
public:
    void Stop() override { ++stops; }
    void Play(const std::filesystem::path& file) override { played.push_back(file); }
    int stops = 0;
    std::vector<std::filesystem::path> played;
};

}  // namespace busho::platform
