#pragma once
// The portrait picker (Form3): both face sets fifteen at a time, a preview on the right button,
// typed face numbers, and "更改" / "取消". It owns the two medium face archives, open for the whole
// run (closing the window with its close box unloads it; the next use loads it again).

#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>

#include "core/faces/face_archive.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace busho {
namespace platform {
class MessageBoxes;
}
struct Session;
class FacePreviewWindow;

class PortraitPickerWindow : public QWidget {
    Q_OBJECT
public:
    PortraitPickerWindow(Session& session, platform::MessageBoxes& messages, QWidget* parent = nullptr);
    ~PortraitPickerWindow() override;

    // Window load: opens both medium archives of the game folder and draws page 1 of each set;
    // an archive that cannot be opened shows its message and leaves its set without faces.
    void Load();
    void EnsureLoaded();
    bool IsLoaded() const { return loaded_; }

    void DispWJCG(int page);   // a page of standard thumbnails
    void DispWjCGZ(int page);  // a page of edit thumbnails

    // The medium archives, loaded again first if the window was closed (unloaded) since.
    FaceArchive& StandardMedium() {
        EnsureLoaded();
        return standardMedium_;
    }
    FaceArchive& EditMedium() {
        EnsureLoaded();
        return editMedium_;
    }
    FacePreviewWindow* Preview() { return form5_; }
    // The right-button preview of thumbnail i of a set, pressed at `position` within the thumbnail:
    // the preview appears beside the pointer.
    void PreviewFace(bool standard, int i, QPoint position) { PreviewPressed(standard, i, position); }

    // What the picker does in the editor: draw a large face into its portrait, and the medium drawers.
    std::function<void(const std::filesystem::path& archive, int face)> drawEditorFace;
    std::function<void(int n)> dispSSCG;
    std::function<void(int n)> dispZJCG;
    std::function<void(int slot)> onPortraitChanged;  // "更改" wrote a slot's portrait number
    std::function<void()> showPortraitNumber;         // the editor's lbCG follows CurrentPortrait

    QTabWidget* SSTab1;
    QFrame *Frame1, *Frame2, *Srec;
    std::array<QLabel*, 15> PICC4{};
    std::array<QLabel*, 15> PICC5{};
    QScrollBar *HS, *ZHS;
    QLabel *Label1, *Label2;
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *Command2;
    QLabel *Tmppic, *Tmppic2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void DrawPage(FaceArchive& archive, std::array<QLabel*, 15>& views, QLabel* scratch, int page);
    void ThumbnailClicked(bool standard, int i);
    void PreviewPressed(bool standard, int i, QPoint position);
    void TypedNumber(bool standard);
    void Change();
    void Cancel();

    Session& session_;
    platform::MessageBoxes& messages_;
    FaceArchive standardMedium_;
    FaceArchive editMedium_;
    FacePreviewWindow* form5_ = nullptr;
    bool loaded_ = false;
};

}  // namespace busho
