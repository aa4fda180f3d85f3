#include "face_drawer.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QString>

#include "core/data/session.h"
#include "core/os/game_paths.h"
#include "core/text/messages.h"
#include "platform/message_boxes.h"

namespace busho {
namespace {

bool Exists(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

QImage ToQImage(const FaceImage& face) {
    QImage image(face.Width, face.Height, QImage::Format_ARGB32);
    for (int y = 0; y < face.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < face.Width; ++x) line[x] = face.At(x, y);
    }
    return image;
}

void PutFace(QLabel* view, const FaceImage& face) {
    view->setFixedSize(face.Width, face.Height);
    view->setPixmap(QPixmap::fromImage(ToQImage(face)));
}

FaceDrawer::FaceDrawer(const Session& session, platform::MessageBoxes& messages) : session_(session), messages_(messages) {}

bool FaceDrawer::OpenMedium(FaceSet set) {
    FaceArchive& archive = set == FaceSet::Standard ? standardMedium_ : editMedium_;
    const auto path = GamePath(session_.GameFolder, set == FaceSet::Standard ? kStandardMediumFaces : kEditMediumFaces);
    if (archive.Open(path)) return true;
    if (quietWhenMissing_ && !Exists(path)) return false;
    messages_.Show({std::string(text_gbk::kTextOpenFaceFailed) + "\r", path, archive.Error(), {}, text_gbk::kStyleCritical});
    return false;
}

void FaceDrawer::CloseMedium() {
    standardMedium_.Close();
    editMedium_.Close();
}

FaceArchive& FaceDrawer::Medium(FaceSet set) {
    FaceArchive& archive = set == FaceSet::Standard ? standardMedium_ : editMedium_;
    // Opened quietly: the picker's load has told of an archive that cannot be opened, and a draw
    // that finds none draws nothing rather than asking the user again for every face.
    if (!archive.IsOpen()) archive.Open(GamePath(session_.GameFolder, set == FaceSet::Standard ? kStandardMediumFaces : kEditMediumFaces));
    return archive;
}

bool FaceDrawer::DrawMedium(QLabel* view, FaceSet set, int n) {
    FaceArchive& archive = Medium(set);
    if (!archive.IsOpen() || n < 0 || n >= archive.FaceCount()) return false;
    if (!archive.ReadKaoFace(n)) return false;
    PutFace(view, archive.DecodedFace());
    return true;
}

bool FaceDrawer::DrawFromFile(QLabel* view, const std::filesystem::path& archive, int index) {
    const std::u16string text = archive.u16string();
    if (QString::fromStdU16String(text).trimmed().isEmpty()) return false;
    FaceArchive faces;
    auto fail = [&] {
        if (quietWhenMissing_ && !Exists(archive)) return false;
        messages_.Show({std::string(text_gbk::kTextOpenFaceFailed) + "\r", archive, faces.Error(), {}, text_gbk::kStyleCritical});
        return false;
    };
    if (!faces.Open(archive)) return fail();
    if (index < 0 || index >= faces.FaceCount()) return false;
    if (!faces.ReadKaoFace(index)) return fail();
    PutFace(view, faces.DecodedFace());
    return true;
}

}  // namespace busho
