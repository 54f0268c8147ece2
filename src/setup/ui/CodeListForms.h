#pragma once

#include "print/qt/ListingWindow.h"

#include <string>

class QPushButton;

namespace bw {

// The class code list: the class library ("All") or the open show's classes ("Show").
class TClassListForm : public print::ListingWindow {
    Q_OBJECT
public:
    // In show mode the classes of the given show, by default the open show.
    TClassListForm(bool showMode, QWidget* parent = nullptr, std::string clubId = {}, int showNum = 0);
    QPushButton* deletesButton() const { return deletes_; }
    void toggleDeletes();

private:
    void updateDeletesCaption();
    bool showMode_;
    QPushButton* deletes_;
};

// The list of catalogue grouping codes, in the groups table's current order, with a
// printout of its own.
class TCatGrpListForm : public print::ListingWindow {
    Q_OBJECT
public:
    explicit TCatGrpListForm(QWidget* parent = nullptr);
    // Prints on a printer set up by the caller; returns false when nothing was printed.
    bool printOn(QPrinter& printer);
    void printList();
};

} // namespace bw
