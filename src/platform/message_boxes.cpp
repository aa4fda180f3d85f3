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

void QtMessageBoxes::Show(const Message& message) {
    QMessageBox box(parent_);
    box.setText(MessageText(message));
    box.setWindowTitle(FromGbk(message.title));
    if (message.style & text_gbk::kStyleCritical) box.setIcon(QMessageBox::Critical);
    else if (message.style & text_gbk::kStyleInformation) box.setIcon(QMessageBox::Information);
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
