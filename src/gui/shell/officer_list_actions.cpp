// The officer list's buttons and the check panel: deleting, duplicating, moving and batch-editing the
// selected officers, each one step of the edit history, and the findings of the file's check.

#include "officer_list_window.h"

#include <QCoreApplication>

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "batch_edit_dialog.h"
#include "core/editing/list_row.h"
#include "core/editing/officer_order.h"
#include "core/text/messages.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/language_texts.h"
#include "platform/message_boxes.h"

namespace busho {
namespace {

// A question names at most this many officers, then says how many more there are.
constexpr std::size_t kNamesInQuestion = 20;

QPushButton* Button(platform::LanguageTexts& texts, const char* text, const char* name, const char* tip) {
    auto* button = texts.Tip(texts.Caption(new QPushButton, text), tip);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace

QString OfficerListWindow::FilterHelp() {
    return QCoreApplication::translate("OfficerListWindow", "名字的一部分，或 武力>100、CG>=1700、退场 这样的条件，用空格分开");
}

void OfficerListWindow::BuildTools(platform::LanguageTexts& texts) {
    txFilter = new QLineEdit;
    txFilter->setObjectName(QStringLiteral("txFilter"));
    txFilter->setClearButtonEnabled(true);
    lbCount = new QLabel(QStringLiteral("0 / 0"));
    lbCount->setObjectName(QStringLiteral("lbCount"));
    CommandDelete = Button(texts, QT_TRANSLATE_NOOP("OfficerListWindow", "删除"), "CommandDelete",
                           QT_TRANSLATE_NOOP("OfficerListWindow", "删除选中的武将（Delete 键）"));
    CommandDuplicate = Button(texts, QT_TRANSLATE_NOOP("OfficerListWindow", "复制为新武将"), "CommandDuplicate",
                              QT_TRANSLATE_NOOP("OfficerListWindow", "把选中的武将复制到最后"));
    CommandUp = Button(texts, QT_TRANSLATE_NOOP("OfficerListWindow", "上移"), "CommandUp",
                       QT_TRANSLATE_NOOP("OfficerListWindow", "选中的武将在存档中前移一位"));
    CommandDown = Button(texts, QT_TRANSLATE_NOOP("OfficerListWindow", "下移"), "CommandDown",
                         QT_TRANSLATE_NOOP("OfficerListWindow", "选中的武将在存档中后移一位"));
    CommandBatch = Button(texts, QT_TRANSLATE_NOOP("OfficerListWindow", "批量修改"), "CommandBatch",
                          QT_TRANSLATE_NOOP("OfficerListWindow", "为选中的所有武将设定同一项"));
    lbCheck = new QLabel;
    lbCheck->setObjectName(QStringLiteral("lbCheck"));
    lbCheck->setWordWrap(true);
    lstCheck = new QListWidget;
    lstCheck->setObjectName(QStringLiteral("lstCheck"));
    lstCheck->setMaximumHeight(120);
    lbCheck->hide();
    lstCheck->hide();
    // After the check panel is made: its texts are among them.
    texts.Add([this, &texts] {
        txFilter->setPlaceholderText(texts.Translate(QT_TRANSLATE_NOOP("OfficerListWindow", "名字 或 武力>100 CG>=1700 退场")));
        txFilter->setAccessibleName(texts.Translate(QT_TRANSLATE_NOOP("OfficerListWindow", "筛选")));
        // A filter being typed has its problem as the tooltip instead.
        if (txFilter->text().isEmpty()) txFilter->setToolTip(FilterHelp());
        else RefreshView();
        lstCheck->setAccessibleName(texts.Translate(QT_TRANSLATE_NOOP("OfficerListWindow", "检查结果")));
        lstCheck->setToolTip(texts.Translate(QT_TRANSLATE_NOOP("OfficerListWindow", "存档中游戏不认可的值；点一项即显示该武将")));
        if (!findings_.empty()) ShowFindings(std::vector<Finding>(findings_));
    });

    msFlg->horizontalHeader()->setSectionsClickable(true);
    connect(msFlg->horizontalHeader(), &QHeaderView::sectionClicked, this, &OfficerListWindow::SortByColumn);
    connect(txFilter, &QLineEdit::textChanged, this, &OfficerListWindow::RefreshView);
    connect(CommandDelete, &QPushButton::clicked, this, &OfficerListWindow::DeleteSelected);
    connect(CommandDuplicate, &QPushButton::clicked, this, &OfficerListWindow::DuplicateSelected);
    connect(CommandUp, &QPushButton::clicked, this, [this] { ShiftSelected(-1); });
    connect(CommandDown, &QPushButton::clicked, this, [this] { ShiftSelected(1); });
    connect(CommandBatch, &QPushButton::clicked, this, &OfficerListWindow::BatchEditSelected);
    connect(lstCheck, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        SelectListRow(item->data(Qt::UserRole).toInt(), true);
    });
    askBatchChange = [this](int count) { return AskBatchChange(count, this); };
}

std::string OfficerListWindow::NameList(const std::vector<int>& chosen) const {
    std::string names;
    for (std::size_t i = 0; i < chosen.size() && i < kNamesInQuestion; ++i) {
        if (i) names += platform::ToGbk(QCoreApplication::translate("OfficerListWindow", "、"));
        names += OfficerName(session_, chosen[i], session_.ZZZZ);
    }
    if (chosen.size() > kNamesInQuestion)
        names += platform::ToGbk(QCoreApplication::translate("OfficerListWindow", " 等 %1 名").arg(chosen.size()));
    return names;
}

void OfficerListWindow::Change(const std::function<Result<std::unique_ptr<EditCommand>>(Session&)>& make) {
    if (mayChangeTable && !mayChangeTable()) return;
    auto step = make(session_);
    if (!step) {
        messages_.Show({step.problem(), TextId::kTitleNotice, text_gbk::kStyleWarning});
        return;
    }
    if (step.value() && onStep) onStep(std::move(step.value()));
}

void OfficerListWindow::DeleteSelected() {
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    // One question of two texts, in the interface language; GBK holds the kana and the Traditional
    // characters of the other languages too.
    QString question = platform::FormatText(TextId::kDeleteQuestion, {NameList(chosen)});
    const std::vector<int> losing = RelationsLostBy(session_, chosen);
    if (!losing.empty()) question += platform::FormatText(TextId::kDeleteRelationsCleared, {NameList(losing)});
    if (!messages_.AskYesNo({Problem(TextId::kTextAsIs, {platform::ToGbk(question)}), TextId::kTitleNotice, text_gbk::kStyleWarning})) return;
    Change([&](Session& s) { return DeleteOfficers(s, chosen); });
}

void OfficerListWindow::DuplicateSelected() {
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    Change([&](Session& s) { return DuplicateOfficers(s, chosen); });
}

void OfficerListWindow::ShiftSelected(int by) {
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty()) return;
    bool shifted = false;
    Change([&](Session& s) {
        auto step = ShiftOfficers(s, chosen, by);
        shifted = step.ok() && step.value();
        return step;
    });
    if (!shifted) return;
    // The moved officers stay selected, in their new rows, for the next 上移 or 下移.
    std::vector<int> moved;
    for (int slot : chosen) moved.push_back(slot + by);
    SelectSlots(moved);
}

void OfficerListWindow::SelectSlots(const std::vector<int>& chosen) {
    ++selecting_;
    msFlg->clearSelection();
    for (int slot : chosen) msFlg->selectionModel()->select(msFlg->model()->index(slot - 1, 1), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    --selecting_;
}

void OfficerListWindow::BatchEditSelected() {
    const std::vector<int> chosen = SelectedSlots();
    if (chosen.empty() || !askBatchChange) return;
    const auto change = askBatchChange(static_cast<int>(chosen.size()));
    if (!change) return;
    Change([&](Session& s) { return BatchEdit(s, chosen, *change); });
    SelectSlots(chosen);  // still chosen for the next field
}

void OfficerListWindow::ShowFindings(const std::vector<Finding>& findings) {
    findings_ = findings;
    lstCheck->clear();
    lbCheck->setVisible(!findings.empty());
    lstCheck->setVisible(!findings.empty());
    if (findings.empty()) return;
    lbCheck->setText(platform::FormatText(TextId::kCheckPanelTitle, {static_cast<std::int64_t>(findings.size())}));
    for (const Finding& f : findings) {
        const QString text = QStringLiteral("%1  %2  %3 %4：%5")
                                 .arg(f.slot)
                                 .arg(platform::FromGbk(OfficerName(session_, f.slot, session_.ZZZZ)))
                                 .arg(QString::fromStdString(f.field))
                                 .arg(QString::fromStdString(f.value))
                                 .arg(platform::FormatText(f.why.text, f.why.args));
        auto* item = new QListWidgetItem(text, lstCheck);
        item->setData(Qt::UserRole, f.slot);
    }
}

}  // namespace busho
