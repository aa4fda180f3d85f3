#pragma once
// Tells when every window on screen has been painted once: the moment a start-up is finished for the
// user. Header-only, so that a bare Qt program can use it without linking anything of ours.

#include <QApplication>
#include <QEvent>
#include <QSet>
#include <QWidget>

#include <functional>
#include <utility>

namespace busho::platform {

class FirstPaintWatch final : public QObject {
public:
    // Watches the application's paint events from now on; `then` runs once, after the first paint of
    // the last visible window, or at Check() when all of them have been painted already.
    explicit FirstPaintWatch(std::function<void()> then) : then_(std::move(then)) { qApp->installEventFilter(this); }
    ~FirstPaintWatch() override {
        if (qApp) qApp->removeEventFilter(this);
    }
    FirstPaintWatch(const FirstPaintWatch&) = delete;
    FirstPaintWatch& operator=(const FirstPaintWatch&) = delete;

    // Once the windows are shown: those that need it yet are awaited.
    void Check() {
        armed_ = true;
        Notify();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            painted_.insert(static_cast<QWidget*>(watched));
            if (armed_) Notify();
        }
        return false;
    }

private:
    void Notify() {
        if (done_) return;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && !painted_.contains(window)) return;
        done_ = true;
        if (then_) then_();
    }

    std::function<void()> then_;
    QSet<QWidget*> painted_;
    bool armed_ = false;
    bool done_ = false;
};

}  // namespace busho::platform
