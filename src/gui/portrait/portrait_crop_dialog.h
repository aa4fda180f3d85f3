#pragma once
// The crop dialog of 导入头像… / 替换头像…: the user's picture with a frame in the proportions of the
// large face, moved by dragging inside it and resized by dragging its lower-right corner, and beside
// it the three faces as the archives will hold them and the picker and editor will draw them.

#include <QDialog>
#include <QWidget>

#include <array>

#include "core/faces/edit_faces.h"
#include "core/faces/picture_scaling.h"

class QLabel;
class QPushButton;

namespace busho {

// The picture, fitted into the view, and the crop frame over it.
class CropView : public QWidget {
    Q_OBJECT
public:
    CropView(const Picture& picture, int aspectWidth, int aspectHeight, QWidget* parent = nullptr);

    CropRect Crop() const;
    // Puts the frame at `crop`, made to the proportions and kept inside the picture.
    void SetCrop(const CropRect& crop);
    // The frame and its resize corner where the view shows them, in the view's pixels.
    QRectF FrameInView() const;
    QPointF CornerInView() const { return FrameInView().bottomRight(); }

signals:
    void CropChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double Scale() const;  // view pixels per picture pixel
    QPointF Origin() const;
    void Place(double x, double y, double width);  // in picture pixels; height follows

    const Picture& picture_;
    QImage image_;
    int aspectWidth_, aspectHeight_;
    double x_ = 0, y_ = 0, width_ = 0;  // the frame, in picture pixels
    enum class Drag { None, Move, Resize } drag_ = Drag::None;
    QPointF dragStart_;
    double startX_ = 0, startY_ = 0, startWidth_ = 0;
};

class PortraitCropDialog : public QDialog {
    Q_OBJECT
public:
    // `models`: the face each size is modelled on (its sizes and the bytes the game keeps).
    PortraitCropDialog(const Picture& picture, const std::array<FaceModel, 3>& models, QWidget* parent = nullptr);

    CropRect Crop() const { return cropView->Crop(); }

    CropView* cropView;
    std::array<QLabel*, 3> preview{};  // large, medium, small
    QPushButton* okButton;
    QPushButton* cancelButton;

private:
    void ShowPreview();

    const Picture& picture_;
    std::array<FaceModel, 3> models_;
};

}  // namespace busho
