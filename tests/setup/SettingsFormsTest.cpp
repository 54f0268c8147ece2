#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "data/IniFile.h"
#include "setup/SettingsForms.h"
#include "support/TempDir.h"

using namespace bw::setup;

namespace {

std::string slurp(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(GeneralSettings, DefaultsOfAFileWithoutPreferences)
{
    bwtest::TempDir dir;
    GeneralSettings s = readGeneralSettings(bw::IniFile(dir.file("gendefs.ini")));
    EXPECT_EQ(GeneralSettings::American, s.dateFormat);
    EXPECT_EQ(GeneralSettings::DogBitch, s.sexFormat);
    EXPECT_EQ(GeneralSettings::AfterAutomatic, s.armbands);
    EXPECT_EQ(0, s.armbandStart);
    EXPECT_EQ("Unknown", s.defaultCountry);
    EXPECT_EQ(kDefaultCommentLine, s.commentLine);
    EXPECT_TRUE(s.enterAsTab && s.pgdnAsSave && s.autoCaps);
    EXPECT_EQ("Unknown", s.name);
}

TEST(GeneralSettings, ChoicesReadFromTheirTexts)
{
    bwtest::TempDir dir;
    struct Case {
        const char* sex;
        int expected;
    } cases[] = {{"machos/hembras", GeneralSettings::MachoHembra},
                 {"male/female", GeneralSettings::MaleFemale},
                 {"Dog/Bitch", GeneralSettings::DogBitch},
                 {"Unknown", GeneralSettings::DogBitch}};
    for (const Case& c : cases) {
        bw::IniFile f(dir.file("gendefs.ini"));
        f.writeString("Preferences", "SexFormat", c.sex);
        f.writeString("Preferences", "Armbands", " manual ");
        f.writeString("Preferences", "DateFormat", "British");
        f.save();
        GeneralSettings s = readGeneralSettings(bw::IniFile(dir.file("gendefs.ini")));
        EXPECT_EQ(c.expected, s.sexFormat) << c.sex;
        EXPECT_EQ(GeneralSettings::Manual, s.armbands);
        EXPECT_EQ(GeneralSettings::British, s.dateFormat);
    }
}

TEST(GeneralSettings, WritesExactlyItsKeys)
{
    bwtest::TempDir dir;
    {
        std::ofstream(dir.file("gendefs.ini")) << "[Other]\nKeep=1\n";
    }
    bw::IniFile f(dir.file("gendefs.ini"));
    GeneralSettings s = readGeneralSettings(f);
    s.name = "Ann Smith";
    s.sexFormat = GeneralSettings::MachoHembra;
    s.armbands = GeneralSettings::InputAutomatic;
    s.armbandStart = 100;
    s.enterAsTab = false;
    writeGeneralSettings(f, s);
    f.save();

    bw::IniFile back(dir.file("gendefs.ini"));
    EXPECT_EQ((std::vector<std::string>{"Name", "Address1", "Address2", "Address3", "Address4", "Zip",
                                        "Phone", "Email"}),
              back.keys("SecretaryInfo"));
    EXPECT_EQ((std::vector<std::string>{"DateFormat", "SexFormat", "DefaultCountry", "EnterAsTab",
                                        "PgdnAsSave", "AutoCaps", "Armbands", "ArmbandStart", "Line1"}),
              back.keys("Preferences"));
    EXPECT_EQ("Ann Smith", back.readString("SecretaryInfo", "Name", ""));
    EXPECT_EQ("American", back.readString("Preferences", "DateFormat", ""));
    EXPECT_EQ("Machos/Hembras", back.readString("Preferences", "SexFormat", ""));
    EXPECT_EQ("InputAutomatic", back.readString("Preferences", "Armbands", ""));
    EXPECT_EQ(100, back.readInteger("Preferences", "ArmbandStart", 0));
    EXPECT_FALSE(back.readBool("Preferences", "EnterAsTab", true));
    EXPECT_EQ(kDefaultCommentLine, back.readString("Preferences", "Line1", ""));
    EXPECT_EQ("1", back.readString("Other", "Keep", ""));
    EXPECT_EQ(readGeneralSettings(back).sexFormat, GeneralSettings::MachoHembra);
}

TEST(GeneralSettings, SecretaryLine)
{
    GeneralSettings s;
    EXPECT_EQ("Secretary Name     Address Information  Postal Code     Phone     Email", secretaryLine(s));
    s.name = "Ann Smith";
    s.address1 = "1 High St";
    s.address2 = "";
    s.address3 = "Leeds";
    s.address4 = "Unknown";
    s.zip = "LS1 1AA";
    s.phone = "0113 555";
    s.email = "ann@example.org";
    EXPECT_EQ("Ann Smith     1 High St, LeedsLS1 1AA     0113 555     ann@example.org", secretaryLine(s));
}

TEST(ClubSlot, DefaultsOfAnEmptySlot)
{
    bwtest::TempDir dir;
    ClubSlotSettings c = readClubSlot(bw::IniFile(dir.file("gendefs.ini")), 4);
    EXPECT_EQ("Club4", c.tabCaption);
    EXPECT_EQ("CLUB1", c.clubId);
    EXPECT_EQ("Unknown", c.clubName);
    EXPECT_TRUE(c.useAgents);
    EXPECT_FALSE(c.useHeight);
    EXPECT_FALSE(c.oneBreed);
    EXPECT_TRUE(c.sections.empty());
}

TEST(ClubSlot, WritesItsKeysAndReplacesTheSections)
{
    bwtest::TempDir dir;
    const std::string path = dir.file("gendefs.ini");
    {
        bw::IniFile f(path);
        f.writeString("ClubInfo", "2", "CLUB2");
        f.writeInteger("Club2-Info", "NumberOfSections", 3);
        for (int k = 1; k <= 3; ++k) f.writeString("Club2-Info", "Section" + std::to_string(k), "S" + std::to_string(k));
        f.save();
    }
    bw::IniFile f(path);
    ClubSlotSettings c = readClubSlot(f, 2);
    EXPECT_EQ((std::vector<std::string>{"S1", "S2", "S3"}), c.sections);
    c.tabCaption = "KCC";
    c.clubId = "KCC";
    c.clubName = "Kennel Club of Caldor";
    c.sections = {"Breed"};
    writeClubSlot(f, 2, c, true);
    f.save();

    bw::IniFile back(path);
    EXPECT_EQ("KCC", back.readString("ClubInfo", "2", ""));
    EXPECT_EQ("KCC", back.readString("Club2-Info", "ClubID", ""));
    EXPECT_EQ((std::vector<std::string>{"Section1", "NumberOfSections", "ClubName", "ClubID", "DefaultBreed",
                                        "OneBreed", "UseAgents", "UseHeight"}),
              back.keys("Club2-Info"));
    EXPECT_EQ(1, back.readInteger("Club2-Info", "NumberOfSections", -1));

    // Every section unticked: no Section keys remain and the count is 0.
    c.sections.clear();
    writeClubSlot(back, 2, c, true);
    EXPECT_FALSE(back.valueExists("Club2-Info", "Section1"));
    EXPECT_EQ(0, back.readInteger("Club2-Info", "NumberOfSections", -1));
    EXPECT_NE(std::string::npos, slurp(path).find("Section1"));  // not saved yet
}

TEST(ClubSlot, TabsOfferOneEmptySlotAfterTheClubs)
{
    bwtest::TempDir dir;
    bw::IniFile f(dir.file("gendefs.ini"));
    EXPECT_EQ(1, clubSlotTabs(f));
    EXPECT_EQ(1, knownClubSlots(f));
    f.writeString("ClubInfo", "1", "KCC");
    f.writeString("ClubInfo", "3", "ABC");
    EXPECT_EQ(4, clubSlotTabs(f));
    EXPECT_EQ(3, knownClubSlots(f));
    for (int n = 1; n <= 9; ++n) f.writeString("ClubInfo", std::to_string(n), "C");
    EXPECT_EQ(9, clubSlotTabs(f));
}
