#include "face_view.h"

#include <QLabel>
#include <QPixmap>

#include "core/text/messages.h"
#include "platform/message_boxes.h"

namespace busho {

QImage ToQImage(const FaceImage& face) {
    QImage image(face.Width, face.Height, QImage::Format_ARGB32);
    for (int y = 0; y < face.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < face.Width; ++x) line[x] = face.At(x, y);
    }
    return image;
}

void PaintFaceBits(QLabel* surface, const FaceImage& face) {
    surface->setPixmap(QPixmap::fromImage(ToQImage(face)));
}

void PutFace(QLabel* target, QLabel* scratch, const FaceImage& face) {
    scratch->setFixedSize(face.Width, face.Height);
    target->setFixedSize(face.Width, face.Height);
    PaintFaceBits(scratch, face);
    target->setPixmap(scratch->pixmap());
}

bool DispCGFile(QLabel* target, QLabel* scratch, const std::filesystem::path& archive, int index,
                platform::MessageBoxes& messages) {
    const std::u16string text = archive.u16string();
    if (QString::fromStdU16String(text).trimmed().isEmpty()) return false;
    FaceArchive faces;
    auto fail = [&] {
        messages.Show({std::string(text_gbk::kTextOpenFaceFailed) + "\r", archive, faces.Error(), {}, text_gbk::kStyleCritical});
        return false;
    };
    if (!faces.Open(archive)) return fail();
    if (index < 0 || index >= faces.FaceCount()) return false;
    if (!faces.ReadKaoFace(index)) return fail();
    PutFace(target, scratch, faces.DecodedFace());
    scratch->clear();
    scratch->setFixedSize(1, 1);
    return true;
}

bool DrawMediumFace(FaceArchive& archive, int n, QLabel* target, QLabel* scratch) {
    if (!archive.IsOpen() || n < 0 || n >= archive.FaceCount()) return false;
    if (!archive.ReadKaoFace(n)) return false;
    PutFace(target, scratch, archive.DecodedFace());
    return true;
}

}  // namespace busho
