#pragma once

// Prints a rich-text document on a canvas: the paragraphs wrapped at word boundaries
// between the margins, tab stops honoured, a page header with the print title at the
// right and a footer "Page " + number at the right, both in Courier New 10 points.

#include "print/Canvas.h"
#include "print/RichDoc.h"

#include <optional>
#include <string>

namespace bw::print {

struct RichPrintSetup {
    std::string title;  // the header; also the print job's title. Empty: no header.
    double topMm = 30, bottomMm = 25, leftMm = 25, rightMm = 15;
    Orientation orientation = Orientation::Portrait;
    std::optional<PaperSize> paper;  // unset: the paper the printer was set up with
    bool pageBorders = false;        // a frame around the text area of every page
};

// Prints the whole document as one job (beginDoc .. endDoc) and returns the number of
// pages printed; 0 when the device could not be opened or the job was aborted.
int printRichDoc(Canvas& canvas, const RichDoc& doc, const RichPrintSetup& setup);

// Tab stops without an explicit stop fall every half inch.
constexpr double kDefaultTabPt = 36.0;

} // namespace bw::print
