#include "portrait_picker_window.h"

#include <QLabel>

#include "data/game_paths.h"
#include "data/messages.h"
#include "platform/message_boxes.h"

namespace busho {

PortraitPickerWindow::PortraitPickerWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("武将ＣＧ一览"));
    resize(9030 / 15, 7665 / 15);
    Tmppic = new QLabel(this);
    Tmppic->setObjectName(QStringLiteral("Tmppic"));
    Tmppic->hide();
}

void PortraitPickerWindow::Load(const std::filesystem::path& gameFolder, platform::MessageBoxes& messages) {
    for (auto [archive, relative] : {std::pair{&standardMedium_, kStandardMediumFaces}, std::pair{&editMedium_, kEditMediumFaces}}) {
        const auto path = GamePath(gameFolder, relative);
        if (!archive->Open(path))
            messages.Show({std::string(text_gbk::kTextOpenFaceFailed) + "\r", path, archive->Error(), {}, text_gbk::kStyleCritical});
    }
}

}  // namespace busho
