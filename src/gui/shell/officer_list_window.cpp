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
#include "platform/interface_language.h"
#include "platform/language_texts.h"
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
    static constexpr const char* kHeaders[] = {
        QT_TRANSLATE_NOOP("OfficerListWindow", "出场/退场"), QT_TRANSLATE_NOOP("OfficerListWindow", "姓名"),
        QT_TRANSLATE_NOOP("OfficerListWindow", "统率"),      QT_TRANSLATE_NOOP("OfficerListWindow", "武勇"),
        QT_TRANSLATE_NOOP("OfficerListWindow", "智慧"),      QT_TRANSLATE_NOOP("OfficerListWindow", "政治"),
        QT_TRANSLATE_NOOP("OfficerListWindow", "义理")};
    QStringList headers{QString()};
    for (const char* header : kHeaders) headers << QCoreApplication::translate("OfficerListWindow", header);
    return headers << QStringLiteral("ＣＧ");
}

// "出场" or "退场" in the interface language.
QString AppearanceText(bool appeared) {
    return QCoreApplication::translate("Vocabulary", appeared ? "出场" : "退场");
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
    auto* texts = new platform::LanguageTexts(this, "OfficerListWindow");
    texts->Caption(this, TextId::kListCaption);

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

    Label1 = texts->Caption(new QLabel, QT_TRANSLATE_NOOP("OfficerListWindow", "搜索名字"));
    Label1->setObjectName(QStringLiteral("Label1"));
    txSER = new QLineEdit;
    txSER->setObjectName(QStringLiteral("txSER"));
    Command2 = texts->Caption(new QPushButton, QT_TRANSLATE_NOOP("OfficerListWindow", "搜"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = texts->Caption(new QPushButton, QT_TRANSLATE_NOOP("OfficerListWindow", "保存所有修改"));
    Command1->setObjectName(QStringLiteral("Command1"));

    Label1->setBuddy(txSER);
    const std::pair<QWidget*, const char*> tips[] = {
        {msFlg, text_gbk::kTipListGrid}, {txSER, text_gbk::kTipListSearch}, {Command2, text_gbk::kTipListFind}, {Command1, text_gbk::kTipSave}};
    texts->Add([this, tips] {
        for (const auto& [control, tip] : tips) control->setToolTip(platform::InterfaceText(tip));
        msFlg->setAccessibleName(platform::InterfaceText(text_gbk::kListCaption));
        txSER->setAccessibleName(Label1->text());
        Command2->setAccessibleName(platform::InterfaceText(text_gbk::kTipListFind));
    });

    auto* search = new QHBoxLayout;
    search->addWidget(Label1);
    search->addWidget(txSER, 1);
    search->addWidget(Command2);
    BuildTools(*texts);
    auto* filter = new QHBoxLayout;
    auto* filterCaption = texts->Caption(new QLabel, QT_TRANSLATE_NOOP("OfficerListWindow", "筛选"));
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
    // The headers and the rows' 出场/退场 in the new language.
    texts->Add([this, started = false]() mutable {
        if (!started) {
            started = true;
            return;
        }
        if (!msFlg->horizontalHeaderItem(1) || msFlg->horizontalHeaderItem(1)->text().isEmpty()) return;
        WriteHeaders();
        for (int r = 0; r < msFlg->rowCount(); ++r)
            if (auto* item = msFlg->item(r, 1); item && !item->text().isEmpty())
                item->setText(AppearanceText(item->background().color() == kAppeared));
    });

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
    SetCell(msFlg, 1, r, AppearanceText(row.appeared), row.appeared ? kAppeared : kRetired);
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
    setWindowTitle(platform::InterfaceText(text_gbk::kReadingRowCaption));
    if (onShowOfficer) onShowOfficer(slot);
    setWindowTitle(platform::InterfaceText(TextId::kListCaption));
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
