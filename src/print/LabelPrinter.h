#pragma once

// Prints sheets of sticky labels: a label stock (sheet, label size, margins, gaps), a
// layout of text items in 1/96-inch units, and a walk over records with a before-print
// hook that may print, skip or stop, and an after-print hook. Positions are numbered row
// by row, left to right, from 1; a run may start at any position of the first sheet.

#include "print/Canvas.h"
#include "print/RichDoc.h"

#include <functional>
#include <string>
#include <vector>

namespace bw::print {

// Sizes in tenths of a millimetre, so that the grid arithmetic is exact. The sheet is
// measured upright; margins, label sizes and gaps are measured on the sheet as it is
// printed (a landscape stock has its left and top margins on the turned sheet).
struct LabelStock {
    std::string name;
    int labelWidth = 0, labelHeight = 0;
    int leftMargin = 0, topMargin = 0, rightMargin = 0, bottomMargin = 0;
    int columnGap = 0, rowGap = 0;
    Orientation orientation = Orientation::Portrait;
    int paperWidth = 2101, paperHeight = 2969;  // A4 as the label makers give it

    // Counts follow from the upright sheet less both margins plus one gap, divided by
    // the label size plus the gap, in whole numbers.
    int across() const;
    int down() const;
    int perSheet() const { return across() * down(); }
    PaperSize paper() const { return {paperWidth / 10.0, paperHeight / 10.0}; }

    static LabelStock parcel();    // 4 large labels, printed landscape
    static LabelStock shipping();  // 10 labels
    static LabelStock address();   // 14 address labels
    static LabelStock judge();     // 21 address labels, 3 across
};

struct LabelPosition {
    int row = 1;
    int column = 1;
    bool operator==(const LabelPosition&) const = default;
};

// Position k (from 1) on a sheet with the given labels across.
LabelPosition labelPosition(int k, int across = 2);

// Sheets a run of n labels needs from the first position, and how many labels the last
// sheet uses when it is not full (0 when it is full or there are no labels).
struct SheetCount {
    int sheets = 0;
    int lastSheetLabels = 0;
};
SheetCount sheetsNeeded(int labels, int perSheet);

// A text item of a label layout, in units of 1/96 inch from the label's top left
// corner (or, for the lines of a stack, from the stack's box).
struct LabelText {
    int left = 0, top = 0, width = 0, height = 0;
    std::string fontName = "Arial";
    int charHeight = 13;  // 1/96 inch
    bool bold = false;
    Align align = Align::Left;
    bool autoSize = false;  // as wide as its text; otherwise cut to its width
    std::string text;
    // Bound to a field of the current record: when set, gives the text of each label.
    std::function<std::string()> value;

    std::string currentText() const { return value ? value() : text; }
};

// Lines stacked from the top of a box, with a gap before each line; a line whose text
// is blank takes no room, so the lines below it move up.
struct LabelStack {
    int left = 0, top = 0, width = 0, height = 0;
    int gap = 1;
    std::vector<LabelText> lines;  // top is ignored: the stack places them
};

struct LabelLayout {
    std::vector<LabelText> texts;
    std::vector<LabelStack> stacks;
};

// Tops of the lines of a stack within its box, -1 for a blank line.
std::vector<int> stackLineTops(const LabelStack& stack);

enum class LabelAction { Print, Skip, Stop };

struct LabelRun {
    std::string title = "Labels";
    int startRow = 1, startColumn = 1;
    bool centre = false;  // centre the grid across the page
    int copies = 1;
    // The walk over the records, from the current one.
    std::function<bool()> atEnd;
    std::function<void()> next;
    // Called before each label with Print (Stop at the end of the records); it may
    // answer Skip (no label, no position used) or Stop.
    std::function<void(LabelAction&)> beforePrint;
    std::function<void()> afterPrint;
};

struct LabelRunResult {
    int labels = 0;   // labels printed
    int sheets = 0;   // sheets begun
    bool aborted = false;
    bool deviceFailed = false;
};

class LabelPrinter {
public:
    LabelPrinter(LabelStock stock, LabelLayout layout)
        : stock_(std::move(stock)), layout_(std::move(layout)) {}

    const LabelStock& stock() const { return stock_; }
    LabelLayout& layout() { return layout_; }

    // One print job on the canvas: begun at the first label printed, ended after the
    // last; a run that prints nothing opens no job.
    LabelRunResult print(Canvas& canvas, const LabelRun& run);

    // Top left corner, in device pixels, of a position (0-based index on the sheet).
    void labelOrigin(const Canvas& canvas, int index, bool centre, int& x, int& y) const;

private:
    void drawLabel(Canvas& canvas, int x, int y);
    void drawText(Canvas& canvas, const LabelText& t, int x, int y, const std::string& text);

    LabelStock stock_;
    LabelLayout layout_;
};

} // namespace bw::print
