#include "system_sound_voice_player.h"

#include <QTimer>

#include <system_error>
#include <utility>

#include "core/text/messages.h"
#include "gbk_text.h"
#include "message_boxes.h"

#ifdef _WIN32
#include <windows.h>
#include <mmsystem.h>
#endif

namespace busho::platform {

#ifdef _WIN32
SystemSound WindowsSystemSound() {
    return {[](const std::filesystem::path& file) {
                return PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) != FALSE;
            },
            [] { PlaySoundW(nullptr, nullptr, 0); }};
}
#endif

SystemSoundVoicePlayer::SystemSoundVoicePlayer(MessageBoxes& messages, SystemSound sound)
    : messages_(messages), sound_(std::move(sound)) {}

void SystemSoundVoicePlayer::Stop() {
    pending_.reset();
    awaiting_.reset();
    sound_.stop();
}

void SystemSoundVoicePlayer::Play(const std::filesystem::path& file) {
    pending_ = file;
    awaiting_ = file;
    if (scheduled_) return;
    scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        scheduled_ = false;
        StartPending();
    });
}

void SystemSoundVoicePlayer::StartPending() {
    if (!pending_) return;
    const std::filesystem::path file = *std::exchange(pending_, std::nullopt);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        Finish(false, FromGbk(text_gbk::kReasonVoiceFileMissing));
        return;
    }
    // The sample before this one ends here, as a new one replaces it.
    if (sound_.play(file)) Finish(true, {});
    else Finish(false, FromGbk(text_gbk::kReasonSystemCannotPlay));
}

void SystemSoundVoicePlayer::Finish(bool played, const QString& reason) {
    if (!awaiting_) return;
    const VoiceReport report{*std::exchange(awaiting_, std::nullopt), played, reason};
    if (!played && !told_) {
        told_ = true;
        messages_.Show({Problem(TextId::kTextVoiceNotPlayed)
                            .InFile(report.file)
                            .Because(Problem(TextId::kTextJoined, {ToGbk(reason), TextId::kTextVoicesStillSelect})),
                        TextId::kTitleVoice, text_gbk::kStyleInformation});
    }
    lastReport_ = report;
    if (onReport) onReport(report);
}

}  // namespace busho::platform
