// The face-archive reader on any bytes, through a real file: open, read and decode every face
// (the first few hundred of a large count).

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/faces/face_archive.h"

namespace {

// One in-memory file for the whole run, named through /proc so the reader opens it as any file.
const std::string& ArchivePath() {
    static const std::string path = [] {
        const int fd = memfd_create("KAO_l.n12", 0);
        if (fd < 0) std::abort();
        return "/proc/self/fd/" + std::to_string(fd);
    }();
    return path;
}

void Store(const std::uint8_t* data, std::size_t size) {
    const int fd = std::stoi(ArchivePath().substr(ArchivePath().rfind('/') + 1));
    if (ftruncate(fd, 0) != 0 || (size && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Store(data, size);
    busho::FaceArchive archive;
    if (const busho::Status opened = archive.Open(ArchivePath()); !opened) {
        if (busho::DescribeGbk(opened.problem()).empty()) std::abort();
        return 0;
    }
    const std::int32_t faces = std::min<std::int32_t>(archive.FaceCount(), 256);
    for (std::int32_t k = 0; k < faces; ++k) {
        if (!archive.ReadKaoFace(k)) continue;
        const busho::FaceImage image = archive.DecodedFace();
        if (image.Pixels.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height)) std::abort();
    }
    if (archive.ReadKaoFace(archive.FaceCount())) std::abort();  // one past the end is refused
    return 0;
}
