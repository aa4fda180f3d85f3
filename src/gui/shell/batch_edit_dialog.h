#pragma once
// "批量修改": the field to set for the chosen officers and its value, in a small dialog.

#include <QDialog>

#include <optional>

#include "core/editing/batch_edit.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;

namespace busho {

class BatchEditDialog : public QDialog {
    Q_OBJECT
public:
    // `count`: how many officers the change is for.
    explicit BatchEditDialog(int count, QWidget* parent = nullptr);
    // The change the two lists choose.
    BatchChange Chosen() const;

    QLabel* lbCount;
    QComboBox* cField;  // 状态, 所属, 登场/出场, 出自, 信仰, the nine aptitudes, the thirty tactics
    QComboBox* cValue;  // the field's items
    QDialogButtonBox* buttons;

private:
    void FillValues();
};

// Shows the dialog; the change, or nothing when it was cancelled.
std::optional<BatchChange> AskBatchChange(int count, QWidget* parent);

}  // namespace busho
