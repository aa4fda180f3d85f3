#pragma once
// Message boxes, behind a seam: tests record what would be shown instead of blocking.

#include <QMessageBox>
#include <QString>

#include <vector>

#include "core/text/messages.h"

class QWidget;

namespace busho::platform {

// The text a message box shows: its text, the path, and the detail on a line of its own.
QString MessageText(const Message& message);

// The icon a message style asks for (16 critical, 32 question, 48 warning, 64 information).
QMessageBox::Icon IconForStyle(int style);

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const Message& message) = 0;
    // A Yes/No question with the warning icon; true for Yes.
    virtual bool AskYesNo(const Message& question) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void Show(const Message& message) override;
    bool AskYesNo(const Message& question) override;

private:
    QWidget* parent_;
};

// Records every message and answers questions from a queue (Yes when it runs out).
class RecordingMessageBoxes final : public MessageBoxes {
public:
    void Show(const Message& message) override { shown.push_back(message); }
    bool AskYesNo(const Message& question) override {
        asked.push_back(question);
        if (answers.empty()) return true;
        const bool answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    std::vector<Message> shown;
    std::vector<Message> asked;
    std::vector<bool> answers;
};

}  // namespace busho::platform
