#include "print/BandReport.h"
#include "print/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace bw::print;

namespace {

struct Rows {
    std::vector<std::string> values;
    size_t at = 0;
    ReportRecords records()
    {
        return {[this] { return at >= values.size(); }, [this] { ++at; }};
    }
};

BandReportDef listDef(Rows& rows, bool wrap = false)
{
    BandReportDef d;
    d.title = "Classes";
    d.titleBand.heightMm = 13;
    d.titleBand.items.push_back(ReportItem::label(1, 0, 200, 5, {"Arial", 12, true}, "Selected Show Classes", Align::Center));
    d.pageHeader.heightMm = 6;
    d.pageHeader.items.push_back(ReportItem::label(1, 0, 30, 4, {"Arial", 10, true}, "Class"));
    d.detail.heightMm = 6;
    d.detail.grows = wrap;
    ReportItem f = ReportItem::field(1, 0, 40, 4, {"Arial", 10}, [&rows] { return rows.values[rows.at]; });
    f.wrap = wrap;
    d.detail.items.push_back(f);
    d.pageFooter.heightMm = 13;
    d.pageFooter.items.push_back(ReportItem::label(1, 5, 20, 4, {"Arial", 10}, "Printed On:"));
    ReportItem date;
    date.topMm = 1;
    date.leftMm = 25;
    date.font = {"Arial", 10};
    date.pageValue = [](const ReportPageInfo& i) { return i.printDate; };
    d.pageFooter.items.push_back(date);
    ReportItem pages;
    pages.topMm = 1;
    pages.leftMm = 170;
    pages.font = {"Arial", 10};
    pages.pageValue = pageOfPages;
    d.pageFooter.items.push_back(pages);
    return d;
}

int countText(const RecordingCanvas& c, int page, const std::string& s)
{
    int n = 0;
    for (const auto& op : c.texts(page)) n += op.text == s;
    return n;
}

} // namespace

TEST(BandReport, TitleOnceHeaderAndFooterOnEveryPageWithPageOfPages)
{
    Rows rows;
    for (int i = 1; i <= 100; ++i) rows.values.push_back("row " + std::to_string(i));
    RecordingCanvas canvas(254);
    int pages = printBandReport(canvas, listDef(rows), rows.records(), "11/12/2026");
    ASSERT_GE(pages, 2);
    for (int p = 1; p <= pages; ++p) {
        EXPECT_EQ(countText(canvas, p, "Selected Show Classes"), p == 1 ? 1 : 0);
        EXPECT_EQ(countText(canvas, p, "Class"), 1);
        EXPECT_EQ(countText(canvas, p, "11/12/2026"), 1);
        EXPECT_EQ(countText(canvas, p, "Page " + std::to_string(p) + " of " + std::to_string(pages)), 1);
    }
    // every record once, in order, never running into the footer
    int seen = 0;
    const int footerTop = canvas.pageHeight() - 64 - 130;
    for (int p = 1; p <= pages; ++p)
        for (const auto& op : canvas.texts(p))
            if (op.text.rfind("row ", 0) == 0) {
                EXPECT_EQ(op.text, "row " + std::to_string(++seen));
                EXPECT_LE(op.y - 10 + 60, footerTop);  // the band (6 mm) starts 1 mm above its text
            }
    EXPECT_EQ(seen, 100);
    // the title band comes first, the column header under it
    EXPECT_LT(canvas.findText("Selected Show Classes")->y, canvas.findText("Class")->y);
}

TEST(BandReport, GrowingDetailBandPushesTheNextRecordDown)
{
    Rows rows{{"short", "a long text that needs several lines in forty millimetres", "next"}};
    RecordingCanvas canvas(254);
    printBandReport(canvas, listDef(rows, true), rows.records(), "");
    int y0 = canvas.findText("short")->y;
    const CanvasOp* next = canvas.findText("next");
    ASSERT_NE(next, nullptr);
    int wrapped = 0;
    for (const auto& op : canvas.texts(1))
        if (op.y > y0 && op.y < next->y) ++wrapped;
    EXPECT_GE(wrapped, 3);
    EXPECT_GT(next->y - y0, 60 * 3);
}

TEST(BandReport, NoRecordsStillPrintsOnePage)
{
    Rows rows;
    RecordingCanvas canvas(254);
    EXPECT_EQ(printBandReport(canvas, listDef(rows), rows.records(), "d"), 1);
    EXPECT_NE(canvas.findText("Page 1 of 1"), nullptr);
}

TEST(BandReport, WrapBreaksAtBlanksAndCutsLongWords)
{
    RecordingCanvas canvas(72);  // 10 pt: 5 pixels a character
    canvas.setFont({"Arial", 10});
    EXPECT_EQ(wrapText(canvas, "ab cd efghij", 25), (std::vector<std::string>{"ab cd", "efghi", "j"}));
}
