#pragma once

#include <QString>

class QDialog;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QVBoxLayout;
class QAction;
class QWidget;

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

// "Show Grid" / "Hide Grid": brings the grid or the other panel to the front and names
// the next action on the tool-bar button and the menu item. Returns whether the grid
// is shown now.
bool toggleGrid(QWidget* grid, QWidget* other, QAction* button, QAction* menuItem);

// The window's keys (EnterAsTab, PgdnAsSave) from the preferences read at the last
// activation of the main window, with Save and Cancel of the record pattern.
void installRecordKeys(QDialog* window, RecordMaintenance& rm);

} // namespace bw
