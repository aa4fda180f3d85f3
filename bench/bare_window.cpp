// A bare Qt window that quits once shown: the yardstick for the editor's start-up.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(640, 480);
    window.show();
    QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
    return QApplication::exec();
}
