#include "edition_chooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace busho {
namespace {

// The chooser's picture: a banner of our own, a castle on a hill under a red sun.
QPixmap Banner() {
    QPixmap pixmap(300, 110);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 110);
    sky.setColorAt(0, QColor(250, 232, 200));
    sky.setColorAt(1, QColor(214, 170, 120));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(230, 40), 24, 24);
    p.setBrush(QColor(70, 60, 50));
    p.drawEllipse(QRectF(-40, 80, 380, 90));
    p.setBrush(QColor(40, 36, 34));
    p.drawRect(QRectF(120, 58, 60, 26));
    p.drawRect(QRectF(132, 40, 36, 18));
    QPolygonF roof1, roof2;
    roof1 << QPointF(110, 60) << QPointF(190, 60) << QPointF(170, 50) << QPointF(130, 50);
    roof2 << QPointF(124, 42) << QPointF(176, 42) << QPointF(160, 30) << QPointF(140, 30);
    p.drawPolygon(roof1);
    p.drawPolygon(roof2);
    return pixmap;
}

}  // namespace

EditionChooser::EditionChooser(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("请选择游戏语言版本"));
    setModal(true);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(Banner());
    auto* title = new QLabel(QStringLiteral("信长之野望－革新"));
    title->setObjectName(QStringLiteral("Label1"));
    QFont font = title->font();
    font.setPointSize(font.pointSize() + 6);
    font.setBold(true);
    title->setFont(font);
    title->setAlignment(Qt::AlignCenter);
    Command1 = new QPushButton(tr("中文版"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = new QPushButton(tr("日文版"));
    Command2->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignCenter);
    layout->addWidget(title);
    layout->addLayout(buttons);
    connect(Command1, &QPushButton::clicked, this, [this] {
        chosen_ = 0;
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, [this] {
        chosen_ = 1;
        accept();
    });
}

}  // namespace busho
