// Printing through the Qt canvas into PDF files, read back with pdftotext. The sample
// pages are also left in <build>/print-samples/ for a person to look at.

#include "print/BandReport.h"
#include "print/LabelPrinter.h"
#include "print/RichTextPrinter.h"
#include "print/qt/BandReportPreview.h"
#include "print/qt/ListingWindow.h"
#include "print/qt/PrinterCanvas.h"

#include "support/TempDir.h"

#include <QDir>
#include <QPrinter>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace bw::print;

namespace {

std::string pdfText(const QString& path)
{
    return bwtest::runCommand("pdftotext -layout '" + path.toStdString() + "' -");
}

std::vector<std::string> pdfPages(const QString& path)
{
    std::string all = pdfText(path);
    std::vector<std::string> pages;
    size_t start = 0, ff;
    while ((ff = all.find('\f', start)) != std::string::npos) {
        pages.push_back(all.substr(start, ff - start));
        start = ff + 1;
    }
    return pages;
}

QString samplePath(const QString& name)
{
    QString dir = QString(BW_BINARY_DIR) + "/print-samples";
    QDir().mkpath(dir);
    return dir + "/" + name;
}

struct Person {
    std::string name, a1, a2, a3, a4, zip, country;
};

const std::vector<Person> kPeople = {
    {"Mrs Margaret Ashdown", "Hollybank Cottage", "12 Mill Lane", "LITTLE BRINDLE", "Kent", "TN12 6QX", "England"},
    {"Mr Tomás Ó Briain", "The Old Forge", "", "KILKENNY", "", "R95 X2Y4", "Ireland"},
    {"Dr Jean & Pat Carruthers", "4 Station Road", "Upper Wickham", "YORK", "", "YO30 4AB", ""},
    {"Miss Élodie Fairweather", "Flat 2, 77 Harbour Street", "", "WHITBY", "North Yorkshire", "YO21 3PU", "England"},
    {"Mr & Mrs D. Hartley-Smythe", "Brackenridge Farm", "Moor Road", "HAWORTH", "West Yorkshire", "BD22 8RT", ""},
};

} // namespace

TEST(PdfPrint, ThreePageRichTextHasTitleAndPageNumberOnEveryPage)
{
    BW_REQUIRE_PROGRAM("pdftotext");
    RichDoc doc;
    doc.setTabStops({50, 200});
    for (int i = 1; i <= 150; ++i) {
        doc.setFont("Arial", i % 10 == 0 ? 12 : 10, i % 10 == 0);
        doc.addLine("  " + std::to_string(i) + "\tClass line\t" + std::to_string(i * 3));
    }
    bwtest::TempDir dir;
    QString path = QString::fromStdString(dir.file("listing.pdf"));
    auto printer = makePdfPrinter(path);
    PrinterCanvas canvas(*printer);
    RichPrintSetup setup;
    setup.title = "Count Entries per Class";
    int pages = printRichDoc(canvas, doc, setup);
    ASSERT_EQ(pages, 3);
    auto texts = pdfPages(path);
    ASSERT_EQ(texts.size(), 3u);
    for (int p = 0; p < 3; ++p) {
        EXPECT_NE(texts[p].find("Count Entries per Class"), std::string::npos) << texts[p];
        EXPECT_NE(texts[p].find("Page " + std::to_string(p + 1)), std::string::npos) << texts[p];
    }
    EXPECT_NE(texts[0].find("Class line"), std::string::npos);
}

TEST(PdfPrint, SampleListingPage)
{
    BW_REQUIRE_PROGRAM("pdftotext");
    ListingConfig config;
    config.caption = "Count Entries per Class";
    config.print.title = "Count Entries per Class";
    config.build = [](RichDoc& d) {
        d.setFont("Arial", 12, true);
        d.addLine("Brindlewick & District Canine Society");
        d.setFont("Arial", 10, true);
        d.addLine("Saturday 14 March 2026");
        d.setFont("Arial", 12);
        d.addLine(" ");
        d.setFont("Arial", 12, true);
        d.addLine("Class #   Description    \tNumber of Entries");
        d.setFont("Arial", 10);
        d.setTabStops({50, 200});
        const char* names[] = {"Minor Puppy Dog", "Puppy Dog", "Junior Dog", "Post Graduate Dog",
                               "Limit Dog", "Open Dog", "Minor Puppy Bitch", "Puppy Bitch"};
        for (int i = 0; i < 8; ++i) {
            char line[120];
            std::snprintf(line, sizeof line, "  %3d\t%-40s\t%5d", i + 1, names[i], (i * 7) % 11 + 1);
            d.addLine(line);
        }
        d.addLine(" ");
        d.addLine("Total Exhibits =     41");
        d.addLine("Total Entries =     52");
        d.setFont("Arial", 10, false, true, true);
        d.addLine("Italic, underlined: Café Résumé – €12");
    };
    ListingWindow w(config);
    w.show();
    QString path = samplePath("listing.pdf");
    auto printer = makePdfPrinter(path);
    EXPECT_EQ(w.printTo(*printer), 1);
    std::string text = pdfText(path);
    EXPECT_NE(text.find("Brindlewick & District Canine Society"), std::string::npos) << text;
    EXPECT_NE(text.find("Post Graduate Dog"), std::string::npos);
    EXPECT_NE(text.find("Café Résumé – €12"), std::string::npos) << text;
    EXPECT_NE(text.find("Page 1"), std::string::npos);
}

TEST(PdfPrint, SampleSheetOfAddressLabels)
{
    BW_REQUIRE_PROGRAM("pdftotext");
    size_t at = 0;
    auto field = [&](std::string Person::*member) {
        return [&at, member] { return kPeople[at % kPeople.size()].*member; };
    };
    LabelStack stack;
    stack.left = 9;
    stack.top = 8;
    stack.width = 352;
    stack.height = 128;
    auto line = [&](std::string Person::*member, int left, int width, int height) {
        LabelText t;
        t.left = left;
        t.width = width;
        t.height = height;
        t.charHeight = 13;
        t.value = field(member);
        stack.lines.push_back(t);
    };
    line(&Person::name, 22, 325, 18);
    line(&Person::a1, 22, 325, 17);
    line(&Person::a2, 22, 325, 17);
    line(&Person::a3, 22, 325, 17);
    line(&Person::a4, 22, 325, 17);
    line(&Person::zip, 22, 325, 17);
    line(&Person::country, 21, 65, 17);
    LabelPrinter printer(LabelStock::address(), {{}, {stack}});

    LabelRun run;
    run.title = "Address Mailing Labels";
    run.startRow = 2;  // position 3: the first row was used before
    run.atEnd = [&] { return at >= 12; };
    run.next = [&] { ++at; };
    QString path = samplePath("labels.pdf");
    auto qprinter = makePdfPrinter(path);
    PrinterCanvas canvas(*qprinter);
    auto result = printer.print(canvas, run);
    EXPECT_EQ(result.labels, 12);
    EXPECT_EQ(result.sheets, 1);
    std::string text = pdfText(path);
    EXPECT_NE(text.find("Mr Tomás Ó Briain"), std::string::npos) << text;
    EXPECT_NE(text.find("Dr Jean & Pat Carruthers"), std::string::npos);
    EXPECT_EQ(text.find('\f'), text.size() - 1);  // one page
}

TEST(PdfPrint, SampleBandReportPage)
{
    BW_REQUIRE_PROGRAM("pdftotext");
    struct Cls {
        std::string num, name, section, group, allkey, count;
    };
    std::vector<Cls> rows;
    const char* names[] = {"Minor Puppy Dog", "Puppy Dog", "Junior Dog", "Yearling Dog", "Novice Dog",
                           "Graduate Dog", "Post Graduate Dog", "Limit Dog", "Open Dog", "Veteran Dog"};
    for (int i = 0; i < 30; ++i)
        rows.push_back({std::to_string(i + 1), names[i % 10], i < 20 ? "Breed" : "Obedience",
                        i < 20 ? "B1" : "OB", "A" + std::to_string(100 + i), i % 4 ? std::to_string(i % 9) : ""});
    size_t at = 0;
    auto col = [&](std::string Cls::*m) { return [&at, &rows, m] { return rows[at].*m; }; };
    Font bold{"Arial", 12, true}, cap{"Arial", 10, true}, reg{"Arial", 10};

    BandReportDef d;
    d.title = "Selected Show Classes for this Show";
    d.titleBand.heightMm = 13.229;
    d.titleBand.items.push_back(ReportItem::label(1.058, 0, 203.2, 5, bold, "Selected Show Classes for this Show", Align::Center));
    d.titleBand.items.push_back(ReportItem::label(7.408, 0, 203.2, 5, bold,
        "Brindlewick & District CS - Show # 12  Saturday 14 March 2026", Align::Center));
    d.pageHeader.heightMm = 6.35;
    d.pageHeader.items = {ReportItem::label(1.058, 13.494, 25, 4, cap, "Class Number"),
                          ReportItem::label(1.058, 45.773, 70, 4, cap, "Class Description"),
                          ReportItem::label(1.058, 121.709, 18, 4, cap, "Section"),
                          ReportItem::label(1.058, 140.494, 18, 4, cap, "Cat Group"),
                          ReportItem::label(1.058, 159.809, 12, 4, cap, "AllKey"),
                          ReportItem::label(1.058, 172.773, 28, 4, cap, "Exhibit Counts")};
    d.detail.heightMm = 6.35;
    d.detail.items = {ReportItem::field(1, 15.61, 20, 4, reg, col(&Cls::num), Align::Center),
                      ReportItem::field(1, 45.508, 70, 4, reg, col(&Cls::name)),
                      ReportItem::field(1, 121.709, 18, 4, reg, col(&Cls::section)),
                      ReportItem::field(1, 142.346, 15, 4, reg, col(&Cls::group)),
                      ReportItem::field(1, 159.809, 12, 4, reg, col(&Cls::allkey)),
                      ReportItem::field(1, 176.742, 20, 4, reg, col(&Cls::count), Align::Center),
                      ReportItem::hline(0, 0, 203.2, 0.1, LineStyle::Dotted)};
    d.pageFooter.heightMm = 13.229;
    ReportItem date;
    date.topMm = 1.058;
    date.leftMm = 24.606;
    date.font = reg;
    date.pageValue = [](const ReportPageInfo& i) { return i.printDate; };
    ReportItem pages = date;
    pages.leftMm = 171.186;
    pages.pageValue = pageOfPages;
    d.pageFooter.items = {ReportItem::label(1.058, 5.292, 20, 4, reg, "Printed On:"), date, pages};

    QString path = samplePath("band-report.pdf");
    auto printer = makePdfPrinter(path);
    int n = printBandReportOn(*printer, d, [&] {
        at = 0;
        return ReportRecords{[&] { return at >= rows.size(); }, [&] { ++at; }};
    }, "11/12/2026");
    EXPECT_EQ(n, 1);
    std::string text = pdfText(path);
    EXPECT_NE(text.find("Selected Show Classes for this Show"), std::string::npos) << text;
    EXPECT_NE(text.find("Post Graduate Dog"), std::string::npos);
    EXPECT_NE(text.find("Page 1 of 1"), std::string::npos);
    EXPECT_NE(text.find("11/12/2026"), std::string::npos);
}

TEST(PdfPrint, SampleAwardCardsTwoToASheet)
{
    BW_REQUIRE_PROGRAM("pdftotext");
    struct Card {
        std::string placement, cls, judge;
    };
    std::vector<Card> cards = {{"FIRST", "Minor Puppy Dog", "Mrs Eleanor Whitcombe-Ravensworth"},
                               {"FIRST", "Post Graduate Bitch", "Mrs Eleanor Whitcombe-Ravensworth"},
                               {"FIRST", "Open Dog", "Mr P. Lee"}};
    size_t at = 0;
    auto bold = [](double pt) { return Font{"Arial", pt, true}; };
    BandReportDef d;
    d.title = "Award Cards";
    d.paper = PaperSize::a4();
    d.detail.heightMm = 139.7;
    auto fixed = [&](double top, double left, double width, double height, double pt, std::string text,
                     Align a = Align::Left) { return ReportItem::label(top, left, width, height, bold(pt), text, a); };
    auto field = [&](double top, double left, double width, double height, double pt,
                     std::string Card::*m, Align a = Align::Left) {
        return ReportItem::field(top, left, width, height, bold(pt), [&at, &cards, m] { return cards[at].*m; }, a);
    };
    d.detail.items = {
        fixed(16.404, 12.965, 170.127, 5.821, 14, "BRINDLEWICK & DISTRICT CANINE SOCIETY", Align::Center),
        fixed(28.046, 13.494, 169.334, 4.995, 12, "CHAMPIONSHIP SHOW", Align::Center),
        fixed(37.306, 13.229, 169.863, 4.233, 10, "Saturday 14 March 2026", Align::Center),
        field(53.975, 12.700, 170.127, 6.646, 16, &Card::placement, Align::Center),
        fixed(78.317, 47.784, 17.198, 4.995, 12, "JUDGE:   "),
        field(78.317, 67.469, 0, 4.995, 12, &Card::judge),
        fixed(88.371, 48.154, 18.034, 4.995, 12, "CLASS:  "),
        field(88.371, 67.733, 0, 4.995, 12, &Card::cls),
        fixed(102.659, 33.602, 28.871, 4.657, 11, "AWARDED TO: "),
        ReportItem::hline(102.923, 65.617, 86.784, 3.969),
        fixed(115.094, 35.190, 26.458, 4.657, 11, "EXHIBIT NO.:"),
        ReportItem::hline(115.094, 65.088, 26.194, 3.969),
    };
    QString path = samplePath("award-cards.pdf");
    auto printer = makePdfPrinter(path);
    int n = printBandReportOn(*printer, d, [&] {
        at = 0;
        return ReportRecords{[&] { return at >= cards.size(); }, [&] { ++at; }};
    }, "");
    EXPECT_EQ(n, 2);  // two cards to a sheet
    auto pages = pdfPages(path);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].find("Mrs Eleanor Whitcombe-Ravensworth"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("Post Graduate Bitch"), std::string::npos);
    EXPECT_NE(pages[1].find("Open Dog"), std::string::npos);
}
