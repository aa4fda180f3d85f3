#pragma once
// Where the three start-up windows go: the editor at the top left of the screen, the officer list to
// its right, the portrait picker below the list. Computed from the windows' frames and the screen's
// available area; on a screen too small for all three at their preferred sizes the picker shrinks
// first, then the list, and the editor last (its parts scroll), so that no window covers another.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

#include <array>

class QWidget;

namespace busho {

// One window as the arrangement sees it: the inside sizes it would like and can take, and its frame
// (title bar and borders) as the window system draws it.
struct WindowRoom {
    QSize preferred;
    QSize minimum;
    QMargins frame;
};

// The frame rectangles of the three windows (frame included).
struct Arrangement {
    QRect editor, list, picker;
};

// `scrollBar`: the width of the editor's scroll bars, added to its preferred size in the other
// direction when it has to scroll.
Arrangement ArrangeWindows(const QRect& available, const WindowRoom& editor, const WindowRoom& list, const WindowRoom& picker,
                           int scrollBar);

// True when every rectangle lies inside the area.
bool AllInside(const QRect& area, const std::array<QRect, 3>& frames);

// Applies an arrangement to the real windows and applies it again when the window system tells their
// frames late (an X11 window manager frames a window only after it is shown), until the user moves or
// resizes one of them.
class WindowArranger : public QObject {
public:
    WindowArranger(QWidget& editor, QWidget& list, QWidget& picker, std::array<QSize, 3> preferred);

    // Arranges the windows on the screen the editor is on.
    void Arrange();
    // Arranges them again now that they are shown, unless they were put where they were left or the
    // user has moved one since.
    void Settle();
    // Puts each window at a place of its own (frame position, inside size); stops following frames.
    void Restore(const std::array<QRect, 3>& places);
    // The frame the window has, or for one not framed yet the largest frame of the three.
    QMargins FrameOf(const QWidget& window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QWidget*, 3> windows_;
    std::array<QSize, 3> preferred_;
    std::array<QMargins, 3> usedFrames_{};
    std::array<QRect, 3> placed_{};
    bool following_ = false;
    bool applying_ = false;
};

}  // namespace busho
