#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "catalogue/Catalogue.h"
#include "catalogue/OpenShowTest.h"
#include "numbering/ClassCounts.h"
#include "print/RichDoc.h"

namespace {

using Strings = std::vector<std::string>;

std::string golden(const std::string& name)
{
    std::ifstream in(std::string(BW_SOURCE_DIR) + "/tests/numbering/golden/" + name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ClassCountsTest : public bwtest::OpenShowTest {
protected:
    // A show of two sections: Breed (group BR, a junior handling group, the NFC class
    // last) and Obedience (group OB).
    void breedAndObedience()
    {
        addClass(1, "Minor Puppy Dog", "Breed", "BR");
        addClass(2, "Puppy Dog", "Breed", "BR");
        addClass(901, "Junior Handling", "Breed", "BJR", "J901");
        addClass(999, "Not For Competition", "Breed", "NFC");
        addClass(3, "Novice A", "Obedience", "OB");
        addClass(4, "Open B", "Obedience", "OB");
        addEntry({{"classes", "1,2"}, {"jr_name", "Amy Lee"}, {"jr_allkey", "J901"}});
        addEntry({{"classes", "2"}});
        addEntry({{"classes", "NFC"}});
        addEntry({{"classes", "NFC"}});
        addEntry({{"classes", "3"}});
        addEntry({{"classes", "3,4"}});
        addEntry({{"classes", "1,3"}}, true);
    }

    std::string listing()
    {
        bw::Build_Catalog(m, "KCC", 12);
        bw::print::RichDoc doc;
        bw::Build_ClassCountsListing(m, doc);
        lastDoc = doc;
        return doc.plainText() + "\n";
    }

    bw::print::RichDoc lastDoc;
};

TEST_F(ClassCountsTest, ListingOfBreedAndObedience)
{
    breedAndObedience();
    EXPECT_EQ(listing(), golden("breed-and-obedience.txt"));
    EXPECT_TRUE(prompter.questions().empty());

    // Heading in Arial 12 bold, date 10 bold; class lines 10 regular on tabs at 50 and 200.
    const auto& p = lastDoc.paragraphs();
    EXPECT_EQ(p[0].firstFormat(), (bw::print::Font{"Arial", 12, true}));
    EXPECT_EQ(p[1].firstFormat(), (bw::print::Font{"Arial", 10, true}));
    EXPECT_EQ(p[3].firstFormat(), (bw::print::Font{"Arial", 12, true}));
    EXPECT_EQ(p[5].firstFormat(), (bw::print::Font{"Arial", 10, false}));
    EXPECT_EQ(p[5].tabStopsPt, (std::vector<double>{50, 200}));
}

TEST_F(ClassCountsTest, SectionTotalsLeaveOutNfcAndDeletedEntries)
{
    breedAndObedience();
    bw::Build_Catalog(m, "KCC", 12);
    const bw::SectionTotal breed = bw::SectionTotals(m, "Breed          ");
    EXPECT_EQ(breed.exhibits, 2);  // the two NFC entries and the deleted one are not exhibits here
    EXPECT_EQ(breed.entries, 4);   // classes 1, 2, 2 and the junior handler
    const bw::SectionTotal obedience = bw::SectionTotals(m, "Obedience");
    EXPECT_EQ(obedience.exhibits, 2);
    EXPECT_EQ(obedience.entries, 3);
    EXPECT_EQ(bw::SectionTotals(m, "Agility").entries, 0);
}

TEST_F(ClassCountsTest, ASectionNameLongerThanTenCharactersHasNoExhibits)
{
    addClass(1, "Pee Wee", "Junior Showmen", "JS");
    addEntry({{"classes", "1"}});
    bw::Build_Catalog(m, "KCC", 12);
    EXPECT_EQ(bw::trimRight(m.TzDbf1.fieldText("section")), "Junior Sho");
    const bw::SectionTotal t = bw::SectionTotals(m, "Junior Showmen");
    EXPECT_EQ(t.exhibits, 0);
    EXPECT_EQ(t.entries, 1);
}

TEST_F(ClassCountsTest, NfcLineStandsOnceWithTheSectionOfTheNfcClass)
{
    // The NFC class of Obedience stands among the Breed classes in the file.
    addClass(1, "Puppy", "Breed", "BR");
    addClass(999, "Not For Competition", "Obedience", "NFC");
    addClass(2, "Open", "Breed", "BR");
    addClass(3, "Novice A", "Obedience", "OB");
    addClass(4, "Rally", "Rally", "RA");
    addEntry({{"classes", "1"}});
    addEntry({{"classes", "NFC"}});
    addEntry({{"classes", "3"}});
    addEntry({{"classes", "4"}});
    const std::string text = listing();
    size_t nfcLines = 0;
    for (size_t at = text.find("Not For Competition Entries"); at != std::string::npos;
         at = text.find("Not For Competition Entries", at + 1))
        ++nfcLines;
    EXPECT_EQ(nfcLines, 1u);
    const Strings lines = lastDoc.lines();
    const auto nfc = std::find(lines.begin(), lines.end(), "Not For Competition Entries =  1");
    ASSERT_NE(nfc, lines.end());
    // Under the Obedience totals, before the Rally class.
    EXPECT_EQ(*(nfc - 2), "Total Entries =      1");
    EXPECT_EQ((nfc + 1)->rfind("    4\tRally", 0), 0u);
    EXPECT_EQ(lines.back(), "Total Entries =     1");
}

} // namespace
