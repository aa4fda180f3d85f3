#pragma once
// Drawing faces onto views. A view is a QLabel holding the face as its pixmap, 1:1, upright, from
// its top-left corner; a scratch view is a hidden QLabel that receives the face first.

#include <QImage>

#include <filesystem>

#include "core/faces/face_archive.h"

class QLabel;

namespace busho {
namespace platform {
class MessageBoxes;
}

QImage ToQImage(const FaceImage& face);

// Draws the face's first Height rows onto the view's surface at its top-left corner.
void PaintFaceBits(QLabel* surface, const FaceImage& face);

// Sizes both views to the face, paints the scratch view and copies it into the target.
void PutFace(QLabel* target, QLabel* scratch, const FaceImage& face);

// Opens the archive, draws face `index` into `target` through `scratch`, then empties the scratch
// view and shrinks it to one pixel. A face number outside the archive or a blank path draws nothing
// and says nothing; any other failure shows "打开CG文件错误!!…" with the path. Returns whether it drew.
bool DispCGFile(QLabel* target, QLabel* scratch, const std::filesystem::path& archive, int index,
                platform::MessageBoxes& messages);

// The medium drawers' common part: face n of an open archive into target through scratch (which keeps
// the face). A face number outside the archive, or a face that cannot be read, draws nothing.
bool DrawMediumFace(FaceArchive& archive, int n, QLabel* target, QLabel* scratch);

}  // namespace busho
