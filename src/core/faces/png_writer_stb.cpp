// EncodePng through stb_image_write, for the Windows build: Debian ships libpng only for Linux, and
// stb needs no library of its own. The pixels are the same; the compressed bytes may differ from
// libpng's.
#include "png_writer.h"
#include "rgba_bytes.h"

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
    const std::vector<std::uint8_t> rgba = RgbaBytes(width, height, pixels);
    if (rgba.empty()) return {};
    std::vector<std::uint8_t> out;
    if (!stbi_write_png_to_func(Append, &out, width, height, 4, rgba.data(), width * 4)) return {};
    return out;
}

}  // namespace busho
