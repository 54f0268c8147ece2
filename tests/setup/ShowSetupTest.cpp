#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "data/DataRoot.h"
#include "data/IniFile.h"
#include "data/Tdmod.h"
#include "setup/ClassLines.h"
#include "setup/ShowSetup.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using namespace bw::setup;

namespace {

// A data root in a temporary folder with the shared tables open.
struct Root {
    bwtest::TempDir dir;
    bw::Tdmod dm;
    Root() { dm.dmodCreate(dir.path().string()); }

    void addShow(const std::string& club, int num, const std::string& date = "20030614")
    {
        dm.ShowDates.append();
        dm.ShowDates.setField("clubid", club);
        dm.ShowDates.setFieldInt("show_num", num);
        dm.ShowDates.setField("show_date", date);
        dm.ShowDates.setFieldInt("num_days", 1);
        dm.ShowDates.post();
    }
    void addClass(const std::string& section, const std::string& name, const std::string& group,
                  const std::string& key, bool deleted = false)
    {
        dm.AllClasses.append();
        dm.AllClasses.setField("section", section);
        dm.AllClasses.setField("classname", name);
        dm.AllClasses.setField("cat_group", group);
        dm.AllClasses.setField("allkey", key);
        dm.AllClasses.post();
        if (deleted) dm.AllClasses.deleteRecord();
    }
    std::string line(const std::string& section, const std::string& name, const std::string& group,
                     const std::string& key)
    {
        return availableClassLine({section, name, group, key});
    }
};

} // namespace

TEST(NextShowNumber, OneWithoutShowsAndOneAboveTheClubsHighest)
{
    Root r;
    EXPECT_EQ(1, NextShowNumber(r.dm, "KCC"));
    r.addShow("KCC", 1);
    r.addShow("OTHER", 40);
    r.addShow("KCC", 5);
    r.addShow("KCC", 2);
    r.addShow("KCCX", 9);   // a longer club ID starting the same is another club
    EXPECT_EQ(6, NextShowNumber(r.dm, "KCC"));
    EXPECT_EQ(41, NextShowNumber(r.dm, "OTHER"));
    EXPECT_EQ(1, NextShowNumber(r.dm, "NEW"));
}

TEST(NextShowNumber, LeavesTheTableWhereItWas)
{
    Root r;
    r.addShow("KCC", 3);
    r.addShow("ABC", 1);
    r.dm.ShowDates.setOrder("SHOWDATE");
    r.dm.ShowDates.go(1);
    NextShowNumber(r.dm, "ABC");
    EXPECT_EQ("SHOWDATE", r.dm.ShowDates.currentTag());
    EXPECT_EQ(1u, r.dm.ShowDates.recNo());
}

TEST(ClassLines, FixedColumnsAndCutBack)
{
    std::string line = availableClassLine({"Breed", "Open Dog", "B1", "B010"});
    ASSERT_EQ(85u, line.size());
    EXPECT_EQ("Breed          ", line.substr(0, 15));
    EXPECT_EQ("Open Dog", line.substr(18, 8));
    EXPECT_EQ("B1 ", line.substr(78, 3));
    EXPECT_EQ("B010", line.substr(81, 4));
    ClassLine back = parseClassLine(line);
    EXPECT_EQ("Breed", back.section);
    EXPECT_EQ("Open Dog", back.className);
    EXPECT_EQ("B1", back.catGroup);
    EXPECT_EQ("B010", back.allKey);
    // Columns count characters, not bytes.
    ClassLine accented = parseClassLine(availableClassLine({"Élevage", "Chiots Mâles", "É1", "É001"}));
    EXPECT_EQ("Élevage", accented.section);
    EXPECT_EQ("Chiots Mâles", accented.className);
    EXPECT_EQ("É001", accented.allKey);
}

TEST(ClassNumbering, NfcAndJuniorClassesTakeNoNumberFromTheSequence)
{
    std::vector<std::string> lines = {
        availableClassLine({"Breed", "Puppy Dog", "B1", "B010"}),
        availableClassLine({"Breed", "Open Dog", "B1", "B020"}),
        availableClassLine({"Breed", "Not For Competition", "NFC", "N999"}),
        availableClassLine({"Junior", "Junior Handling", "BJR", "J901"}),
        availableClassLine({"Breed", "Open Bitch", "B1", "B030"}),
    };
    Numbering n = numberShowClasses(lines);
    ASSERT_TRUE(n.error.empty());
    std::vector<int> numbers;
    for (const auto& c : n.classes) numbers.push_back(c.classNum);
    EXPECT_EQ((std::vector<int>{1, 2, 999, 901, 3}), numbers);

    Numbering twoDays = numberShowClasses({lines[0], lines[1]}, 2);
    ASSERT_EQ(4u, twoDays.classes.size());
    EXPECT_EQ(2, twoDays.classes[2].day);
    EXPECT_EQ(3, twoDays.classes[2].classNum);   // the sequence runs on across days

    Numbering bad = numberShowClasses({lines[0], availableClassLine({"Junior", "Jr", "BJR", "JX1"})});
    EXPECT_EQ("'X1 ' is not a valid integer value", bad.error);
    EXPECT_TRUE(bad.classes.empty());
}

TEST(SectionsFilter, ChosenSectionsMatchExactlyAndNoneChosenOffersAll)
{
    Root r;
    r.addClass("Breed", "Open Dog", "B1", "B010");
    r.addClass("Obedience", "Novice", "O1", "O010");
    r.addClass("breed", "Lower-case section", "B1", "B020");
    r.addClass("Agility", "Jumpers", "A1", "A010");
    r.addClass("Breed", "Gone", "B1", "B005", /*deleted*/ true);

    auto names = [](const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        for (const auto& l : lines) out.push_back(parseClassLine(l).className);
        return out;
    };
    // In allkey order, deleted records left out.
    EXPECT_EQ((std::vector<std::string>{"Jumpers", "Open Dog", "Lower-case section", "Novice"}),
              names(libraryClassLines(r.dm, {})));
    EXPECT_EQ((std::vector<std::string>{"Open Dog", "Novice"}),
              names(libraryClassLines(r.dm, {"Breed", "Obedience"})));
    EXPECT_EQ((std::vector<std::string>{"Novice"}),
              names(libraryClassLines(r.dm, {"Breed", "Obedience"}, {"B010"})));
}

TEST(SectionsFilter, ReadFromTheClubSlot)
{
    Root r;
    {
        bw::IniFile ini(r.dm.SettingsPath());
        ini.writeInteger("Club2-Info", "NumberOfSections", 2);
        ini.writeString("Club2-Info", "Section1", "Breed");
        ini.writeString("Club2-Info", "Section2", "Agility");
        ini.save();
    }
    EXPECT_EQ((std::vector<std::string>{"Breed", "Agility"}), chosenSections(r.dm, 2));
    EXPECT_TRUE(chosenSections(r.dm, 1).empty());
}

TEST(ShowFiles, NamesOfANewShow)
{
    Root r;
    ShowFiles f = showFiles(r.dm, "KCC", 12, "14/06/2003");
    EXPECT_EQ("KCC-00012-14-06-2003", f.fileKey);
    EXPECT_EQ(r.dir.file("shows/KCC-00012-14-06-2003.dbf"), f.entriesPath);
    EXPECT_EQ(r.dir.file("catdata/KCC00012classes.dbf"), f.classesPath);
    EXPECT_EQ("KCC-00012-14.06.2003", showFiles(r.dm, "KCC", 12, "14.06.2003").fileKey);
    EXPECT_THROW(showFiles(r.dm, "../X", 1, "14/06/2003"), bw::DataError);
}

TEST(ClubCode, CharactersThatCannotNameAShowAreRefused)
{
    EXPECT_EQ("", clubCodeProblem("KCC"));
    EXPECT_NE("", clubCodeProblem("K/C"));
    EXPECT_NE("", clubCodeProblem("K\\C"));
    EXPECT_NE("", clubCodeProblem(".."));
    EXPECT_NE("", clubCodeProblem("K-C"));
}

TEST(StoredDate, ByTheDateFormat)
{
    using bw::DateFormat;
    EXPECT_EQ("20030614", storedDate("14/06/2003", DateFormat::British));
    EXPECT_EQ("20030614", storedDate("06/14/2003", DateFormat::American));
    EXPECT_EQ("20240229", storedDate("29.2.2024", DateFormat::British));
    EXPECT_EQ("", storedDate("31/02/2003", DateFormat::British));
    EXPECT_EQ("", storedDate("14/06/2003", DateFormat::American));
    EXPECT_EQ("", storedDate("  /  /    ", DateFormat::British));
    EXPECT_EQ("14/06/2003", shownDate("20030614", DateFormat::British));
}

namespace {

NewShow kccShow(Root& r, int num = 12)
{
    NewShow s;
    s.clubSlot = 1;
    s.clubId = "KCC";
    s.showNum = num;
    s.dateText = "14/06/2003";
    s.dateFormat = bw::DateFormat::British;
    s.lines = {r.line("Breed", "Puppy Dog", "B1", "B010"), r.line("Breed", "Open Dog", "B1", "B020"),
               r.line("Breed", "Not For Competition", "NFC", "N999"),
               r.line("Junior", "Junior Handling", "BJR", "J901"), r.line("Breed", "Open Bitch", "B1", "B030")};
    return s;
}

} // namespace

TEST(CreateShow, WritesTheDatesRecordTheEntriesFileAndTheNumberedClasses)
{
    Root r;
    NewShowResult res = createShow(r.dm, kccShow(r));
    ASSERT_EQ(NewShowResult::Status::Created, res.status) << res.message;
    const std::string entries = r.dir.file("shows/KCC-00012-14-06-2003.dbf");
    EXPECT_EQ(entries, res.entriesPath);
    EXPECT_TRUE(fs::exists(entries));
    EXPECT_TRUE(fs::exists(r.dir.file("indexs/KCC-00012-14-06-2003.mdx")));
    EXPECT_TRUE(fs::exists(r.dir.file("indexs/KCC00012classes.mdx")));
    EXPECT_FALSE(fs::exists(r.dir.file("catdata/KCC00012classes.dbf.new")));

    // The show dates record.
    r.dm.ShowDates.setOrder("SHOWNUM");
    ASSERT_TRUE(r.dm.ShowDates.seek("KCC        12"));
    EXPECT_EQ("20030614", r.dm.ShowDates.text("show_date"));
    EXPECT_EQ(1, r.dm.ShowDates.fieldInt("num_days"));

    // The new show is the open show.
    EXPECT_TRUE(r.dm.TzDbf1.isOpen());
    EXPECT_EQ(0u, r.dm.TzDbf1.recordCount());
    EXPECT_EQ("NAME", r.dm.TzDbf1.currentTag());
    EXPECT_EQ("KCC", r.dm.show.clubId);
    EXPECT_EQ(12, r.dm.show.showNum);
    EXPECT_EQ("14-06-2003", r.dm.show.showDateText);
    EXPECT_EQ(1, r.dm.show.clubSlot);
    EXPECT_EQ(entries, r.dm.Get_LastShow());

    // Its classes, numbered in list order.
    ASSERT_TRUE(r.dm.ShowClasses.isOpen());
    std::vector<ShowClass> classes = readShowClasses(r.dm, "KCC", 12);
    std::vector<int> numbers;
    for (const auto& c : classes) numbers.push_back(c.classNum);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 901, 999}), numbers);
    EXPECT_EQ("Open Bitch", classes[2].className);
    EXPECT_EQ("1", classes[2].day);
    EXPECT_EQ("B030", classes[2].allKey);
}

TEST(CreateShow, NeverReplacesAnExistingShow)
{
    Root r;
    ASSERT_EQ(NewShowResult::Status::Created, createShow(r.dm, kccShow(r)).status);
    // An entry arrives; then Save is pressed again for the same show.
    r.dm.TzDbf1.append();
    r.dm.TzDbf1.setField("dog", "Rex");
    r.dm.TzDbf1.post();
    const uint32_t showDates = r.dm.ShowDates.recordCount();

    NewShowResult again = createShow(r.dm, kccShow(r));
    EXPECT_EQ(NewShowResult::Status::Refused, again.status);
    EXPECT_EQ("Show Already Exists", again.caption);
    EXPECT_EQ(showDates, r.dm.ShowDates.recordCount());
    EXPECT_EQ(1u, r.dm.TzDbf1.recordCount());

    // The same number on another date would replace the show's classes.
    NewShow otherDate = kccShow(r);
    otherDate.dateText = "15/06/2003";
    otherDate.lines.resize(1);
    NewShowResult used = createShow(r.dm, otherDate);
    EXPECT_EQ(NewShowResult::Status::Refused, used.status);
    EXPECT_NE(std::string::npos, used.message.find("next free one is 13")) << used.message;
    EXPECT_EQ(5u, readShowClasses(r.dm, "KCC", 12).size());
    EXPECT_FALSE(fs::exists(r.dir.file("shows/KCC-00012-15-06-2003.dbf")));
}

TEST(CreateShow, ABadJuniorKeyOrDateWritesNothing)
{
    Root r;
    NewShow s = kccShow(r);
    s.lines.push_back(r.line("Junior", "Junior Mistyped", "BJR", "JR1"));
    NewShowResult res = createShow(r.dm, s);
    EXPECT_EQ(NewShowResult::Status::Refused, res.status);
    EXPECT_EQ(0u, res.message.find("'R1 ' is not a valid integer value"));
    EXPECT_EQ(0u, r.dm.ShowDates.recordCount());
    EXPECT_FALSE(fs::exists(r.dir.file("shows/KCC-00012-14-06-2003.dbf")));
    EXPECT_FALSE(fs::exists(r.dir.file("catdata/KCC00012classes.dbf")));

    s = kccShow(r);
    s.dateText = "31/02/2003";
    EXPECT_EQ(NewShowResult::Status::Refused, createShow(r.dm, s).status);
    s.dateText = "  ";
    EXPECT_EQ(NewShowResult::Status::NoDate, createShow(r.dm, s).status);
    s = kccShow(r);
    s.lines.clear();
    NewShowResult none = createShow(r.dm, s);
    EXPECT_EQ("You must Select some Classes before a show can be created!", none.message);
    EXPECT_EQ(0u, r.dm.ShowDates.recordCount());
}

TEST(WriteShowClasses, AJuniorKeyWithoutNumberLeavesTheOldClassesWhole)
{
    Root r;
    WriteShowClasses(r.dm, "KCC", 3, {r.line("Breed", "Open Dog", "B1", "B020")});
    std::vector<std::string> lines = {r.line("Breed", "Puppy Dog", "B1", "B010"),
                                      r.line("Junior", "Junior", "BJR", "J9X")};
    EXPECT_THROW(WriteShowClasses(r.dm, "KCC", 3, lines), bw::DataError);
    std::vector<ShowClass> kept = readShowClasses(r.dm, "KCC", 3);
    ASSERT_EQ(1u, kept.size());
    EXPECT_EQ("Open Dog", kept[0].className);

    // Rewriting the classes of the open show leaves its class table open on the new file.
    r.dm.Open_ShowClasses("KCC", "00003");
    WriteShowClasses(r.dm, "KCC", 3, {lines[0], r.line("Breed", "Open Dog", "B1", "B020")});
    ASSERT_TRUE(r.dm.ShowClasses.isOpen());
    EXPECT_EQ(2u, r.dm.ShowClasses.recordCount());
    EXPECT_EQ("CLASSNO", r.dm.ShowClasses.currentTag());
}

TEST(PriorShow, LoadsDayOneClassesInClassNumberOrder)
{
    Root r;
    WriteShowClasses(r.dm, "KCC", 4,
                     {r.line("Breed", "Puppy Dog", "B1", "B010"), r.line("Breed", "NFC", "NFC", "N999"),
                      r.line("Breed", "Open Dog", "B1", "B020")});
    // A class of another day is not loaded.
    r.dm.Open_ShowClasses("KCC", "00004");
    r.dm.ShowClasses.append();
    r.dm.ShowClasses.setField("day", "2");
    r.dm.ShowClasses.setFieldInt("classnum", 3);
    r.dm.ShowClasses.setField("classname", "Day Two");
    r.dm.ShowClasses.post();
    r.dm.ShowClasses.close();

    std::vector<std::string> lines = priorShowClassLines(r.dm, "KCC", 4);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("Puppy Dog", parseClassLine(lines[0]).className);
    EXPECT_EQ("Open Dog", parseClassLine(lines[1]).className);
    EXPECT_EQ("N999", parseClassLine(lines[2]).allKey);
    EXPECT_EQ((std::set<std::string>{"B010", "B020", "N999"}), allKeysOf(lines));
    EXPECT_TRUE(priorShowClassLines(r.dm, "KCC", 99).empty());
    EXPECT_FALSE(fs::exists(r.dir.file("catdata/KCC00099classes.dbf")));
}
