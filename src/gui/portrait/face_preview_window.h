#pragma once
// The face preview window (Form5): one face in its three sizes while the right mouse button is held
// on a thumbnail of the portrait picker.

#include <QWidget>

class QLabel;
class QPushButton;

namespace busho {

class FacePreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit FacePreviewWindow(QWidget* parent = nullptr);

    QLabel *Picture1, *Picture2, *Picture3;
    QPushButton* Command1;
};

}  // namespace busho
