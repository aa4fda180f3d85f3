#pragma once
// The officer list window (Form2): one grid row per slot, the name search and the save button; the
// view sorted by a column and narrowed by a filter; deleting, duplicating, moving and batch-editing the
// selected officers; the findings of the file's check.

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/data/officer_file.h"
#include "core/editing/batch_edit.h"
#include "core/editing/edit_history.h"
#include "core/editing/officer_check.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace busho {
namespace platform {
class MessageBoxes;
class LanguageTexts;
}
class OfficerNameLists;

class OfficerListWindow : public QWidget {
    Q_OBJECT
public:
    OfficerListWindow(Session& session, OfficerNameLists& names, platform::MessageBoxes& messages, QWidget* parent = nullptr);

    void WriteHeaders();          // the eight column headers
    void ClearAll();              // every cell and header, before a file's rows are built
    void BuildListRow(int slot);  // the slot's row, and its name in the officer-name lists
    void ClearListRow(int slot);  // the row of a slot that no longer holds an officer
    // Selects and scrolls to the row; `show` shows its officer in the editor as a click does.
    void SelectListRow(int row, bool show = false);
    void Search();                // "搜"

    // The view. Row r of the grid is always slot r + 1; sorting changes only the order in which rows
    // are shown, the filter only which are. A column's header sorts by it, again in reverse, a third
    // time in file order.
    void SortByColumn(int column);
    // Order and filter again after the table or the filter text changed; the count becomes "n / N".
    void RefreshView();
    // The officers' slots among the selected rows, in slot order.
    std::vector<int> SelectedSlots() const;

    // The buttons under the grid; each change is one step of the edit history.
    void DeleteSelected();     // "删除", also the Delete key: asks first, naming who loses a relation
    void DuplicateSelected();  // "复制为新武将"
    void ShiftSelected(int by);  // "上移" -1, "下移" +1
    void BatchEditSelected();  // "批量修改"

    // The check's findings under the grid; hidden when there are none. A click shows the officer.
    void ShowFindings(const std::vector<Finding>& findings);

    // Every column in view and twenty rows; the window can be made shorter, the grid then scrolls.
    static QSize PreferredSize();

    std::function<void(int slot)> onShowOfficer;  // a row was clicked: blank defaults, then show it
    std::function<void()> onSave;                 // "保存所有修改"
    // Before a change of the table: edits not yet committed are settled; false leaves the table alone.
    std::function<bool()> mayChangeTable;
    std::function<void(std::unique_ptr<EditCommand>)> onStep;  // a change for the edit history
    // The field and value for a batch edit of `count` officers; nothing: cancelled. The dialog by default.
    std::function<std::optional<BatchChange>(int count)> askBatchChange;

    QTableWidget* msFlg;
    QLineEdit* txSER;
    QLabel* Label1;
    QPushButton* Command2;
    QPushButton* Command1;
    QLineEdit* txFilter;  // names and conditions: 武力>100 退场
    QLabel* lbCount;      // "n / N"
    QPushButton* CommandDelete;
    QPushButton* CommandDuplicate;
    QPushButton* CommandUp;
    QPushButton* CommandDown;
    QPushButton* CommandBatch;
    QLabel* lbCheck;
    QListWidget* lstCheck;

private:
    void RowClicked(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void BuildTools(platform::LanguageTexts& texts);
    static QString FilterHelp();  // the filter box's tooltip
    std::vector<Finding> findings_;  // in the check panel, shown again in another language  // the filter, the buttons and the check panel, with their connections
    void Change(const std::function<Result<std::unique_ptr<EditCommand>>(Session&)>& make);
    std::string NameList(const std::vector<int>& chosen) const;  // GBK, for the questions
    void SelectSlots(const std::vector<int>& chosen);            // selects these rows, nothing else

    int sortColumn_ = 0;  // 0: file order
    bool sortDescending_ = false;

    Session& session_;
    int selecting_ = 0;   // the row being selected in code: its change is not a user's choice
    int rowBeforePress_ = -1;  // the current row when the mouse was pressed on the grid
    OfficerNameLists& names_;
    platform::MessageBoxes& messages_;
};

}  // namespace busho
