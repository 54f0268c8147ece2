#include <gtest/gtest.h>

#include "entries/EntryRules.h"
#include "entries/ShowFixture.h"
#include "entries/ShowLifecycle.h"

using bw::TypedInto;
using Ints = std::vector<int>;

namespace {

std::u32string u32(const char* s)
{
    std::u32string out;
    for (; *s; ++s) out += char32_t(static_cast<unsigned char>(*s));
    return out;
}

} // namespace

// ---- classes text ---------------------------------------------------------------------

TEST(ParseClasses, ReadsSortsAndLimits)
{
    struct Case {
        const char* text;
        Ints numbers;
        int given;
    };
    const Case cases[] = {
        {"12,3,7", {3, 7, 12}, 3},
        {"NFC", {999}, 1},
        {"NFC   ", {999}, 1},
        {"", {0}, 1},
        {"5, 9", {5, 9}, 2},
        {" +4,$2", {2, 4}, 2},
        {"7,7,3", {3, 7, 7}, 3},
        {"1,2,3,4,5,6", {1, 2, 3, 4, 5, 6}, 6},
        // More than six: the first six as typed are kept, the text is flagged.
        {"9,8,7,6,5,4,3", {4, 5, 6, 7, 8, 9}, 7},
        {"NFC,3", {0, 3}, 2},
    };
    for (const Case& c : cases) {
        bw::ClassList list = bw::Parse_Classes(c.text);
        EXPECT_EQ(c.numbers, list.numbers) << c.text;
        EXPECT_EQ(c.given, list.given) << c.text;
        EXPECT_EQ(c.numbers.front(), list.firstClass()) << c.text;
        EXPECT_EQ(c.given > 6, list.tooMany()) << c.text;
    }
}

// ---- typing aids --------------------------------------------------------------------------

TEST(AutoCaps, CapitalisesFirstLetterOfEachWordAndAfterADash)
{
    struct Case {
        const char* text;
        const char* selected;
        int caret;
        char32_t typed;
        char32_t expected;
    };
    const Case cases[] = {
        {"", "", 0, U's', U'S'},           // empty box, start
        {"Smith", "", 5, U'-', U'-'},       // not a letter
        {"Smith-", "", 6, U'j', U'J'},      // after a dash
        {"Mary ", "", 5, U'a', U'A'},       // after a blank
        {"Mary Ann", "", 4, U'x', U'x'},    // caret in the middle: the text ends with a letter
        {"Mary Ann ", "", 2, U'x', U'X'},   // the end of the text counts, not the caret
        {"Mary", "Mary", 0, U'j', U'J'},    // whole text selected: position 0
        {"Mary", "Mary", 4, U'j', U'j'},
        {"", "", 0, U'1', U'1'},
        {"", "", 0, U'\u00e9', U'\u00e9'},  // only a to z
    };
    for (const Case& c : cases) {
        TypedInto box{u32(c.text), u32(c.selected), c.caret};
        EXPECT_EQ(c.expected, bw::AutoCaps(box, c.typed)) << c.text << " caret " << c.caret;
    }
    EXPECT_EQ(U's', bw::AutoCaps(TypedInto{}, U's', false));
}

TEST(AutoCaps, TypingSmithThenJonesGivesSmithDashJones)
{
    std::u32string text;
    for (char32_t c : std::u32string(U"smith-jones")) {
        TypedInto box{text, U"", int(text.size())};
        text += bw::AutoCaps(box, c);
    }
    EXPECT_EQ(std::u32string(U"Smith-Jones"), text);
}

TEST(DogNameCaps, TheCharacterBeforeTheCaretCounts)
{
    std::u32string text;
    for (char32_t c : std::u32string(U"ch. blue moon/the-first,x")) {
        TypedInto box{text, U"", int(text.size())};
        text += bw::DogName_Caps(box, c);
    }
    EXPECT_EQ(std::u32string(U"Ch. Blue Moon/The-First,X"), text);

    // Typing in the middle, after a blank, capitalises even though the text ends in a letter.
    EXPECT_EQ(U'M', bw::DogName_Caps(TypedInto{U"Blue oon", U"", 5}, U'm'));
    EXPECT_EQ(U'o', bw::DogName_Caps(TypedInto{U"Blue M", U"", 6}, U'o'));
    EXPECT_EQ(U'c', bw::DogName_Caps(TypedInto{U"", U"", 0}, U'c', false));
}

TEST(NormaliseCountry, OnlyUsaInAnyCaseBecomesUSA)
{
    EXPECT_EQ("USA", bw::Normalise_Country("usa "));
    EXPECT_EQ("USA", bw::Normalise_Country("Usa"));
    EXPECT_EQ("Usa Canada", bw::Normalise_Country("Usa Canada"));
    EXPECT_EQ("England", bw::Normalise_Country("England"));
    EXPECT_EQ(" usa", bw::Normalise_Country(" usa"));
}

// ---- entries of a show -----------------------------------------------------------------------

namespace {

class EntryRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = f.makeShow("KCC", 12, "14/06/2003", bwtest::standardClasses(),
                          {{"Blue Moon", "Smith", "Ann", "3", "101"},
                           {"Red Sky", "Jones", "Bob", "7", "102"}});
        f.prompter.clear();
        ASSERT_EQ(bw::OpenShowResult::Opened, bw::Open_ExistingShow(f.m, path));
        f.prompter.clear();
    }

    xbase::Table& entries() { return f.m.TzDbf1; }

    // Adds an entry with the given classes and saves it; returns whether it was saved.
    bool addEntry(const std::string& classes, bw::SaveInput input = {"Dog", {}, nullptr})
    {
        bw::OwnerDetails remembered;
        bw::New_Entry(entries(), f.m.show.defaultBreed, remembered);
        entries().setField("classes", classes);
        return bw::Complete_Entry(f.m, input);
    }

    bwtest::ShowFixture f;
    std::string path;
};

} // namespace

TEST_F(EntryRulesTest, SaveDerivesFirstClassSectionAndGroup)
{
    struct Case {
        const char* classes;
        long firstClass;
        const char* section;   // stored in 10 characters
        const char* group;
        bool message;
    };
    const Case cases[] = {
        {"12,3,7", 3, "Terrier Br", "T01", false},
        {"NFC", 999, "NFC", "NFC", false},
        {"", 0, "UnKnown", "ZZ", true},
        {"5, 9", 5, "UnKnown", "ZZ", true},
        {"12", 12, "Hound Bree", "H01", false},
    };
    for (const Case& c : cases) {
        f.prompter.clear();
        ASSERT_TRUE(addEntry(c.classes)) << c.classes;
        EXPECT_EQ(c.firstClass, entries().fieldInt("firstclass")) << c.classes;
        EXPECT_EQ(c.section, entries().text("section")) << c.classes;
        EXPECT_EQ(c.group, entries().text("catgroup")) << c.classes;
        EXPECT_EQ(12, entries().fieldInt("show_num"));
        EXPECT_EQ("Border Terrier", entries().text("breed"));
        if (c.message) {
            ASSERT_EQ(1u, f.prompter.questions().size()) << c.classes;
            const bwtest::Question& q = f.prompter.questions()[0];
            EXPECT_EQ("!", q.caption);
            char expected[120];
            std::snprintf(expected, sizeof expected,
                          "Invalid Class Number!;; [%3ld] using ZZ for CatGroup and Unknown for Section",
                          c.firstClass);
            EXPECT_EQ(expected, q.text);
        } else {
            EXPECT_TRUE(f.prompter.questions().empty()) << c.classes;
        }
    }
}

TEST_F(EntryRulesTest, MoreThanSixClassesAreRefusedWithTheLimitNamed)
{
    const uint32_t before = entries().recordCount();
    EXPECT_FALSE(addEntry("1,3,7,12,30,999,3"));
    ASSERT_EQ(1u, f.prompter.questions().size());
    EXPECT_NE(std::string::npos, f.prompter.questions()[0].text.find("at most 6 classes"));
    EXPECT_EQ(xbase::TableState::Insert, entries().state());  // still open for correction
    EXPECT_EQ(before, entries().recordCount());

    entries().setField("classes", "1,3,7");
    EXPECT_TRUE(bw::Complete_Entry(f.m, {"Dog", {}, nullptr}));
    EXPECT_EQ(before + 1, entries().recordCount());
}

TEST_F(EntryRulesTest, SexIsTheShownWordCutToSixCharacters)
{
    ASSERT_TRUE(addEntry("3", {"Hembras", {}, nullptr}));
    EXPECT_EQ("Hembra", entries().text("sex"));
}

TEST_F(EntryRulesTest, ExhibitNumberAsInputted)
{
    f.setPreference("Armbands", "InputAutomatic");
    // Two entries already: a new one will be record 3 and gets 103.
    ASSERT_TRUE(addEntry("3"));
    EXPECT_EQ("103", entries().text("arm"));

    // An edited entry with a blank number gets 100 + its record number.
    entries().go(3);
    entries().setField("arm", "");
    ASSERT_TRUE(bw::Complete_Entry(f.m, {"Dog", {}, nullptr}));
    EXPECT_EQ("103", entries().text("arm"));

    // A typed number is kept; other modes give none.
    ASSERT_TRUE(addEntry("3"));
    entries().go(4);
    EXPECT_EQ("104", entries().text("arm"));
    f.setPreference("Armbands", "Manual");
    ASSERT_TRUE(addEntry("3"));
    EXPECT_EQ("", entries().text("arm"));
}

TEST_F(EntryRulesTest, ExhibitNumberAsInputtedNeverRepeatsAHeldNumber)
{
    f.setPreference("Armbands", "InputAutomatic");
    ASSERT_TRUE(addEntry("3"));                     // record 3: 103
    ASSERT_TRUE(addEntry("3"));                     // record 4: 104
    // Remove record 1 for good: the others move up one place.
    entries().go(1);
    entries().deleteRecord();
    entries().pack();
    ASSERT_EQ(3u, entries().recordCount());
    // The next record is number 4, but 104 is held: it gets the next free one.
    ASSERT_TRUE(addEntry("3"));
    EXPECT_EQ("105", entries().text("arm"));
    ASSERT_TRUE(addEntry("3"));
    EXPECT_EQ("106", entries().text("arm"));
}

TEST_F(EntryRulesTest, FillInCopiesTheRememberedOwner)
{
    entries().setOrder("");
    entries().go(1);
    entries().edit();
    entries().setField("owner2", "Cy Smith");
    entries().setField("zip", "AB1 2CD");
    entries().setField("email", "ann@example.org");
    entries().setField("salutation", "Mrs.");
    entries().setFieldBool("noprintadd", true);
    entries().setField("note", "not copied");
    entries().post();

    bw::OwnerDetails remembered;
    ASSERT_TRUE(bw::New_Entry(entries(), "Whippet", remembered));
    EXPECT_EQ(xbase::TableState::Insert, entries().state());
    EXPECT_EQ("Whippet", entries().text("breed"));
    EXPECT_EQ("", entries().text("last"));
    bw::Fill_FromPrevious(entries(), remembered);
    EXPECT_EQ("Smith", entries().text("last"));
    EXPECT_EQ("Ann", entries().text("first"));
    EXPECT_EQ("Cy Smith", entries().text("owner2"));
    EXPECT_EQ("AB1 2CD", entries().text("zip"));
    EXPECT_EQ("ann@example.org", entries().text("email"));
    EXPECT_EQ("Mrs.", entries().text("salutation"));
    EXPECT_TRUE(entries().fieldBool("noprintadd"));
    EXPECT_EQ("", entries().text("note"));
    EXPECT_EQ("", entries().text("dog"));
}

TEST_F(EntryRulesTest, NothingIsRememberedOnAnEmptyShow)
{
    entries().setOrder("");
    while (entries().recordCount() > 0) {
        entries().go(1);
        entries().deleteRecord();
        entries().pack();
    }
    bw::OwnerDetails remembered;
    remembered.remembered = true;  // left from an earlier show
    EXPECT_FALSE(bw::New_Entry(entries(), "Whippet", remembered));
    EXPECT_FALSE(remembered.remembered);
}

TEST_F(EntryRulesTest, JuniorClassKeyFollowsTheChoiceOrTheNamedClass)
{
    const std::vector<bw::JuniorClass> juniors = bw::Junior_Classes(f.m);
    ASSERT_EQ(1u, juniors.size());
    EXPECT_EQ("Junior Handling 6-11", juniors[0].name);
    EXPECT_EQ("J030", juniors[0].allkey);

    bw::OwnerDetails remembered;
    bw::New_Entry(entries(), "", remembered);
    entries().setField("classes", "3");
    entries().setField("jr_name", "Tom Smith");
    entries().setField("jr_class", "Junior Handling 6-11");
    ASSERT_TRUE(bw::Complete_Entry(f.m, {"Dog", std::string("J030"), &juniors}));
    EXPECT_EQ("J030", entries().text("jr_allkey"));

    // No choice made while this entry was shown: the key of the class it names.
    entries().edit();
    entries().setField("jr_allkey", "");
    ASSERT_TRUE(bw::Complete_Entry(f.m, {"Dog", std::nullopt, &juniors}));
    EXPECT_EQ("J030", entries().text("jr_allkey"));

    // No junior handler: no key.
    ASSERT_TRUE(addEntry("3", {"Dog", std::string("J030"), &juniors}));
    EXPECT_EQ("", entries().text("jr_allkey"));
}
