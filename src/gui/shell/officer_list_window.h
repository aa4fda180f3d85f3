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
    void SelectListRow(int row);
    void Search();                // "搜"

    std::function<void(int slot)> onShowOfficer;  // a row was clicked: blank defaults, then show it
    std::function<void()> onSave;                 // "保存所有修改"

    QTableWidget* msFlg;
    QLineEdit* txSER;
    QLabel* Label1;
    QPushButton* Command2;
    QPushButton* Command1;

private:
    void RowClicked(int row);

    Session& session_;
    OfficerNameLists& names_;
    platform::MessageBoxes& messages_;
};

}  // namespace busho
