#pragma once

#include <QDialog>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QStatusBar;
class QTableView;
class QToolButton;
class QPushButton;

namespace bw {

class DataSource;
class Prompter;
class RecordMaintenance;
class TableModel;
class Tdmod;

// The exhibit number window ("Add Armband Numbers"): the entries of the open show in a
// grid in one of five orders, the exhibit number the only column that can be edited,
// and Auto Assign, which numbers every entry not marked deleted in the order shown,
// from the number in the start box.
//
// While the window is shown it follows the entries table (the record position in the
// status bar, the grid row); it shows marked records, starts in catalogue order by
// exhibitor name and puts back the order and the hiding of marked records the table had
// when it closes, so the window that follows the table afterwards finds them unchanged.
class TAddArmForm : public QDialog {
    Q_OBJECT
public:
    TAddArmForm(Tdmod& module, DataSource& entries, QWidget* parent = nullptr);
    ~TAddArmForm() override;

    // The commands, as the buttons and menus run them.
    void AutoAssignClick();
    void EnableAutoAssignClick();
    void CloseClick();

    QLineEdit* startBox() const { return startBox_; }
    QPushButton* autoAssignButton() const { return autoAssign_; }
    QAction* enableAutoAssignAction() const { return enableAutoAssign_; }
    QToolButton* hideDeletesButton() const { return hideDeletesButton_; }
    QTableView* grid() const { return grid_; }
    TableModel* model() const { return model_; }
    RecordMaintenance* maintenance() const { return rm_; }
    QLabel* showLabel() const { return showLabel_; }
    QStatusBar* statusBar() const { return statusBar_; }

    static constexpr int kExhibitColumn = 4;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void FormActivate();
    void FormDeactivate();
    void reloadGrid();
    void followTableInGrid();
    void postPendingEdit();

    Tdmod& m_;
    DataSource& source_;
    RecordMaintenance* rm_ = nullptr;
    TableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* startBox_ = nullptr;
    QPushButton* autoAssign_ = nullptr;
    QPushButton* close_ = nullptr;
    QToolButton* hideDeletesButton_ = nullptr;
    QAction* enableAutoAssign_ = nullptr;
    QLabel* showLabel_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool active_ = false;
    bool syncing_ = false;
    // What the table had when the window opened.
    std::string savedOrder_;
    bool savedHideDeleted_ = false;
};

} // namespace bw
