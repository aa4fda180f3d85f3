#pragma once
// Where the three start-up windows go: the editor at the top left of the screen, the officer list to
// its right, the portrait picker below the list. Computed from the windows' frames and the screen's
// available area; on a screen too small for all three at their preferred sizes the picker shrinks
// first, then the list, and the editor last (its parts scroll), so that no window covers another.

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <array>
#include <functional>

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
// direction when it has to scroll. `gap`: pixels left free between the windows and at the screen's
// right and bottom edges.
Arrangement ArrangeWindows(const QRect& available, const WindowRoom& editor, const WindowRoom& list, const WindowRoom& picker,
                           int scrollBar, int gap = 0);

// True when every rectangle lies inside the area.
bool AllInside(const QRect& area, const std::array<QRect, 3>& frames);

// Applies an arrangement to the real windows. An X11 window manager frames a window only after it is
// shown, so for a while afterwards the arranger watches the frames and arranges again with the frames
// it learns, or puts back a window that went astray because its frame was not known when it was moved;
// a window the user moves stays where it is put.
class WindowArranger : public QObject {
public:
    // `preferred`: the inside sizes the three windows would like, asked for at each arrangement.
    WindowArranger(QWidget& editor, QWidget& list, QWidget& picker, std::function<std::array<QSize, 3>()> preferred);

    // Arranges the windows on the screen the editor is on.
    void Arrange();
    // Arranges them again now that they are shown, unless they were put where the user left them or
    // the user has moved one since.
    void Settle();
    // Puts each window at a place of its own (frame position, inside size), as the user left them.
    void Restore(const std::array<QRect, 3>& places);
    // The frame the window has, or for one not framed yet the largest frame of the three.
    QMargins FrameOf(const QWidget& window) const;

private:
    static constexpr int kWatchMs = 100;
    static constexpr int kWatchForMs = 3000;
    void Apply();
    void Place(std::size_t i);
    void Watch();

    std::array<QWidget*, 3> windows_;
    std::function<std::array<QSize, 3>()> preferred_;
    std::array<QMargins, 3> usedFrames_{};
    std::array<bool, 3> ownFrame_{};  // the window's own frame was known when it was placed
    std::array<QRect, 3> placed_{};
    QTimer watch_;
    int watched_ = 0;
    bool arranged_ = false;  // placed by the arrangement, and not moved by the user since
};

}  // namespace busho
