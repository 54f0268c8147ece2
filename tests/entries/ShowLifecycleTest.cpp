#include <gtest/gtest.h>

#include "entries/ShowFixture.h"
#include "entries/ShowLifecycle.h"

TEST(ShowFileName, ClubAndNumberComeFromTheFileNameOnly)
{
    struct Case {
        const char* path;
        const char* club;
        int showNum;
    };
    const Case cases[] = {
        {"/data/shows/KCC-00012-14-06-2003.dbf", "KCC", 12},
        {"/data/shows/kcc-00012-14-06-2003.dbf", "KCC", 12},
        {"/my-club-files/shows/WDC-00003-01-02-2026.dbf", "WDC", 3},
        {"WDC -7-x.dbf", "WDC", 7},
        {"NODASH.dbf", "NODASH.DBF", 0},
    };
    for (const Case& c : cases) {
        bw::ShowFileName n = bw::Parse_ShowFileName(c.path);
        EXPECT_EQ(c.club, n.clubId) << c.path;
        EXPECT_EQ(c.showNum, n.showNum) << c.path;
    }
    EXPECT_EQ("KCC        12", bw::ShowDates_Key("kcc", 12));
}

TEST(ShowLifecycle, OpeningAShowSetsItsClubSlotNumberAndDate)
{
    bwtest::ShowFixture f;
    const std::string path = f.makeShow("KCC", 12, "14/06/2003", bwtest::standardClasses(), {});
    f.prompter.clear();
    ASSERT_EQ(bw::OpenShowResult::Opened, bw::Open_ExistingShow(f.m, path));
    EXPECT_TRUE(f.prompter.questions().empty());
    EXPECT_EQ(2, f.m.show.clubSlot);
    EXPECT_EQ("KCC", f.m.show.clubId);
    EXPECT_EQ(12, f.m.show.showNum);
    EXPECT_EQ("20030614", f.m.show.showDateText);
    EXPECT_EQ("Border Terrier", f.m.show.defaultBreed);
    EXPECT_EQ(path, f.m.Get_LastShow());
    EXPECT_TRUE(f.m.TzDbf1.isOpen());
    EXPECT_EQ("NAME", f.m.TzDbf1.currentTag());
}

TEST(ShowLifecycle, AnUnknownClubOrAMissingShowDateIsRefused)
{
    bwtest::ShowFixture f;
    const std::string other = f.makeShow("XYZ", 1, "01/01/2026", {}, {});
    const std::string undated = f.makeShow("KCC", 13, "21/06/2003", {}, {}, false);
    f.prompter.clear();

    EXPECT_EQ(bw::OpenShowResult::UnknownClub, bw::Open_ExistingShow(f.m, other));
    EXPECT_EQ(bw::OpenShowResult::NotInShowDates, bw::Open_ExistingShow(f.m, undated));
    EXPECT_EQ((std::vector<std::string>{
                  "This Club [ XYZ ] is not one of your pre-defined clubs;and can't be loaded. "
                  "Please choose another file.",
                  "Sorry, this Club and Show Number;KCC   Show #    13;is NOT in your Show Dates "
                  "Database.;Cannot load the show"}),
              f.prompter.messages());
    EXPECT_FALSE(f.m.TzDbf1.isOpen());
    EXPECT_TRUE(f.m.show.entriesPath.empty());
}

TEST(ShowLifecycle, NewShowNeedsClubIdAndDefaultBreedInSlotOne)
{
    bwtest::ShowFixture f;
    EXPECT_TRUE(bw::NewShow_Allowed(f.m));

    struct Case {
        const char* clubId;    // nullptr: key missing
        const char* breed;
        const char* message;
    };
    const Case cases[] = {
        {nullptr, "Whippet", "You need to define your Club ID under TOOLS before starting a show"},
        {"Club1", "Whippet", "You need to define your Club ID under TOOLS before starting a show"},
        {"WDC", nullptr,
         "You need to define a Default Breed under TOOLS/Club Defaults before starting a show"},
    };
    for (const Case& c : cases) {
        bw::IniFile ini(f.m.SettingsPath());
        ini.eraseSection(bw::clubSection(1));
        if (c.clubId) ini.writeString(bw::clubSection(1), "ClubID", c.clubId);
        if (c.breed) ini.writeString(bw::clubSection(1), "DefaultBreed", c.breed);
        ini.save();
        f.prompter.clear();
        EXPECT_FALSE(bw::NewShow_Allowed(f.m));
        EXPECT_EQ(std::vector<std::string>{c.message}, f.prompter.messages());
    }
}
