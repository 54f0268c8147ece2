#pragma once

#include <QDialog>
#include <QString>

class QAction;
class QComboBox;
class QLineEdit;
class QStackedWidget;
class QTableView;
class QWidget;

namespace bw {

class RecordMaintenance;
class TableModel;

// The class library window ("Show Sections and Class Descriptions"): the record pattern
// over the library table, with an edit panel (the section picked from the sections while
// adding or editing), a grid, the catalogue preview of the current class, and the class
// code list.
class TClassForm : public QDialog {
    Q_OBJECT
public:
    explicit TClassForm(QWidget* parent = nullptr);
    ~TClassForm() override;

    RecordMaintenance* maintenance() const { return rm_; }
    QLineEdit* sectionEdit() const { return sectionEdit_; }
    QComboBox* sectionPick() const { return sectionPick_; }
    QLineEdit* classNameEdit() const { return className_; }
    QLineEdit* sexEdit() const { return sex_; }
    QLineEdit* groupEdit() const { return group_; }
    QLineEdit* allKeyEdit() const { return allKey_; }
    QLineEdit* preview() const { return preview_; }
    QTableView* grid() const { return grid_; }
    QAction* gridAction() const { return gridAction_; }

    // The remembered find text, kept for the whole run.
    static QString lastFind;

    void toggleGrid();

private:
    void showSectionPick(bool pick);
    void refreshPreview();
    void saveRecord();

    RecordMaintenance* rm_;
    TableModel* model_;
    QStackedWidget* sectionStack_;
    QLineEdit* sectionEdit_;
    QComboBox* sectionPick_;
    QLineEdit *className_, *sex_, *group_, *allKey_, *preview_;
    QWidget* panel_;
    QTableView* grid_;
    QAction* gridAction_;
    QAction* gridButton_;
};

} // namespace bw
