#pragma once
// The edition chooser (Form4): a modal dialog shown before the main window.

#include <QDialog>

#include <cstdint>

#include "core/text/edition_codec.h"

class QPushButton;

namespace busho {

class EditionChooser : public QDialog {
    Q_OBJECT
public:
    explicit EditionChooser(QWidget* parent = nullptr);
    // 0 for "中文版", 1 for "日文版"; 99 while nothing was chosen.
    std::uint8_t Chosen() const { return chosen_; }

    QPushButton* Command1;
    QPushButton* Command2;

private:
    std::uint8_t chosen_ = kEditionUnchosen;
};

}  // namespace busho
