#include <gtest/gtest.h>

#include "catalogue/Catalogue.h"
#include "catalogue/OpenShowTest.h"

namespace {

using Strings = std::vector<std::string>;

class CatalogueTest : public bwtest::OpenShowTest {
protected:
    void SetUp() override
    {
        OpenShowTest::SetUp();
        addClass(1, "Minor Puppy Dog", "Breed", "BR");
        addClass(2, "Puppy Dog", "Breed", "BR");
        addClass(3, "Junior Dog", "Breed", "BR");
        addClass(4, "Open Dog", "Breed", "BR");
        addClass(5, "Novice A", "Obedience", "OB");
        addClass(999, "Not For Competition", "Breed", "NFC");
        addClass(901, "Junior Handling", "Breed", "BJR", "J901");
    }

    void build() { bw::Build_Catalog(m, "KCC", 12); }

    // The catalogue in its order: "class also arm|dog name|entry|section|group".
    Strings catalogue()
    {
        xbase::Table& c = m.Catalog;
        Strings out;
        for (c.first(); !c.eof(); c.next())
            out.push_back(bw::trim(c.fieldText("classnum")) + " " + c.text("also_entry") + " " + c.text("arm") + "|" +
                          c.text("dog_name") + "|" + bw::trim(c.fieldText("recnum")) + "|" + c.text("section") + "|" +
                          c.text("catgroup"));
        return out;
    }

    // The count of every show class in stored order ("" when never counted).
    Strings counts()
    {
        Strings out;
        for (uint32_t r = 1; r <= m.ShowClasses.recordCount(); ++r)
            out.push_back(bw::trim(field(m.ShowClasses, r, "count")));
        return out;
    }
};

TEST_F(CatalogueTest, RecordsOfEachKindOfEntry)
{
    addEntry({{"dog", "Rover"}, {"titles", "Ch"}, {"classes", "3,1,2"}, {"arm", "101"}, {"height", "45"},
              {"teamcode", "3"}});
    addEntry({{"dog", "Bess"}, {"classes", "NFC"}, {"arm", "102"}});
    addEntry({{"dog", "Nameless"}, {"classes", ""}, {"arm", "103"}});
    addEntry({{"dog", "Gone"}, {"classes", "1,2"}, {"arm", "104"}}, true);
    addEntry({{"dog", "Tess"}, {"classes", "4"}, {"arm", "105"}, {"height", "50"}, {"jr_name", "Amy Lee"},
              {"jr_allkey", "J901"}});
    build();

    EXPECT_EQ(catalogue(), (Strings{
                               "0 0 103|Nameless|3||",
                               "1 0 101|Ch Rover|1|Breed|BR",
                               "2 1 101|Ch Rover|1|Breed|BR",
                               "3 1 101|Ch Rover|1|Breed|BR",
                               "4 0 105|Tess|5|Breed|BR",
                               "901 0 105|Amy Lee|5|Breed|BJR",
                               "999 0 102|Bess|2|Breed|NFC",
                           }));
    // Team code and height are carried; the junior record has no height.
    m.Catalog.first();
    m.Catalog.seek("  1");
    EXPECT_EQ(m.Catalog.fieldInt("teamcode"), 3);
    EXPECT_EQ(m.Catalog.text("height"), "45");
    m.Catalog.seek("901");
    EXPECT_EQ(m.Catalog.text("height"), "");
    EXPECT_EQ(m.Catalog.fieldInt("teamcode"), 0);

    // On return the table stands on its first record in catalogue order.
    m.Catalog.first();
    EXPECT_EQ(m.Catalog.currentTag(), "CLASSKEY");

    std::string also;
    EXPECT_TRUE(bw::Get_Also_Classes(m, 1, also));
    EXPECT_EQ(also, "2,3");
    EXPECT_FALSE(bw::Get_Also_Classes(m, 2, also));
    EXPECT_TRUE(prompter.questions().empty());
}

TEST_F(CatalogueTest, WithinAClassMainRecordsFirstThenAlsoEnteredByArmbandText)
{
    addEntry({{"dog", "A"}, {"classes", "4"}, {"arm", "102"}});
    addEntry({{"dog", "B"}, {"classes", "3,4"}, {"arm", "100"}});
    addEntry({{"dog", "C"}, {"classes", "4"}, {"arm", "101"}});
    addEntry({{"dog", "D"}, {"classes", "4"}, {"arm", "99"}});  // as text, "99" follows "102"
    build();
    Strings class4;
    for (const std::string& line : catalogue())
        if (line.rfind("4 ", 0) == 0) class4.push_back(line.substr(0, line.find('|')));
    EXPECT_EQ(class4, (Strings{"4 0 101", "4 0 102", "4 0 99", "4 1 100"}));
}

TEST_F(CatalogueTest, CountsEveryRecordOfAClass)
{
    addEntry({{"classes", "1,3,5"}});
    addEntry({{"classes", "3"}});
    addEntry({{"classes", "NFC"}});
    addEntry({{"classes", "3"}}, true);
    addEntry({{"classes", "4"}, {"jr_name", "Amy"}, {"jr_allkey", "J901"}});
    addEntry({{"classes", ""}});
    build();
    // Classes 1, 2, 3, 4, 5, 999, 901 in stored order; class 2 has no entries.
    EXPECT_EQ(counts(), (Strings{"1", "0", "2", "1", "1", "1", "1"}));
    EXPECT_EQ(m.Get_FullClassName(2), "Puppy Dog (No Entries)");
    EXPECT_EQ(m.Get_FullClassName(3), "Junior Dog (2)");
    EXPECT_TRUE(prompter.questions().empty());
}

TEST_F(CatalogueTest, UnknownClassNumbersAreToldExceptTheHighest)
{
    addEntry({{"classes", "7,4"}});
    addEntry({{"classes", "8,1"}});
    addEntry({{"classes", "950"}});
    build();
    // Class 950 is the last of the catalogue: passed over silently.
    EXPECT_EQ(prompter.messages(), (Strings{"In Get_Class_Counts - Class Number 7 not found in Show Classes",
                                            "In Get_Class_Counts - Class Number 8 not found in Show Classes"}));
    EXPECT_EQ(counts(), (Strings{"1", "0", "0", "1", "0", "0", "0"}));
    // Records of unknown classes belong to no section or group.
    EXPECT_EQ(catalogue()[2], "7 1 ||1||");
}

TEST_F(CatalogueTest, SharedClassNumberTakesTheLastPlaceAndTheFirstCount)
{
    addClass(999, "Not For Competition (Obedience)", "Obedience", "NFC");
    addEntry({{"dog", "Bess"}, {"classes", "NFC"}});
    addEntry({{"dog", "Jet"}, {"classes", "NFC"}});
    build();
    // The place from the last class numbered 999 in stored order ...
    EXPECT_EQ(catalogue(), (Strings{"999 0 |Bess|1|Obedience|NFC", "999 0 |Jet|2|Obedience|NFC"}));
    // ... and the count on the first one in class-number order.
    EXPECT_EQ(counts(), (Strings{"0", "0", "0", "0", "0", "2", "0", "0"}));
}

TEST_F(CatalogueTest, MoreThanSixClassesKeepsSixPlacesAndSaysSo)
{
    addEntry({{"dog", "Busy"}, {"classes", "9,8,7,5,4,3,2,1"}});
    build();
    Strings classes;
    for (const std::string& line : catalogue()) classes.push_back(line.substr(0, line.find(' ')));
    // The first six as typed, in class order.
    EXPECT_EQ(classes, (Strings{"3", "4", "5", "7", "8", "9"}));
    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_EQ(prompter.messages()[0],
              "These entries name more than 6 classes, and only their first 6 are in the catalogue:;"
              ";Rec # 1  [9,8,7,5,4,3,2,1];;Please correct their Classes Entered.");
}

TEST_F(CatalogueTest, TwoBuildsInARowGiveTheSameTable)
{
    for (int i = 0; i < 40; ++i)
        addEntry({{"dog", "Dog " + std::to_string(i)}, {"classes", std::to_string(1 + i % 5) + "," + std::to_string(1 + i % 3)},
                  {"arm", std::to_string(140 - i)}},
                 i % 7 == 0);
    build();
    const Strings first = catalogue();
    const Strings firstCounts = counts();
    build();
    EXPECT_EQ(catalogue(), first);
    EXPECT_EQ(counts(), firstCounts);
    EXPECT_EQ(m.Catalog.recordCount(), first.size());
    // A build after the table was closed (another window, or the show reopened) too.
    m.Catalog.close();
    build();
    EXPECT_EQ(catalogue(), first);
}

TEST_F(CatalogueTest, ClassShowsSexFromTheLibrary)
{
    auto libraryClass = [&](const char* allkey, const char* sex) {
        m.AllClasses.append();
        m.AllClasses.setField("allkey", allkey);
        m.AllClasses.setField("sex", sex);
        m.AllClasses.post();
    };
    libraryClass("A001", "");
    libraryClass("A002", "D");
    addClass(10, "Open", "Breed", "BR", "a001");  // keys are looked up in capitals
    addClass(11, "Open Dog", "Breed", "BR", "A002");
    addClass(12, "Special", "Breed", "BR", "Z999");
    addClass(13, "Mixed", "Breed", "BR", "Z998");
    addClass(13, "Mixed", "Breed", "BR", "A002");  // the first one the library knows counts
    const bw::ClassSexes all(m);
    const std::pair<int, bool> cases[] = {
        {10, true}, {11, false}, {12, true} /* not in the library */, {77, true} /* not a class of the show */,
        {13, false}};
    for (const auto& [n, shows] : cases) {
        EXPECT_EQ(bw::Class_Shows_Sex(m, n), shows) << n;
        EXPECT_EQ(all.showsSex(n), shows) << n;
    }
}

TEST(WrapText, BreaksAfterTheLastBreakCharacterWithinTheWidth)
{
    struct Case {
        const char* text;
        int width;
        const char* line;
        const char* rest;
    };
    const Case cases[] = {
        {"Short", 10, "Short", ""},
        {"Exactly10!", 10, "Exactly10!", ""},          // no break character: cut at the width
        {"Ten chars.", 10, "Ten chars.", ""},          // exactly the width is broken too
        {"Blue Moon Rising", 10, "Blue Moon ", "Rising"},
        {"Smith-Jones and Co", 8, "Smith-", "Jones and Co"},
        {"Aa, Bb", 3, "Aa,", "Bb"},                    // ", ": the blank after the comma is dropped
        {"Crème Brûlée Pie", 13, "Crème Brûlée ", "Pie"},  // characters, not bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string line, rest;
        bw::Wrap_Text(c.text, c.width, line, rest);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(rest, c.rest);
    }
}

} // namespace
