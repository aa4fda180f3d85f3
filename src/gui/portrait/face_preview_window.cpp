#include "face_preview_window.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace busho {
namespace {

constexpr int kTwips = kTwipsPerPixel;

QLabel* View(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* view = new QLabel(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setGeometry(left / kTwips, top / kTwips, width / kTwips, height / kTwips);
    view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return view;
}

}  // namespace

FacePreviewWindow::FacePreviewWindow(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Form5"));
    setFixedSize(7635 / kTwips, 4485 / kTwips);
    setAutoFillBackground(true);
    Picture1 = View(this, "Picture1", 0, 0, 1575, 1935);
    Picture2 = View(this, "Picture2", 3720, 0, 855, 1095);
    Picture3 = View(this, "Picture3", 5400, 0, 615, 735);
    Command1 = new QPushButton(QStringLiteral("X"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(7440 / kTwips - 6, 0, 255 / kTwips + 6, 300 / kTwips);
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
}

}  // namespace busho
