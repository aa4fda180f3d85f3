#include "portrait_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdint>
#include <random>

namespace busho::demo {
namespace {

// Deterministic choices: mt19937 with plain modulo, identical on every platform.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : rng_(seed) {}
    int Roll(int n) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(n)); }
    int Between(int lo, int hi) { return lo + Roll(hi - lo + 1); }
    template <class T, std::size_t N>
    const T& Pick(const T (&items)[N]) { return items[Roll(static_cast<int>(N))]; }

private:
    std::mt19937 rng_;
};

const QColor kSkins[] = {QColor(241, 204, 170), QColor(232, 190, 150), QColor(224, 176, 136), QColor(245, 214, 184),
                         QColor(214, 164, 124)};
const QColor kHair[] = {QColor(28, 24, 22), QColor(44, 36, 30), QColor(60, 50, 44), QColor(110, 110, 112)};
const QColor kCloth[] = {QColor(138, 32, 40),  QColor(34, 70, 120),  QColor(40, 96, 66),   QColor(92, 52, 120),
                         QColor(150, 100, 40), QColor(60, 60, 70),   QColor(170, 60, 30),  QColor(30, 110, 120),
                         QColor(120, 30, 80),  QColor(200, 170, 90)};
const QColor kBackLight[] = {QColor(222, 208, 170), QColor(196, 214, 222), QColor(214, 196, 214), QColor(206, 222, 196),
                             QColor(230, 200, 180), QColor(200, 200, 210)};

void DrawMon(QPainter& p, QPointF centre, qreal r, int kind, const QColor& colour) {
    p.setPen(QPen(colour, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    switch (kind) {
        case 0:  // three dots
            for (int i = 0; i < 3; ++i) {
                const qreal a = 3.14159 / 2 + i * 2 * 3.14159 / 3;
                p.drawEllipse(centre + QPointF(std::cos(a), -std::sin(a)) * r * 0.45, r * 0.25, r * 0.25);
            }
            break;
        case 1: {  // diamond
            QPolygonF d;
            d << centre + QPointF(0, -r * 0.6) << centre + QPointF(r * 0.6, 0) << centre + QPointF(0, r * 0.6)
              << centre + QPointF(-r * 0.6, 0);
            p.drawPolygon(d);
            break;
        }
        case 2:  // cross
            p.drawRect(QRectF(centre.x() - r * 0.15, centre.y() - r * 0.6, r * 0.3, r * 1.2));
            p.drawRect(QRectF(centre.x() - r * 0.6, centre.y() - r * 0.15, r * 1.2, r * 0.3));
            break;
        default:  // ring
            p.setPen(QPen(colour, 1.0));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(centre, r * 0.45, r * 0.45);
            break;
    }
}

}  // namespace

QImage PaintPortrait(FaceSet set, int index, int width, int height) {
    const bool edit = set == FaceSet::Edit;
    Dice dice(static_cast<std::uint32_t>(index) * 2654435761u + (edit ? 97u : 13u));
    const bool female = edit ? dice.Roll(2) == 0 : dice.Roll(12) == 0;
    const QColor skin = dice.Pick(kSkins);
    const QColor hair = female ? kHair[dice.Roll(2)] : dice.Pick(kHair);
    const QColor cloth = dice.Pick(kCloth);
    const QColor back = dice.Pick(kBackLight);
    const int headwear = female ? 0 : dice.Roll(10);  // 0-4 topknot, 5-7 helmet, 8 hood, 9 bare
    const bool armour = !female && dice.Roll(3) == 0;
    const int beard = female ? 0 : dice.Roll(4);
    const int headWidth = dice.Between(16, 20), headHeight = dice.Between(20, 24);
    const int brow = dice.Between(-3, 3);
    const int mouth = dice.Roll(3);
    const int mon = dice.Roll(4);

    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 96.0, height / 120.0);

    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, back.lighter(112));
    sky.setColorAt(1, back.darker(125));
    p.fillRect(QRectF(0, 0, 96, 120), sky);
    QRadialGradient halo(48, 58, 46);
    halo.setColorAt(0, QColor(255, 255, 255, 90));
    halo.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(0, 0, 96, 120), halo);

    // Long hair falls behind the shoulders.
    if (female) {
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(48 - headWidth - 5, 44, 2 * headWidth + 10, 62), 10, 10);
    }

    // Shoulders and robe.
    QPainterPath body;
    body.moveTo(4, 120);
    body.cubicTo(8, 100, 24, 92, 40, 90);
    body.lineTo(56, 90);
    body.cubicTo(72, 92, 88, 100, 92, 120);
    body.closeSubpath();
    p.setPen(QPen(cloth.darker(150), 1));
    p.setBrush(cloth);
    p.drawPath(body);
    if (armour) {
        p.setPen(QPen(cloth.darker(180), 1.4));
        for (int y = 100; y < 120; y += 5) p.drawLine(QPointF(12, y), QPointF(84, y));
        p.setBrush(cloth.lighter(130));
        p.drawEllipse(QRectF(10, 94, 18, 12));
        p.drawEllipse(QRectF(68, 94, 18, 12));
    }
    // Collar: the white under-robe crossing left over right.
    p.setPen(QPen(QColor(245, 242, 232), 3));
    p.drawLine(QPointF(40, 91), QPointF(50, 110));
    p.drawLine(QPointF(56, 91), QPointF(46, 110));
    if (!armour) DrawMon(p, QPointF(70, 106), 5, mon, QColor(250, 246, 230));

    // Neck, ears, head.
    p.setPen(Qt::NoPen);
    p.setBrush(skin.darker(108));
    p.drawRect(QRectF(42, 78, 12, 14));
    p.setBrush(skin);
    p.drawEllipse(QRectF(48 - headWidth - 3, 58, 7, 10));
    p.drawEllipse(QRectF(48 + headWidth - 4, 58, 7, 10));
    p.setPen(QPen(skin.darker(130), 0.8));
    p.drawEllipse(QPointF(48, 60), headWidth, headHeight);

    // Headwear.
    p.setPen(Qt::NoPen);
    if (female) {
        p.setBrush(hair);
        QPainterPath fringe;
        fringe.moveTo(48 - headWidth - 2, 60);
        fringe.cubicTo(40 - headWidth, 30, 56 + headWidth, 30, 48 + headWidth + 2, 60);
        fringe.cubicTo(62, 44, 34, 44, 48 - headWidth - 2, 60);
        p.drawPath(fringe);
    } else if (headwear <= 4) {
        // Shaved crown with hair at the sides and a topknot.
        p.setBrush(skin.lighter(104));
        p.drawChord(QRectF(48 - headWidth, 60 - headHeight, 2 * headWidth, 2 * headHeight), 30 * 16, 120 * 16);
        p.setBrush(hair);
        p.drawChord(QRectF(48 - headWidth - 1, 60 - headHeight + 2, 8, 30), 90 * 16, 180 * 16);
        p.drawChord(QRectF(48 + headWidth - 7, 60 - headHeight + 2, 8, 30), -90 * 16, 180 * 16);
        p.drawRoundedRect(QRectF(44, 60 - headHeight - 6, 8, 9), 3, 3);
        p.drawRect(QRectF(47, 60 - headHeight - 10, 2.5, 6));
    } else if (headwear <= 7) {
        // Helmet with a golden crest.
        p.setBrush(QColor(40, 40, 46));
        p.drawChord(QRectF(48 - headWidth - 6, 60 - headHeight - 6, 2 * headWidth + 12, 2 * headHeight + 4), 0, 180 * 16);
        p.setBrush(cloth.darker(120));
        p.drawRect(QRectF(48 - headWidth - 8, 56, 2 * headWidth + 16, 4));
        p.setBrush(QColor(222, 184, 72));
        QPainterPath crest;
        if (headwear == 5) {
            crest.moveTo(48, 40);
            crest.cubicTo(30, 36, 22, 22, 24, 14);
            crest.cubicTo(30, 26, 40, 32, 48, 34);
            crest.cubicTo(56, 32, 66, 26, 72, 14);
            crest.cubicTo(74, 22, 66, 36, 48, 40);
        } else {
            crest.addEllipse(QPointF(48, 30), 6, 6);
        }
        p.drawPath(crest);
    } else if (headwear == 8) {
        // A monk's hood.
        p.setBrush(QColor(236, 234, 228));
        p.drawChord(QRectF(48 - headWidth - 5, 60 - headHeight - 5, 2 * headWidth + 10, 2 * headHeight + 30), 0, 180 * 16);
        p.drawRect(QRectF(48 - headWidth - 5, 58, 6, 26));
        p.drawRect(QRectF(48 + headWidth - 1, 58, 6, 26));
    } else {
        p.setBrush(hair);
        p.drawChord(QRectF(48 - headWidth - 1, 60 - headHeight - 1, 2 * headWidth + 2, 2 * headHeight), 10 * 16, 160 * 16);
    }

    // Face.
    const QColor ink = hair.value() > 90 ? QColor(70, 60, 56) : hair;
    p.setPen(QPen(ink, female ? 1.2 : 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(37, 53 + brow), QPointF(45, 53 - brow));
    p.drawLine(QPointF(51, 53 - brow), QPointF(59, 53 + brow));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 26, 24));
    p.drawEllipse(QPointF(41, 59), female ? 2.2 : 1.8, female ? 2.0 : 1.4);
    p.drawEllipse(QPointF(55, 59), female ? 2.2 : 1.8, female ? 2.0 : 1.4);
    p.setPen(QPen(skin.darker(140), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(48, 61), QPointF(47, 67));
    p.setPen(QPen(female ? QColor(190, 60, 70) : skin.darker(170), 1.4, Qt::SolidLine, Qt::RoundCap));
    if (mouth == 0) p.drawLine(QPointF(44, 73), QPointF(52, 73));
    else if (mouth == 1) p.drawArc(QRectF(43, 68, 10, 7), 200 * 16, 140 * 16);
    else p.drawArc(QRectF(43, 72, 10, 6), 20 * 16, 140 * 16);
    if (beard >= 2) {
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawEllipse(QPointF(43, 70), 4, 1.5);
        p.drawEllipse(QPointF(53, 70), 4, 1.5);
        if (beard == 3) p.drawChord(QRectF(40, 66, 16, 20), 200 * 16, 140 * 16);
    }
    if (female) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 150, 150, 80));
        p.drawEllipse(QPointF(37, 66), 4, 2.5);
        p.drawEllipse(QPointF(59, 66), 4, 2.5);
    }
    p.resetTransform();

    // The CG number, small, bottom right: standard faces by their index, edit faces from 1700.
    const QString number = QString::number(edit ? 1700 + index : index);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(height >= 100 ? 10 : (height >= 60 ? 8 : 7));
    p.setFont(font);
    const QRect text = QFontMetrics(font).boundingRect(number);
    const QRect box(width - text.width() - 4, height - text.height() - 1, text.width() + 4, text.height() + 1);
    p.fillRect(box, QColor(0, 0, 0, 150));
    p.setPen(QColor(255, 255, 255));
    p.drawText(box, Qt::AlignCenter, number);
    p.end();
    return image;
}

}  // namespace busho::demo
