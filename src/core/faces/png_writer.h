#pragma once
// Pictures as PNG files (libpng): what `busho face` writes.

#include <cstdint>
#include <vector>

namespace busho {

// Pixels are 0xAARRGGBB, rows top first; nothing when the sizes do not match or libpng fails.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace busho
