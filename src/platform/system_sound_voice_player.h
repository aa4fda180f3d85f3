#pragma once
// The voice player where Qt Multimedia is not built (the Windows build): samples go to the system's own
// sound call, which plays a WAV file by itself once it is started.

#include <QObject>

#include <filesystem>
#include <functional>
#include <optional>

#include "voice_player.h"

namespace busho::platform {

// The system's sound calls. `play` starts a sample and returns at once; false when the system cannot
// play it here (as on a machine without a sound device, where Windows refuses at once). `stop` ends
// whatever is playing.
struct SystemSound {
    std::function<bool(const std::filesystem::path&)> play;
    std::function<void()> stop;
};

#ifdef _WIN32
// PlaySoundW of the Win32 sound API.
SystemSound WindowsSystemSound();
#endif

// Like QtVoicePlayer: a sample starts from the event loop (of several requests in one burst only the
// last), and one that cannot be played is told to the user once per run, never as a fault. A sample
// the system accepted counts as played, since the system plays it to its end without telling.
class SystemSoundVoicePlayer final : public QObject, public VoicePlayer {
public:
    SystemSoundVoicePlayer(MessageBoxes& messages, SystemSound sound);
    void Stop() override;
    void Play(const std::filesystem::path& file) override;

    bool Awaiting() const { return awaiting_.has_value(); }
    const std::optional<VoiceReport>& LastReport() const { return lastReport_; }
    std::function<void(const VoiceReport&)> onReport;

private:
    void StartPending();
    void Finish(bool played, const QString& reason);

    MessageBoxes& messages_;
    SystemSound sound_;
    std::optional<std::filesystem::path> pending_;
    std::optional<std::filesystem::path> awaiting_;
    std::optional<VoiceReport> lastReport_;
    bool scheduled_ = false;
    bool told_ = false;
};

}  // namespace busho::platform
