#include <gtest/gtest.h>

#include "catalogue/OpenShowTest.h"
#include "numbering/ExhibitNumbers.h"
#include "xbase/IndexDump.h"

namespace {

using Strings = std::vector<std::string>;

class ExhibitNumbersTest : public bwtest::OpenShowTest {
protected:
    void setOrder(const char* name) { m.TzDbf1.setOrder(bw::findExhibitOrder(name)->tag); }
    Strings arms()
    {
        Strings out;
        for (uint32_t r = 1; r <= m.TzDbf1.recordCount(); ++r) out.push_back(arm(r));
        return out;
    }
};

TEST_F(ExhibitNumbersTest, CatalogueOrderBySurnameThenInputOrderWithClassZeroFirst)
{
    addEntry({{"last", "Brown"}, {"first", "Ann"}, {"classes", "2"}});
    addEntry({{"last", "Smith"}, {"first", "Bob"}, {"classes", "1"}});
    addEntry({{"last", "Adams"}, {"first", "Cy"}, {"classes", "1"}});
    addEntry({{"last", "Jones"}, {"first", "Di"}, {"classes", "2"}});
    addEntry({{"last", "Jones"}, {"first", "Di"}, {"classes", "2"}});  // same owner, same class
    addEntry({{"last", "Zeta"}, {"first", "Ed"}, {"classes", ""}});    // no readable class
    setOrder("clnumlast");

    EXPECT_EQ(bw::AssignExhibitNumbers(m.TzDbf1, 101), 6);
    // Class 0 first; Adams before Smith in class 1; the two equal keys in input order.
    EXPECT_EQ(arms(), (Strings{"104", "103", "102", "105", "106", "101"}));
    // The window shows the first record of its order afterwards.
    EXPECT_EQ(m.TzDbf1.currentTag(), "CLNUMLAST");
    EXPECT_EQ(m.TzDbf1.recNo(), 6u);
}

TEST_F(ExhibitNumbersTest, EveryOrderNumbersInItsOwnSequence)
{
    addEntry({{"last", "Brown"}, {"classes", "3"}, {"atc_num", "C1"}, {"arm", "7"}});
    addEntry({{"last", "Adams"}, {"classes", "3"}, {"atc_num", "A1"}, {"arm", "12"}});
    addEntry({{"last", "Clark"}, {"classes", "1"}, {"atc_num", "B1"}, {"arm", "9"}});
    struct Case {
        const char* order;
        Strings expected;  // the numbers of records 1, 2, 3
    };
    const Case cases[] = {
        {"clnumlast", {"3", "2", "1"}},
        {"classnum", {"2", "3", "1"}},
        {"regnum", {"3", "1", "2"}},
        {"armband", {"1", "3", "2"}},
        {"input", {"1", "2", "3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        // Back to the numbers the armband case starts from, so each case stands alone.
        for (uint32_t r = 1; r <= 3; ++r) m.TzDbf1.poke(Strings{"7", "12", "9"}[r - 1], m.TzDbf1.fieldNumber("arm"), r);
        setOrder(c.order);
        bw::AssignExhibitNumbers(m.TzDbf1, 1);
        EXPECT_EQ(arms(), c.expected);
    }
}

TEST_F(ExhibitNumbersTest, ArmbandOrderIsWalkedAsItStoodAtTheStart)
{
    // Written into this order, every new number sends the record past the others: a
    // walk following the live order would stop after the first record.
    for (const char* a : {"5", "3", "", "1", "4"}) addEntry({{"classes", "1"}, {"arm", a}});
    setOrder("armband");
    EXPECT_EQ(bw::AssignExhibitNumbers(m.TzDbf1, 101), 5);
    EXPECT_EQ(arms(), (Strings{"105", "103", "101", "102", "104"}));

    // The order then lists the exhibits in their new numeric order, in memory and in
    // the index file on disk.
    Strings walked;
    for (m.TzDbf1.first(); !m.TzDbf1.eof(); m.TzDbf1.next()) walked.push_back(arm(m.TzDbf1.recNo()));
    EXPECT_EQ(walked, (Strings{"101", "102", "103", "104", "105"}));
    BW_REQUIRE_PROGRAM("index_dump");
    const std::string mdx = m.TzDbf1.indexFile();
    std::vector<uint32_t> onDisk;
    for (const bwtest::DumpedKey& k : bwtest::indexDump(mdx, "ARMBAND", 5)) onDisk.push_back(k.recno);
    EXPECT_EQ(onDisk, (std::vector<uint32_t>{3, 4, 2, 5, 1}));
}

TEST_F(ExhibitNumbersTest, DeletedEntriesKeepTheirNumbersAndLeaveNoGap)
{
    addEntry({{"last", "Adams"}, {"classes", "1"}, {"arm", "50"}});
    addEntry({{"last", "Baker"}, {"classes", "1"}, {"arm", "51"}}, true);
    addEntry({{"last", "Clark"}, {"classes", "1"}, {"arm", "52"}});
    setOrder("clnumlast");
    EXPECT_EQ(bw::AssignExhibitNumbers(m.TzDbf1, 101), 2);
    EXPECT_EQ(arms(), (Strings{"101", "51", "102"}));
    // Hidden or shown, a marked record is passed over.
    m.TzDbf1.setHideDeleted(true);
    bw::AssignExhibitNumbers(m.TzDbf1, 201);
    EXPECT_EQ(arms(), (Strings{"201", "51", "202"}));
}

TEST_F(ExhibitNumbersTest, NegativeAndLargeStarts)
{
    for (int i = 0; i < 3; ++i) addEntry({{"classes", "1"}});
    setOrder("input");
    bw::AssignExhibitNumbers(m.TzDbf1, -1);
    EXPECT_EQ(arms(), (Strings{"-1", "0", "1"}));
    bw::AssignExhibitNumbers(m.TzDbf1, 32767);
    EXPECT_EQ(arms(), (Strings{"32767", "32768", "32769"}));
}

TEST_F(ExhibitNumbersTest, AutoAssignAsksOnceBeforeReplacingNumbers)
{
    for (int i = 0; i < 3; ++i) addEntry({{"classes", "1"}});
    setOrder("input");

    // Blank numbers are given without a question, and so is a run that changes nothing.
    EXPECT_EQ(bw::AutoAssign(m.TzDbf1, 101, prompter), 3);
    EXPECT_EQ(bw::AutoAssign(m.TzDbf1, 101, prompter), 3);
    EXPECT_TRUE(prompter.questions().empty());

    // A number typed by hand: one question, and No leaves every number as it was.
    m.TzDbf1.poke("7", m.TzDbf1.fieldNumber("arm"), 2);
    prompter.press('N');
    EXPECT_EQ(bw::AutoAssign(m.TzDbf1, 101, prompter), -1);
    EXPECT_EQ(arms(), (Strings{"101", "7", "103"}));
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].caption, "Auto Assign");
    EXPECT_EQ(prompter.questions()[0].buttons, "Yes No");
    EXPECT_EQ(prompter.messages()[0], bw::replaceNumbersQuestion(1, 101));
    EXPECT_EQ(prompter.messages()[0],
              "Auto Assign numbers every entry not marked deleted, starting with 101.;"
              "1 entry already holds an Exhibit # that will be replaced (typed by hand or given earlier).;;"
              "This cannot be undone.  Replace the numbers now?");

    prompter.press('Y');
    EXPECT_EQ(bw::AutoAssign(m.TzDbf1, 101, prompter), 3);
    EXPECT_EQ(arms(), (Strings{"101", "102", "103"}));
    // Another start changes every number.
    EXPECT_EQ(bw::CountReplacedNumbers(m.TzDbf1, 1), 3);
}

TEST(ExhibitOrders, CommandLineNames)
{
    EXPECT_STREQ(bw::findExhibitOrder("ARMBAND")->tag, "ARMBAND");
    EXPECT_STREQ(bw::findExhibitOrder("input")->tag, "");
    EXPECT_EQ(bw::findExhibitOrder("name"), nullptr);
    EXPECT_EQ(bw::exhibitNumberText(123456), "12345");
}

} // namespace
