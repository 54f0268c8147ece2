#pragma once

#include <QObject>
#include <QString>

#include "xbase/Table.h"

namespace bw {

// The link between one table and the data-aware controls of the windows.
//
// The data source subscribes to the table's after-move and state-change notifications
// and relays them as Qt signals. Bound controls follow dataChanged(); a window attaches
// its own reactions by connecting to afterMove() and stateChanged() while it follows the
// table, and disconnects them while another window walks it. While the controls are
// held still (holdControls / releaseControls, nestable) nothing is relayed, so a routine
// can walk the table without the windows redrawing; the last release relays once.
//
// auto-edit: when on, typing into a bound control puts the table into edit state by
// itself; when off, a control accepts typing only while the table is already editing.
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(xbase::Table* table = nullptr, QObject* parent = nullptr);
    ~DataSource() override;

    void setTable(xbase::Table* table);
    xbase::Table* table() const { return table_; }

    void setAutoEdit(bool on) { autoEdit_ = on; }
    bool autoEdit() const { return autoEdit_; }

    void holdControls();
    void releaseControls();
    bool held() const { return holdCount_ > 0; }

    // True when the table is open and editing (edit or insert).
    bool editing() const;
    // Puts the table into edit state when the data source may (auto-edit on, table
    // browsing with a current record, or already editing). Returns whether it is
    // editing afterwards.
    bool startEditFromControl();

    // Emits dataChanged() so that every bound control shows the table's current values
    // again (after a routine changed fields without moving).
    void refresh();

signals:
    void afterMove();       // the current record changed (or the data were refreshed)
    void stateChanged();    // browse / edit / insert changed
    void dataChanged();     // bound controls must show the record again

private:
    void subscribe();
    void unsubscribe();

    xbase::Table* table_ = nullptr;
    bool autoEdit_ = true;
    int holdCount_ = 0;
    bool movedWhileHeld_ = false;
    bool stateChangedWhileHeld_ = false;
    int moveId_ = 0;
    int stateId_ = 0;
};

} // namespace bw
