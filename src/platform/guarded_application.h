#pragma once
// The editor's QApplication with a last guard: an exception that escapes an event handler or a slot
// ends the event loop with its reason on stderr and status 2, instead of std::terminate's abort.

#include <QApplication>

namespace busho::platform {

inline constexpr int kExitInternalError = 2;

class GuardedApplication final : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace busho::platform
