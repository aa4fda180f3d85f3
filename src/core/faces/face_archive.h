#pragma once
// The game's face archives (Grp\KAO_*.n12): a header, an index of face offsets, and per face a
// 22-byte header and 32-bit pixels (blue, green, red, unused), rows top first.
// Archives are untrusted: every count, offset and size is checked against the file before anything
// is allocated or read.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/data/byte_io.h"
#include "core/os/file_access.h"

namespace busho {

inline constexpr std::size_t kKaoHeaderSize = 12;
inline constexpr std::size_t kKaoIndexEntrySize = 20;
inline constexpr std::size_t kKaoFaceHeaderSize = 22;
// Larger than any face a window shows; anything beyond is not a face.
inline constexpr std::int32_t kMaxFaceDimension = 4096;
// Far more faces than any of the game's archives holds (each holds a few thousand); it bounds the
// index read on opening to 1.25 MiB, whatever the header claims.
inline constexpr std::int32_t kMaxFaceCount = 65536;

struct KaoHeader {
    ByteField<4> Signature{};
    std::int32_t FaceCount = 0;
    std::int32_t Unused = 0;
};

struct KaoIndexEntry {
    std::array<std::int32_t, 4> Unused{};
    std::int32_t FaceOffset = 0;
};

struct KaoFaceHeader {
    ByteField<4> Tag{};
    std::int32_t Width = 0;      // on screen
    std::int32_t Height = 0;     // on screen; also the stored rows that are drawn
    std::int32_t RowPixels = 0;  // pixels per stored row
    std::int32_t RowCount = 0;   // stored rows
    ByteField<2> Unused{};
};

template <class H, class Visit>
constexpr void ForEachField(H& h, Visit&& visit)
    requires std::is_same_v<std::remove_const_t<H>, KaoHeader>
{
    visit("Signature", h.Signature);
    visit("FaceCount", h.FaceCount);
    visit("Unused", h.Unused);
}
template <class E, class Visit>
constexpr void ForEachField(E& e, Visit&& visit)
    requires std::is_same_v<std::remove_const_t<E>, KaoIndexEntry>
{
    visit("Unused", e.Unused);
    visit("FaceOffset", e.FaceOffset);
}
template <class H, class Visit>
constexpr void ForEachField(H& h, Visit&& visit)
    requires std::is_same_v<std::remove_const_t<H>, KaoFaceHeader>
{
    visit("Tag", h.Tag);
    visit("Width", h.Width);
    visit("Height", h.Height);
    visit("RowPixels", h.RowPixels);
    visit("RowCount", h.RowCount);
    visit("Unused", h.Unused);
}

// A face as the screen shows it: Width x Height pixels, upright, 0xAARRGGBB. Columns beyond the
// stored row are transparent (0); face pixels are opaque.
struct FaceImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)]; }
};

// One open archive. Medium archives stay open for the whole run; each read replaces the face
// header and pixels of the face read last.
class FaceArchive {
public:
    // Opens and checks the header and index; the reason when the archive is refused.
    Status Open(const std::filesystem::path& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    const KaoHeader& Header() const { return header_; }
    std::int32_t FaceCount() const { return header_.FaceCount; }
    const std::vector<KaoIndexEntry>& Index() const { return index_; }

    // Reads face k (0-based). Refuses an index outside the archive, an offset outside the file,
    // absurd sizes, pixels past the end of the file and a Height above RowCount.
    Status ReadKaoFace(std::int32_t k);
    const KaoFaceHeader& FaceHeader() const { return faceHeader_; }
    const std::vector<std::uint32_t>& FacePixels() const { return pixels_; }

    // The face read last, as the screen shows it.
    FaceImage DecodedFace() const;

private:
    std::unique_ptr<ReadableFile> file_;
    std::uint64_t fileSize_ = 0;
    KaoHeader header_;
    std::vector<KaoIndexEntry> index_;
    KaoFaceHeader faceHeader_;
    std::vector<std::uint32_t> pixels_;
};

// The screen image of a face from its header and stored pixels (RowPixels x RowCount values).
FaceImage DecodeFace(const KaoFaceHeader& header, const std::vector<std::uint32_t>& pixels);

}  // namespace busho
