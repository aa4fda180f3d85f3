#include "control_pictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace busho {
namespace {

constexpr int kSmallestLabelPixels = 7;

QPixmap Badge(const QColor& colour, const QString& label, int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, height);
    fill.setColorAt(0, colour.lighter(135));
    fill.setColorAt(1, colour.darker(115));
    p.setBrush(fill);
    p.setPen(QPen(colour.darker(160), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 4, 4);
    // The label's size shrinks until it fits the badge (longer names in other languages).
    QFont font = p.font();
    font.setBold(true);
    for (int size = height - 8; size >= kSmallestLabelPixels; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(label) <= width - 4) break;
    }
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, label);
    return pixmap;
}

}  // namespace

QPixmap TacticPicture(int tactic, const QString& label) {
    static const QColor groups[] = {QColor(70, 130, 60), QColor(170, 50, 40), QColor(50, 90, 160), QColor(90, 90, 100),
                                    QColor(120, 60, 150)};
    const int group = tactic < 6 ? 0 : tactic < 12 ? 1 : tactic < 16 ? 2 : tactic < 22 ? 3 : 4;
    return Badge(groups[group], label, 52, 20);
}

QPixmap VoicePicture(int voiceType, const QString& label) {
    static const QColor voices[] = {QColor(110, 80, 40), QColor(180, 60, 30), QColor(40, 110, 140),
                                    QColor(60, 150, 90), QColor(110, 110, 120), QColor(190, 80, 130)};
    return Badge(voices[voiceType], label, 40, 20);
}

QPixmap RandomOfficerPicture(const QString& label) {
    QPixmap pixmap(96, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    for (int d = 0; d < 2; ++d) {
        const QRectF die(2 + d * 13, 4 + d * 4, 15, 15);
        p.setPen(QPen(QColor(60, 40, 30), 1));
        p.setBrush(QColor(250, 246, 236));
        p.drawRoundedRect(die, 3, 3);
        p.setBrush(QColor(180, 30, 30));
        p.setPen(Qt::NoPen);
        p.drawEllipse(die.center(), 2, 2);
        if (d == 1) {
            p.drawEllipse(die.topLeft() + QPointF(4, 4), 1.6, 1.6);
            p.drawEllipse(die.bottomRight() - QPointF(4, 4), 1.6, 1.6);
        }
    }
    QFont font = p.font();
    font.setBold(true);
    for (int size = 13; size >= kSmallestLabelPixels; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(label) <= 64) break;
    }
    p.setFont(font);
    p.setPen(QColor(60, 40, 30));
    p.drawText(QRect(32, 0, 64, 24), Qt::AlignVCenter | Qt::AlignLeft, label);
    return pixmap;
}

}  // namespace busho
