// EncodePng through stb_image_write, for the Windows build: Debian ships libpng only for Linux, and
// stb needs no library of its own. The pixels are the same; the compressed bytes may differ from
// libpng's.
#include "png_writer.h"

#include <cstring>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace busho {
namespace {

void Append(void* context, void* data, int size) {
    auto& out = *static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return {};
    // 0xAARRGGBB words to R, G, B, A bytes, whatever the machine's byte order.
    std::vector<std::uint8_t> rgba;
    rgba.reserve(pixels.size() * 4);
    for (const std::uint32_t p : pixels) {
        rgba.push_back(static_cast<std::uint8_t>(p >> 16));
        rgba.push_back(static_cast<std::uint8_t>(p >> 8));
        rgba.push_back(static_cast<std::uint8_t>(p));
        rgba.push_back(static_cast<std::uint8_t>(p >> 24));
    }
    std::vector<std::uint8_t> out;
    if (!stbi_write_png_to_func(Append, &out, width, height, 4, rgba.data(), width * 4)) return {};
    return out;
}

}  // namespace busho
