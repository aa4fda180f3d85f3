#include "face_archive.h"

#include "core/text/messages.h"

namespace busho {
namespace {

template <class Record>
bool ReadRecord(std::ifstream& file, Record& record, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) return false;
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
    if (file_.is_open()) file_.close();
    file_.clear();
    header_ = {};
    index_.clear();
    faceHeader_ = {};
    pixels_.clear();
    fileSize_ = 0;
}

bool FaceArchive::Open(const std::filesystem::path& path) {
    Close();
    error_.clear();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return Fail(text_gbk::kReasonCannotOpen);
    fileSize_ = std::filesystem::file_size(path, ec);
    if (ec) return Fail(text_gbk::kReasonCannotRead);
    file_.open(path, std::ios::binary);
    if (!file_) return Fail(text_gbk::kReasonCannotOpen);
    if (fileSize_ < kKaoHeaderSize || !ReadRecord(file_, header_, kKaoHeaderSize)) {
        Close();
        return Fail(text_gbk::kReasonFaceFileShort);
    }
    const std::int64_t count = header_.FaceCount;
    if (count < 1) {
        const auto text = text_gbk::kReasonFaceCountBelowOne + std::to_string(count);
        Close();
        return Fail(text);
    }
    // The index must lie within the file before it is allocated.
    if (kKaoHeaderSize + static_cast<std::uint64_t>(count) * kKaoIndexEntrySize > fileSize_) {
        const auto text = text_gbk::kReasonFaceCountTooLarge + std::to_string(count);
        Close();
        return Fail(text);
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count) * kKaoIndexEntrySize);
    if (!file_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
        Close();
        return Fail(text_gbk::kReasonCannotRead);
    }
    index_.resize(static_cast<std::size_t>(count));
    ByteReader in(bytes);
    for (auto& entry : index_) ForEachField(entry, [&](const char*, auto& field) { in.Read(field); });
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
    file_.clear();
    file_.seekg(offset);
    KaoFaceHeader header;
    if (!file_ || !ReadRecord(file_, header, kKaoFaceHeaderSize)) return Fail(text_gbk::kReasonCannotRead);
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
    if (!file_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
        return Fail(text_gbk::kReasonCannotRead);
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
