#include "officer_list_window.h"
#include "platform/twips.h"

#include <QEvent>
#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/text/messages.h"
#include "gui/editor/officer_name_lists.h"
#include "platform/gbk_text.h"
#include "platform/message_boxes.h"
#include "core/editing/list_row.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

// Column widths in twips; column 0 is never seen.
constexpr int kColumnTwips[9] = {0, 500, 1000, 800, 800, 800, 800, 800, 800};
constexpr int GridPixels() {
    int pixels = 0;
    for (int twips : kColumnTwips) pixels += twips / kTwipsPerPixel;
    return pixels;
}
constexpr int kListHeight = 420;
const QColor kAppeared(0, 230, 0), kRetired(255, 0, 0), kTranslated(200, 200, 220), kRaw(200, 200, 0), kNumbers(200, 200, 200);

QStringList Headers() {
    return {QString(), QStringLiteral("出场/退场"), QStringLiteral("姓名"), QStringLiteral("统率"), QStringLiteral("武勇"),
            QStringLiteral("智慧"),   QStringLiteral("政治"),   QStringLiteral("义理"), QStringLiteral("ＣＧ")};
}

QTableWidgetItem* SetCell(QTableWidget* grid, int column, int row, const QString& text, const QColor& colour) {
    auto* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grid->setItem(row, column, item);
    }
    item->setText(text);
    item->setBackground(colour);
    return item;
}

}  // namespace

OfficerListWindow::OfficerListWindow(Session& session, OfficerNameLists& names, platform::MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), names_(names), messages_(messages) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("武将一览表"));

    // Row r of the grid's model is slot r + 1; the header row is the grid's own header.
    msFlg = new QTableWidget(kSlotCount, 9, this);
    msFlg->setObjectName(QStringLiteral("msFlg"));
    msFlg->verticalHeader()->hide();
    msFlg->verticalHeader()->setDefaultSectionSize(20);
    msFlg->setSelectionBehavior(QAbstractItemView::SelectRows);
    msFlg->setSelectionMode(QAbstractItemView::ExtendedSelection);
    msFlg->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msFlg->horizontalHeader()->setHighlightSections(false);
    msFlg->horizontalHeader()->setMinimumSectionSize(0);
    for (int c = 0; c < 9; ++c) msFlg->setColumnWidth(c, kColumnTwips[c] / kTwipsPerPixel);
    msFlg->setColumnHidden(0, true);
    msFlg->setMinimumWidth(GridPixels() + 24);
    WriteHeaders();

    Label1 = new QLabel(QStringLiteral("搜索名字"));
    Label1->setObjectName(QStringLiteral("Label1"));
    txSER = new QLineEdit;
    txSER->setObjectName(QStringLiteral("txSER"));
    Command2 = new QPushButton(QStringLiteral("搜"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("保存所有修改"));
    Command1->setObjectName(QStringLiteral("Command1"));

    Label1->setBuddy(txSER);
    const std::pair<QWidget*, const char*> tips[] = {
        {msFlg, text_gbk::kTipListGrid}, {txSER, text_gbk::kTipListSearch}, {Command2, text_gbk::kTipListFind}, {Command1, text_gbk::kTipSave}};
    for (const auto& [control, tip] : tips) control->setToolTip(platform::FromGbk(tip));
    msFlg->setAccessibleName(platform::FromGbk(text_gbk::kListCaption));
    txSER->setAccessibleName(Label1->text());
    Command2->setAccessibleName(platform::FromGbk(text_gbk::kTipListFind));

    auto* search = new QHBoxLayout;
    search->addWidget(Label1);
    search->addWidget(txSER, 1);
    search->addWidget(Command2);
    BuildTools();
    auto* filter = new QHBoxLayout;
    auto* filterCaption = new QLabel(QStringLiteral("筛选"));
    filterCaption->setBuddy(txFilter);
    filter->addWidget(filterCaption);
    filter->addWidget(txFilter, 1);
    filter->addWidget(lbCount);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {CommandDelete, CommandDuplicate, CommandUp, CommandDown, CommandBatch}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(filter);
    layout->addWidget(msFlg, 1);
    layout->addLayout(buttons);
    layout->addLayout(search);
    layout->addWidget(Command1);
    layout->addWidget(lbCheck);
    layout->addWidget(lstCheck);
    resize(PreferredSize());

    // A row the keyboard or a click moves to shows its officer; a click on the row that was already
    // current shows it again. The first current row, which the grid sets itself when it gets the
    // focus, is no one's choice.
    connect(msFlg, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
        if (selecting_ || row < 0 || row == previous || previous < 0) return;
        RowClicked(row + 1);
    });
    connect(msFlg, &QTableWidget::cellClicked, this, [this](int row, int) {
        if (row == rowBeforePress_ || rowBeforePress_ < 0) RowClicked(row + 1);
    });
    msFlg->viewport()->installEventFilter(this);
    msFlg->installEventFilter(this);
    connect(Command2, &QPushButton::clicked, this, &OfficerListWindow::Search);
    connect(txSER, &QLineEdit::returnPressed, this, &OfficerListWindow::Search);
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (onSave) onSave();
    });
}

QSize OfficerListWindow::PreferredSize() { return QSize(GridPixels() + 40, kListHeight); }

void OfficerListWindow::WriteHeaders() { msFlg->setHorizontalHeaderLabels(Headers()); }

void OfficerListWindow::ClearAll() {
    msFlg->clearContents();
    msFlg->setHorizontalHeaderLabels(QStringList(9, QString()));
}

void OfficerListWindow::BuildListRow(int slot) {
    WriteHeaders();
    const ListRow row = BuildListRowValues(session_, slot);
    const int r = slot - 1;
    SetCell(msFlg, 1, r, row.appeared ? QStringLiteral("出场") : QStringLiteral("退场"), row.appeared ? kAppeared : kRetired);
    const QString name = platform::FromGbk(row.name);
    // A five-character name is wider than its column: the whole name is in the tooltip.
    SetCell(msFlg, 2, r, name, row.translated ? kTranslated : kRaw)->setToolTip(name);
    if (row.translated) names_.SetRegistered(slot, name);
    for (int c = 0; c < 6; ++c) SetCell(msFlg, 3 + c, r, QString::fromStdString(row.numbers[static_cast<std::size_t>(c)]), kNumbers);
}

void OfficerListWindow::ClearListRow(int slot) {
    for (int c = 0; c < msFlg->columnCount(); ++c) delete msFlg->takeItem(slot - 1, c);
}

void OfficerListWindow::SelectListRow(int row, bool show) {
    if (row < 1 || row > msFlg->rowCount()) return;
    auto* first = msFlg->item(row - 1, 1);
    ++selecting_;
    msFlg->setCurrentCell(row - 1, 1);
    if (first) msFlg->scrollToItem(first, QAbstractItemView::PositionAtTop);
    msFlg->selectRow(row - 1);
    --selecting_;
    if (show) RowClicked(row);
}

bool OfficerListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == msFlg->viewport() && event->type() == QEvent::MouseButtonPress) rowBeforePress_ = msFlg->currentRow();
    if (watched == msFlg && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void OfficerListWindow::RowClicked(int slot) {
    setWindowTitle(platform::FromGbk(text_gbk::kReadingRowCaption));
    if (onShowOfficer) onShowOfficer(slot);
    setWindowTitle(platform::FromGbk(text_gbk::kListCaption));
}

void OfficerListWindow::Search() {
    const std::string typed = platform::ToGbk(txSER->text());
    const std::string wanted(TrimSpaces(typed));
    if (wanted.empty()) return;
    bool found = false;
    for (int slot = 1; slot <= session_.EndSlot && slot <= kSlotCount; ++slot) {
        if (!NameMatches(session_, SearchName(session_, slot), wanted)) continue;
        found = true;
        SelectListRow(slot, true);  // the hit is shown in the editor
        if (!messages_.AskYesNo({Problem(TextId::kContinueQuestion), TextId::kTitleNotice, text_gbk::kStyleWarning})) return;
    }
    if (!found) messages_.Show({Problem(TextId::kSearchNoMatch), TextId::kTitleNotice, text_gbk::kStyleInformation});
}

}  // namespace busho
