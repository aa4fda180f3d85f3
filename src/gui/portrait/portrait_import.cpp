// 导入头像… and 替换头像… of the portrait picker: a picture of the user's, cropped in the crop dialog,
// written into the three edit archives (their backups first), and the new face shown on its page.

#include <QFileDialog>
#include <QScrollBar>
#include <QTabWidget>

#include "core/data/session.h"
#include "core/editing/list_row.h"
#include "core/faces/picture.h"
#include "core/text/messages.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/message_boxes.h"
#include "portrait_crop_dialog.h"
#include "portrait_picker_window.h"

namespace busho {
namespace {

constexpr int kFacesPerPage = 15;

std::filesystem::path ToPath(const QString& file) { return std::filesystem::path(file.toStdU16String()); }

}  // namespace

void PortraitPickerWindow::SetUpImport() {
    choosePicture = [this] {
        return QFileDialog::getOpenFileName(this, platform::InterfaceText(text_gbk::kTitleChoosePicture), QString(),
                                            platform::InterfaceText(text_gbk::kPictureFilter));
    };
    chooseCrop = [this](const Picture& picture, const std::array<FaceModel, 3>& models) -> std::optional<CropRect> {
        PortraitCropDialog dialog(picture, models, this);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.Crop();
    };
}

bool PortraitPickerWindow::ConfirmReplace(int face) {
    // Every officer of the table whose portrait it is, by name.
    std::string names;
    for (int slot = 1; slot < session_.EndSlot; ++slot) {
        if (session_.Officers[static_cast<std::size_t>(slot)].Record.PortraitNumber != face + kEditFaceBase) continue;
        if (!names.empty()) names += "\xA1\xA2";  // 、
        names += OfficerName(session_, slot, true);
    }
    const std::int64_t number = face + kEditFaceBase;
    const Problem question = names.empty() ? Problem(TextId::kAskReplaceFace, {number})
                                           : Problem(TextId::kAskReplaceUsedFace, {number, names});
    return faces_.Messages().AskYesNo({question, TextId::kTitleNotice, text_gbk::kStyleQuestion});
}

void PortraitPickerWindow::ShowEditFace(int face) {
    SSTab1->setCurrentIndex(1);
    const int page = face / kFacesPerPage + 1;
    if (ZHS->value() != page) ZHS->setValue(page);  // draws the page
    else DispWjCGZ(page);
    ThumbnailClicked(false, face % kFacesPerPage);
}

void PortraitPickerWindow::ImportFace(bool replace) {
    platform::MessageBoxes& messages = faces_.Messages();
    if (replace && selectedEdit_ < 0) {
        messages.Show({Problem(TextId::kTextNoEditFaceChosen), TextId::kTitleNotice, text_gbk::kStyleInformation});
        return;
    }
    const QString file = choosePicture ? choosePicture() : QString();
    if (file.isEmpty()) return;
    const std::filesystem::path path = ToPath(file);
    const auto bytes = files_->ReadWholeFile(path, kMaxPictureFileBytes);
    if (!bytes) {
        messages.Show(MessageFor(Problem(TextId::kTextFacesNotWritten).InFile(path).Because(bytes.problem())));
        return;
    }
    const auto picture = DecodePicture(bytes.value());
    if (!picture) {
        messages.Show(MessageFor(Problem(TextId::kTextFacesNotWritten).InFile(path).Because(picture.problem())));
        return;
    }
    const auto models = EditFaceModels(session_.GameFolder, replace ? std::optional<std::int32_t>(selectedEdit_) : std::nullopt, *files_);
    if (!models) {
        messages.Show(MessageFor(Problem(TextId::kTextFacesNotWritten).InFile(models.problem().file).Because(models.problem())));
        return;
    }
    const auto crop = chooseCrop ? chooseCrop(picture.value(), models.value()) : std::nullopt;
    if (!crop) return;
    if (replace && !ConfirmReplace(selectedEdit_)) return;

    // Windows replaces no file that is open: the medium archives close for the write and open again after.
    faces_.CloseMedium();
    loaded_ = false;
    const FaceWrite write{session_.GameFolder, session_.DatedBackupsKept, *files_, clock_};
    std::optional<int> written;
    Problem failure;
    if (replace) {
        if (Status replaced = ReplaceEditFace(write, selectedEdit_, picture.value(), crop); replaced) written = selectedEdit_;
        else failure = replaced.problem();
    } else {
        if (auto added = AddEditFace(write, picture.value(), crop); added) written = added.value();
        else failure = added.problem();
    }
    Load();
    if (!written) {
        messages.Show(MessageFor(failure));
        return;
    }
    ShowEditFace(*written);
}

}  // namespace busho
