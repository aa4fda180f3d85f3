// The officer list's view: rows shown in a column's order and narrowed by the filter. The grid's rows
// stay the chosen (row r is slot r + 1); the order is the vertical header's visual order and the filter
// hides rows, so the table and the file keep their order.

#include "officer_list_window.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

#include "core/editing/list_view.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"

namespace busho {

void OfficerListWindow::SortByColumn(int column) {
    if (column < 1 || column >= kListColumnCount) return;
    // First click: lowest first; again: highest first; a third time: the file's order.
    if (sortColumn_ != column) {
        sortColumn_ = column;
        sortDescending_ = false;
    } else if (!sortDescending_) {
        sortDescending_ = true;
    } else {
        sortColumn_ = 0;
    }
    QHeaderView* header = msFlg->horizontalHeader();
    header->setSortIndicatorShown(sortColumn_ != 0);
    if (sortColumn_) header->setSortIndicator(sortColumn_, sortDescending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    RefreshView();
}

void OfficerListWindow::RefreshView() {
    const int officers = std::clamp(session_.EndSlot - 1, 0, kSlotCount);
    std::vector<int> order;
    if (sortColumn_) {
        order = SortedSlots(session_, static_cast<ListColumn>(sortColumn_), sortDescending_);
    } else {
        for (int slot = 1; slot <= officers; ++slot) order.push_back(slot);
    }

    // A word that is not a condition yet (while it is typed) filters nothing; the box says why.
    const auto filter = ParseListFilter(platform::ToGbk(txFilter->text()));
    txFilter->setToolTip(filter ? FilterHelp()
                                : platform::FormatText(filter.problem().text, filter.problem().args));
    txFilter->setStyleSheet(filter ? QString() : QStringLiteral("QLineEdit { background: rgb(255, 220, 220); }"));
    const bool filtering = filter && !filter->Empty();
    const std::vector<int> shown = filtering ? FilterSlots(session_, order, filter.value()) : order;

    // Rows of officers first, in the order; the rows after the list keep theirs behind them.
    QHeaderView* rows = msFlg->verticalHeader();
    for (std::size_t visual = 0; visual < order.size(); ++visual) {
        const int logical = order[visual] - 1;
        if (rows->visualIndex(logical) != static_cast<int>(visual)) rows->moveSection(rows->visualIndex(logical), static_cast<int>(visual));
    }
    std::vector<bool> visible(static_cast<std::size_t>(kSlotCount) + 1, !filtering);
    for (int slot : shown) visible[static_cast<std::size_t>(slot)] = true;
    for (int row = 0; row < msFlg->rowCount(); ++row) {
        const bool hide = !visible[static_cast<std::size_t>(row + 1)];
        if (msFlg->isRowHidden(row) != hide) msFlg->setRowHidden(row, hide);
    }
    lbCount->setText(QStringLiteral("%1 / %2").arg(shown.size()).arg(officers));
}

std::vector<int> OfficerListWindow::SelectedSlots() const {
    std::vector<int> chosen;
    for (const QModelIndex& index : msFlg->selectionModel()->selectedRows()) {
        const int slot = index.row() + 1;
        if (slot < session_.EndSlot && !msFlg->isRowHidden(index.row())) chosen.push_back(slot);
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

}  // namespace busho
