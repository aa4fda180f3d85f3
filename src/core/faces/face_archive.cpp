#include "face_archive.h"

#include "core/text/messages.h"

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

std::string FaceReason(std::int32_t k, const char* what) { return text_gbk::kReasonFace + std::to_string(k) + what; }

}  // namespace

bool FaceArchive::Fail(std::string reason) {
    error_ = std::move(reason);
    return false;
}

void FaceArchive::Close() {
    file_.reset();
    header_ = {};
    index_.clear();
    faceHeader_ = {};
    pixels_.clear();
    fileSize_ = 0;
}

bool FaceArchive::Open(const std::filesystem::path& path) {
    Close();
    error_.clear();
    std::string reason;
    auto file = ReadableFile::Open(path, reason);
    if (!file) return Fail(reason);
    const std::uint64_t fileSize = file->Size();
    if (fileSize < kKaoHeaderSize || !ReadRecord(*file, 0, header_, kKaoHeaderSize)) {
        Close();
        return Fail(text_gbk::kReasonFaceFileShort);
    }
    const std::int64_t count = header_.FaceCount;
    if (count < 1) {
        const auto text = text_gbk::kReasonFaceCountBelowOne + std::to_string(count);
        Close();
        return Fail(text);
    }
    // The index must lie within the file, and within what an archive holds, before it is allocated.
    if (count > kMaxFaceCount || kKaoHeaderSize + static_cast<std::uint64_t>(count) * kKaoIndexEntrySize > fileSize) {
        const auto text = text_gbk::kReasonFaceCountTooLarge + std::to_string(count);
        Close();
        return Fail(text);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count) * kKaoIndexEntrySize);
    if (!file->ReadAt(kKaoHeaderSize, bytes)) {
        Close();
        return Fail(text_gbk::kReasonCannotRead);
    }
    index_.resize(static_cast<std::size_t>(count));
    ByteReader in(bytes);
    for (auto& entry : index_) ForEachField(entry, [&](const char*, auto& field) { in.Read(field); });
    file_ = std::move(file);
    fileSize_ = fileSize;
    return true;
}

bool FaceArchive::ReadKaoFace(std::int32_t k) {
    error_.clear();
    if (!IsOpen()) return Fail(text_gbk::kReasonCannotRead);
    if (k < 0 || k >= header_.FaceCount) {
        return Fail(text_gbk::kReasonFaceIndexOutside + std::to_string(k) + " / " + std::to_string(header_.FaceCount));
    }
    const std::int64_t offset = index_[static_cast<std::size_t>(k)].FaceOffset;
    if (offset < 0 || static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize > fileSize_)
        return Fail(FaceReason(k, text_gbk::kReasonFaceOffsetOutside) + std::to_string(offset));
    KaoFaceHeader header;
    if (!ReadRecord(*file_, static_cast<std::uint64_t>(offset), header, kKaoFaceHeaderSize))
        return Fail(text_gbk::kReasonCannotRead);
    auto sane = [](std::int32_t v) { return v >= 1 && v <= kMaxFaceDimension; };
    if (!sane(header.Width) || !sane(header.Height) || !sane(header.RowPixels) || !sane(header.RowCount)) {
        return Fail(FaceReason(k, text_gbk::kReasonFaceBadSize) + std::to_string(header.Width) + "x" +
                    std::to_string(header.Height) + ", " + std::to_string(header.RowPixels) + "x" + std::to_string(header.RowCount));
    }
    // The screen image is Width x Height: it may not be larger than the file either.
    if (4 * static_cast<std::uint64_t>(header.Width) * static_cast<std::uint64_t>(header.Height) > fileSize_) {
        return Fail(FaceReason(k, text_gbk::kReasonFaceBadSize) + std::to_string(header.Width) + "x" +
                    std::to_string(header.Height) + ", " + std::to_string(header.RowPixels) + "x" + std::to_string(header.RowCount));
    }
    if (header.Height > header.RowCount) {
        return Fail(FaceReason(k, text_gbk::kReasonFaceHeightOverRows) + std::to_string(header.Height) + " > " +
                    std::to_string(header.RowCount));
    }
    const std::uint64_t pixelCount = static_cast<std::uint64_t>(header.RowPixels) * static_cast<std::uint64_t>(header.RowCount);
    if (static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize + 4 * pixelCount > fileSize_)
        return Fail(FaceReason(k, text_gbk::kReasonFacePixelsPastEnd));
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(4 * pixelCount));
    if (!file_->ReadAt(static_cast<std::uint64_t>(offset) + kKaoFaceHeaderSize, bytes)) return Fail(text_gbk::kReasonCannotRead);
    pixels_.resize(static_cast<std::size_t>(pixelCount));
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        pixels_[i] = static_cast<std::uint32_t>(bytes[4 * i]) | (static_cast<std::uint32_t>(bytes[4 * i + 1]) << 8) |
                     (static_cast<std::uint32_t>(bytes[4 * i + 2]) << 16) | (static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24);
    }
    faceHeader_ = header;
    return true;
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
