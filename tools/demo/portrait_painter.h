#pragma once
// Our own made-up portraits for the demo game: varied Sengoku-style busts drawn with QPainter,
// each with its CG number small in a corner. The same number always gives the same picture.

#include <QImage>

namespace busho::demo {

enum class FaceSet { Standard, Edit };

// A face of the given size (drawn on a 96 x 120 design, scaled) for face `index` of the set.
QImage PaintPortrait(FaceSet set, int index, int width, int height);

}  // namespace busho::demo
