#pragma once
// Writes face archives in the game's layout, for the demo game and for tests.

#include <cstdint>
#include <string>
#include <vector>

#include "core/faces/face_archive.h"

namespace busho {

struct FaceToWrite {
    KaoFaceHeader Header;                 // Width, Height, RowPixels, RowCount
    std::vector<std::uint32_t> Pixels;    // RowPixels x RowCount values: blue, green, red, unused
};

// Header, index, then the faces one after another.
std::vector<std::uint8_t> BuildFaceArchive(const std::vector<FaceToWrite>& faces);

// A face of the given sizes whose stored pixel (x, y) is `pixel(x, y)`.
template <class PixelAt>
FaceToWrite MakeFace(std::int32_t width, std::int32_t height, std::int32_t rowPixels, std::int32_t rowCount, PixelAt pixel) {
    FaceToWrite face;
    face.Header.Tag = {'F', 'A', 'C', 'E'};
    face.Header.Width = width;
    face.Header.Height = height;
    face.Header.RowPixels = rowPixels;
    face.Header.RowCount = rowCount;
    face.Pixels.resize(static_cast<std::size_t>(rowPixels) * static_cast<std::size_t>(rowCount));
    for (std::int32_t y = 0; y < rowCount; ++y)
        for (std::int32_t x = 0; x < rowPixels; ++x)
            face.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(rowPixels) + static_cast<std::size_t>(x)] = pixel(x, y);
    return face;
}

}  // namespace busho
