#pragma once
// A minimal PNG writer (8-bit RGBA, stored deflate blocks): enough for `busho face`.

#include <cstdint>
#include <string>
#include <vector>

namespace busho {

// Pixels are 0xAARRGGBB, rows top first.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace busho
