#pragma once
// Colours of a widget through its palette (style sheets would slow the painting of every window).

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace busho::platform {

// An invalid colour leaves that part as it is.
inline void SetColours(QWidget* widget, const QColor& background, const QColor& text = QColor()) {
    QPalette palette = widget->palette();
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) palette.setColor(role, text);
    }
    widget->setPalette(palette);
}

}  // namespace busho::platform
