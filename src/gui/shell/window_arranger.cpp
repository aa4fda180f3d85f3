#include "window_arranger.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <algorithm>

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

Arrangement ArrangeWindows(const QRect& available, const WindowRoom& editor, const WindowRoom& list, const WindowRoom& picker,
                           int scrollBar) {
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

    const QPoint columnTop(available.left() + editorWidth, available.top());
    return {QRect(available.topLeft(), QSize(editorWidth, editorHeight)), QRect(columnTop, QSize(listWidth, listHeight)),
            QRect(columnTop + QPoint(0, listHeight), QSize(pickerWidth, pickerHeight))};
}

bool AllInside(const QRect& area, const std::array<QRect, 3>& frames) {
    return std::all_of(frames.begin(), frames.end(), [&](const QRect& frame) { return area.contains(frame); });
}

WindowArranger::WindowArranger(QWidget& editor, QWidget& list, QWidget& picker, std::array<QSize, 3> preferred)
    : windows_{&editor, &list, &picker}, preferred_(preferred) {
    for (QWidget* window : windows_) window->installEventFilter(this);
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
    std::array<WindowRoom, 3> rooms;
    for (std::size_t i = 0; i < 3; ++i) rooms[i] = {preferred_[i], windows_[i]->minimumSizeHint().expandedTo(windows_[i]->minimumSize()), FrameOf(*windows_[i])};
    const QScreen* screen = windows_[0]->screen();
    const int scrollBar = windows_[0]->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const Arrangement a = ArrangeWindows(screen->availableGeometry(), rooms[0], rooms[1], rooms[2], scrollBar);
    const std::array<QRect, 3> frames{a.editor, a.list, a.picker};
    applying_ = true;
    for (std::size_t i = 0; i < 3; ++i) {
        windows_[i]->resize(frames[i].size().shrunkBy(rooms[i].frame));
        windows_[i]->move(frames[i].topLeft());
        usedFrames_[i] = rooms[i].frame;
        placed_[i] = frames[i];
    }
    applying_ = false;
    following_ = true;
}

void WindowArranger::Settle() {
    if (following_) Arrange();
}

void WindowArranger::Restore(const std::array<QRect, 3>& places) {
    applying_ = true;
    for (std::size_t i = 0; i < 3; ++i) {
        windows_[i]->resize(places[i].size());
        windows_[i]->move(places[i].topLeft());
    }
    applying_ = false;
    following_ = false;
}

bool WindowArranger::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (applying_ || !following_ || (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show)) return false;
    bool framesChanged = false;
    for (std::size_t i = 0; i < 3; ++i)
        if (windows_[i]->isVisible() && FrameOf(*windows_[i]) != usedFrames_[i]) framesChanged = true;
    if (framesChanged) {
        Arrange();
        return false;
    }
    // The same frames in another place or size: the user has moved or resized a window; it stays there.
    for (std::size_t i = 0; i < 3; ++i)
        if (watched == windows_[i] && type != QEvent::Show && windows_[i]->isVisible() && !Near(windows_[i]->frameGeometry(), placed_[i]))
            following_ = false;
    return false;
}

}  // namespace busho
