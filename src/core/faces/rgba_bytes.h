#pragma once
// Face pixels (0xAARRGGBB words) as the R, G, B, A bytes that picture encoders take.

#include <cstdint>
#include <vector>

namespace busho {

// Nothing when the size does not match the pixels; whatever the machine's byte order otherwise.
inline std::vector<std::uint8_t> RgbaBytes(int width, int height, const std::vector<std::uint32_t>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return {};
    std::vector<std::uint8_t> rgba;
    rgba.reserve(pixels.size() * 4);
    for (const std::uint32_t p : pixels) {
        rgba.push_back(static_cast<std::uint8_t>(p >> 16));
        rgba.push_back(static_cast<std::uint8_t>(p >> 8));
        rgba.push_back(static_cast<std::uint8_t>(p));
        rgba.push_back(static_cast<std::uint8_t>(p >> 24));
    }
    return rgba;
}

}  // namespace busho
