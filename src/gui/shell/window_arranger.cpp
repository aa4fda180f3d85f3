#include "window_arranger.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace busho {
namespace {

// A length as near the wished one as the room allows, never below the least the window can take.
int Fit(int wished, int room, int least) { return std::max(least, std::min(wished, room)); }

QMargins FrameMargins(const QWidget& window) {
    const QRect inside = window.geometry();
    const QRect frame = window.frameGeometry();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(), frame.right() - inside.right(),
                    frame.bottom() - inside.bottom());
}

// Window systems may report a frame a pixel off where logical pixels are not whole device pixels.
bool Near(const QRect& a, const QRect& b) {
    constexpr int kSlack = 2;
    return std::abs(a.left() - b.left()) <= kSlack && std::abs(a.top() - b.top()) <= kSlack &&
           std::abs(a.width() - b.width()) <= kSlack && std::abs(a.height() - b.height()) <= kSlack;
}

}  // namespace

Arrangement ArrangeWindows(const QRect& screenArea, const WindowRoom& editor, const WindowRoom& list, const WindowRoom& picker,
                           int scrollBar, int gap) {
    // The gap is kept between the windows and at the screen's right and bottom edges.
    const QRect available = screenArea.adjusted(0, 0, -2 * gap, -2 * gap);
    const QSize editorWish = editor.preferred.grownBy(editor.frame), editorLeast = editor.minimum.grownBy(editor.frame);
    const QSize listWish = list.preferred.grownBy(list.frame), listLeast = list.minimum.grownBy(list.frame);
    const QSize pickerWish = picker.preferred.grownBy(picker.frame), pickerLeast = picker.minimum.grownBy(picker.frame);

    // Across: the editor as wide as it likes while the column on its right keeps what the list and the
    // picker need at the least. A narrower editor scrolls sideways, and its scroll bar takes height.
    const int column = std::max(listLeast.width(), pickerLeast.width());
    int editorWidth = Fit(editorWish.width(), available.width() - column, editorLeast.width());
    const int editorHeightWish = editorWish.height() + (editorWidth < editorWish.width() ? scrollBar : 0);
    const int editorHeight = Fit(editorHeightWish, available.height(), editorLeast.height());
    // A shorter editor scrolls up and down, and that scroll bar takes width.
    if (editorHeight < editorHeightWish) editorWidth = Fit(editorWish.width() + scrollBar, available.width() - column, editorLeast.width());

    const int room = available.width() - editorWidth;
    const int listWidth = Fit(listWish.width(), room, listLeast.width());
    const int pickerWidth = Fit(pickerWish.width(), room, pickerLeast.width());

    // Down the column: the picker gives up its spare room first, then the list.
    int listHeight = listWish.height();
    int pickerHeight = pickerWish.height();
    if (listHeight + pickerHeight > available.height()) {
        pickerHeight = Fit(pickerWish.height(), available.height() - listHeight, pickerLeast.height());
        listHeight = Fit(listWish.height(), available.height() - pickerHeight, listLeast.height());
    }

    const QPoint columnTop(available.left() + editorWidth + gap, available.top());
    return {QRect(available.topLeft(), QSize(editorWidth, editorHeight)), QRect(columnTop, QSize(listWidth, listHeight)),
            QRect(columnTop + QPoint(0, listHeight + gap), QSize(pickerWidth, pickerHeight))};
}

bool AllInside(const QRect& area, const std::array<QRect, 3>& frames) {
    return std::all_of(frames.begin(), frames.end(), [&](const QRect& frame) { return area.contains(frame); });
}

WindowArranger::WindowArranger(QWidget& editor, QWidget& list, QWidget& picker, std::function<std::array<QSize, 3>()> preferred)
    : windows_{&editor, &list, &picker}, preferred_(std::move(preferred)) {
    watch_.setInterval(kWatchMs);
    connect(&watch_, &QTimer::timeout, this, &WindowArranger::Watch);
}

QMargins WindowArranger::FrameOf(const QWidget& window) const {
    const QMargins own = FrameMargins(window);
    if (!own.isNull()) return own;
    QMargins largest;
    for (const QWidget* other : windows_) {
        const QMargins m = FrameMargins(*other);
        largest = QMargins(std::max(largest.left(), m.left()), std::max(largest.top(), m.top()), std::max(largest.right(), m.right()),
                           std::max(largest.bottom(), m.bottom()));
    }
    return largest;
}

void WindowArranger::Arrange() {
    Apply();
    arranged_ = true;
    watched_ = 0;
    watch_.start();
}

void WindowArranger::Apply() {
    const std::array<QSize, 3> preferred = preferred_();
    std::array<WindowRoom, 3> rooms;
    for (std::size_t i = 0; i < 3; ++i)
        rooms[i] = {preferred[i], windows_[i]->minimumSizeHint().expandedTo(windows_[i]->minimumSize()), FrameOf(*windows_[i])};
    const QScreen* screen = windows_[0]->screen();
    const int scrollBar = windows_[0]->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Where a logical pixel is not a whole number of device pixels, frames are rounded either way: a
    // pixel between the windows keeps them apart.
    const qreal ratio = screen->devicePixelRatio();
    const int gap = ratio == std::floor(ratio) ? 0 : 1;
    const Arrangement a = ArrangeWindows(screen->availableGeometry(), rooms[0], rooms[1], rooms[2], scrollBar, gap);
    const std::array<QRect, 3> frames{a.editor, a.list, a.picker};
    for (std::size_t i = 0; i < 3; ++i) {
        usedFrames_[i] = rooms[i].frame;
        ownFrame_[i] = !FrameMargins(*windows_[i]).isNull();
        placed_[i] = frames[i];
        Place(i);
    }
}

void WindowArranger::Place(std::size_t i) {
    windows_[i]->resize(placed_[i].size().shrunkBy(usedFrames_[i]));
    windows_[i]->move(placed_[i].topLeft());
}

void WindowArranger::Settle() {
    if (arranged_) Arrange();
}

void WindowArranger::Restore(const std::array<QRect, 3>& places) {
    watch_.stop();
    arranged_ = false;
    for (std::size_t i = 0; i < 3; ++i) {
        windows_[i]->resize(places[i].size());
        windows_[i]->move(places[i].topLeft());
    }
}

void WindowArranger::Watch() {
    if (++watched_ * kWatchMs >= kWatchForMs) watch_.stop();
    // A frame the window system has told since: the arrangement again with it.
    for (std::size_t i = 0; i < 3; ++i) {
        if (windows_[i]->isVisible() && FrameOf(*windows_[i]) != usedFrames_[i]) {
            Apply();
            return;
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (!windows_[i]->isVisible() || Near(windows_[i]->frameGeometry(), placed_[i])) continue;
        // Moved while its frame was not known yet, the window went where its inside was meant to be:
        // put it again. Placed with its own frame, it was moved by the user and stays there.
        if (ownFrame_[i]) {
            watch_.stop();
            arranged_ = false;
            return;
        }
        ownFrame_[i] = !FrameMargins(*windows_[i]).isNull();
        Place(i);
    }
}

}  // namespace busho
