#include "face_archive_writer.h"

namespace busho {

std::vector<std::uint8_t> BuildFaceArchive(const std::vector<FaceToWrite>& faces) {
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    KaoHeader header;
    header.Signature = {'K', 'A', 'O', '0'};
    header.FaceCount = static_cast<std::int32_t>(faces.size());
    ForEachField(header, [&](const char*, const auto& field) { out.Write(field); });
    std::size_t offset = kKaoHeaderSize + faces.size() * kKaoIndexEntrySize;
    for (const auto& face : faces) {
        KaoIndexEntry entry;
        entry.FaceOffset = static_cast<std::int32_t>(offset);
        ForEachField(entry, [&](const char*, const auto& field) { out.Write(field); });
        offset += kKaoFaceHeaderSize + 4 * face.Pixels.size();
    }
    for (const auto& face : faces) {
        ForEachField(face.Header, [&](const char*, const auto& field) { out.Write(field); });
        for (std::uint32_t p : face.Pixels) out.Write(static_cast<std::int32_t>(p));
    }
    return bytes;
}

}  // namespace busho
