#include <fstream>
#include <gtest/gtest.h>

#include "data/Tdmod.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

using Strings = std::vector<std::string>;

namespace {

class ServicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.path().string();
        m.setPrompter(&prompter);
        m.dmodCreate(root);
        m.show.clubId = "KCC";
        m.show.showNum = 12;
    }

    void addClass(int num, const char* name, const char* section, const char* group, const char* count,
                  bool deleted = false)
    {
        m.Open_ShowClasses("KCC", "00012");
        m.ShowClasses.append();
        m.ShowClasses.setFieldInt("classnum", num);
        m.ShowClasses.setField("classname", name);
        m.ShowClasses.setField("section", section);
        m.ShowClasses.setField("catgroup", group);
        m.ShowClasses.setField("count", count);
        m.ShowClasses.post();
        if (deleted) m.ShowClasses.deleteRecord();
    }

    void addGroup(const char* code, const char* header, bool deleted = false)
    {
        m.CatGroups.append();
        m.CatGroups.setField("cat_group", code);
        m.CatGroups.setField("header", header);
        for (int i = 1; i <= 7; ++i)
            m.CatGroups.setField("footer" + std::to_string(i), std::string(code) + " footer " + std::to_string(i));
        m.CatGroups.post();
        if (deleted) m.CatGroups.deleteRecord();
    }

    void addJudge(int num, const char* salutation, const char* first, const char* last, bool deleted = false)
    {
        m.Open_Judges();
        m.Judges.append();
        m.Judges.setFieldInt("judge_num", num);
        m.Judges.setField("salutation", salutation);
        m.Judges.setField("first", first);
        m.Judges.setField("last", last);
        m.Judges.post();
        if (deleted) m.Judges.deleteRecord();
    }

    // The one message shown since the last call, as caption|icon|text|buttons.
    std::string lastMessage()
    {
        const auto& q = prompter.questions();
        if (q.empty()) return "(none)";
        std::string s = q.back().caption + "|" + q.back().icon + "|" + q.back().text + "|" + q.back().buttons;
        prompter.clear();
        return s;
    }

    bwtest::TempDir dir;
    std::string root;
    bwtest::ScriptedPrompter prompter;
    bw::Tdmod m;
};

} // namespace

TEST_F(ServicesTest, SectionAndGroupOfAClassNumber)
{
    addClass(5, "Puppy Dog", "Conformation", "B1", "12");
    addClass(999, "Not For Competition", "Other", "NFC", "");
    m.Close_ShowTables();  // opened again for the open show when needed

    bw::Tdmod::SectionGroup g = m.Get_SectionGroup(5);
    EXPECT_EQ(g.section, "Conformation   ");
    EXPECT_EQ(g.catGroup, "B1 ");
    EXPECT_EQ(m.Get_SectionGroup(999).catGroup, "NFC");
    EXPECT_TRUE(prompter.questions().empty());

    g = m.Get_SectionGroup(0);  // an entry with no classes
    EXPECT_EQ(g.section, "UnKnown");
    EXPECT_EQ(g.catGroup, "ZZ");
    EXPECT_EQ(lastMessage(), "!||Invalid Class Number!;; [  0] using ZZ for CatGroup and Unknown for Section|");
    m.Get_SectionGroup(42);
    EXPECT_EQ(lastMessage(), "!||Invalid Class Number!;; [ 42] using ZZ for CatGroup and Unknown for Section|");
}

TEST_F(ServicesTest, FullClassNameWithItsEntryCount)
{
    addClass(1, "Puppy Dog", "Conformation", "B1", "12");
    addClass(2, "Junior Dog", "Conformation", "B1", "0");
    addClass(3, "Open Dog", "Conformation", "B1", "");
    addClass(4, "Veteran Dog", "Conformation", "B1", "3", /*deleted=*/true);
    addClass(1, "Second Puppy Dog", "Conformation", "B1", "1");

    EXPECT_EQ(m.Get_FullClassName(1), "Puppy Dog (12)");  // the first in record order
    EXPECT_EQ(m.Get_FullClassName(2), "Junior Dog (No Entries)");
    EXPECT_EQ(m.Get_FullClassName(3), "Open Dog (No Entries)");
    EXPECT_EQ(m.Get_FullClassName(4), "Veteran Dog (3)");  // marked deleted, still found
    EXPECT_TRUE(prompter.questions().empty());

    m.ShowClasses.close();  // reopened on its own file
    EXPECT_EQ(m.Get_FullClassName(7), "Unknown Class [7]");
    EXPECT_EQ(lastMessage(), "||Unknown Class # in Get_FullClassName of [7];Using -- Unknown Class -- for Description|");
    EXPECT_EQ(m.Get_FullClassName(1), "Puppy Dog (12)");
}

TEST_F(ServicesTest, CatalogueGroupHeadersAndFooters)
{
    addGroup("B1", "Dogs of the breed");
    addGroup("NFC", "Not for competition", /*deleted=*/true);

    EXPECT_EQ(m.Get_CatGroupHeader("B1"), std::string("Dogs of the breed") + std::string(63, ' '));
    EXPECT_EQ(m.Get_CatGroupHeader("B1 "), m.Get_CatGroupHeader("B1"));
    EXPECT_EQ(m.Get_CatGroupHeader("NFC").substr(0, 19), "Not for competition");
    EXPECT_TRUE(prompter.questions().empty());

    EXPECT_EQ(m.Get_CatGroupHeader("b1"), "Unknown Group b1");  // letter case counts
    EXPECT_EQ(lastMessage(), "||CatGroup key of [b1] not found!;Using -- Unknown Group -- for Description|");

    std::array<std::string, 7> footers;
    footers.fill("kept");
    EXPECT_FALSE(m.Get_CatGroupFooters("B2", footers));
    EXPECT_EQ(footers[0], "kept");
    EXPECT_EQ(footers[6], "kept");
    EXPECT_TRUE(prompter.questions().empty());
    EXPECT_TRUE(m.Get_CatGroupFooters("B1", footers));
    EXPECT_EQ(footers[0].substr(0, 11), "B1 footer 1");
    EXPECT_EQ(footers[6].substr(0, 11), "B1 footer 7");
    EXPECT_EQ(footers[6].size(), 80u);
}

TEST_F(ServicesTest, JudgeNames)
{
    addJudge(3, "Mrs.", "Ann", "Lee");
    addJudge(4, "", "Bob", "Ray", /*deleted=*/true);
    EXPECT_EQ(m.Get_JudgeName(3), "Mrs. Ann Lee");
    EXPECT_EQ(m.Get_JudgeName(4), " Bob Ray");
    EXPECT_TRUE(prompter.questions().empty());
    EXPECT_EQ(m.Get_JudgeName(9), "Unknown Judge 9");
    EXPECT_EQ(lastMessage(), "||Judge Num of [9] not found in Judges database!;Using -- Unknown Judge -- for Description|");
}

TEST_F(ServicesTest, ShowDateTextsInTheChosenFormat)
{
    m.ShowDates.append();
    m.ShowDates.setField("clubid", "KCC");
    m.ShowDates.setFieldInt("show_num", 12);
    m.ShowDates.setField("show_date", "20261209");
    m.ShowDates.post();
    m.prefs.dateFormat = bw::DateFormat::British;
    EXPECT_EQ(m.Get_ShowDateText(), "9 December 2026");
    m.ShowDates.setField("last_date", "20261210");
    m.ShowDates.post();
    EXPECT_EQ(m.Get_ShowDateText(), "9 December 2026 thru 10 December 2026");
    m.prefs.dateFormat = bw::DateFormat::American;
    EXPECT_EQ(m.Get_ShowDateText(), "December 9, 2026 thru December 10, 2026");
}

TEST_F(ServicesTest, ShortDatesReadTheSettingAtEveryCall)
{
    EXPECT_EQ(m.Get_ShortDate("20261209"), "12.09.26");  // no settings file: American
    std::ofstream(m.SettingsPath()) << "[Preferences]\nDateFormat=British\n";
    EXPECT_EQ(m.Get_ShortDate("20261209"), "09.12.26");
    std::ofstream(m.SettingsPath()) << "[Preferences]\nDateFormat=Other\n";
    EXPECT_EQ(m.Get_ShortDate("20261209"), "");
}

TEST_F(ServicesTest, JuniorHandlingClassesAreFoundEvenWhenMarked)
{
    addClass(1, "Puppy Dog", "Conformation", "B1", "");
    m.Close_ShowTables();
    EXPECT_FALSE(m.Has_Junior_Class("KCC", 12));
    addClass(2, "Junior Handling", "Junior", "BJR", "", /*deleted=*/true);
    m.Close_ShowTables();
    EXPECT_TRUE(m.Has_Junior_Class("KCC", 12));
}

TEST_F(ServicesTest, SettingsAccessorsUseTheDataRoot)
{
    std::ofstream(m.SettingsPath()) << "[Club2-Info]\nClubName=Kennel Club  \n";
    m.show.clubSlot = 2;
    EXPECT_EQ(m.Get_ClubName(), "Kennel Club");
    m.show.clubSlot = 1;
    EXPECT_EQ(m.Get_ClubName(), "Unknown");
    EXPECT_EQ(m.Get_LastShow(), "Unknown");
    m.Set_LastShow(root + "/shows/KCC-00012-14-06-2003.dbf");
    EXPECT_EQ(m.Get_LastShow(), root + "/shows/KCC-00012-14-06-2003.dbf");
    m.Set_LastMail("KCC");
    EXPECT_EQ(m.Get_LastMail(), "KCC");
}

TEST_F(ServicesTest, PreferencesAndClubSettingsBecomeTheProgramState)
{
    std::ofstream(m.SettingsPath()) << "[Preferences]\nEnterAsTab=0\nDateFormat=British\nArmbands=Manual\n"
                                    << "[Club2-Info]\nClubID=KCC\nDefaultBreed=Boxer   \nUseAgents=1\n";
    m.Read_Preferences();
    EXPECT_FALSE(m.prefs.enterAsTab);
    EXPECT_TRUE(m.prefs.pgdnAsSave);
    EXPECT_EQ(m.prefs.dateFormat, bw::DateFormat::British);
    EXPECT_EQ(m.prefs.numberingMode(), 'M');

    m.show.clubSlot = 2;
    m.Read_ClubSettings();
    EXPECT_EQ(m.show.clubId, "KCC");
    EXPECT_EQ(m.show.defaultBreed, "Boxer");
    EXPECT_TRUE(m.show.useAgents);
    EXPECT_FALSE(m.show.oneBreed);
    m.show.clubSlot = 3;
    m.Read_ClubSettings();
    EXPECT_EQ(m.show.clubId, "Unknown");
    EXPECT_FALSE(m.show.useAgents);
}
