#include "batch_edit_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "core/editing/vocabulary_text.h"
#include "platform/gbk_text.h"

namespace busho {
namespace {

// The fields in the order the list offers them.
std::vector<BatchChange> Fields() {
    std::vector<BatchChange> fields = {{BatchField::Status, 0, 0},
                                       {BatchField::AssignedCastle, 0, 0},
                                       {BatchField::Appearance, 0, 0},
                                       {BatchField::Origin, 0, 0},
                                       {BatchField::Faith, 0, 0}};
    for (int i = 0; i < kAptitudeCount; ++i) fields.push_back({BatchField::Aptitude, i, 0});
    for (int i = 0; i < kTacticBoxCount; ++i) fields.push_back({BatchField::Tactic, i, 0});
    return fields;
}

QString FieldCaption(const BatchChange& field) {
    const QString name = platform::FromGbk(BatchFieldName(field));
    if (field.field == BatchField::Aptitude) return QStringLiteral("适性：") + name;
    if (field.field == BatchField::Tactic) return QStringLiteral("战法：") + name;
    return name;
}

}  // namespace

BatchEditDialog::BatchEditDialog(int count, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BatchEdit"));
    setWindowTitle(QStringLiteral("批量修改"));
    lbCount = new QLabel(QStringLiteral("为选中的 %1 名武将设定：").arg(count));
    cField = new QComboBox;
    cField->setObjectName(QStringLiteral("cField"));
    for (const BatchChange& field : Fields()) cField->addItem(FieldCaption(field));
    cValue = new QComboBox;
    cValue->setObjectName(QStringLiteral("cValue"));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("修改"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    auto* form = new QFormLayout(this);
    form->addRow(lbCount);
    form->addRow(QStringLiteral("项目"), cField);
    form->addRow(QStringLiteral("设为"), cValue);
    form->addRow(buttons);
    connect(cField, &QComboBox::currentIndexChanged, this, &BatchEditDialog::FillValues);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FillValues();
}

void BatchEditDialog::FillValues() {
    const BatchChange field = Fields()[static_cast<std::size_t>(std::max(0, cField->currentIndex()))];
    cValue->clear();
    for (const std::string& item : BatchValues(field.field)) cValue->addItem(QString::fromStdString(item));
}

BatchChange BatchEditDialog::Chosen() const {
    BatchChange change = Fields()[static_cast<std::size_t>(std::max(0, cField->currentIndex()))];
    change.value = cValue->currentIndex();
    return change;
}

std::optional<BatchChange> AskBatchChange(int count, QWidget* parent) {
    BatchEditDialog dialog(count, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

}  // namespace busho
