#pragma once
// A picture the user brings (PNG, JPEG or BMP) as plain pixels, and reading one with its size checked
// before anything is decoded.
//
// Memory: the width and height are read from the header first, and a picture beyond kMaxPictureSide
// pixels a side or kMaxPicturePixels pixels in all is refused there; so is a file cut short. Either
// costs at most PictureDecodeBudget(0, 0) bytes (1 MiB). An accepted picture's decoder may hold at
// most PictureDecodeBudget(pixels, file size) bytes at once: 16 bytes a pixel, twice the file and
// 1 MiB (367 MiB and twice the file for the largest picture accepted); any allocation beyond fails
// the decoding. The picture itself takes 4 bytes a pixel.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/text/problem.h"

namespace busho {

// A 6000 x 4000 photograph is accepted; a picture that claims more is refused on its header.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 24'000'000;
// A picture file larger than this is not read at all.
inline constexpr std::size_t kMaxPictureFileBytes = 128u << 20;

// Pixels 0xFFRRGGBB, rows top first; a transparent pixel is shown over white, as the picker does.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)];
    }
};

struct PictureLimits {
    int maxSide = kMaxPictureSide;
    std::int64_t maxPixels = kMaxPicturePixels;
};

// The bytes the decoder may hold at once for a picture of `pixels` pixels read from `fileBytes` bytes.
std::size_t PictureDecodeBudget(std::int64_t pixels, std::size_t fileBytes);

// What a decoding asked for: the most bytes it held at once, and whether the budget stopped it.
struct DecodeCost {
    std::size_t peakBytes = 0;
    bool overBudget = false;
};

// The picture in `bytes` (PNG, JPEG or BMP, told by its content). Refused with the reason: an unknown
// or broken file (a truncated one among them), or a size beyond `limits`, which is checked on the
// header before the pixels are decoded.
Result<Picture> DecodePicture(std::span<const std::uint8_t> bytes, const PictureLimits& limits = {}, DecodeCost* cost = nullptr);

}  // namespace busho
