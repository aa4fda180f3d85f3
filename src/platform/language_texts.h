#pragma once
// The texts of one window in the interface language: each is set now and again whenever the
// language changes (a LanguageChange event reaches the window when a translator is installed or
// removed), so that switching needs no restart and leaves every value in the window's boxes alone.

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>
#include <type_traits>
#include <vector>

#include "core/text/interface_texts.h"
#include "platform/interface_language.h"

namespace busho::platform {

class LanguageTexts final : public QObject {
public:
    // `window`: whose LanguageChange event sets the texts again; `context`: the context of the texts
    // marked with QT_TRANSLATE_NOOP(context, "…") for lupdate.
    LanguageTexts(QWidget* window, const char* context);

    // Calls `apply` now and on every change of language.
    void Add(std::function<void()> apply);

    // The caption of a control (the title of a group box or a menu, the text of a label, button or
    // action, the title of a window), translated from `source` in this context.
    template <class W>
    W* Caption(W* control, const char* source) {
        Add([this, control, source] { SetCaption(control, Translate(source)); });
        return control;
    }
    // The same from an interface text.
    template <class W>
    W* Caption(W* control, TextId id) {
        Add([control, id] { SetCaption(control, InterfaceText(id)); });
        return control;
    }
    template <class W>
    W* Tip(W* control, TextId id) {
        Add([control, id] { control->setToolTip(InterfaceText(id)); });
        return control;
    }
    template <class W>
    W* Tip(W* control, const char* source) {
        Add([this, control, source] { control->setToolTip(Translate(source)); });
        return control;
    }

    QString Translate(const char* source) const { return QCoreApplication::translate(context_, source); }
    // Sets every text again (as a change of language does).
    void ApplyAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <class W>
    static void SetCaption(W* control, const QString& text) {
        if constexpr (std::is_base_of_v<QGroupBox, W> || std::is_base_of_v<QMenu, W>) control->setTitle(text);
        else if constexpr (std::is_base_of_v<QAbstractButton, W> || std::is_base_of_v<QLabel, W> || std::is_base_of_v<QAction, W>)
            control->setText(text);
        else control->setWindowTitle(text);
    }

    QWidget* window_;
    const char* context_;
    std::vector<std::function<void()>> apply_;
};

}  // namespace busho::platform
