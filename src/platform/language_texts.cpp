#include "language_texts.h"

#include <QEvent>

namespace busho::platform {

LanguageTexts::LanguageTexts(QWidget* window, const char* context) : QObject(window), window_(window), context_(context) {
    window_->installEventFilter(this);
}

void LanguageTexts::Add(std::function<void()> apply) {
    apply();
    apply_.push_back(std::move(apply));
}

void LanguageTexts::ApplyAll() {
    for (const auto& apply : apply_) apply();
}

bool LanguageTexts::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::LanguageChange) ApplyAll();
    return QObject::eventFilter(watched, event);
}

}  // namespace busho::platform
