#pragma once
// Short generated voice samples for the demo game: one tone pattern per voice type.

#include <cstdint>
#include <vector>

namespace busho::demo {

// 16-bit mono PCM WAV of sample n (1..49) of voice type (0..5: DIGNITY, BRAVE, CLEVER, YOUNG, NORMAL, WOMAN).
std::vector<std::uint8_t> MakeVoiceSample(int type, int n);

}  // namespace busho::demo
