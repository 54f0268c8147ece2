#pragma once

// A small banded report: a title band on the first page, a page header and a page
// footer on every page, and a detail band per record (of fixed height, or growing with
// word-wrapped texts). Items are placed in millimetres from the band's top and the left
// margin. Laid out first (so the footer can say "Page n of m"), then drawn on a canvas.

#include "print/Canvas.h"
#include "print/RichDoc.h"

#include <functional>
#include <string>
#include <vector>

namespace bw::print {

struct ReportPageInfo {
    int page = 1;
    int pageCount = 1;
    std::string printDate;
};

// "Page 3 of 7"
std::string pageOfPages(const ReportPageInfo& info);

struct ReportItem {
    enum Kind { Text, Line } kind = Text;
    double topMm = 0, leftMm = 0, widthMm = 0, heightMm = 0;
    Font font;
    Align align = Align::Left;  // within widthMm
    std::string text;
    // Computed per record (detail band) or once (title band).
    std::function<std::string()> value;
    // Computed per page (header and footer bands): page numbers, print date.
    std::function<std::string(const ReportPageInfo&)> pageValue;
    bool wrap = false;  // word-wrapped within widthMm; the band grows to hold it
    // Lines: drawn along the bottom of the item's box, from left to left + width.
    LineStyle lineStyle = LineStyle::Solid;
    double lineWidthPt = 0.75;

    static ReportItem label(double top, double left, double width, double height,
                            Font font, std::string text, Align align = Align::Left);
    static ReportItem field(double top, double left, double width, double height,
                            Font font, std::function<std::string()> value, Align align = Align::Left);
    static ReportItem hline(double top, double left, double width, double height,
                            LineStyle style = LineStyle::Solid, double widthPt = 0.75);
};

struct ReportBand {
    double heightMm = 0;  // 0: the band is absent
    bool grows = false;
    std::vector<ReportItem> items;
};

struct BandReportDef {
    std::string title = "Report";  // the print job's title
    PaperSize paper = PaperSize::letter();
    Orientation orientation = Orientation::Portrait;
    double topMm = 6.35, bottomMm = 6.35, leftMm = 6.35, rightMm = 6.35;
    ReportBand titleBand, pageHeader, detail, pageFooter;
};

// The records the detail band walks, from the current one.
struct ReportRecords {
    std::function<bool()> atEnd;
    std::function<void()> next;
};

// Lays out and prints the report as one job; returns the number of pages (0 when the
// device could not be opened or the job was aborted). A report without records prints
// one page with its title, header and footer.
int printBandReport(Canvas& canvas, const BandReportDef& def, const ReportRecords& records,
                    const std::string& printDate);

// Splits a text into lines no wider than width pixels in the canvas's current font,
// breaking at blanks where possible.
std::vector<std::string> wrapText(const Canvas& canvas, const std::string& text, int width);

} // namespace bw::print
