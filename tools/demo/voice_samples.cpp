#include "voice_samples.h"

#include <cmath>

namespace busho::demo {
namespace {

constexpr int kRate = 16000;
constexpr double kPi = 3.14159265358979323846;

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> MakeVoiceSample(int type, int n) {
    // Base pitch and glide per type: dignified low and falling, brave rising, clever two-step,
    // young high, normal level, woman high and lilting.
    const double base[] = {105, 150, 180, 250, 140, 300};
    const double glide[] = {-0.25, 0.35, 0.0, 0.15, 0.0, 0.1};
    const double f0 = base[type] * (1.0 + 0.012 * (n - 1));
    const double seconds = 0.30 + 0.004 * (n % 10);
    const int samples = static_cast<int>(seconds * kRate);

    std::vector<std::int16_t> pcm(static_cast<std::size_t>(samples));
    double phase = 0;
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / samples;
        double f = f0 * (1.0 + glide[type] * t);
        if (type == 2 && t > 0.5) f *= 1.25;
        if (type == 5) f *= 1.0 + 0.04 * std::sin(2 * kPi * 6 * t);
        phase += 2 * kPi * f / kRate;
        // A few harmonics for a voiced sound, with a soft attack and release.
        const double wave = std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.25 * std::sin(3 * phase) + 0.12 * std::sin(5 * phase);
        const double envelope = std::min(1.0, t * 12) * std::min(1.0, (1 - t) * 6);
        pcm[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(7000 * envelope * wave));
    }

    std::vector<std::uint8_t> wav;
    wav.reserve(44 + pcm.size() * 2);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    PutTag(wav, "RIFF");
    Put32(wav, 36 + dataBytes);
    PutTag(wav, "WAVE");
    PutTag(wav, "fmt ");
    Put32(wav, 16);
    Put16(wav, 1);  // PCM
    Put16(wav, 1);  // mono
    Put32(wav, kRate);
    Put32(wav, kRate * 2);
    Put16(wav, 2);
    Put16(wav, 16);
    PutTag(wav, "data");
    Put32(wav, dataBytes);
    for (std::int16_t s : pcm) Put16(wav, static_cast<std::uint16_t>(s));
    return wav;
}

}  // namespace busho::demo
