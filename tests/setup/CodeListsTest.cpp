#include <gtest/gtest.h>

#include "data/Tdmod.h"
#include "print/RecordingCanvas.h"
#include "setup/CodeLists.h"
#include "support/TempDir.h"

using namespace bw::setup;

namespace {

struct Groups {
    bwtest::TempDir dir;
    bw::Tdmod dm;
    Groups()
    {
        dm.dmodCreate(dir.path().string());
        add("Breed", "B1", "Regular Classes", {"Best of Breed", "", "Best Puppy"});
        add("Breed", "NFC", "Not For Competition", {});
        add("Agility", "AG1", "Agility", {"Qualifiers"});
        add("Breed", "OLD", "Old group", {"x"});
        dm.CatGroups.deleteRecord();
    }
    void add(const std::string& section, const std::string& code, const std::string& header,
             std::vector<std::string> footers)
    {
        dm.CatGroups.append();
        dm.CatGroups.setField("section", section);
        dm.CatGroups.setField("cat_group", code);
        dm.CatGroups.setField("header", header);
        for (size_t k = 0; k < footers.size(); ++k) dm.CatGroups.setField("footer" + std::to_string(k + 1), footers[k]);
        dm.CatGroups.post();
    }
};

} // namespace

TEST(GroupCodeList, CodeOrderListsFootersAndSectionOrderOneLinePerGroup)
{
    Groups g;
    g.dm.CatGroups.setOrder("CODE");
    EXPECT_EQ((std::vector<std::string>{" ", "AG1\tAgility\tAgility", "\t\tQualifiers", " ",
                                        "B1 \tBreed\tRegular Classes", "\t\tBest of Breed", "\t\tBest Puppy", " ",
                                        "NFC\tBreed\tNot For Competition", " "}),
              groupCodeListLines(g.dm.CatGroups));
    g.dm.CatGroups.setOrder("Section");
    EXPECT_EQ((std::vector<std::string>{" ", "Agility        \tAG1\tAgility", "Breed          \tB1\tRegular Classes",
                                        "Breed          \tNFC\tNot For Competition"}),
              groupCodeListLines(g.dm.CatGroups));
}

TEST(GroupCodeList, PrintsTheTitleOnEveryPage)
{
    std::vector<std::string> lines(300, "B1 \tBreed\tHeader");
    bw::print::RecordingCanvas canvas(72);
    printGroupCodeList(canvas, lines, bw::print::Font{});
    int titles = 0, pages = 1, firstLineY = -1;
    const int h = 12 + 12 * 4 / 10;  // 12 points at 72 dpi, plus four tenths
    for (const auto& op : canvas.ops()) {
        if (op.kind == bw::print::CanvasOp::NewPage) ++pages;
        if (op.kind != bw::print::CanvasOp::Text) continue;
        if (op.text == "Catalog Grouping Codes") {
            ++titles;
            EXPECT_EQ(250, op.x);
            EXPECT_EQ(3 * h, op.y);
        } else if (firstLineY < 0) {
            firstLineY = op.y;
            EXPECT_EQ(150, op.x);
            EXPECT_EQ("B1      Breed   Header", op.text);
        }
    }
    EXPECT_EQ(5 * h, firstLineY);
    EXPECT_GT(pages, 1);
    EXPECT_EQ(pages, titles);
}

TEST(ClassCodeList, ShowModeNumbersOrdinaryClassesAndListsSpecialOnesLast)
{
    std::vector<ShowClass> classes;
    for (int n = 1; n <= 12; ++n) classes.push_back({"1", n, "Class " + std::to_string(n), "Breed", "B1", "B0", false});
    classes.push_back({"1", 901, "Junior Handling", "Junior", "BJR", "J901", false});
    classes.push_back({"1", 999, "Not For Competition", "Breed", "NFC", "N999", false});
    classes.push_back({"1", 1000, "Gone", "Breed", "B1", "B999", true});
    bw::print::RichDoc doc;
    buildShowCodeList(doc, classes);
    std::vector<std::string> lines = doc.lines();
    ASSERT_EQ(4u + 12u + 3u, lines.size());
    EXPECT_EQ("\tClass #\tClass Name", lines[2]);
    EXPECT_EQ("\t    1\tClass 1", lines[4]);
    EXPECT_EQ("\t   12\tClass 12", lines[15]);
    EXPECT_EQ(" ", lines[16]);
    EXPECT_EQ("\t\tJunior Handling", lines[17]);
    EXPECT_EQ("\t\tNot For Competition", lines[18]);
}

TEST(ClassCodeList, LibraryMarksDeletedRecordsOnlyWhileShown)
{
    bwtest::TempDir dir;
    bw::Tdmod dm;
    dm.dmodCreate(dir.path().string());
    for (const char* key : {"B010", "B020"}) {
        dm.AllClasses.append();
        dm.AllClasses.setField("section", "Breed");
        dm.AllClasses.setField("classname", std::string("Class ") + key);
        dm.AllClasses.setField("allkey", key);
        dm.AllClasses.setField("cat_group", "B1");
        dm.AllClasses.post();
    }
    dm.AllClasses.deleteRecord();
    bw::print::RichDoc doc;
    buildLibraryCodeList(doc, dm.AllClasses);
    std::vector<std::string> shown = doc.lines();
    EXPECT_EQ("\tList of All Classes Database and Codes  -  # indicates a Deleted Record not being used", shown[0]);
    EXPECT_EQ("\tBreed          \tClass B010               \t\tB010\tB1", shown[4]);
    EXPECT_EQ("#\tBreed          \tClass B020               \t\tB020\tB1", shown[5]);
    dm.AllClasses.setHideDeleted(true);
    buildLibraryCodeList(doc, dm.AllClasses);
    EXPECT_EQ(5u, doc.lines().size());
    EXPECT_EQ("\tList of All Classes Database and Codes - No Deleted Records shown", doc.lines()[0]);
}
