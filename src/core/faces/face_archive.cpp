#include "face_archive.h"


namespace busho {
namespace {

template <class Record>
bool ReadRecord(ReadableFile& file, std::uint64_t offset, Record& record, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    if (!file.ReadAt(offset, bytes)) return false;
    ByteReader in(bytes);
    ForEachField(record, [&](const char*, auto& field) { in.Read(field); });
    return true;
}

Problem BadSize(std::int32_t k, const KaoFaceHeader& h) {
    return Problem(TextId::kReasonFaceBadSize, {std::int64_t{k}, std::int64_t{h.Width}, std::int64_t{h.Height},
                                                std::int64_t{h.RowPixels}, std::int64_t{h.RowCount}});
}

}  // namespace

void FaceArchive::Close() {
    file_.reset();
    header_ = {};
    index_.clear();
    faceHeader_ = {};
    pixels_.clear();
    fileSize_ = 0;
}

Status FaceArchive::Open(const std::filesystem::path& path) {
    Close();
    auto opened = ReadableFile::Open(path);
    if (!opened) return opened.problem();
    std::unique_ptr<ReadableFile> file = std::move(opened).value();
    const std::uint64_t fileSize = file->Size();
    if (fileSize < kKaoHeaderSize || !ReadRecord(*file, 0, header_, kKaoHeaderSize)) {
        Close();
        return TextId::kReasonFaceFileShort;
    }
    const std::int64_t count = header_.FaceCount;
    if (count < 1) {
        Close();
        return Problem(TextId::kReasonFaceCountBelowOne, {count});
    }
    // The index must lie within the file, and within what an archive holds, before it is allocated.
    if (count > kMaxFaceCount || kKaoHeaderSize + static_cast<std::uint64_t>(count) * kKaoIndexEntrySize > fileSize) {
        Close();
        return Problem(TextId::kReasonFaceCountTooLarge, {count});
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count) * kKaoIndexEntrySize);
    if (!file->ReadAt(kKaoHeaderSize, bytes)) {
        Close();
        return TextId::kReasonCannotRead;
    }
    index_.resize(static_cast<std::size_t>(count));
    ByteReader in(bytes);
    for (auto& entry : index_) ForEachField(entry, [&](const char*, auto& field) { in.Read(field); });
    file_ = std::move(file);
    fileSize_ = fileSize;
    return {};
}

Status FaceArchive::ReadKaoFace(std::int32_t k) {
    if (!IsOpen()) return TextId::kReasonCannotRead;
    if (k < 0 || k >= header_.FaceCount)
        return Problem(TextId::kReasonFaceIndexOutside, {std::int64_t{k}, std::int64_t{header_.FaceCount}});
    const std::int64_t offset = index_[static_cast<std::size_t>(k)].FaceOffset;
    if (offset < 0 || static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize > fileSize_)
        return Problem(TextId::kReasonFaceOffsetOutside, {std::int64_t{k}, offset});
    KaoFaceHeader header;
    if (!ReadRecord(*file_, static_cast<std::uint64_t>(offset), header, kKaoFaceHeaderSize))
        return TextId::kReasonCannotRead;
    auto sane = [](std::int32_t v) { return v >= 1 && v <= kMaxFaceDimension; };
    if (!sane(header.Width) || !sane(header.Height) || !sane(header.RowPixels) || !sane(header.RowCount))
        return BadSize(k, header);
    // The screen image is Width x Height: it may not be larger than the file either.
    if (4 * static_cast<std::uint64_t>(header.Width) * static_cast<std::uint64_t>(header.Height) > fileSize_)
        return BadSize(k, header);
    if (header.Height > header.RowCount)
        return Problem(TextId::kReasonFaceHeightOverRows, {std::int64_t{k}, std::int64_t{header.Height}, std::int64_t{header.RowCount}});
    const std::uint64_t pixelCount = static_cast<std::uint64_t>(header.RowPixels) * static_cast<std::uint64_t>(header.RowCount);
    if (static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize + 4 * pixelCount > fileSize_)
        return Problem(TextId::kReasonFacePixelsPastEnd, {std::int64_t{k}});
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(4 * pixelCount));
    if (!file_->ReadAt(static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize, bytes)) return TextId::kReasonCannotRead;
    pixels_.resize(static_cast<std::size_t>(pixelCount));
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        pixels_[i] = static_cast<std::uint32_t>(bytes[4 * i]) | (static_cast<std::uint32_t>(bytes[4 * i + 1]) << 8) |
                     (static_cast<std::uint32_t>(bytes[4 * i + 2]) << 16) | (static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24);
    }
    faceHeader_ = header;
    return {};
}

FaceImage FaceArchive::DecodedFace() const { return DecodeFace(faceHeader_, pixels_); }

FaceImage DecodeFace(const KaoFaceHeader& header, const std::vector<std::uint32_t>& pixels) {
    FaceImage image;
    // Only faces that ReadKaoFace accepted can be drawn; anything else is an empty image.
    if (header.Width < 1 || header.Height < 1 || header.Height > header.RowCount || header.RowPixels < 1 ||
        pixels.size() < static_cast<std::size_t>(header.RowPixels) * static_cast<std::size_t>(header.RowCount))
        return image;
    image.Width = header.Width;
    image.Height = header.Height;
    image.Pixels.assign(static_cast<std::size_t>(header.Width) * static_cast<std::size_t>(header.Height), 0);
    const int columns = std::min(header.Width, header.RowPixels);
    for (int y = 0; y < header.Height; ++y) {
        const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(header.RowPixels);
        std::uint32_t* out = image.Pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(header.Width);
        for (int x = 0; x < columns; ++x) out[x] = 0xFF000000u | (row[x] & 0x00FFFFFFu);
    }
    return image;
}

}  // namespace busho
