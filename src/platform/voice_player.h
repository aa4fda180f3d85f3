#pragma once
// The voice player, behind a seam: tests record what would be played.

#include <filesystem>
#include <memory>
#include <vector>

namespace busho::platform {

class VoicePlayer {
public:
    virtual ~VoicePlayer() = default;
    virtual void Stop() = 0;                                  // close whatever sample it holds
    virtual void Play(const std::filesystem::path& file) = 0;  // start at once and return
};

// Qt Multimedia; a missing file plays nothing and shows nothing.
std::unique_ptr<VoicePlayer> CreateQtVoicePlayer();

class RecordingVoicePlayer final : public VoicePlayer {
public:
    void Stop() override { ++stops; }
    void Play(const std::filesystem::path& file) override { played.push_back(file); }
    int stops = 0;
    std::vector<std::filesystem::path> played;
};

}  // namespace busho::platform
