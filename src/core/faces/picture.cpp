#include "picture.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <optional>
#include <utility>

namespace busho {
namespace {

// The budget of the decoding that runs on this thread. stb's allocation hooks take no context, so
// DecodePicture points this at its own budget for the length of one call, and back to nothing after.
struct DecodeBudget {
    std::size_t limit = 0;
    std::size_t live = 0;
    std::size_t peak = 0;
    bool exceeded = false;
};
thread_local DecodeBudget* currentBudget = nullptr;

// Every block carries its size in front, so that freeing it gives it back to the budget.
constexpr std::size_t kBlockHeader = alignof(std::max_align_t) > sizeof(std::size_t) ? alignof(std::max_align_t) : sizeof(std::size_t);

void* BudgetAllocate(std::size_t size) {
    DecodeBudget* budget = currentBudget;
    if (!budget || size > budget->limit - std::min(budget->limit, budget->live)) {
        if (budget) budget->exceeded = true;
        return nullptr;
    }
    // The plain operator new, paired with the plain delete below (a nothrow new may come from another
    // allocator than the delete, as under the address sanitizer with the tests' allocation meter).
    unsigned char* block = nullptr;
    try {
        block = static_cast<unsigned char*>(::operator new(size + kBlockHeader));
    } catch (const std::bad_alloc&) {
        budget->exceeded = true;
        return nullptr;
    }
    std::memcpy(block, &size, sizeof size);
    // Zeros, not whatever the memory held: no byte of an earlier allocation reaches a decoder's tables.
    std::memset(block + kBlockHeader, 0, size);
    budget->live += size;
    budget->peak = std::max(budget->peak, budget->live);
    return block + kBlockHeader;
}

void BudgetFree(void* p) {
    if (!p) return;
    auto* block = static_cast<unsigned char*>(p) - kBlockHeader;
    std::size_t size = 0;
    std::memcpy(&size, block, sizeof size);
    if (currentBudget) currentBudget->live -= std::min(size, currentBudget->live);
    ::operator delete(block);
}

void* BudgetReallocate(void* p, std::size_t oldSize, std::size_t newSize) {
    void* fresh = BudgetAllocate(newSize);
    if (!fresh) return nullptr;  // the old block stays the caller's
    if (p) {
        std::memcpy(fresh, p, std::min(oldSize, newSize));
        BudgetFree(p);
    }
    return fresh;
}

}  // namespace
}  // namespace busho

#define STBI_MALLOC(size) ::busho::BudgetAllocate(size)
#define STBI_FREE(p) ::busho::BudgetFree(p)
#define STBI_REALLOC_SIZED(p, oldSize, newSize) ::busho::BudgetReallocate(p, oldSize, newSize)
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wold-style-cast"
#pragma GCC diagnostic ignored "-Wcast-qual"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb/stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace busho {
namespace {

enum class Format { Unknown, Png, Jpeg, Bmp };

Format FormatOf(std::span<const std::uint8_t> b) {
    static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() >= 8 && std::equal(kPng, kPng + 8, b.begin())) return Format::Png;
    if (b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF) return Format::Jpeg;
    if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') return Format::Bmp;
    return Format::Unknown;
}

std::uint32_t BigEndian32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | static_cast<std::uint32_t>(b[at + 1]) << 16 |
           static_cast<std::uint32_t>(b[at + 2]) << 8 | b[at + 3];
}

std::uint32_t LittleEndian32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at + 3]) << 24 | static_cast<std::uint32_t>(b[at + 2]) << 16 |
           static_cast<std::uint32_t>(b[at + 1]) << 8 | b[at];
}

std::uint32_t BigEndian16(std::span<const std::uint8_t> b, std::size_t at) { return static_cast<std::uint32_t>(b[at]) << 8 | b[at + 1]; }

// The width and height the header claims, read here before any decoder sees the file: a picture too
// large to take is told as such, whatever the decoder would say of it.
std::optional<std::pair<std::int64_t, std::int64_t>> ClaimedSize(Format format, std::span<const std::uint8_t> b) {
    switch (format) {
        case Format::Png:
            // The first chunk is IHDR: width and height at 16 and 20.
            if (b.size() < 24 || std::memcmp(&b[12], "IHDR", 4) != 0) return std::nullopt;
            return std::pair<std::int64_t, std::int64_t>{BigEndian32(b, 16), BigEndian32(b, 20)};
        case Format::Bmp: {
            if (b.size() < 26) return std::nullopt;
            if (LittleEndian32(b, 14) == 12)
                return std::pair<std::int64_t, std::int64_t>{b[18] | b[19] << 8, b[20] | b[21] << 8};
            const auto height = static_cast<std::int32_t>(LittleEndian32(b, 22));  // negative: rows top first
            return std::pair<std::int64_t, std::int64_t>{static_cast<std::int32_t>(LittleEndian32(b, 18)),
                                                         height < 0 ? -std::int64_t{height} : std::int64_t{height}};
        }
        case Format::Jpeg:
            // The segments up to the frame header (SOF0..SOF15 but DHT, JPG and DAC): height, then width.
            for (std::size_t at = 2; at + 9 <= b.size();) {
                if (b[at] != 0xFF) return std::nullopt;
                const std::uint8_t marker = b[at + 1];
                if (marker == 0xFF) {
                    ++at;
                    continue;
                }
                if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
                    return std::pair<std::int64_t, std::int64_t>{BigEndian16(b, at + 7), BigEndian16(b, at + 5)};
                if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
                    at += 2;
                    continue;
                }
                if (marker == 0xDA || marker == 0xD9) return std::nullopt;
                at += 2 + BigEndian16(b, at + 2);
            }
            return std::nullopt;
        case Format::Unknown: break;
    }
    return std::nullopt;
}

// A PNG is whole when its chunks follow one another to the IEND chunk.
bool PngIsWhole(std::span<const std::uint8_t> b) {
    std::size_t at = 8;
    while (at + 12 <= b.size()) {
        const std::uint64_t length = BigEndian32(b, at);
        if (std::memcmp(&b[at + 4], "IEND", 4) == 0) return true;
        at += 12 + static_cast<std::size_t>(std::min<std::uint64_t>(length, b.size()));
    }
    return false;
}

// The Huffman tables of one DHT segment (its bytes after the length): each holds at most 256 codes,
// which the decoder's tables have room for, and all of them lie inside the segment. The tables it
// defines are marked in `defined` (DC tables 0..3, then AC tables 4..7).
bool HuffmanTablesFit(std::span<const std::uint8_t> segment, std::array<bool, 8>& defined) {
    std::size_t at = 0;
    while (at < segment.size()) {
        if (at + 17 > segment.size()) return false;
        const std::uint8_t kind = segment[at];
        if ((kind >> 4) > 1 || (kind & 15) > 3) return false;
        std::size_t codes = 0;
        for (std::size_t i = 1; i <= 16; ++i) codes += segment[at + i];
        if (codes > 256 || at + 17 + codes > segment.size()) return false;
        defined[static_cast<std::size_t>((kind >> 4) * 4 + (kind & 15))] = true;
        at += 17 + codes;
    }
    return true;
}

// A scan header (the SOS segment's bytes after the length) uses only tables defined before it: the
// DC tables when the scan codes DC coefficients (spectral start 0), the AC tables when it codes AC
// ones (spectral end above 0). The decoder would read an undefined table's uninitialised memory.
bool ScanTablesDefined(std::span<const std::uint8_t> header, const std::array<bool, 8>& defined) {
    if (header.empty()) return false;
    const std::size_t components = header[0];
    if (components < 1 || components > 4 || header.size() < 1 + 2 * components + 3) return false;
    const std::uint8_t spectralStart = header[1 + 2 * components], spectralEnd = header[2 + 2 * components];
    for (std::size_t c = 0; c < components; ++c) {
        const std::uint8_t tables = header[2 + 2 * c];
        if ((tables >> 4) > 3 || (tables & 15) > 3) return false;
        if (spectralStart == 0 && !defined[tables >> 4]) return false;
        if (spectralEnd > 0 && !defined[4 + (tables & 15)]) return false;
    }
    return true;
}

enum class Structure { Whole, Truncated, Broken };

// A JPEG is whole when its segments and scans follow one another to the end-of-image marker (the
// entropy-coded data between them escapes every 0xFF, so a marker there is a real one). Its Huffman
// tables are checked on the way: a table of more codes than a table holds, or a scan that uses a
// table not yet defined, is refused here, before any decoder reads it.
Structure JpegStructure(std::span<const std::uint8_t> b) {
    std::array<bool, 8> defined{};
    std::size_t at = 2;
    while (at + 1 < b.size()) {
        if (b[at] != 0xFF) return Structure::Broken;
        const std::uint8_t marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD9) return Structure::Whole;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (at + 4 > b.size()) return Structure::Truncated;
        const std::size_t length = static_cast<std::size_t>(b[at + 2]) << 8 | b[at + 3];
        if (length < 2) return Structure::Broken;
        if (at + 2 + length > b.size()) return Structure::Truncated;
        const auto segment = b.subspan(at + 4, length - 2);
        if (marker == 0xC4 && !HuffmanTablesFit(segment, defined)) return Structure::Broken;
        if (marker == 0xDA && !ScanTablesDefined(segment, defined)) return Structure::Broken;
        at += 2 + length;
        if (marker == 0xDA) {
            // The scan's data runs to the next marker that is neither an escaped 0xFF nor a restart.
            while (at + 1 < b.size() && !(b[at] == 0xFF && b[at + 1] != 0x00 && !(b[at + 1] >= 0xD0 && b[at + 1] <= 0xD7))) ++at;
        }
    }
    return Structure::Truncated;
}

// An uncompressed BMP is whole when the file holds every row its header promises.
bool BmpIsWhole(std::span<const std::uint8_t> b, int width, int height) {
    if (b.size() < 30) return false;
    const std::uint64_t pixelsAt = LittleEndian32(b, 10);
    // The bit count follows the width and height: 16-bit ones in the oldest header (12 bytes), 32-bit in the others.
    const bool core = LittleEndian32(b, 14) == 12;
    const std::size_t bitsAt = core ? 24 : 28;
    const std::uint64_t bits = static_cast<std::uint64_t>(b[bitsAt]) | static_cast<std::uint64_t>(b[bitsAt + 1]) << 8;
    const std::uint32_t compression = !core && b.size() >= 34 ? LittleEndian32(b, 30) : 0;
    if (compression != 0 && compression != 3) return true;  // run-length coded: the decoder checks as it goes
    const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
    return pixelsAt + stride * static_cast<std::uint64_t>(height) <= b.size();
}

std::uint32_t OverWhite(const stbi_uc* rgba) {
    const unsigned a = rgba[3];
    auto channel = [&](unsigned c) { return (c * a + 255u * (255u - a) + 127u) / 255u; };
    return 0xFF000000u | channel(rgba[0]) << 16 | channel(rgba[1]) << 8 | channel(rgba[2]);
}

// Points the allocation hooks at a budget for the life of the object.
class BudgetScope {
public:
    explicit BudgetScope(DecodeBudget& budget) : previous_(currentBudget) { currentBudget = &budget; }
    ~BudgetScope() { currentBudget = previous_; }
    BudgetScope(const BudgetScope&) = delete;
    BudgetScope& operator=(const BudgetScope&) = delete;

private:
    DecodeBudget* previous_;
};

}  // namespace

std::size_t PictureDecodeBudget(std::int64_t pixels, std::size_t fileBytes) {
    constexpr std::size_t kBytesPerPixel = 16;  // the decoded rows and the output, four bytes a pixel each, and room to grow
    constexpr std::size_t kFixed = 1u << 20;    // tables, Huffman and zlib state
    return static_cast<std::size_t>(std::max<std::int64_t>(pixels, 0)) * kBytesPerPixel + 2 * fileBytes + kFixed;
}

Result<Picture> DecodePicture(std::span<const std::uint8_t> bytes, const PictureLimits& limits, DecodeCost* cost) {
    const Format format = FormatOf(bytes);
    if (format == Format::Unknown) return TextId::kReasonPictureUnknown;
    if (bytes.size() > kMaxPictureFileBytes || bytes.size() > static_cast<std::size_t>(INT32_MAX))
        return Problem(TextId::kReasonFileTooLarge, {static_cast<std::int64_t>(kMaxPictureFileBytes)});
    const int length = static_cast<int>(bytes.size());

    // The size first, from the header alone.
    if (const auto claimed = ClaimedSize(format, bytes)) {
        const auto [w, h] = *claimed;
        if (w > limits.maxSide || h > limits.maxSide || w * h > limits.maxPixels) {
            if (cost) *cost = {};
            return Problem(TextId::kReasonPictureTooLarge, {w, h});
        }
    }
    // The file's own structure, before any decoder reads it: cut short, or (JPEG) tables that do not fit.
    const Structure structure = format == Format::Png    ? (PngIsWhole(bytes) ? Structure::Whole : Structure::Truncated)
                                : format == Format::Jpeg ? JpegStructure(bytes)
                                                         : Structure::Whole;
    if (structure != Structure::Whole) {
        if (cost) *cost = {};
        return structure == Structure::Truncated ? TextId::kReasonPictureTruncated : TextId::kReasonPictureBroken;
    }
    // Then the decoder's reading of the header, within a budget that holds no picture's pixels.
    DecodeBudget budget;
    budget.limit = PictureDecodeBudget(0, 0);
    int width = 0, height = 0, channels = 0;
    {
        const BudgetScope scope(budget);
        if (!stbi_info_from_memory(bytes.data(), length, &width, &height, &channels) || width < 1 || height < 1) {
            if (cost) *cost = {budget.peak, budget.exceeded};
            return TextId::kReasonPictureBroken;
        }
    }
    const std::int64_t pixels = std::int64_t{width} * std::int64_t{height};
    if (width > limits.maxSide || height > limits.maxSide || pixels > limits.maxPixels) {
        if (cost) *cost = {budget.peak, budget.exceeded};
        return Problem(TextId::kReasonPictureTooLarge, {std::int64_t{width}, std::int64_t{height}});
    }
    if (format == Format::Bmp && !BmpIsWhole(bytes, width, height)) {
        if (cost) *cost = {budget.peak, budget.exceeded};
        return TextId::kReasonPictureTruncated;
    }
    budget = {};
    budget.limit = PictureDecodeBudget(pixels, bytes.size());
    Picture picture;
    {
        const BudgetScope scope(budget);
        int w = 0, h = 0;
        stbi_uc* rgba = stbi_load_from_memory(bytes.data(), length, &w, &h, &channels, 4);
        if (rgba && w == width && h == height) {
            picture.Width = w;
            picture.Height = h;
            picture.Pixels.resize(static_cast<std::size_t>(pixels));
            for (std::size_t i = 0; i < picture.Pixels.size(); ++i) picture.Pixels[i] = OverWhite(rgba + 4 * i);
        }
        stbi_image_free(rgba);
    }
    if (cost) *cost = {budget.peak, budget.exceeded};
    if (picture.Pixels.empty()) return budget.exceeded ? TextId::kReasonPictureOverBudget : TextId::kReasonPictureBroken;
    return picture;
}

}  // namespace busho
