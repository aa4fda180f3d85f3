#include "message_boxes.h"

#include <QMessageBox>

#include "core/text/messages.h"
#include "gbk_text.h"

namespace busho::platform {

QString MessageText(const Message& message) {
    QString text = FromGbk(message.text);
    if (!message.path.empty()) text += QString::fromStdU16String(message.path.u16string());
    if (!message.detail.empty()) text += QLatin1Char('\n') + FromGbk(message.detail);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QMessageBox::Icon IconForStyle(int style) {
    // The icon is a value of its own in bits 4 to 6: 48 is the warning icon, not the critical bit
    // 16 with something added. The critical and information flags together (80) stay critical.
    const int icon = style & 0x70;
    if (icon == text_gbk::kStyleWarning) return QMessageBox::Warning;
    if (icon & text_gbk::kStyleCritical) return QMessageBox::Critical;
    if (icon == text_gbk::kStyleQuestion) return QMessageBox::Question;
    if (icon & text_gbk::kStyleInformation) return QMessageBox::Information;
    return QMessageBox::NoIcon;
}

void QtMessageBoxes::Show(const Message& message) {
    QMessageBox box(parent_);
    box.setText(MessageText(message));
    box.setWindowTitle(FromGbk(message.title));
    box.setIcon(IconForStyle(message.style));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtMessageBoxes::AskYesNo(const Message& question) {
    QMessageBox box(parent_);
    box.setText(MessageText(question));
    box.setWindowTitle(FromGbk(question.title));
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace busho::platform
