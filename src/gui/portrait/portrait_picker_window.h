#pragma once
// The portrait picker (Form3): both face sets fifteen at a time, a preview on the right button,
// typed face numbers, and "更改" / "取消". It draws through the application's face drawer, whose
// medium archives stay open while the picker is loaded (closing the window with its close box unloads
// it; the next use loads it again). What it shows in the editor it tells by signals.

#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/faces/edit_faces.h"
#include "core/os/clock.h"
#include "core/os/file_access.h"
#include "face_drawer.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace busho {
struct Session;
class EditHistory;
class FacePreviewWindow;

class PortraitPickerWindow : public QWidget {
    Q_OBJECT
public:
    PortraitPickerWindow(Session& session, EditHistory& history, FaceDrawer& faces, QWidget* parent = nullptr);
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
        return faces_.Medium(FaceSet::Standard);
    }
    FaceArchive& EditMedium() {
        EnsureLoaded();
        return faces_.Medium(FaceSet::Edit);
    }
    FacePreviewWindow* Preview() { return form5_; }
    // The right-button preview of thumbnail i of a set, pressed at `position` within the thumbnail:
    // the preview appears beside the pointer.
    void PreviewFace(bool standard, int i, QPoint position) { PreviewPressed(standard, i, position); }

    // The size that shows every thumbnail with room around it; the window can be made smaller.
    static QSize PreferredSize();

    std::function<void()> showPortraitNumber;         // the editor's lbCG follows CurrentPortrait

    // 导入头像… (replace false) and 替换头像… (the edit face clicked last): a picture chosen, cropped,
    // and written into the three edit archives, which the picker closes around the write.
    void ImportFace(bool replace);
    // The picture file to read (a file chooser; tests answer it); empty: the user cancelled.
    std::function<QString()> choosePicture;
    // The crop the user settles on (the crop dialog; tests drive it); nothing: cancelled.
    std::function<std::optional<CropRect>(const Picture&, const std::array<FaceModel, 3>&)> chooseCrop;
    int SelectedEditFace() const { return selectedEdit_; }
    // The file access the writes go through: the application's, shared with every other save.
    void UseFiles(FileAccess& files) { files_ = &files; }

    QTabWidget* SSTab1;
    QFrame *Frame1, *Frame2, *Srec;
    std::array<QLabel*, 15> PICC4{};
    std::array<QLabel*, 15> PICC5{};
    QScrollBar *HS, *ZHS;
    QLabel *Label1, *Label2;
    QLabel *lbPage1, *lbPage2;  // "第 n / N 页" of each set
    QLineEdit *Text1, *Text2;
    QPushButton *Command1, *Command2;
    QPushButton *cmdImportFace, *cmdReplaceFace;

signals:
    // A face to show as the editor's portrait: from the large archive (a thumbnail clicked) or the
    // medium one (a typed number, 取消), by portrait number.
    void LargeFaceShown(int portraitNumber);
    void MediumFaceShown(int portraitNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Whether the set's medium archive holds face k.
    bool HoldsFace(FaceSet set, int k);
    void DrawPage(FaceSet set, std::array<QLabel*, 15>& views, int page);
    void ThumbnailClicked(bool standard, int i);
    void PreviewPressed(bool standard, int i, QPoint position);
    void TypedNumber(bool standard);
    void Change();
    void Cancel();
    void ShowPages();
    void DescribeControls();  // tooltips and names for screen readers
    void PlaceMark();  // Srec around the marked standard thumbnail
    void SetUpImport();  // the file chooser and the crop dialog
    bool ConfirmReplace(int face);  // names the officers whose face it is
    void ShowEditFace(int face);    // its page, selected as a click selects it

    Session& session_;
    EditHistory& history_;
    FaceDrawer& faces_;
    FacePreviewWindow* form5_ = nullptr;
    bool loaded_ = false;
    int marked_ = 0;  // the standard thumbnail clicked last
    int selectedEdit_ = -1;  // the edit face clicked last
    FileAccess ownFiles_;
    FileAccess* files_ = &ownFiles_;
    Clock clock_;
};

}  // namespace busho
