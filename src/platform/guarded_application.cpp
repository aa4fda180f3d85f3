#include "guarded_application.h"

#include <cstdio>
#include <exception>

namespace busho::platform {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "busho-editor: internal error: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "busho-editor: internal error\n");
    }
    QCoreApplication::exit(kExitInternalError);
    return false;
}

}  // namespace busho::platform
