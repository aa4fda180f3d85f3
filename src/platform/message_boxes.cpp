#include "message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/text/messages.h"
#include "gbk_text.h"
#include "interface_language.h"

namespace busho::platform {

QString MessageText(const Message& message) {
    QString text = FormatText(message.body.text, message.body.args);
    if (!message.body.file.empty()) text += QString::fromStdU16String(message.body.file.u16string());
    if (message.body.cause) text += QLatin1Char('\n') + DescribeText(*message.body.cause);
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
    box.setWindowTitle(message.title ? InterfaceText(*message.title) : QString());
    box.setIcon(IconForStyle(message.style));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtMessageBoxes::AskYesNo(const Message& question) {
    QMessageBox box(parent_);
    box.setText(MessageText(question));
    box.setWindowTitle(question.title ? InterfaceText(*question.title) : QString());
    box.setIcon(QMessageBox::Warning);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

KeepAnswer QtMessageBoxes::AskKeep(const Message& question, TextId keep, TextId drop) {
    QMessageBox box(parent_);
    box.setText(MessageText(question));
    box.setWindowTitle(question.title ? InterfaceText(*question.title) : QString());
    box.setIcon(QMessageBox::Warning);
    QPushButton* keepButton = box.addButton(InterfaceText(keep), QMessageBox::AcceptRole);
    QPushButton* dropButton = box.addButton(InterfaceText(drop), QMessageBox::DestructiveRole);
    QPushButton* cancelButton = box.addButton(InterfaceText(TextId::kButtonCancel), QMessageBox::RejectRole);
    box.setDefaultButton(keepButton);
    box.setEscapeButton(cancelButton);
    box.exec();
    if (box.clickedButton() == keepButton) return KeepAnswer::Keep;
    if (box.clickedButton() == dropButton) return KeepAnswer::Drop;
    return KeepAnswer::Cancel;
}

}  // namespace busho::platform
