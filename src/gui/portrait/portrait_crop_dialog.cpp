#include "portrait_crop_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/faces/face_archive_edit.h"
#include "face_drawer.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"

namespace busho {
namespace {

const QSize kViewSize(480, 400);
constexpr double kCornerReach = 10;  // view pixels around the lower-right corner that take a resize
constexpr double kSmallestFrame = 8;  // picture pixels

QImage ToImage(const Picture& picture) {
    QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
    for (int y = 0; y < picture.Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.Width; ++x) line[x] = picture.At(x, y);
    }
    return image;
}

// An interface text in the current language.
QString Text(const char* gbk) { return platform::InterfaceText(gbk); }

}  // namespace

CropView::CropView(const Picture& picture, int aspectWidth, int aspectHeight, QWidget* parent)
    : QWidget(parent), picture_(picture), image_(ToImage(picture)), aspectWidth_(std::max(aspectWidth, 1)),
      aspectHeight_(std::max(aspectHeight, 1)) {
    setObjectName(QStringLiteral("cropView"));
    setFixedSize(kViewSize);
    setMouseTracking(true);
    SetCrop(CentredCrop(WholePicture(picture), aspectWidth_, aspectHeight_));
}

double CropView::Scale() const {
    return std::min(static_cast<double>(width()) / picture_.Width, static_cast<double>(height()) / picture_.Height);
}

QPointF CropView::Origin() const {
    return {(width() - picture_.Width * Scale()) / 2, (height() - picture_.Height * Scale()) / 2};
}

void CropView::Place(double x, double y, double width) {
    // The largest frame of the proportions that fits the picture bounds the width.
    const double widest = std::min<double>(picture_.Width, static_cast<double>(picture_.Height) * aspectWidth_ / aspectHeight_);
    width_ = std::clamp(width, std::min(kSmallestFrame, widest), widest);
    const double height = width_ * aspectHeight_ / aspectWidth_;
    x_ = std::clamp(x, 0.0, picture_.Width - width_);
    y_ = std::clamp(y, 0.0, picture_.Height - height);
    update();
    emit CropChanged();
}

void CropView::SetCrop(const CropRect& crop) { Place(crop.X, crop.Y, crop.Width); }

CropRect CropView::Crop() const {
    CropRect crop;
    crop.X = static_cast<int>(std::lround(x_));
    crop.Y = static_cast<int>(std::lround(y_));
    crop.Width = std::max(1, static_cast<int>(std::lround(width_)));
    crop.Height = std::max(1, static_cast<int>(std::lround(width_ * aspectHeight_ / aspectWidth_)));
    crop.Width = std::min(crop.Width, picture_.Width - crop.X);
    crop.Height = std::min(crop.Height, picture_.Height - crop.Y);
    return crop;
}

QRectF CropView::FrameInView() const {
    const double s = Scale();
    const QPointF o = Origin();
    return {o.x() + x_ * s, o.y() + y_ * s, width_ * s, width_ * aspectHeight_ / aspectWidth_ * s};
}

void CropView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x40, 0x40, 0x40));
    const QRectF shown(Origin(), QSizeF(picture_.Width * Scale(), picture_.Height * Scale()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(shown, image_);
    // Outside the frame darkened, the frame and its corner in white.
    const QRectF frame = FrameInView();
    QPainterPath outside;
    outside.addRect(shown);
    QPainterPath inside;
    inside.addRect(frame);
    painter.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 120));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(frame);
    painter.fillRect(QRectF(frame.bottomRight() - QPointF(6, 6), QSizeF(7, 7)), Qt::white);
}

void CropView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPointF at = event->position();
    const QPointF corner = CornerInView();
    if (std::abs(at.x() - corner.x()) <= kCornerReach && std::abs(at.y() - corner.y()) <= kCornerReach) drag_ = Drag::Resize;
    else if (FrameInView().contains(at)) drag_ = Drag::Move;
    else return;
    dragStart_ = at;
    startX_ = x_;
    startY_ = y_;
    startWidth_ = width_;
}

void CropView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    if (drag_ == Drag::None) {
        const QPointF corner = CornerInView();
        const bool onCorner = std::abs(at.x() - corner.x()) <= kCornerReach && std::abs(at.y() - corner.y()) <= kCornerReach;
        setCursor(onCorner ? Qt::SizeFDiagCursor : FrameInView().contains(at) ? Qt::SizeAllCursor : Qt::ArrowCursor);
        return;
    }
    const QPointF moved = (at - dragStart_) / Scale();
    if (drag_ == Drag::Move) {
        Place(startX_ + moved.x(), startY_ + moved.y(), width_);
        return;
    }
    // The corner follows the pointer along whichever side it pulls further; the proportions stay.
    const double byWidth = startWidth_ + moved.x();
    const double byHeight = (startWidth_ * aspectHeight_ / aspectWidth_ + moved.y()) * aspectWidth_ / aspectHeight_;
    double width = std::max(byWidth, byHeight);
    // Growing stops at the picture's right and bottom edges, with the frame's top-left corner in place.
    width = std::min({width, picture_.Width - startX_, (picture_.Height - startY_) * aspectWidth_ / aspectHeight_});
    Place(startX_, startY_, width);
}

void CropView::mouseReleaseEvent(QMouseEvent*) { drag_ = Drag::None; }

PortraitCropDialog::PortraitCropDialog(const Picture& picture, const std::array<FaceModel, 3>& models, QWidget* parent)
    : QDialog(parent), picture_(picture), models_(models) {
    setObjectName(QStringLiteral("cropDialog"));
    setWindowTitle(Text(text_gbk::kTitleCropFace));
    cropView = new CropView(picture, models[0].Header.Width, models[0].Header.Height);
    cropView->setToolTip(Text(text_gbk::kCropIntro));
    auto* intro = new QLabel(Text(text_gbk::kCropIntro));
    intro->setWordWrap(true);

    auto* faces = new QGridLayout;
    const char* names[3] = {"previewLarge", "previewMedium", "previewSmall"};
    const char* captions[3] = {text_gbk::kCropLarge, text_gbk::kCropMedium, text_gbk::kCropSmall};
    for (int s = 0; s < 3; ++s) {
        auto* view = new QLabel;
        view->setObjectName(QString::fromLatin1(names[s]));
        view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        view->setAccessibleName(Text(captions[s]));
        preview[static_cast<std::size_t>(s)] = view;
        faces->addWidget(new QLabel(Text(captions[s])), 0, s, Qt::AlignHCenter);
        faces->addWidget(view, 1, s, Qt::AlignHCenter | Qt::AlignTop);
    }
    faces->setRowStretch(2, 1);

    okButton = new QPushButton(Text(text_gbk::kCropOk));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(Text(text_gbk::kCropCancel));
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* top = new QHBoxLayout;
    top->addWidget(cropView);
    top->addLayout(faces);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(cropView, &CropView::CropChanged, this, &PortraitCropDialog::ShowPreview);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    ShowPreview();
}

void PortraitCropDialog::ShowPreview() {
    // The faces as the archives will hold them, drawn as every window draws a face.
    const CropRect crop = cropView->Crop();
    for (std::size_t s = 0; s < 3; ++s) {
        const FaceModel& model = models_[s];
        PutFace(preview[s], DecodeFace(model.Header, MakeFacePixels(model.Header, model.Pixels, picture_, crop)));
    }
}

}  // namespace busho
