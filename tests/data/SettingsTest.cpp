#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <csignal>
#include <sys/resource.h>

#include "data/DataRoot.h"
#include "data/Settings.h"
#include "support/TempDir.h"

namespace {
std::string readAll(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> nonBlankLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}
} // namespace

TEST(Settings, MissingFileGivesEveryReaderItsDefault)
{
    bwtest::TempDir dir;
    const std::string root = dir.path().string();
    bw::IniFile f(bw::settingsPath(root));

    bw::Preferences p = bw::readPreferences(f);
    EXPECT_TRUE(p.enterAsTab);
    EXPECT_TRUE(p.pgdnAsSave);
    EXPECT_TRUE(p.autoCaps);
    EXPECT_EQ(p.numberingMode(), 'I');
    EXPECT_EQ(p.dateFormat, bw::DateFormat::American);
    EXPECT_EQ(p.sexFormat, "Unknown");
    EXPECT_EQ(f.readString("Preferences", "Armbands", bw::ini::kArmbandsSettingsDefault), "AfterAutomatic");
    EXPECT_EQ(f.readInteger("Preferences", "ArmbandStart", 0), 0);

    bw::ClubSettings c = bw::readClub(f, 1);
    EXPECT_EQ(c.clubId, "Unknown");
    EXPECT_EQ(c.clubName, "Unknown");
    EXPECT_EQ(c.defaultBreed, "Unknown");
    EXPECT_FALSE(c.oneBreed);
    EXPECT_FALSE(c.useAgents);
    EXPECT_TRUE(c.sections.empty());
    EXPECT_EQ(bw::clubSlots(f), std::vector<std::string>(9, "Unknown"));
    EXPECT_EQ(bw::readSecretary(f).name, "Unknown");
    EXPECT_EQ(f.readInteger("TStoredListForm", "Top", -1), -1);

    EXPECT_EQ(bw::Get_LastShow(root), "Unknown");
    EXPECT_EQ(bw::Get_LastMail(root), "Unknown");
    EXPECT_EQ(bw::Get_ClubName(root, 1), "Unknown");
    EXPECT_FALSE(std::filesystem::exists(bw::settingsPath(root)));  // reading writes nothing
}

TEST(Settings, ValueFormsAndNamesWithoutRegardToCase)
{
    bwtest::TempDir dir;
    std::ofstream(dir.file("gendefs.ini"))
        << "[preferences]\nenterastab=0\nPgdnAsSave=2\nAutoCaps=true\nArmbands=  manual \n"
        << "DateFormat=british\nSexFormat=Dog / Bitch\n"
        << "[ClubInfo]\n1=KCC\n2=ABC  \n3=ABC\n"
        << "[club2-info]\nClubName=Kennel Club   \nOneBreed=1\nUseAgents=-1\nNumberOfSections=2\n"
        << "Section1=Conformation\nSection2=Junior\nDefaultBreed=Boxer  \n";
    bw::IniFile f(dir.file("gendefs.ini"));
    bw::Preferences p = bw::readPreferences(f);
    EXPECT_FALSE(p.enterAsTab);
    EXPECT_TRUE(p.pgdnAsSave);   // any number other than 0
    EXPECT_TRUE(p.autoCaps);     // not a number: the default
    EXPECT_EQ(p.numberingMode(), 'M');
    EXPECT_EQ(p.dateFormat, bw::DateFormat::British);

    EXPECT_EQ(bw::clubSlotOf(f, "ABC"), 3);  // the last of several
    EXPECT_EQ(bw::clubSlotOf(f, "KCC"), 1);
    EXPECT_EQ(bw::clubSlotOf(f, "abc"), 0);
    EXPECT_EQ(bw::clubSlotOf(f, "XYZ"), 0);
    bw::ClubSettings c = bw::readClub(f, 2);
    EXPECT_EQ(c.clubId, "Unknown");
    EXPECT_EQ(c.clubName, "Kennel Club");
    EXPECT_EQ(c.defaultBreed, "Boxer");
    EXPECT_TRUE(c.oneBreed);
    EXPECT_TRUE(c.useAgents);
    EXPECT_EQ(c.sections, (std::vector<std::string>{"Conformation", "Junior"}));
    EXPECT_EQ(bw::Get_ClubName(dir.path().string(), 2), "Kennel Club");
}

TEST(Settings, SexWords)
{
    struct Case { const char* format; const char* first; const char* second; } cases[] = {
        {"Male/Female", "Male", "Female"}, {"Dog / Bitch", "Dog", "Bitch"},
        {"Machos/Hembras", "Machos", "Hembras"}, {"Unknown", "Dog", "Bitch"}, {"UNKNOWN", "Dog", "Bitch"},
    };
    for (const auto& c : cases) {
        bw::SexWords w = bw::sexWords(c.format);
        EXPECT_EQ(w.first, c.first) << c.format;
        EXPECT_EQ(w.second, c.second) << c.format;
    }
}

TEST(Settings, WritingKeepsCommentsUnknownKeysAndOrder)
{
    bwtest::TempDir dir;
    const std::string root = dir.path().string();
    const std::string original =
        "; settings of the club\n"
        "[Zeta]\n"
        "; about b\n"
        "b=2\n"
        "a=C:\\Shows\\x.dbf\n"
        "\n"
        "[LastShow]\n"
        "Other=keep me\n"
        "lastopenedshow=old\n"
        "\n"
        "[Alpha]\n"
        "z=1\n";
    std::ofstream(dir.file("gendefs.ini")) << original;

    bw::Set_LastShow(root, "/data/shows/KCC-00012-14-06-2003.dbf");
    bw::Set_LastMail(root, "KCCMail");
    EXPECT_EQ(bw::Get_LastShow(root), "/data/shows/KCC-00012-14-06-2003.dbf");
    EXPECT_EQ(bw::Get_LastMail(root), "KCCMail");

    // Blank lines between sections are the writer's own; every other line stays, in order.
    const std::vector<std::string> expected = {
        "; settings of the club", "[Zeta]", "; about b", "b=2", "a=C:\\Shows\\x.dbf",
        "[LastShow]", "Other=keep me", "lastopenedshow=/data/shows/KCC-00012-14-06-2003.dbf",
        "[Alpha]", "z=1",
        "[LastMail]", "LastOpenedMail=KCCMail"};
    EXPECT_EQ(nonBlankLines(readAll(dir.file("gendefs.ini"))), expected);
    // A second write changes nothing else.
    const std::string once = readAll(dir.file("gendefs.ini"));
    bw::Set_LastMail(root, "KCCMail");
    EXPECT_EQ(readAll(dir.file("gendefs.ini")), once);
    // Nothing else is left in the folder (no temporary file).
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(Settings, AWriteThatFailsHalfWayKeepsThePreviousFile)
{
    bwtest::TempDir dir;
    const std::string path = dir.file("gendefs.ini");
    const std::string before = "[LastMail]\nLastOpenedMail=Old\n";
    std::ofstream(path) << before;
    bw::IniFile f(path);
    f.writeString("LastMail", "LastOpenedMail", std::string(4000, 'x'));

    // The disk "fills up" after 100 bytes: the write fails part way through.
    struct rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    auto oldSignal = signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = {100, old.rlim_max};
    setrlimit(RLIMIT_FSIZE, &small);
    bool threw = false;
    try {
        f.save();
    } catch (const bw::DataError& e) {
        threw = true;
        EXPECT_NE(std::string(e.what()).find("Cannot write " + path), std::string::npos) << e.what();
    }
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldSignal);

    EXPECT_TRUE(threw);
    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
