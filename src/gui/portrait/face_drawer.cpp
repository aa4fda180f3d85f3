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

void FaceDrawer::ShowFailure(const std::filesystem::path& archive, const Problem& reason) {
    messages_.Show({Problem(TextId::kTextOpenFaceFailedAt, {TextId::kTextOpenFaceFailed}).InFile(archive).Because(reason),
                    std::nullopt, text_gbk::kStyleCritical});
}

bool FaceDrawer::OpenMedium(FaceSet set) {
    FaceArchive& archive = set == FaceSet::Standard ? standardMedium_ : editMedium_;
    const auto path = GamePath(session_.GameFolder, set == FaceSet::Standard ? kStandardMediumFaces : kEditMediumFaces);
    const Status opened = archive.Open(path);
    if (opened) return true;
    if (quietWhenMissing_ && !Exists(path)) return false;
    ShowFailure(path, opened.problem());
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
    if (!archive.IsOpen()) (void)archive.Open(GamePath(session_.GameFolder, set == FaceSet::Standard ? kStandardMediumFaces : kEditMediumFaces));
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
    if (const Status opened = faces.Open(archive); !opened) {
        if (!quietWhenMissing_ || Exists(archive)) ShowFailure(archive, opened.problem());
        return false;
    }
    if (index < 0 || index >= faces.FaceCount()) return false;
    if (const Status read = faces.ReadKaoFace(index); !read) {
        ShowFailure(archive, read.problem());
        return false;
    }
    PutFace(view, faces.DecodedFace());
    return true;
}

}  // namespace busho
