#include "picture_files.h"

#include <algorithm>
#include <cstring>

#define STBI_WRITE_NO_STDIO
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace busho::testing {
namespace {

void Append(void* context, void* data, int size) {
    auto& out = *static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * (bytes - 1 - i)));
}

}  // namespace

Picture MakePicture(int width, int height, const std::function<std::uint32_t(int, int)>& pixel) {
    Picture picture;
    picture.Width = width;
    picture.Height = height;
    picture.Pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                0xFF000000u | (pixel(x, y) & 0x00FFFFFFu);
    return picture;
}

std::vector<std::uint8_t> EncodePicture(PictureFormat format, const Picture& picture) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(picture.Pixels.size() * 3);
    for (const std::uint32_t p : picture.Pixels) {
        rgb.push_back(static_cast<std::uint8_t>(p >> 16));
        rgb.push_back(static_cast<std::uint8_t>(p >> 8));
        rgb.push_back(static_cast<std::uint8_t>(p));
    }
    std::vector<std::uint8_t> out;
    const int w = picture.Width, h = picture.Height;
    switch (format) {
        case PictureFormat::Png: stbi_write_png_to_func(Append, &out, w, h, 3, rgb.data(), w * 3); break;
        case PictureFormat::Jpeg: stbi_write_jpg_to_func(Append, &out, w, h, 3, rgb.data(), 100); break;
        case PictureFormat::Bmp: stbi_write_bmp_to_func(Append, &out, w, h, 3, rgb.data()); break;
    }
    return out;
}

std::vector<std::uint8_t> WithClaimedSize(PictureFormat format, std::vector<std::uint8_t> file, std::uint32_t width,
                                          std::uint32_t height) {
    switch (format) {
        case PictureFormat::Png:
            // IHDR: length at 8, type at 12, width and height at 16 and 20, its check sum after 13 bytes of data.
            PutBigEndian(file, 16, width, 4);
            PutBigEndian(file, 20, height, 4);
            PutBigEndian(file, 29, Crc32(&file[12], 17), 4);
            break;
        case PictureFormat::Jpeg:
            // The frame header (SOF0): marker, length, precision, then height and width.
            for (std::size_t at = 2; at + 9 < file.size(); ++at) {
                if (file[at] == 0xFF && (file[at + 1] == 0xC0 || file[at + 1] == 0xC2)) {
                    PutBigEndian(file, at + 5, height, 2);
                    PutBigEndian(file, at + 7, width, 2);
                    break;
                }
            }
            break;
        case PictureFormat::Bmp:
            for (int i = 0; i < 4; ++i) {
                file[18 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(width >> (8 * i));
                file[22 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(height >> (8 * i));
            }
            break;
    }
    return file;
}

}  // namespace busho::testing
