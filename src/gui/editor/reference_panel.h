#pragma once
// The historical reference panel (Picture2): a movable panel over the editor with every officer's
// name, and the figures, bars and portrait of the one chosen.

#include <QFrame>

#include <array>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace busho {

class ReferencePanel : public QFrame {
    Q_OBJECT
public:
    explicit ReferencePanel(QWidget* parent);

    // No officer chosen: the name, portrait, figures and bars are emptied.
    void ClearFigures();

    QLabel* Label2;
    QListView* List1;
    QLabel *lbSname, *Picture3;
    QLineEdit *lbSCG, *lbSCSN, *lbSSWN, *lbSTY, *lbSWL, *lbSZL, *lbSZZ, *lbSYL;
    std::array<QFrame*, 4> pLL{};
    QPushButton* Command9;
    QLineEdit* txSER;
    QPushButton* Command17;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint dragOffset_;
    bool dragging_ = false;
};

}  // namespace busho
