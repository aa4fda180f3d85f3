#pragma once
// Picture files made in code (PNG, JPEG, BMP through stb_image_write), for the tests of reading a
// user's picture and making a face of it.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/faces/picture.h"

namespace busho::testing {

enum class PictureFormat { Png, Jpeg, Bmp };

// A picture whose pixel (x, y) is `pixel(x, y)` (0x00RRGGBB; made opaque).
Picture MakePicture(int width, int height, const std::function<std::uint32_t(int, int)>& pixel);

// The picture as a file of that format; JPEG at the highest quality.
std::vector<std::uint8_t> EncodePicture(PictureFormat format, const Picture& picture);

// The file with the width and height in its header set to these (a PNG's header check sum made again).
std::vector<std::uint8_t> WithClaimedSize(PictureFormat format, std::vector<std::uint8_t> file, std::uint32_t width,
                                          std::uint32_t height);

}  // namespace busho::testing
