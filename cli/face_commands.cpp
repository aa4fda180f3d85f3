// busho faces ARCHIVE: the face count and each face's sizes.
// busho face ARCHIVE INDEX OUT.png: one face, decoded as the screen shows it.

#include "commands.h"
#include "core/faces/face_archive.h"
#include "core/faces/png_writer.h"

namespace busho::cli {
namespace {

int FaceFailure(const Context& c, const std::filesystem::path& archive, const Status& failed) {
    c.err << "busho: " << PathToUtf8(archive) << ": " << c.language.Describe(failed.problem()) << '\n';
    return kExitFailed;
}

}  // namespace

int Faces(const Context& c, const std::filesystem::path& archivePath) {
    FaceArchive archive;
    if (const Status opened = archive.Open(archivePath); !opened) return FaceFailure(c, archivePath, opened);
    c.out << "FaceCount " << archive.FaceCount() << '\n';
    for (std::int32_t k = 0; k < archive.FaceCount(); ++k) {
        if (const Status read = archive.ReadKaoFace(k); !read) return FaceFailure(c, archivePath, read);
        const auto& h = archive.FaceHeader();
        c.out << k << ": Width " << h.Width << " Height " << h.Height << " RowPixels " << h.RowPixels << " RowCount "
              << h.RowCount << '\n';
    }
    return c.out.good() ? kExitOk : kExitFailed;
}

int Face(const Context& c, const std::filesystem::path& archivePath, std::int32_t index, const std::filesystem::path& png) {
    FaceArchive archive;
    if (const Status opened = archive.Open(archivePath); !opened) return FaceFailure(c, archivePath, opened);
    if (const Status read = archive.ReadKaoFace(index); !read) return FaceFailure(c, archivePath, read);
    const FaceImage image = archive.DecodedFace();
    const auto bytes = EncodePng(image.Width, image.Height, image.Pixels);
    if (bytes.empty()) {
        c.err << "busho: " << PathToUtf8(archivePath) << ": face " << index << " cannot be made into a picture\n";
        return kExitFailed;
    }
    return WriteOutputFile(c, png, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), "the image")
               ? kExitOk
               : kExitFailed;
}

}  // namespace busho::cli
