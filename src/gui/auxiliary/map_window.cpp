#include "map_window.h"
#include "platform/language_texts.h"
#include "platform/twips.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScrollBar>

#include <algorithm>
#include <limits>

#include "map_markers.h"

namespace busho {
namespace {

constexpr int kTwips = kTwipsPerPixel;
constexpr int kWindowWidth = 14310;
constexpr int kWindowHeight = 6375;
constexpr int kMapWidth = 14310;  // the map's own size when there is no picture to take it from
constexpr int kMapHeight = 5460;
constexpr int kBorder = 2;        // a sunken border, in pixels
// A scroll bar's range until the window narrows it; the value is a 16-bit integer of twips.
constexpr int kScrollMaximum = std::numeric_limits<std::int16_t>::max();
constexpr char kIndexProperty[] = "Index";

QRect Place(int left, int top, int width, int height) { return {left / kTwips, top / kTwips, width / kTwips, height / kTwips}; }

std::int16_t To16Bit(int value) {
    return static_cast<std::int16_t>(std::clamp<int>(value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// The castle list item that a marker names.
int CastleItem(const QObject* marker) { return marker->property(kIndexProperty).toInt() - map::kMarkerIndexBase; }

QColor Colour(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

template <typename W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

MapWindow::MapWindow(QComboBox* cSS, const std::filesystem::path& programFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), cSS_(cSS) {
    setObjectName(QStringLiteral("Form6"));
    auto* texts = new platform::LanguageTexts(this, "MapWindow");
    texts->Caption(this, QT_TRANSLATE_NOOP("MapWindow", "MAP"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWindowWidth / kTwips, kWindowHeight / kTwips);

    Picture1 = Named(new QLabel(this), "Picture1");
    Picture1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setGeometry(Place(0, 0, kMapWidth, kMapHeight));
    const QPixmap map(QString::fromStdU16String((programFolder / "map.png").u16string()));
    if (!map.isNull()) {
        Picture1->setPixmap(map);
        Picture1->resize(map.width() + 2 * kBorder, map.height() + 2 * kBorder);
    }

    // Marker places are counted inside the map's border, where the picture starts.
    const QPoint origin = Picture1->contentsRect().topLeft();
    markers_.reserve(map::kMarkers.size());
    for (const map::MarkerPlace& place : map::kMarkers) {
        auto* marker = Named(new QFrame(Picture1), "Picture2");
        marker->setProperty(kIndexProperty, place.index);
        marker->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        marker->setGeometry(Place(place.left, place.top, map::kMarkerSizeTwips, map::kMarkerSizeTwips).translated(origin));
        QPalette palette = marker->palette();
        palette.setColor(QPalette::Window, Colour(place.index == map::kSeatMarker ? map::kSeatRgb : map::kMarkerRgb));
        marker->setPalette(palette);
        marker->setAutoFillBackground(true);
        marker->setMouseTracking(true);
        marker->installEventFilter(this);
        markers_.push_back(marker);
    }

    HSS = Named(new QScrollBar(Qt::Horizontal, this), "HSS");
    HSS->setGeometry(Place(480, 5760, 11895, 255));
    HSS->setRange(0, kScrollMaximum);
    HSS->hide();
    connect(HSS, &QScrollBar::valueChanged, this, &MapWindow::Scroll);
    connect(HSS, &QScrollBar::sliderMoved, this, &MapWindow::Scroll);

    Label1 = Named(texts->Caption(new QLabel(this), QT_TRANSLATE_NOOP("MapWindow", "城市:")), "Label1");
    Label1->setGeometry(Place(120, 5760, 450, 180));
    Label2 = Named(new QLabel(this), "Label2");
    Label2->move(720 / kTwips, 5760 / kTwips);
    QPalette red = Label2->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label2->setPalette(red);
    Label2->adjustSize();

    Load();
}

void MapWindow::Load() {
    const int excessTwips = (Picture1->width() - width()) * kTwips;
    if (excessTwips > 0) HSS->setMaximum(To16Bit(excessTwips));
    initialLeft_ = To16Bit(Picture1->x() * kTwips);
}

void MapWindow::Scroll(int value) {
    const std::int16_t left = To16Bit(initialLeft_ - value);
    Picture1->move(left / kTwips, Picture1->y());
}

void MapWindow::PickCastle(const QWidget* marker) {
    const int item = CastleItem(marker);
    if (!cSS_ || item < 0 || item >= cSS_->count()) return;
    Label2->setText(cSS_->itemText(item));
    Label2->adjustSize();
    cSS_->setCurrentIndex(item);
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
    auto* marker = qobject_cast<QWidget*>(watched);
    if (!marker || marker->parentWidget() != Picture1) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        if (cSS_) marker->setToolTip(cSS_->itemText(CastleItem(marker)));
        break;
    case QEvent::MouseButtonPress:
        return true;
    case QEvent::MouseButtonRelease: {
        // A click is a left press and release on the marker.
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && marker->rect().contains(mouse->position().toPoint())) PickCastle(marker);
        return true;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            PickCastle(marker);
            hide();
        }
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace busho
