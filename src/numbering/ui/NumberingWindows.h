#pragma once

class QWidget;

namespace bw {

// The windows of exhibit numbers and class counts, as the main window opens them. Both
// walk the entries table of the open show: the caller stops following that table before
// and follows it again afterwards. Both return when the window is closed.

// Tasks > "Assign Exhibit Numbers": the exhibit number window (TAddArmForm), modal.
// Does nothing when no show is open.
void openExhibitNumbersWindow(QWidget* parent);

// Reports > "Class Counts for Show": "You need some entries first!" for a show without
// entries; otherwise compiles the catalogue and shows the class counts window
// (TClassCtsForm1), modal.
void openClassCountsWindow(QWidget* parent);

} // namespace bw
