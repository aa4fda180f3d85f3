#pragma once
// The portrait picker window. It owns the two medium face archives, opened when it is loaded and
// kept open for the whole run; the faces themselves are browsed here in a later version.

#include <QWidget>

#include <filesystem>

#include "portrait/face_archive.h"

class QLabel;

namespace busho {
namespace platform {
class MessageBoxes;
}

class PortraitPickerWindow : public QWidget {
    Q_OBJECT
public:
    explicit PortraitPickerWindow(QWidget* parent = nullptr);

    // Opens both medium archives of the game folder; each that fails shows its message.
    void Load(const std::filesystem::path& gameFolder, platform::MessageBoxes& messages);

    FaceArchive& StandardMedium() { return standardMedium_; }
    FaceArchive& EditMedium() { return editMedium_; }
    QLabel* Tmppic = nullptr;  // hidden scratch view of the medium drawers

private:
    FaceArchive standardMedium_;
    FaceArchive editMedium_;
};

}  // namespace busho
