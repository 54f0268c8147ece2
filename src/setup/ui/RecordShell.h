#pragma once

#include <QString>

class QDialog;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QVBoxLayout;
class QAction;

namespace bw {

class RecordMaintenance;

// The frame every record window of the show setup shares: menu bar, tool bar, the
// window's own body, and a status bar showing the hint of the control under the mouse,
// the record position and the current order.
struct RecordShell {
    QMenuBar* menu;
    QToolBar* tools;
    QVBoxLayout* body;
    QStatusBar* status;
};
RecordShell makeRecordShell(QDialog* window, RecordMaintenance& rm);

// The window's keys (EnterAsTab, PgdnAsSave) from the preferences read at the last
// activation of the main window, with Save and Cancel of the record pattern.
void installRecordKeys(QDialog* window, RecordMaintenance& rm);

} // namespace bw
