#pragma once

#include "print/qt/ListingWindow.h"

namespace bw {

class Tdmod;

// The class counts window ("Count Entries per Class"): the class counts listing of the
// open show in the shared listing window, built each time the window is shown from the
// counts the last catalogue compilation stored; saved as RTF and printed from there.
class TClassCtsForm1 : public print::ListingWindow {
    Q_OBJECT
public:
    explicit TClassCtsForm1(Tdmod& module, QWidget* parent = nullptr);

    static print::ListingConfig listingConfig(Tdmod& module);
};

} // namespace bw
