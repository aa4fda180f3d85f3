// A bare Qt window that quits once it has been painted: the yardstick for the editor's start-up. With
// --text it shows one line of Chinese, so that loading the CJK font is counted too.

#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "platform/first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    busho::platform::FirstPaintWatch painted([] { QApplication::exit(0); });
    QWidget window;
    window.resize(640, 480);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("信长之野望－革新 登录武将"), &window);
        label->move(20, 20);
    }
    window.show();
    painted.Check();
    return QApplication::exec();
}
