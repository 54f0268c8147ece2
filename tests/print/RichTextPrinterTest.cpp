#include "print/RecordingCanvas.h"
#include "print/RichTextPrinter.h"

#include <gtest/gtest.h>

using namespace bw::print;

namespace {

constexpr int kDpi = 254;  // 10 pixels per millimetre, so margins read as millimetres

bool isFrame(const CanvasOp& op) { return op.font.name == "Courier New"; }

} // namespace

TEST(RichTextPrinter, EveryPageHasTheTitleAtTheRightAndItsPageNumber)
{
    RichDoc doc;
    for (int i = 0; i < 150; ++i) doc.addLine("Line " + std::to_string(i));
    RecordingCanvas canvas(kDpi);
    RichPrintSetup setup;
    setup.title = "Class Counts";
    int pages = printRichDoc(canvas, doc, setup);
    ASSERT_GE(pages, 3);
    EXPECT_EQ(canvas.pageCount(), pages);
    const int right = canvas.pageWidth() - 150;
    for (int p = 1; p <= pages; ++p) {
        std::vector<CanvasOp> frame;
        for (const auto& op : canvas.texts(p))
            if (isFrame(op)) frame.push_back(op);
        ASSERT_EQ(frame.size(), 2u) << "page " << p;
        EXPECT_EQ(frame[0].text, "Class Counts");
        EXPECT_EQ(frame[0].x + canvas.textWidth("Class Counts"), right);
        EXPECT_LT(frame[0].y, 300);  // in the top margin
        EXPECT_EQ(frame[1].text, "Page " + std::to_string(p));
        EXPECT_EQ(frame[1].font.points, 10);
        EXPECT_GT(frame[1].y, canvas.pageHeight() - 250);  // in the bottom margin
    }
}

TEST(RichTextPrinter, BodyStaysWithinTheMarginsAndKeepsItsOrder)
{
    RichDoc doc;
    std::string words;
    for (int i = 0; i < 400; ++i) words += "word" + std::to_string(i) + " ";
    doc.addLine(words);
    RecordingCanvas canvas(kDpi);
    RichPrintSetup setup;
    setup.orientation = Orientation::Landscape;
    int pages = printRichDoc(canvas, doc, setup);
    ASSERT_GE(pages, 1);
    EXPECT_GT(canvas.pageWidth(), canvas.pageHeight());
    std::string seen;
    for (int p = 1; p <= pages; ++p)
        for (const auto& op : canvas.texts(p)) {
            if (isFrame(op)) continue;
            canvas.setFont(op.font);
            EXPECT_GE(op.x, 250);
            EXPECT_LE(op.x + canvas.textWidth(op.text), canvas.pageWidth() - 150) << op.text;
            EXPECT_GE(op.y, 300);
            EXPECT_LE(op.y + canvas.lineHeight(), canvas.pageHeight() - 250);
            seen += op.text + " ";
        }
    // every word printed once, in order (the line ends are where the blanks were)
    std::string expected = words;
    auto squeeze = [](std::string s) {
        std::string o;
        for (char c : s)
            if (c != ' ' || (!o.empty() && o.back() != ' ')) o += c;
        while (!o.empty() && o.back() == ' ') o.pop_back();
        return o;
    };
    EXPECT_EQ(squeeze(seen), squeeze(expected));
}

TEST(RichTextPrinter, TabsAlignToTheStopsAndIndentMovesTheLine)
{
    RichDoc doc;
    doc.setTabStops({50, 200});
    doc.addLine("  1\tMinor Puppy\t   12");
    doc.setLeftIndent(40);
    doc.addLine("indented");
    doc.addLine("\t\t\tpast the stops");
    RecordingCanvas canvas(72 * 4);  // 4 pixels per point
    RichPrintSetup setup;
    setup.leftMm = 25.4;  // one inch: 288 pixels
    printRichDoc(canvas, doc, setup);
    const int left = 288;
    ASSERT_NE(canvas.findText("Minor Puppy"), nullptr);
    EXPECT_EQ(canvas.findText("  1")->x, left);
    EXPECT_EQ(canvas.findText("Minor Puppy")->x, left + 50 * 4);
    EXPECT_EQ(canvas.findText("   12")->x, left + 200 * 4);
    EXPECT_EQ(canvas.findText("indented")->x, left + 40 * 4);
    // beyond the last stop, tabs fall every half inch after it
    EXPECT_EQ(canvas.findText("past the stops")->x, left + (200 + 36) * 4);
}

TEST(RichTextPrinter, EmptyLinesTakeTheHeightOfTheirFormat)
{
    RichDoc doc;
    doc.addLine("first");
    doc.setFont("Arial", 20);
    doc.addLine("");
    doc.setFont("Arial", 10);
    doc.addLine("after");
    RecordingCanvas canvas(kDpi);
    printRichDoc(canvas, doc, {});
    canvas.setFont(Font{"Arial", 10});
    int small = canvas.lineHeight();
    canvas.setFont(Font{"Arial", 20});
    int big = canvas.lineHeight();
    EXPECT_EQ(canvas.findText("after")->y - canvas.findText("first")->y, small + big);
}

TEST(RichTextPrinter, BordersFrameTheTextAreaOnEveryPage)
{
    RichDoc doc;
    for (int i = 0; i < 100; ++i) doc.addLine("help line");
    RecordingCanvas canvas(kDpi);
    RichPrintSetup setup;
    setup.topMm = setup.bottomMm = setup.leftMm = setup.rightMm = 30;
    setup.pageBorders = true;
    int pages = printRichDoc(canvas, doc, setup);
    ASSERT_GE(pages, 2);
    for (int p = 1; p <= pages; ++p) EXPECT_EQ(canvas.lines(p).size(), 4u);
}
