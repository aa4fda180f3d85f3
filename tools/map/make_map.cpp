// Draws the map window's picture, map.png: the islands of assets/map/islands.txt on old paper printed
// with faint columns of text, provinces outlined, a compass rose in the top-left corner.
// Usage: make_map ISLANDS_TXT OUTPUT_PNG. Same bytes on every run: no fonts, no clock, seeded generators.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "gui/auxiliary/map_markers.h"

namespace {

using busho::map::kImageHeight;
using busho::map::kImageWidth;

constexpr double kCoastClearance = 3.0;  // pixels of land between a marker and the coast
const QPointF kCompassCentre(44, 56);
constexpr double kCompassRadius = 30;
// Coasts wobble twice, in bays and capes and then in small bends; borders once. Pixels either side
// of the outline, every step pixels.
constexpr double kBayStep = 14.0, kBayWobble = 2.6;
constexpr double kCoastStep = 4.0, kCoastWobble = 1.0;
constexpr double kBorderStep = 6.0, kBorderWobble = 1.0;
constexpr double kPi = 3.14159265358979323846;

const QColor kPaper(236, 224, 192);
const QColor kInk(74, 52, 32);
const QColor kLand = QColor::fromRgb(static_cast<QRgb>(busho::map::kLandRgb));
const QColor kCoastTint(176, 160, 104);
const QColor kBorderInk(128, 92, 56);
const QColor kCoastInk(82, 56, 34);

// SplitMix64: the same numbers on every platform, unlike the standard distributions.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }  // [0, 1)
    double Between(double low, double high) { return low + (high - low) * Unit(); }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

struct Shape {
    std::string kind;  // land, lake or border
    std::string name;
    std::vector<QPointF> points;
};

struct Failure {
    std::string what;
};

std::vector<Shape> ReadShapes(const std::string& file) {
    std::ifstream in(file);
    if (!in) throw Failure{"cannot read " + file};
    std::vector<Shape> shapes;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        std::string first;
        if (!(words >> first)) continue;
        if (first == "land" || first == "lake" || first == "border") {
            Shape shape{first, {}, {}};
            if (!(words >> shape.name)) throw Failure{file + ":" + std::to_string(number) + ": " + first + " without a name"};
            shapes.push_back(shape);
            continue;
        }
        if (shapes.empty()) throw Failure{file + ":" + std::to_string(number) + ": points before any shape"};
        std::istringstream numbers(line);
        double x = 0, y = 0;
        while (numbers >> x) {
            if (!(numbers >> y)) throw Failure{file + ":" + std::to_string(number) + ": a point without its y"};
            shapes.back().points.emplace_back(x, y);
        }
        if (!numbers.eof()) throw Failure{file + ":" + std::to_string(number) + ": not a number"};
    }
    for (const Shape& shape : shapes) {
        const std::size_t least = shape.kind == "border" ? 2 : 3;
        if (shape.points.size() < least) throw Failure{file + ": " + shape.kind + " " + shape.name + " has too few points"};
    }
    return shapes;
}

// A Catmull-Rom curve through the points, as cubic Beziers.
QPainterPath Smooth(const std::vector<QPointF>& p, bool closed) {
    const int n = static_cast<int>(p.size());
    auto at = [&](int i) {
        if (closed) return p[static_cast<std::size_t>((i % n + n) % n)];
        return p[static_cast<std::size_t>(std::clamp(i, 0, n - 1))];
    };
    QPainterPath path(p.front());
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    if (closed) path.closeSubpath();
    return path;
}

// A hand-drawn line: points added between the given ones, each pushed a little to either side.
std::vector<QPointF> Roughen(const std::vector<QPointF>& p, bool closed, double spacing, double amplitude, std::uint64_t seed) {
    Random random(seed);
    std::vector<QPointF> out;
    const std::size_t n = p.size();
    const std::size_t edges = closed ? n : n - 1;
    for (std::size_t i = 0; i < edges; ++i) {
        const QPointF a = p[i], b = p[(i + 1) % n];
        out.push_back(a);
        const QPointF along = b - a;
        const double length = std::hypot(along.x(), along.y());
        const int pieces = std::max(1, static_cast<int>(std::lround(length / spacing)));
        const QPointF normal = length > 0 ? QPointF(-along.y(), along.x()) / length : QPointF();
        for (int k = 1; k < pieces; ++k) out.push_back(a + along * (static_cast<double>(k) / pieces) + normal * random.Between(-amplitude, amplitude));
    }
    if (!closed) out.push_back(p.back());
    return out;
}

std::uint64_t Seed(const std::string& name) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a
    for (const unsigned char c : name) hash = (hash ^ c) * 0x100000001B3ULL;
    return hash;
}

QRectF MarkerSquare(const busho::map::MarkerPlace& place) {
    using namespace busho::map;
    return {static_cast<double>(place.left / kTwipsPerPixel), static_cast<double>(place.top / kTwipsPerPixel),
            static_cast<double>(kMarkerSize), static_cast<double>(kMarkerSize)};
}

// Everything but the marker squares: what is drawn on land after its fill leaves them in the flat land colour.
QPainterPath OutsideMarkers() {
    QPainterPath all;
    all.addRect(0, 0, kImageWidth, kImageHeight);
    QPainterPath squares;
    for (const auto& place : busho::map::kMarkers) squares.addRect(MarkerSquare(place));
    return all.subtracted(squares);
}

QColor WithAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

void PaintPaper(QImage& image, Random& random) {
    // Fibres: a little noise on every pixel, a little more along rows.
    for (int y = 0; y < kImageHeight; ++y) {
        const int rowShade = random.Below(5) - 2;
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kImageWidth; ++x) {
            const int shade = rowShade + random.Below(9) - 4;
            row[x] = qRgb(std::clamp(kPaper.red() + shade, 0, 255), std::clamp(kPaper.green() + shade, 0, 255),
                          std::clamp(kPaper.blue() + shade - 1, 0, 255));
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    // Age stains.
    for (int i = 0; i < 14; ++i) {
        const QPointF centre(random.Between(0, kImageWidth), random.Between(0, kImageHeight));
        const double radius = random.Between(30, 120);
        QRadialGradient stain(centre, radius);
        stain.setColorAt(0, WithAlpha(QColor(150, 110, 60), 10 + random.Below(16)));
        stain.setColorAt(0.7, WithAlpha(QColor(150, 110, 60), 6));
        stain.setColorAt(1, WithAlpha(QColor(150, 110, 60), 0));
        p.setBrush(stain);
        p.drawEllipse(centre, radius, radius);
    }
    // Darker towards the edges.
    QRadialGradient edges(QPointF(kImageWidth / 2.0, kImageHeight / 2.0), kImageWidth * 0.62);
    edges.setColorAt(0, WithAlpha(QColor(110, 70, 30), 0));
    edges.setColorAt(0.6, WithAlpha(QColor(110, 70, 30), 8));
    edges.setColorAt(1, WithAlpha(QColor(110, 70, 30), 70));
    p.setBrush(edges);
    p.drawRect(0, 0, kImageWidth, kImageHeight);
}

// Faint columns of made-up characters, read top to bottom and right to left as in an old printed book.
void PaintOldText(QPainter& p, Random& random) {
    constexpr double kColumn = 12.0, kCell = 10.0, kGlyph = 7.0;
    p.setBrush(Qt::NoBrush);
    QPen rule(WithAlpha(kInk, 16), 0.6);
    for (double x = kImageWidth - 8; x > 0; x -= kColumn) {
        p.setPen(rule);
        p.drawLine(QPointF(x + kColumn / 2, 0), QPointF(x + kColumn / 2, kImageHeight));
        const int alpha = 30 + random.Below(22);
        p.setPen(QPen(WithAlpha(kInk, alpha), 0.85, Qt::SolidLine, Qt::RoundCap));
        int gap = random.Below(4);
        for (double y = 4 + random.Below(3); y + kGlyph < kImageHeight; y += kCell) {
            if (gap > 0) {
                --gap;
                continue;
            }
            if (random.Below(40) == 0) gap = 2 + random.Below(8);  // a paragraph ends
            const double left = x - kGlyph / 2;
            const int strokes = 2 + random.Below(5);
            for (int s = 0; s < strokes; ++s) {
                const double a = random.Between(0, kGlyph), b = random.Between(0, kGlyph);
                switch (random.Below(5)) {
                case 0:  // horizontal
                    p.drawLine(QPointF(left + random.Between(0, 2), y + a), QPointF(left + kGlyph - random.Between(0, 2), y + a));
                    break;
                case 1:  // vertical
                    p.drawLine(QPointF(left + a, y + random.Between(0, 2)), QPointF(left + a, y + kGlyph - random.Between(0, 2)));
                    break;
                case 2:  // falling to the left
                    p.drawLine(QPointF(left + a, y + random.Between(0, 3)), QPointF(left + a - 3, y + b));
                    break;
                case 3:  // falling to the right
                    p.drawLine(QPointF(left + a, y + random.Between(0, 3)), QPointF(left + a + 3, y + b));
                    break;
                default:  // a dot
                    p.drawPoint(QPointF(left + a, y + b));
                    break;
                }
            }
        }
    }
}

// Lines of equal distance from the coast, fading out to sea.
void PaintCoastRipples(QPainter& p, const QPainterPath& land) {
    const double distances[] = {3.0, 6.0, 10.0, 15.0};
    int alpha = 120;
    for (const double distance : distances) {
        QPainterPathStroker stroker;
        stroker.setWidth(2 * distance);
        stroker.setJoinStyle(Qt::RoundJoin);
        const QPainterPath ring = stroker.createStroke(land).united(land);
        p.setPen(QPen(WithAlpha(QColor(70, 80, 90), alpha), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(ring);
        alpha = alpha * 3 / 5;
    }
}

// Small hills where the land has room between the castles, shaded on their east side.
void PaintHills(QPainter& p, const QPainterPath& land, Random& random) {
    constexpr double kStep = 19.0, kRoom = 5.0;
    for (double y = 10; y < kImageHeight; y += kStep) {
        for (double x = 10 + (static_cast<int>(y / kStep) % 2) * kStep / 2; x < kImageWidth; x += kStep) {
            const QPointF foot(x + random.Between(-5, 5), y + random.Between(-4, 4));
            const double width = random.Between(7, 11), height = width * random.Between(0.55, 0.75);
            const QRectF hill(foot.x() - width / 2, foot.y() - height, width, height);
            if (!land.contains(hill.adjusted(-3, -3, 3, 3))) continue;
            bool clear = true;
            for (const auto& place : busho::map::kMarkers) clear = clear && !MarkerSquare(place).adjusted(-kRoom, -kRoom, kRoom, kRoom).intersects(hill);
            if (!clear) continue;
            const QPointF top(foot.x() + random.Between(-1, 1), foot.y() - height);
            const QPointF left(foot.x() - width / 2, foot.y()), right(foot.x() + width / 2, foot.y());
            p.setPen(Qt::NoPen);
            p.setBrush(WithAlpha(QColor(150, 122, 76), 120));
            p.drawPolygon(QPolygonF({top, right, QPointF(foot.x() + 1, foot.y())}));
            p.setPen(QPen(WithAlpha(kCoastInk, 170), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            QPainterPath ridge(left);
            ridge.quadTo(QPointF(top.x() - width / 5, top.y() + height / 6), top);
            ridge.quadTo(QPointF(top.x() + width / 5, top.y() + height / 6), right);
            p.drawPath(ridge);
        }
    }
}

// Sixteen lines from the compass rose across the sea.
void PaintRhumbLines(QPainter& p, QPointF centre) {
    p.setPen(QPen(WithAlpha(kInk, 26), 0.6));
    for (int i = 0; i < 16; ++i) {
        const double angle = i * kPi / 8;
        p.drawLine(centre, centre + QPointF(std::sin(angle), -std::cos(angle)) * 1200.0);
    }
}

void PaintCompassRose(QPainter& p, QPointF centre, double radius) {
    p.setBrush(WithAlpha(kPaper, 230));
    p.setPen(QPen(kCoastInk, 1.2));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kCoastInk, 0.7));
    p.drawEllipse(centre, radius - 3, radius - 3);
    for (int i = 0; i < 32; ++i) {
        const double angle = i * kPi / 16;
        const QPointF dir(std::sin(angle), -std::cos(angle));
        p.drawLine(centre + dir * (radius - 3), centre + dir * (radius - (i % 2 ? 4.5 : 6)));
    }
    // Eight points: the four quarters long, the four between them short; each half dark, half light.
    for (int i = 7; i >= 0; --i) {
        const double angle = i * kPi / 4;
        const double length = (i % 2 ? 0.55 : 0.95) * (radius - 3);
        const double half = i % 2 ? 3.2 : 4.5;
        const QPointF dir(std::sin(angle), -std::cos(angle));
        const QPointF side(-dir.y(), dir.x());
        const QPointF tip = centre + dir * length;
        const QPointF left = centre + (dir - side) * half / std::sqrt(2.0);
        const QPointF right = centre + (dir + side) * half / std::sqrt(2.0);
        p.setPen(QPen(kCoastInk, 0.6));
        p.setBrush(QColor(96, 30, 24));
        p.drawPolygon(QPolygonF({centre, tip, left}));
        p.setBrush(QColor(240, 226, 190));
        p.drawPolygon(QPolygonF({centre, tip, right}));
    }
    p.setBrush(kCoastInk);
    p.drawEllipse(centre, 1.6, 1.6);
    // An N above the north point, drawn as three strokes.
    const QPointF n = centre + QPointF(0, -radius - 7);
    p.setPen(QPen(kCoastInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({n + QPointF(-3, 4), n + QPointF(-3, -4), n + QPointF(3, 4), n + QPointF(3, -4)}));
}

int Run(const std::string& islandsFile, const std::string& outputFile) {
    const std::vector<Shape> shapes = ReadShapes(islandsFile);
    QPainterPath land, lakes;
    land.setFillRule(Qt::WindingFill);
    std::vector<QPainterPath> borders;
    for (const Shape& shape : shapes) {
        const std::uint64_t seed = Seed(shape.kind + " " + shape.name);
        const auto coast = [&] {
            return Smooth(Roughen(Roughen(shape.points, true, kBayStep, kBayWobble, seed), true, kCoastStep, kCoastWobble, seed + 1), true);
        };
        if (shape.kind == "land") land = land.united(coast());
        if (shape.kind == "lake") lakes = lakes.united(coast());
        if (shape.kind == "border") borders.push_back(Smooth(Roughen(shape.points, false, kBorderStep, kBorderWobble, seed), false));
    }
    land = land.subtracted(lakes);

    bool allOnLand = true;
    for (const auto& place : busho::map::kMarkers) {
        const QRectF clear = MarkerSquare(place).adjusted(-kCoastClearance, -kCoastClearance, kCoastClearance, kCoastClearance);
        if (!land.contains(clear)) {
            std::cerr << "make_map: marker " << place.index << " at " << MarkerSquare(place).x() << "," << MarkerSquare(place).y()
                      << " is not " << kCoastClearance << " pixels inside the land\n";
            allOnLand = false;
        }
    }
    if (!allOnLand) return 1;

    Random random(0x6D6170u);  // "map"
    QImage image(kImageWidth, kImageHeight, QImage::Format_RGB32);
    PaintPaper(image, random);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintOldText(p, random);
    PaintRhumbLines(p, kCompassCentre);
    PaintCoastRipples(p, land);

    p.setPen(Qt::NoPen);
    p.setBrush(kLand);
    p.drawPath(land);

    // Inside the coast a tinted band, as on a hand-coloured print; then the provinces and the coastline.
    p.save();
    p.setClipPath(land.intersected(OutsideMarkers()));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(kCoastTint, 60), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(land);
    p.setPen(QPen(WithAlpha(kCoastTint, 90), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(land);
    QPen border(kBorderInk, 0.9, Qt::CustomDashLine, Qt::FlatCap);
    border.setDashPattern({4, 2, 1, 2});
    p.setPen(border);
    for (const QPainterPath& line : borders) p.drawPath(line);
    PaintHills(p, land, random);
    p.restore();
    p.save();
    p.setClipPath(OutsideMarkers());
    p.setPen(QPen(kCoastInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(land);
    p.restore();

    PaintCompassRose(p, kCompassCentre, kCompassRadius);

    // The neat line around the print.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCoastInk, 1.5));
    p.drawRect(QRectF(1.5, 1.5, kImageWidth - 3, kImageHeight - 3));
    p.setPen(QPen(kCoastInk, 0.6));
    p.drawRect(QRectF(4.5, 4.5, kImageWidth - 9, kImageHeight - 9));
    p.end();

    if (!image.save(QString::fromStdString(outputFile), "PNG")) {
        std::cerr << "make_map: cannot write " << outputFile << "\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_map ISLANDS_TXT OUTPUT_PNG\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return Run(argv[1], argv[2]);
    } catch (const Failure& failure) {
        std::cerr << "make_map: " << failure.what << "\n";
        return 1;
    }
}
