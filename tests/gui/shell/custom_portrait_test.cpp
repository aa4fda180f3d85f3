// A player's picture as an edit face, through the real windows: the crop dialog driven with the mouse
// (moving and resizing the frame, the three faces following), and the picker's 导入头像… and
// 替换头像… writing the archives, following the page count and naming the officers of a replaced face.

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QtTest>

#include "core/faces/edit_faces.h"
#include "core/faces/face_archive.h"
#include "gui/portrait/portrait_crop_dialog.h"
#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/restore_backup_dialog.h"
#include "picture_files.h"
#include "platform/gbk_text.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

constexpr std::uint32_t kRed = 0xE02010, kBlue = 0x1030D0;

// Left half red, right half blue: where the frame stands shows in the faces' colour.
Picture HalfAndHalf() { return MakePicture(200, 100, [](int x, int) { return x < 100 ? kRed : kBlue; }); }

QRgb Colour(std::uint32_t rgb) { return qRgb(static_cast<int>(rgb >> 16), static_cast<int>((rgb >> 8) & 0xFF), static_cast<int>(rgb & 0xFF)); }

std::array<FaceModel, 3> Models(const Fixture& fixture) {
    FileAccess files;
    auto models = EditFaceModels(fixture.Game(), std::nullopt, files);
    if (!models) qFatal("the fixture's archives do not read");
    return models.value();
}

// Presses at `from` in the view, moves to `to` with the button held, and lets go there.
void Drag(QWidget* view, QPointF from, QPointF to) {
    QTest::mousePress(view, Qt::LeftButton, {}, from.toPoint());
    QTest::mouseMove(view, ((from + to) / 2).toPoint());
    QTest::mouseMove(view, to.toPoint());
    QTest::mouseRelease(view, Qt::LeftButton, {}, to.toPoint());
}

// Twenty-nine edit faces fill the second page but one; the officer 武田信玄 wears edit face 1.
struct PickerEditor {
    Fixture fixture{true, 3, 29};
    Editor editor;
    PortraitPickerWindow& picker() { return editor.app.Form3(); }
    bool Start() { return editor.app.Start(fixture.Options(kEditionTraditionalChinese)); }
    std::array<std::vector<std::uint8_t>, 3> Archives() const {
        std::array<std::vector<std::uint8_t>, 3> bytes;
        for (std::size_t s = 0; s < 3; ++s) bytes[s] = ReadBytes(EditFaceArchives(fixture.Game())[s]);
        return bytes;
    }
};

// The medium archives this process holds open, by their names in /proc/self/fd.
int OpenMediumArchives() {
    int open = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        const auto target = std::filesystem::read_symlink(entry.path(), ec);
        if (!ec && (target.filename() == "KAO_m.n12" || target.filename() == "EDIT_KAO_m.n12")) ++open;
    }
    return open;
}

// Notes, as each new archive's pending file is created, how many medium archives are open.
class WatchingFiles final : public FileAccess {
public:
    std::vector<int> openAtEachWrite;

protected:
    std::unique_ptr<ByteSink> OpenSink(const std::filesystem::path& pending) override {
        openAtEachWrite.push_back(OpenMediumArchives());
        return FileAccess::OpenSink(pending);
    }
};

}  // namespace

class CustomPortraitTest : public QObject {
    Q_OBJECT
private slots:
    void cropFrameMovesResizesAndTheFacesFollow();
    void importAddsTheFaceOnItsPageAndChangeGivesItToTheOfficer();
    void replaceNamesTheOfficersAndNoChangesNothing();
    void replaceWithoutAChosenFaceSaysSo();
    void restoreDialogPutsBackTheThreeArchivesTogether();
    void emptyEditArchivesGetTheirFirstFace();
    void mediumArchivesAreClosedWhileTheArchivesAreWritten();
};

void CustomPortraitTest::cropFrameMovesResizesAndTheFacesFollow() {
    Fixture fixture;
    const Picture picture = HalfAndHalf();
    PortraitCropDialog dialog(picture, Models(fixture));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The frame starts at the centre, in the large face's proportions (12 x 15): 80 x 100.
    QCOMPARE(dialog.Crop(), (CropRect{60, 0, 80, 100}));
    const QSize sizes[3] = {{12, 15}, {8, 10}, {5, 6}};
    for (std::size_t s = 0; s < 3; ++s) QCOMPARE(dialog.preview[s]->pixmap().size(), sizes[s]);

    // Dragged far to the left, it stops at the picture's edge: every face is red.
    CropView* view = dialog.cropView;
    Drag(view, view->FrameInView().center(), view->FrameInView().center() - QPointF(300, 0));
    QCOMPARE(dialog.Crop().X, 0);
    for (std::size_t s = 0; s < 3; ++s) {
        const QImage face = dialog.preview[s]->pixmap().toImage();
        QCOMPARE(face.pixel(0, 0), Colour(kRed));
        QCOMPARE(face.pixel(face.width() - 1, face.height() - 1), Colour(kRed));
    }
    // To the right edge: blue.
    Drag(view, view->FrameInView().center(), view->FrameInView().center() + QPointF(400, 0));
    QCOMPARE(dialog.Crop().X, 120);
    QCOMPARE(dialog.preview[0]->pixmap().toImage().pixel(5, 5), Colour(kBlue));

    // The lower-right corner pulled in: a smaller frame, still 12 : 15, its top-left corner in place.
    Drag(view, view->CornerInView() - QPointF(1, 1), view->CornerInView() - QPointF(100, 100));
    const CropRect small = dialog.Crop();
    QCOMPARE(small.X, 120);
    QCOMPARE(small.Y, 0);
    QVERIFY2(small.Width < 60, qPrintable(QString::number(small.Width)));
    QVERIFY(std::abs(small.Height * 12 - small.Width * 15) <= 15);
    // Moved to straddle the halves: the large face shows both colours.
    Drag(view, view->FrameInView().center(), view->FrameInView().center() - QPointF((small.X + small.Width / 2.0 - 100) * view->FrameInView().width() / small.Width, 0));
    const QImage large = dialog.preview[0]->pixmap().toImage();
    QCOMPARE(large.pixel(0, 7), Colour(kRed));
    QCOMPARE(large.pixel(11, 7), Colour(kBlue));

    QTest::mouseClick(dialog.okButton, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void CustomPortraitTest::importAddsTheFaceOnItsPageAndChangeGivesItToTheOfficer() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    QCOMPARE(p.ZHS->maximum(), 2);  // 29 faces
    const auto file = t.fixture.folder.Path() / "我的头像.png";
    WriteBytes(file, EncodePicture(PictureFormat::Png, HalfAndHalf()));
    int cropsShown = 0;
    p.choosePicture = [&] { return QString::fromStdU16String(file.u16string()); };
    p.chooseCrop = [&](const Picture& picture, const std::array<FaceModel, 3>& models) -> std::optional<CropRect> {
        ++cropsShown;
        PortraitCropDialog dialog(picture, models, &p);
        dialog.show();
        Drag(dialog.cropView, dialog.cropView->FrameInView().center(), dialog.cropView->FrameInView().center() + QPointF(400, 0));
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        if (dialog.result() != QDialog::Accepted) return std::nullopt;
        return dialog.Crop();
    };
    p.show();
    QTest::mouseClick(p.cmdImportFace, Qt::LeftButton);
    QCOMPARE(cropsShown, 1);
    QVERIFY2(t.editor.messages.shown.empty(), t.editor.messages.shown.empty() ? "" : t.editor.messages.shown[0].Text().c_str());
    for (const auto& archive : EditFaceArchives(t.fixture.Game())) {
        FaceArchive read;
        QVERIFY(read.Open(archive));
        QCOMPARE(read.FaceCount(), 30);
    }
    // 30 faces: a multiple of fifteen gets one page more; the new face is on page 2, selected.
    QCOMPARE(p.ZHS->maximum(), 3);
    QCOMPARE(p.ZHS->value(), 2);
    QCOMPARE(p.SSTab1->currentIndex(), 1);
    QCOMPARE(p.PICC5[14]->pixmap().toImage().pixel(2, 2), Colour(kBlue));
    QCOMPARE(t.editor.app.State().CurrentPortrait, 1729);
    QVERIFY(p.EditMedium().IsOpen());
    // The backups of the three archives are there, to be restored together.
    FileAccess files;
    Clock clock;
    QCOMPARE(ListFaceBackups(t.fixture.Game(), files, clock).size(), std::size_t{1});

    // 更改 gives it to the officer shown in the editor.
    t.editor.app.State().CurrentSlot = 1;
    QTest::mouseClick(p.Command1, Qt::LeftButton);
    QCOMPARE(t.editor.app.State().Officers[1].Record.PortraitNumber, 1729);
}

void CustomPortraitTest::replaceNamesTheOfficersAndNoChangesNothing() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    const auto file = t.fixture.folder.Path() / "face.bmp";
    WriteBytes(file, EncodePicture(PictureFormat::Bmp, HalfAndHalf()));
    p.choosePicture = [&] { return QString::fromStdU16String(file.u16string()); };
    p.chooseCrop = [](const Picture&, const std::array<FaceModel, 3>&) -> std::optional<CropRect> { return CropRect{0, 0, 80, 100}; };
    p.show();
    p.SSTab1->setCurrentIndex(1);
    QTest::mouseClick(p.PICC5[1], Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(p.SelectedEditFace(), 1);
    const auto before = t.Archives();

    t.editor.messages.answers = {false};
    QTest::mouseClick(p.cmdReplaceFace, Qt::LeftButton);
    QCOMPARE(t.editor.messages.asked.size(), std::size_t{1});
    const std::string question = t.editor.messages.asked[0].Text();
    QVERIFY2(question.find(platform::ToGbk(QStringLiteral("武田信玄"))) != std::string::npos, question.c_str());
    QVERIFY(question.find("1701") != std::string::npos);
    QVERIFY(t.Archives() == before);

    t.editor.messages.answers = {true};
    QTest::mouseClick(p.cmdReplaceFace, Qt::LeftButton);
    QVERIFY(t.editor.messages.shown.empty());
    const auto after = t.Archives();
    for (std::size_t s = 0; s < 3; ++s) {
        QCOMPARE(after[s].size(), before[s].size());
        QVERIFY(after[s] != before[s]);
        QCOMPARE(ReadBytes(BackupPathFor(EditFaceArchives(t.fixture.Game())[s])), before[s]);
    }
    QCOMPARE(p.PICC5[1]->pixmap().toImage().pixel(2, 2), Colour(kRed));
    QCOMPARE(p.PICC5[2]->pixmap().toImage().pixel(0, 0), qRgb(0x82, 0, 2));  // the next face as it was
}

void CustomPortraitTest::replaceWithoutAChosenFaceSaysSo() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    bool chosen = false;
    p.choosePicture = [&] {
        chosen = true;
        return QString();
    };
    QTest::mouseClick(p.cmdReplaceFace, Qt::LeftButton);
    QVERIFY(!chosen);
    QCOMPARE(t.editor.messages.shown.size(), std::size_t{1});
    QCOMPARE(t.editor.messages.shown[0].body.text, TextId::kTextNoEditFaceChosen);
}

void CustomPortraitTest::restoreDialogPutsBackTheThreeArchivesTogether() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    const auto before = t.Archives();
    FileAccess files;
    Clock clock;
    const Picture picture = HalfAndHalf();
    QVERIFY(AddEditFace({t.fixture.Game(), 20, files, clock}, picture));
    const auto added = t.Archives();

    t.editor.app.Form1().M_RESTORE->trigger();
    RestoreBackupDialog* dialog = t.editor.app.RestoreDialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->faceBackupList->count(), 1);
    QVERIFY(dialog->restoreFacesButton->isEnabled());
    t.editor.messages.answers = {true};
    QTest::mouseClick(dialog->restoreFacesButton, Qt::LeftButton);
    QVERIFY(t.Archives() == before);
    QCOMPARE(t.editor.messages.shown.back().body.text, TextId::kTextFacesRestored);
    // The picker opened the archives again: 29 faces, and the restore can itself be restored.
    QCOMPARE(p.EditMedium().FaceCount(), 29);
    QCOMPARE(dialog->faceBackupList->count(), 2);
    for (std::size_t s = 0; s < 3; ++s) QCOMPARE(ReadBytes(BackupPathFor(EditFaceArchives(t.fixture.Game())[s])), added[s]);
}

void CustomPortraitTest::emptyEditArchivesGetTheirFirstFace() {
    Fixture fixture{true, 3, 0};
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    PortraitPickerWindow& p = editor.app.Form3();
    QVERIFY(!p.EditMedium().IsOpen());  // an archive without faces does not open
    const auto file = fixture.folder.Path() / "face.jpg";
    WriteBytes(file, EncodePicture(PictureFormat::Jpeg, HalfAndHalf()));
    p.choosePicture = [&] { return QString::fromStdU16String(file.u16string()); };
    p.chooseCrop = [](const Picture& picture, const std::array<FaceModel, 3>& models) -> std::optional<CropRect> {
        // The standard set's sizes, for want of edit faces.
        if (models[0].Header.Width != 12 || models[2].Header.Height != 6) return std::nullopt;
        return WholePicture(picture);
    };
    const std::size_t messagesBefore = editor.messages.shown.size();
    QTest::mouseClick(p.cmdImportFace, Qt::LeftButton);
    QCOMPARE(editor.messages.shown.size(), messagesBefore);
    QVERIFY(p.EditMedium().IsOpen());
    QCOMPARE(p.EditMedium().FaceCount(), 1);
    QCOMPARE(editor.app.State().CurrentPortrait, 1700);
    QVERIFY(!p.PICC5[0]->pixmap().isNull());
}

// Windows replaces no file that is open: while the archives are written the picker holds neither
// medium archive, and it holds both again after.
void CustomPortraitTest::mediumArchivesAreClosedWhileTheArchivesAreWritten() {
    Fixture fixture{true, 3, 29};
    platform::RecordingMessageBoxes messages;
    platform::RecordingVoicePlayer voices;
    WatchingFiles files;
    Application app{messages, voices, files};
    app.askFolders = [](const GameLocationCheck*, const QString&, const QString&) { return std::optional<FolderChoice>(); };
    QVERIFY(app.Start(fixture.Options(kEditionTraditionalChinese)));
    PortraitPickerWindow& p = app.Form3();
    QCOMPARE(OpenMediumArchives(), 2);
    const auto file = fixture.folder.Path() / "face.png";
    WriteBytes(file, EncodePicture(PictureFormat::Png, HalfAndHalf()));
    p.choosePicture = [&] { return QString::fromStdU16String(file.u16string()); };
    p.chooseCrop = [](const Picture& picture, const std::array<FaceModel, 3>&) -> std::optional<CropRect> { return WholePicture(picture); };
    files.openAtEachWrite.clear();
    QTest::mouseClick(p.cmdImportFace, Qt::LeftButton);
    QCOMPARE(files.openAtEachWrite, (std::vector<int>{0, 0, 0}));
    QCOMPARE(OpenMediumArchives(), 2);
    QCOMPARE(p.EditMedium().FaceCount(), 30);
}

QTEST_MAIN(CustomPortraitTest)
#include "custom_portrait_test.moc"
