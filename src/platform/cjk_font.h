#pragma once
// Chinese and Japanese text on a system that may have no font for it (a Western Windows, Wine): the
// program carries a free CJK font in its fonts folder and draws with it where the system has none.

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace busho::platform {

// Loads every font file (.ttf, .ttc, .otf) in `folder` into the application. When the system has no
// font of its own for Simplified Chinese, Traditional Chinese or Japanese, the loaded families follow
// the application font's family, so that characters it lacks come from them. Returns the families
// put behind the application font; empty when the system's fonts serve or the folder holds none.
QStringList UseBundledCjkFonts(const QString& folder);
// The same with the system's answer given: whether it has fonts of its own for all three.
QStringList UseBundledCjkFonts(const QString& folder, bool systemServesCjk);

// The characters of `text`, each once, that `font` and the fonts behind it have no glyph for: those
// are drawn as boxes.
QString CharactersWithoutGlyph(const QString& text, const QFont& font);

// The same for every text that `window` and its child widgets show (labels, buttons, boxes, every item
// of the lists and grids, titles), each drawn in its widget's font.
QString WindowCharactersWithoutGlyph(const QWidget& window);

}  // namespace busho::platform
