#pragma once

#include <QMainWindow>
#include <QString>

class QAction;
class QComboBox;
class QLineEdit;
class QStackedWidget;
class QTableView;

namespace bw {

class KeyAids;
class RecordMaintenance;
class TableModel;
class Tdmod;
struct DmodSources;

// The dog master window: browse, find, correct, mark deleted and pack the dog master
// file. It stays open beside the main window (not modal) and works on the same table.
class TDogForm : public QMainWindow {
    Q_OBJECT
public:
    TDogForm(Tdmod& module, DmodSources& sources, QWidget* parent = nullptr);
    ~TDogForm() override;

    RecordMaintenance* records() const { return records_; }
    QAction* showGridAction() const { return showGrid_; }
    bool gridShown() const;
    QLineEdit* box(const QString& field) const;     // the box bound to a field
    QComboBox* breedPick() const { return breedPick_; }
    QComboBox* sexPick() const { return sexPick_; }
    bool pickListsShown() const;

    void FormActivate();
    void FormDeactivate();
    void ShowGridClick();

signals:
    // The master was packed: record numbers have changed.
    void masterPacked();

protected:
    bool event(QEvent* event) override;

private:
    void buildPanel();
    void setPickLists(bool on);
    void fillLists();

    Tdmod& m_;
    DmodSources& sources_;
    RecordMaintenance* records_;
    KeyAids* keys_ = nullptr;
    QString lastFind_;
    QStackedWidget* centre_;
    QWidget* panel_;
    QTableView* grid_;
    TableModel* model_ = nullptr;
    QStackedWidget* breedStack_;
    QStackedWidget* sexStack_;
    QComboBox* breedPick_;
    QComboBox* sexPick_;
    QComboBox* salutation_;
    QAction* showGrid_;
    QAction* showGridMenu_;
};

} // namespace bw
