#pragma once
// The officer list window (Form2): one grid row per slot, the name search and the save button.

#include <QWidget>

#include <functional>

#include "core/data/officer_file.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace busho {
namespace platform {
class MessageBoxes;
}
class OfficerNameLists;

class OfficerListWindow : public QWidget {
    Q_OBJECT
public:
    OfficerListWindow(Session& session, OfficerNameLists& names, platform::MessageBoxes& messages, QWidget* parent = nullptr);

    void WriteHeaders();          // the eight column headers
    void ClearAll();              // every cell and header, before a file's rows are built
    void BuildListRow(int slot);  // the slot's row, and its name in the officer-name lists
    // Selects and scrolls to the row; `show` shows its officer in the editor as a click does.
    void SelectListRow(int row, bool show = false);
    void Search();                // "搜"

    // Every column in view and twenty rows; the window can be made shorter, the grid then scrolls.
    static QSize PreferredSize();

    std::function<void(int slot)> onShowOfficer;  // a row was clicked: blank defaults, then show it
    std::function<void()> onSave;                 // "保存所有修改"

    QTableWidget* msFlg;
    QLineEdit* txSER;
    QLabel* Label1;
    QPushButton* Command2;
    QPushButton* Command1;

private:
    void RowClicked(int row);
    bool eventFilter(QObject* watched, QEvent* event) override;

    Session& session_;
    int selecting_ = 0;   // the row being selected in code: its change is not a user's choice
    int rowBeforePress_ = -1;  // the current row when the mouse was pressed on the grid
    OfficerNameLists& names_;
    platform::MessageBoxes& messages_;
};

}  // namespace busho
