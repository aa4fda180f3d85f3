#include "batch_edit_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "core/editing/vocabulary_text.h"
#include "platform/gbk_text.h"
#include "gui/editor/vocabulary.h"

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

QString Tr(const char* source) { return QCoreApplication::translate("BatchEditDialog", source); }

// The field's name (as BatchFieldName gives it) in the interface language.
QString FieldCaption(const BatchChange& field) {
    switch (field.field) {
        case BatchField::Origin: return Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "出自"));
        case BatchField::Faith: return Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "信仰"));
        case BatchField::AssignedCastle: return Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "所属"));
        case BatchField::Status: return Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "状态"));
        case BatchField::Appearance: return Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "登场/出场"));
        case BatchField::Aptitude: return Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "适性：")) + vocabulary::AptitudeLabels().value(field.index);
        case BatchField::Tactic: return Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "战法：")) + vocabulary::TacticNames().value(field.index);
    }
    return platform::FromGbk(BatchFieldName(field));
}

}  // namespace

BatchEditDialog::BatchEditDialog(int count, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BatchEdit"));
    setWindowTitle(Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "批量修改")));
    lbCount = new QLabel(Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "为选中的 %1 名武将设定：")).arg(count));
    cField = new QComboBox;
    cField->setObjectName(QStringLiteral("cField"));
    for (const BatchChange& field : Fields()) cField->addItem(FieldCaption(field));
    cValue = new QComboBox;
    cValue->setObjectName(QStringLiteral("cValue"));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "修改")));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "取消")));
    auto* form = new QFormLayout(this);
    form->addRow(lbCount);
    form->addRow(Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "项目")), cField);
    form->addRow(Tr(QT_TRANSLATE_NOOP("BatchEditDialog", "设为")), cValue);
    form->addRow(buttons);
    connect(cField, &QComboBox::currentIndexChanged, this, &BatchEditDialog::FillValues);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FillValues();
}

void BatchEditDialog::FillValues() {
    const BatchChange field = Fields()[static_cast<std::size_t>(std::max(0, cField->currentIndex()))];
    cValue->clear();
    // The values in the interface language; the castles as the game names them.
    for (const std::string& item : BatchValues(field.field))
        cValue->addItem(QCoreApplication::translate("Vocabulary", item.c_str()));
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
