#include "face_archive_edit.h"

#include <algorithm>

namespace busho {
namespace {

template <class Record>
void ReadAt(std::span<const std::uint8_t> bytes, std::size_t offset, Record& record) {
    ByteReader in(bytes, offset);
    ForEachField(record, [&](const char*, auto& field) { in.Read(field); });
}

template <class Record>
void WriteInto(std::vector<std::uint8_t>& bytes, std::size_t offset, const Record& record) {
    std::vector<std::uint8_t> encoded;
    ByteWriter out(encoded);
    ForEachField(record, [&](const char*, const auto& field) { out.Write(field); });
    std::copy(encoded.begin(), encoded.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

void WritePixels(std::vector<std::uint8_t>& bytes, std::size_t offset, std::span<const std::uint32_t> pixels) {
    for (std::size_t i = 0; i < pixels.size(); ++i)
        for (std::size_t b = 0; b < 4; ++b) bytes[offset + 4 * i + b] = static_cast<std::uint8_t>(pixels[i] >> (8 * b));
}

bool SameSizes(const KaoFaceHeader& a, const KaoFaceHeader& b) {
    return a.Width == b.Width && a.Height == b.Height && a.RowPixels == b.RowPixels && a.RowCount == b.RowCount;
}

std::size_t PixelBytes(const KaoFaceHeader& h) {
    return 4 * static_cast<std::size_t>(h.RowPixels) * static_cast<std::size_t>(h.RowCount);
}

}  // namespace

Result<ArchiveLayout> ReadArchiveLayout(std::span<const std::uint8_t> bytes) {
    ArchiveLayout layout;
    if (bytes.size() < kKaoHeaderSize) return TextId::kReasonFaceFileShort;
    ReadAt(bytes, 0, layout.Header);
    const std::int64_t count = layout.Header.FaceCount;
    if (count < 0) return Problem(TextId::kReasonFaceCountBelowOne, {count});
    const std::uint64_t indexEnd = kKaoHeaderSize + static_cast<std::uint64_t>(count) * kKaoIndexEntrySize;
    if (count > kMaxFaceCount || indexEnd > bytes.size()) return Problem(TextId::kReasonFaceCountTooLarge, {count});
    layout.Index.resize(static_cast<std::size_t>(count));
    layout.Faces.resize(static_cast<std::size_t>(count));
    for (std::int32_t k = 0; k < count; ++k) {
        KaoIndexEntry& entry = layout.Index[static_cast<std::size_t>(k)];
        ReadAt(bytes, kKaoHeaderSize + static_cast<std::size_t>(k) * kKaoIndexEntrySize, entry);
        const std::int64_t offset = entry.FaceOffset;
        if (offset < 0 || static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize > bytes.size())
            return Problem(TextId::kReasonFaceOffsetOutside, {std::int64_t{k}, offset});
        if (static_cast<std::uint64_t>(offset) < indexEnd) return Problem(TextId::kReasonFaceOverlapsIndex, {std::int64_t{k}, offset});
        KaoFaceHeader& h = layout.Faces[static_cast<std::size_t>(k)];
        ReadAt(bytes, static_cast<std::size_t>(offset), h);
        auto sane = [](std::int32_t v) { return v >= 1 && v <= kMaxFaceDimension; };
        if (!sane(h.Width) || !sane(h.Height) || !sane(h.RowPixels) || !sane(h.RowCount))
            return Problem(TextId::kReasonFaceBadSize, {std::int64_t{k}, std::int64_t{h.Width}, std::int64_t{h.Height},
                                                        std::int64_t{h.RowPixels}, std::int64_t{h.RowCount}});
        if (h.Height > h.RowCount)
            return Problem(TextId::kReasonFaceHeightOverRows, {std::int64_t{k}, std::int64_t{h.Height}, std::int64_t{h.RowCount}});
        if (static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize + PixelBytes(h) > bytes.size())
            return Problem(TextId::kReasonFacePixelsPastEnd, {std::int64_t{k}});
        const KaoFaceHeader& first = layout.Faces.front();
        if (!SameSizes(h, first))
            return Problem(TextId::kReasonFaceSizesDiffer, {std::int64_t{k}, std::int64_t{h.Width}, std::int64_t{h.Height},
                                                            std::int64_t{first.Width}, std::int64_t{first.Height}});
    }
    return layout;
}

std::vector<std::uint32_t> StoredPixels(std::span<const std::uint8_t> archive, const KaoIndexEntry& entry,
                                        const KaoFaceHeader& header) {
    std::vector<std::uint32_t> pixels(PixelBytes(header) / 4);
    const std::size_t at = static_cast<std::size_t>(entry.FaceOffset) + kKaoFaceHeaderSize;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* p = archive.data() + at + 4 * i;
        pixels[i] = std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
    }
    return pixels;
}

std::vector<std::uint32_t> MakeFacePixels(const KaoFaceHeader& model, std::span<const std::uint32_t> modelPixels,
                                          const Picture& picture, const CropRect& crop) {
    const std::vector<std::uint32_t> face =
        ScaleCrop(picture, CentredCrop(crop, model.Width, model.Height), model.Width, model.Height);
    const std::size_t stored = static_cast<std::size_t>(model.RowPixels) * static_cast<std::size_t>(model.RowCount);
    std::vector<std::uint32_t> pixels(stored, 0);
    std::copy_n(modelPixels.begin(), std::min(stored, modelPixels.size()), pixels.begin());
    if (face.empty()) return pixels;
    const int columns = std::min(model.Width, model.RowPixels);
    for (int y = 0; y < model.Height; ++y) {
        for (int x = 0; x < columns; ++x) {
            std::uint32_t& p = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(model.RowPixels) + static_cast<std::size_t>(x)];
            // Blue, green, red as 0x00RRGGBB in the low bytes; the fourth byte stays the game's.
            p = (p & 0xFF000000u) | (face[static_cast<std::size_t>(y) * static_cast<std::size_t>(model.Width) + static_cast<std::size_t>(x)] & 0x00FFFFFFu);
        }
    }
    return pixels;
}

Result<std::vector<std::uint8_t>> AppendFace(std::span<const std::uint8_t> archive, std::span<const std::uint8_t> sizeSource,
                                             const Picture& picture, const CropRect& crop) {
    if (!CropFits(picture, crop))
        return Problem(TextId::kReasonCropOutside, {std::int64_t{crop.X}, std::int64_t{crop.Y}, std::int64_t{crop.Width},
                                                    std::int64_t{crop.Height}, std::int64_t{picture.Width}, std::int64_t{picture.Height}});
    auto layout = ReadArchiveLayout(archive);
    if (!layout) return layout.problem();
    const std::size_t count = layout->Index.size();
    if (count + 1 > static_cast<std::size_t>(kMaxFaceCount)) return Problem(TextId::kReasonFaceCountTooLarge, {std::int64_t(count + 1)});

    // The face the new one is modelled on: the archive's last, or the standard set's first.
    KaoIndexEntry modelEntry;
    KaoFaceHeader modelHeader;
    std::vector<std::uint32_t> modelPixels;
    if (count > 0) {
        modelEntry = layout->Index.back();
        modelHeader = layout->Faces.back();
        modelPixels = StoredPixels(archive, modelEntry, modelHeader);
    } else {
        auto source = ReadArchiveLayout(sizeSource);
        if (!source) return source.problem();
        if (source->Index.empty()) return TextId::kReasonNoFaceToCopy;
        modelEntry = source->Index.front();
        modelHeader = source->Faces.front();
        modelPixels = StoredPixels(sizeSource, modelEntry, modelHeader);
    }
    const std::vector<std::uint32_t> pixels = MakeFacePixels(modelHeader, modelPixels, picture, crop);

    // One more index entry moves everything after the index along by its size; the new face goes at the end.
    const std::size_t indexEnd = kKaoHeaderSize + count * kKaoIndexEntrySize;
    const std::size_t newSize = archive.size() + kKaoIndexEntrySize + kKaoFaceHeaderSize + 4 * pixels.size();
    if (newSize > static_cast<std::size_t>(INT32_MAX)) return Problem(TextId::kReasonArchiveTooLarge, {std::int64_t{INT32_MAX}});
    std::vector<std::uint8_t> out(newSize);
    std::copy(archive.begin(), archive.begin() + static_cast<std::ptrdiff_t>(indexEnd), out.begin());
    std::copy(archive.begin() + static_cast<std::ptrdiff_t>(indexEnd), archive.end(),
              out.begin() + static_cast<std::ptrdiff_t>(indexEnd + kKaoIndexEntrySize));
    KaoHeader header = layout->Header;
    header.FaceCount = static_cast<std::int32_t>(count + 1);
    WriteInto(out, 0, header);
    for (std::size_t k = 0; k < count; ++k) {
        KaoIndexEntry entry = layout->Index[k];
        entry.FaceOffset += static_cast<std::int32_t>(kKaoIndexEntrySize);
        WriteInto(out, kKaoHeaderSize + k * kKaoIndexEntrySize, entry);
    }
    KaoIndexEntry added = modelEntry;
    added.FaceOffset = static_cast<std::int32_t>(archive.size() + kKaoIndexEntrySize);
    WriteInto(out, indexEnd, added);
    WriteInto(out, static_cast<std::size_t>(added.FaceOffset), modelHeader);
    WritePixels(out, static_cast<std::size_t>(added.FaceOffset) + kKaoFaceHeaderSize, pixels);
    return out;
}

Result<std::vector<std::uint8_t>> ReplaceFace(std::span<const std::uint8_t> archive, std::int32_t k, const Picture& picture,
                                              const CropRect& crop) {
    if (!CropFits(picture, crop))
        return Problem(TextId::kReasonCropOutside, {std::int64_t{crop.X}, std::int64_t{crop.Y}, std::int64_t{crop.Width},
                                                    std::int64_t{crop.Height}, std::int64_t{picture.Width}, std::int64_t{picture.Height}});
    auto layout = ReadArchiveLayout(archive);
    if (!layout) return layout.problem();
    const auto count = static_cast<std::int32_t>(layout->Index.size());
    if (k < 0 || k >= count) return Problem(TextId::kReasonFaceIndexOutside, {std::int64_t{k}, std::int64_t{count}});
    const KaoIndexEntry& entry = layout->Index[static_cast<std::size_t>(k)];
    const KaoFaceHeader& header = layout->Faces[static_cast<std::size_t>(k)];
    const std::vector<std::uint32_t> pixels = MakeFacePixels(header, StoredPixels(archive, entry, header), picture, crop);
    std::vector<std::uint8_t> out(archive.begin(), archive.end());
    // A face whose bytes another entry shares gets bytes of its own at the end, so the other keeps its picture.
    const bool shared = std::any_of(layout->Index.begin(), layout->Index.end(), [&](const KaoIndexEntry& other) {
        return &other != &entry && other.FaceOffset < entry.FaceOffset + static_cast<std::int64_t>(kKaoFaceHeaderSize + PixelBytes(header)) &&
               entry.FaceOffset < other.FaceOffset + static_cast<std::int64_t>(kKaoFaceHeaderSize + PixelBytes(header));
    });
    if (!shared) {
        WritePixels(out, static_cast<std::size_t>(entry.FaceOffset) + kKaoFaceHeaderSize, pixels);
        return out;
    }
    const std::size_t at = out.size();
    if (at + kKaoFaceHeaderSize + 4 * pixels.size() > static_cast<std::size_t>(INT32_MAX))
        return Problem(TextId::kReasonArchiveTooLarge, {std::int64_t{INT32_MAX}});
    out.resize(at + kKaoFaceHeaderSize + 4 * pixels.size());
    WriteInto(out, at, header);
    WritePixels(out, at + kKaoFaceHeaderSize, pixels);
    KaoIndexEntry moved = entry;
    moved.FaceOffset = static_cast<std::int32_t>(at);
    WriteInto(out, kKaoHeaderSize + static_cast<std::size_t>(k) * kKaoIndexEntrySize, moved);
    return out;
}

}  // namespace busho
