#include "voice_player.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace busho::platform {
namespace {

class QtVoicePlayer final : public VoicePlayer {
public:
    QtVoicePlayer() { player_.setAudioOutput(&output_); }
    void Stop() override {
        player_.stop();
        player_.setSource(QUrl());
    }
    void Play(const std::filesystem::path& file) override {
        player_.setSource(QUrl::fromLocalFile(QString::fromStdU16String(file.u16string())));
        player_.play();
    }

private:
    QMediaPlayer player_;
    QAudioOutput output_;
};

}  // namespace

std::unique_ptr<VoicePlayer> CreateQtVoicePlayer() { return std::make_unique<QtVoicePlayer>(); }

}  // namespace busho::platform
