#pragma once
// Cropping a picture to a face's proportions and scaling it to the face's size: each face pixel is the
// average of the picture area it covers (shrinking), or interpolated between the nearest picture
// pixels (enlarging); never the nearest pixel alone.

#include <cstdint>
#include <vector>

#include "picture.h"

namespace busho {

// A rectangle of picture pixels.
struct CropRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const CropRect&) const = default;
};

inline CropRect WholePicture(const Picture& picture) { return {0, 0, picture.Width, picture.Height}; }
bool CropFits(const Picture& picture, const CropRect& crop);

// The largest rectangle of proportions aspectWidth : aspectHeight centred in `within`.
CropRect CentredCrop(const CropRect& within, int aspectWidth, int aspectHeight);

// The crop of the picture (inside it) scaled to width x height; pixels 0xFFRRGGBB, rows top first.
std::vector<std::uint32_t> ScaleCrop(const Picture& picture, const CropRect& crop, int width, int height);

}  // namespace busho
