#pragma once
// A picture the user brings (PNG, JPEG or BMP) as plain pixels, and reading one with its size checked
// before anything is decoded.
//
// Memory: a picture is accepted only up to kMaxPictureSide pixels a side and kMaxPicturePixels pixels
// in all, and its decoder is given a budget of PictureDecodeBudget(pixels, file size) bytes, at most
// about 16 bytes a pixel plus twice the file plus 1 MiB (about 390 MiB for the largest picture
// accepted); any allocation beyond the budget fails the decoding. A picture beyond the limits is
// refused after its header has been read, before the decoder allocates anything for its pixels.

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
