#include "print/LabelPrinter.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace bw::print;

TEST(LabelStock, GridCountsFollowFromSheetMarginsAndGaps)
{
    struct Case { LabelStock stock; int across, down; Orientation o; };
    for (const auto& c : {Case{LabelStock::parcel(), 2, 2, Orientation::Landscape},
                          Case{LabelStock::shipping(), 2, 5, Orientation::Portrait},
                          Case{LabelStock::address(), 2, 7, Orientation::Portrait},
                          Case{LabelStock::judge(), 3, 7, Orientation::Portrait}}) {
        EXPECT_EQ(c.stock.across(), c.across) << c.stock.name;
        EXPECT_EQ(c.stock.down(), c.down) << c.stock.name;
        EXPECT_EQ(c.stock.orientation, c.o) << c.stock.name;
    }
}

TEST(LabelStock, PositionsAreNumberedRowByRow)
{
    EXPECT_EQ(labelPosition(1), (LabelPosition{1, 1}));
    EXPECT_EQ(labelPosition(2), (LabelPosition{1, 2}));
    EXPECT_EQ(labelPosition(6), (LabelPosition{3, 2}));
    EXPECT_EQ(labelPosition(7), (LabelPosition{4, 1}));
    EXPECT_EQ(labelPosition(14), (LabelPosition{7, 2}));
    EXPECT_EQ(labelPosition(5, 3), (LabelPosition{2, 2}));
}

TEST(LabelStock, SheetsNeeded)
{
    struct Case { int labels, perSheet, sheets, last; };
    for (const auto& c : {Case{14, 14, 1, 0}, Case{15, 14, 2, 1}, Case{28, 14, 2, 0},
                          Case{5, 4, 2, 1}, Case{0, 14, 0, 0}, Case{10, 10, 1, 0}}) {
        SheetCount s = sheetsNeeded(c.labels, c.perSheet);
        EXPECT_EQ(s.sheets, c.sheets) << c.labels << " on " << c.perSheet;
        EXPECT_EQ(s.lastSheetLabels, c.last) << c.labels << " on " << c.perSheet;
    }
}

namespace {

// Records as the label printer walks them: one text per record.
struct Walk {
    std::vector<std::string> records;
    size_t at = 0;
    LabelRun run(int row = 1, int col = 1)
    {
        LabelRun r;
        r.startRow = row;
        r.startColumn = col;
        r.atEnd = [this] { return at >= records.size(); };
        r.next = [this] { ++at; };
        return r;
    }
};

LabelLayout oneTextLayout(Walk& w)
{
    LabelText t;
    t.left = 0;
    t.top = 0;
    t.width = 300;
    t.height = 20;
    t.value = [&w] { return w.records[w.at]; };
    return {{t}, {}};
}

// Index on the sheet (0-based) of a printed label, from where its text was drawn.
int indexOf(const LabelPrinter& p, const RecordingCanvas& c, const CanvasOp& op)
{
    for (int i = 0; i < p.stock().perSheet(); ++i) {
        int x, y;
        p.labelOrigin(c, i, false, x, y);
        if (x == op.x && y == op.y) return i;
    }
    return -1;
}

} // namespace

TEST(LabelPrinter, StartsAtTheChosenPositionAndGoesOnRowByRow)
{
    Walk w{{"A", "B", "C"}};
    LabelPrinter printer(LabelStock::address(), oneTextLayout(w));
    RecordingCanvas canvas;
    LabelPosition start = labelPosition(6);
    auto result = printer.print(canvas, w.run(start.row, start.column));
    EXPECT_EQ(result.labels, 3);
    auto texts = canvas.texts(1);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(labelPosition(indexOf(printer, canvas, texts[0]) + 1), (LabelPosition{3, 2}));
    EXPECT_EQ(labelPosition(indexOf(printer, canvas, texts[1]) + 1), (LabelPosition{4, 1}));
    EXPECT_EQ(labelPosition(indexOf(printer, canvas, texts[2]) + 1), (LabelPosition{4, 2}));
    // position 6 on A4: left margin + one label and gap across, top margin + two rows down
    EXPECT_EQ(texts[0].x, static_cast<int>((47 + 990 + 26) * 300 / 254.0 + 0.5));
    EXPECT_EQ(texts[0].y, static_cast<int>((159 + 2 * 381) * 300 / 254.0 + 0.5));
}

TEST(LabelPrinter, SkippedRecordUsesNoPositionAndStopEndsTheRun)
{
    Walk w{{"A", "skip", "B", "stop", "C"}};
    LabelPrinter printer(LabelStock::address(), oneTextLayout(w));
    RecordingCanvas canvas;
    int after = 0;
    LabelRun run = w.run();
    run.beforePrint = [&](LabelAction& a) {
        ASSERT_EQ(a, LabelAction::Print);
        if (w.records[w.at] == "skip") a = LabelAction::Skip;
        if (w.records[w.at] == "stop") a = LabelAction::Stop;
    };
    run.afterPrint = [&] { ++after; };
    auto result = printer.print(canvas, run);
    EXPECT_EQ(result.labels, 2);
    EXPECT_EQ(after, 2);
    auto texts = canvas.texts(1);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "B");
    EXPECT_EQ(indexOf(printer, canvas, texts[1]), 1);  // right beside A
}

TEST(LabelPrinter, HookSeesStopAtTheEndAndAFullSheetStartsANewPageInOneJob)
{
    Walk w;
    for (int i = 0; i < 5; ++i) w.records.push_back(std::to_string(i));
    LabelPrinter printer(LabelStock::parcel(), oneTextLayout(w));
    RecordingCanvas canvas;
    LabelRun run = w.run();
    std::vector<LabelAction> seen;
    run.beforePrint = [&](LabelAction& a) { seen.push_back(a); };
    auto result = printer.print(canvas, run);
    EXPECT_EQ(result.labels, 5);
    EXPECT_EQ(result.sheets, 2);
    EXPECT_EQ(seen.back(), LabelAction::Stop);
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_EQ(canvas.pageCount(), 2);
    EXPECT_EQ(canvas.texts(2).size(), 1u);
    int begins = 0;
    for (const auto& op : canvas.ops()) begins += op.kind == CanvasOp::Begin;
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(canvas.texts(1)[0].orientation, Orientation::Landscape);
}

TEST(LabelPrinter, EmptyRunOpensNoJob)
{
    Walk w;
    LabelPrinter printer(LabelStock::address(), oneTextLayout(w));
    RecordingCanvas canvas;
    auto result = printer.print(canvas, w.run());
    EXPECT_EQ(result.labels, 0);
    EXPECT_TRUE(canvas.ops().empty());
}

TEST(LabelPrinter, BlankLinesOfAStackTakeNoRoom)
{
    LabelStack s;
    for (int i = 0; i < 7; ++i) {
        LabelText t;
        t.height = i == 0 ? 18 : 17;
        t.text = "x";
        s.lines.push_back(t);
    }
    EXPECT_EQ(stackLineTops(s), (std::vector<int>{1, 20, 38, 56, 74, 92, 110}));
    s.lines[2].text = "   ";
    EXPECT_EQ(stackLineTops(s), (std::vector<int>{1, 20, -1, 38, 56, 74, 92}));
}

TEST(LabelPrinter, CentringPutsTheGridInTheMiddleOfThePage)
{
    LabelPrinter printer(LabelStock::address(), {});
    RecordingCanvas canvas(254);  // 10 pixels per millimetre
    int x0, y0, x1, y1;
    printer.labelOrigin(canvas, 0, true, x0, y0);
    printer.labelOrigin(canvas, 1, true, x1, y1);
    int gridRight = x1 + 990;
    EXPECT_NEAR(x0, canvas.pageWidth() - gridRight, 1);
    EXPECT_EQ(y0, 159);
}

TEST(LabelPrinter, TextIsCutToItsBoxUnlessItGrows)
{
    Walk w{{"ABCDEFGHIJ"}};
    LabelText t;
    t.width = 24;        // 1/4 inch = 75 pixels at 300 dpi
    t.charHeight = 16;   // 12 pt: 25 pixels a character on the recording canvas
    t.value = [&w] { return w.records[w.at]; };
    LabelPrinter printer(LabelStock::address(), {{t}, {}});
    RecordingCanvas canvas;
    printer.print(canvas, w.run());
    EXPECT_EQ(canvas.texts(1).at(0).text, "ABC");
}

TEST(LabelPrinter, AbortedJobEndsTheRunAndIsReported)
{
    Walk w{{"A", "B", "C"}};
    LabelPrinter printer(LabelStock::address(), oneTextLayout(w));
    RecordingCanvas canvas;
    LabelRun run = w.run();
    run.afterPrint = [&] { if (w.at == 1) canvas.abort(); };  // Esc pressed while B printed
    auto result = printer.print(canvas, run);
    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.labels, 2);
    EXPECT_EQ(canvas.ops().back().kind, CanvasOp::Abort);
}
