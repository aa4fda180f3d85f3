#include "png_writer.h"
#include "rgba_bytes.h"

#include <png.h>

namespace busho {

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint32_t>& pixels) {
    const std::vector<std::uint8_t> rgba = RgbaBytes(width, height, pixels);
    if (rgba.empty()) return {};
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr)) return {};
    std::vector<std::uint8_t> out(size);
    const int ok = png_image_write_to_memory(&image, out.data(), &size, 0, rgba.data(), 0, nullptr);
    png_image_free(&image);
    if (!ok) return {};
    out.resize(size);
    return out;
}

}  // namespace busho
