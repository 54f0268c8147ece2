#pragma once

#include <QDialog>
#include <QString>
#include <vector>

class QAction;
class QButtonGroup;
class QLineEdit;
class QTableView;
class QWidget;

namespace bw {

class RecordMaintenance;
class TableModel;

// The show sections window ("Show Sections and Catalog Print Format").
class TSectionForm : public QDialog {
    Q_OBJECT
public:
    explicit TSectionForm(QWidget* parent = nullptr);
    ~TSectionForm() override;

    RecordMaintenance* maintenance() const { return rm_; }
    QLineEdit* nameEdit() const { return name_; }
    QButtonGroup* formatGroup() const { return format_; }
    QTableView* grid() const { return grid_; }
    void toggleGrid();
    // A click on an item of "Catalog Format" (0 full, 1 brief, 2 with score).
    void formatClicked(int item);

private:
    void refreshFormat();

    RecordMaintenance* rm_;
    TableModel* model_;
    QLineEdit* name_;
    QButtonGroup* format_;
    QWidget* samples_;
    QTableView* grid_;
    QAction *gridAction_, *gridButton_;
};

// The catalogue groups window ("Catalog Groupings").
class TCatGroupForm : public QDialog {
    Q_OBJECT
public:
    explicit TCatGroupForm(QWidget* parent = nullptr);
    ~TCatGroupForm() override;

    RecordMaintenance* maintenance() const { return rm_; }
    QLineEdit* codeEdit() const { return code_; }
    QTableView* grid() const { return grid_; }
    // Reports > "List of Codes" (section order) and "Full List" (code order).
    void listOfCodes(bool fullList);

    static QString lastFind;

private:
    void toggleGrid();

    RecordMaintenance* rm_;
    TableModel* model_;
    QLineEdit* code_;
    QWidget* panel_;
    QTableView* grid_;
    QAction *gridAction_, *gridButton_;
};

// The breeds window ("Breeds & Varieties Database"): a grid over the breeds table.
class TBreedForm : public QDialog {
    Q_OBJECT
public:
    explicit TBreedForm(QWidget* parent = nullptr);
    ~TBreedForm() override;

    RecordMaintenance* maintenance() const { return rm_; }
    QTableView* grid() const { return grid_; }
    QLineEdit* breedEdit() const { return breed_; }

    static QString lastFind;

private:
    RecordMaintenance* rm_;
    TableModel* model_;
    QTableView* grid_;
    QLineEdit* breed_;
};

} // namespace bw
