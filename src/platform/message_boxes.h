#pragma once
// Message boxes, behind a seam: tests record what would be shown instead of blocking.

#include <QMessageBox>
#include <QString>

#include <utility>
#include <vector>

#include "core/text/messages.h"

class QWidget;

namespace busho::platform {

// The text a message box shows: its text, the path, and the detail on a line of its own.
QString MessageText(const Message& message);

// The icon a message style asks for (16 critical, 32 question, 48 warning, 64 information).
QMessageBox::Icon IconForStyle(int style);

// The answers to a question about work not yet kept: keep it first (保存, 修改), go on without it, or
// stay where the user was (取消).
enum class KeepAnswer { Keep, Drop, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const Message& message) = 0;
    // A Yes/No question with the warning icon; true for Yes.
    virtual bool AskYesNo(const Message& question) = 0;
    // A question with the warning icon and three buttons: `keep`, `drop` and "取消" (also Escape).
    virtual KeepAnswer AskKeep(const Message& question, TextId keep, TextId drop) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
    void Show(const Message& message) override;
    bool AskYesNo(const Message& question) override;
    KeepAnswer AskKeep(const Message& question, TextId keep, TextId drop) override;

private:
    QWidget* parent_;
};

// Records every message and answers questions from a queue: Yes, and Drop (what the program did
// before it asked), when it runs out.
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
    KeepAnswer AskKeep(const Message& question, TextId keep, TextId drop) override {
        asked.push_back(question);
        keepButtons.emplace_back(keep, drop);
        if (keepAnswers.empty()) return KeepAnswer::Drop;
        const KeepAnswer answer = keepAnswers.front();
        keepAnswers.erase(keepAnswers.begin());
        return answer;
    }
    std::vector<Message> shown;
    std::vector<Message> asked;  // both kinds of question, in order
    std::vector<bool> answers;
    std::vector<KeepAnswer> keepAnswers;
    std::vector<std::pair<TextId, TextId>> keepButtons;  // the keep and drop buttons of each AskKeep
};

}  // namespace busho::platform
