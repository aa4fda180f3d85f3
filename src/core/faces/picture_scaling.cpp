#include "picture_scaling.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace busho {
namespace {

// The source pixels and their weights that make one output pixel along one axis.
struct Tap {
    int first = 0;
    std::vector<double> weights;
};

// Output pixel i of `to` covers [i, i+1) * from / to of the source. Shrinking: each source pixel
// weighs as much of it as lies inside. Enlarging: the two source pixels around the centre, linearly.
std::vector<Tap> Taps(int from, int to) {
    std::vector<Tap> taps(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int i = 0; i < to; ++i) {
        Tap& tap = taps[static_cast<std::size_t>(i)];
        if (from >= to) {
            const double begin = i * scale, end = (i + 1) * scale;
            tap.first = static_cast<int>(std::floor(begin));
            const int last = std::min(from - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int j = tap.first; j <= last; ++j)
                tap.weights.push_back((std::min<double>(end, j + 1) - std::max<double>(begin, j)) / scale);
        } else {
            const double centre = std::clamp((i + 0.5) * scale - 0.5, 0.0, static_cast<double>(from - 1));
            tap.first = std::min(static_cast<int>(centre), std::max(from - 2, 0));
            const double t = centre - tap.first;
            tap.weights = from > 1 ? std::vector<double>{1.0 - t, t} : std::vector<double>{1.0};
        }
    }
    return taps;
}

std::uint8_t ToByte(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

bool CropFits(const Picture& picture, const CropRect& crop) {
    return crop.Width >= 1 && crop.Height >= 1 && crop.X >= 0 && crop.Y >= 0 &&
           std::int64_t{crop.X} + crop.Width <= picture.Width && std::int64_t{crop.Y} + crop.Height <= picture.Height;
}

CropRect CentredCrop(const CropRect& within, int aspectWidth, int aspectHeight) {
    if (aspectWidth < 1 || aspectHeight < 1 || within.Width < 1 || within.Height < 1) return within;
    CropRect crop = within;
    // Wider than the face: keep the height; taller: keep the width.
    if (std::int64_t{within.Width} * aspectHeight > std::int64_t{within.Height} * aspectWidth) {
        crop.Width = std::max(1, static_cast<int>(std::lround(static_cast<double>(within.Height) * aspectWidth / aspectHeight)));
        crop.X = within.X + (within.Width - crop.Width) / 2;
    } else {
        crop.Height = std::max(1, static_cast<int>(std::lround(static_cast<double>(within.Width) * aspectHeight / aspectWidth)));
        crop.Y = within.Y + (within.Height - crop.Height) / 2;
    }
    return crop;
}

std::vector<std::uint32_t> ScaleCrop(const Picture& picture, const CropRect& crop, int width, int height) {
    if (width < 1 || height < 1 || !CropFits(picture, crop)) return {};
    const std::vector<Tap> across = Taps(crop.Width, width);
    const std::vector<Tap> down = Taps(crop.Height, height);
    // Across first, for only the rows of the crop: red, green and blue of width x crop.Height.
    std::vector<std::array<double, 3>> rows(static_cast<std::size_t>(width) * static_cast<std::size_t>(crop.Height));
    for (int y = 0; y < crop.Height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Tap& tap = across[static_cast<std::size_t>(x)];
            std::array<double, 3> sum{};
            for (std::size_t k = 0; k < tap.weights.size(); ++k) {
                const std::uint32_t p = picture.At(crop.X + tap.first + static_cast<int>(k), crop.Y + y);
                for (int c = 0; c < 3; ++c) sum[static_cast<std::size_t>(c)] += tap.weights[k] * ((p >> (16 - 8 * c)) & 0xFF);
            }
            rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = sum;
        }
    }
    std::vector<std::uint32_t> out(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const Tap& tap = down[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            std::array<double, 3> sum{};
            for (std::size_t k = 0; k < tap.weights.size(); ++k) {
                const auto& from = rows[static_cast<std::size_t>(tap.first + static_cast<int>(k)) * static_cast<std::size_t>(width) +
                                        static_cast<std::size_t>(x)];
                for (std::size_t c = 0; c < 3; ++c) sum[c] += tap.weights[k] * from[c];
            }
            out[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                0xFF000000u | std::uint32_t{ToByte(sum[0])} << 16 | std::uint32_t{ToByte(sum[1])} << 8 | ToByte(sum[2]);
        }
    }
    return out;
}

}  // namespace busho
