// The README's pictures of custom portraits: the picker's last edit page before and after a picture
// is added, and the crop dialog, on a copy of the demo game. Usage: portrait_screenshots DEMO_DIR OUT_DIR
// (`make screenshots` runs it).

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollBar>
#include <QTabWidget>

#include <cstdio>

#include "portrait_painter.h"
#include "core/os/file_access.h"
#include "gui/portrait/portrait_crop_dialog.h"
#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/application.h"
#include "officer_fixtures.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"

namespace {

// A "photograph" of our own: a landscape with a portrait bust standing right of its centre.
QImage Photograph() {
    QImage photo(900, 600, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(0x9c, 0xc8, 0xe8));
    sky.setColorAt(1, QColor(0xe8, 0xd8, 0xb0));
    painter.fillRect(photo.rect(), sky);
    painter.setBrush(QColor(0x5a, 0x80, 0x4a));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(200, 620), 420, 200);
    painter.drawEllipse(QPointF(760, 640), 380, 180);
    painter.drawImage(QRect(430, 90, 384, 480), busho::demo::PaintPortrait(busho::demo::FaceSet::Standard, 7, 384, 480));
    return photo;
}

bool Save(QWidget* window, const QString& file) {
    QApplication::processEvents();
    const bool ok = window->grab().save(file);
    if (!ok) std::fprintf(stderr, "portrait_screenshots: cannot write %s\n", qPrintable(file));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: portrait_screenshots DEMO_DIR OUT_DIR\n");
        return 2;
    }
    const std::filesystem::path demo = argv[1];
    const QString out = QString::fromLocal8Bit(argv[2]);
    busho::testing::TempFolder folder;
    std::filesystem::copy(demo / "game", folder.Path() / "game", std::filesystem::copy_options::recursive);
    std::filesystem::copy(demo / "Documents", folder.Path() / "Documents", std::filesystem::copy_options::recursive);
    const QString picture = QString::fromStdU16String((folder.Path() / "photo.png").u16string());
    if (!Photograph().save(picture)) return 1;

    busho::platform::RecordingMessageBoxes messages;
    busho::platform::RecordingVoicePlayer voices;
    busho::FileAccess files;
    busho::Application app(messages, voices, files);
    busho::StartupOptions options;
    options.edition = busho::kEditionTraditionalChinese;
    options.gameFolder = QString::fromStdU16String((folder.Path() / "game").u16string());
    options.documentsFolder = QString::fromStdU16String((folder.Path() / "Documents").u16string());
    options.programFolder = BUSHO_BIN_DIR;
    options.settingsFile = QString::fromStdU16String((folder.Path() / "settings.ini").u16string());
    if (!app.Start(options)) return 1;

    busho::PortraitPickerWindow& picker = app.Form3();
    picker.show();
    picker.SSTab1->setCurrentIndex(1);
    picker.ZHS->setValue(picker.ZHS->maximum());
    bool ok = Save(&picker, out + QStringLiteral("/picker-before.png"));
    picker.choosePicture = [&] { return picture; };
    picker.chooseCrop = [&](const busho::Picture& photo, const std::array<busho::FaceModel, 3>& models) -> std::optional<busho::CropRect> {
        busho::PortraitCropDialog dialog(photo, models, &picker);
        dialog.cropView->SetCrop({470, 70, 300, 375});
        dialog.show();
        ok = Save(&dialog, out + QStringLiteral("/crop-dialog.png")) && ok;
        return dialog.Crop();
    };
    picker.ImportFace(false);
    for (const auto& m : messages.shown) std::fprintf(stderr, "portrait_screenshots: message %s\n", m.Text().c_str());
    ok = messages.shown.empty() && Save(&picker, out + QStringLiteral("/picker-after.png")) && ok;
    return ok ? 0 : 1;
}
