// The editor's last guard in the event loop: an exception thrown by an event handler ends the loop
// with status 2 and its reason, where it would otherwise abort the program.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

#include "platform/guarded_application.h"

namespace {

class Throwing final : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("a handler failed");
        return QObject::event(e);
    }
};

}  // namespace

int main(int argc, char** argv) {
    busho::platform::GuardedApplication app(argc, argv);
    Throwing target;
    QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
    bool reachedTimeout = false;
    QTimer::singleShot(10000, &app, [&] {
        reachedTimeout = true;
        QCoreApplication::exit(0);
    });
    const int status = QCoreApplication::exec();
    if (status != busho::platform::kExitInternalError || reachedTimeout) {
        std::fprintf(stderr, "FAIL: the event loop ended with %d\n", status);
        return 1;
    }
    std::printf("guard ok\n");
    return 0;
}
