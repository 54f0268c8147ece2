// The sample club: made through the program's routines, opened as the program opens a
// show, checked by `brindlewick-cli check`, read by outside dBase readers, and the same
// every time.
#include "sample/InstallationCheck.h"
#include "sample/SampleClub.h"

#include "data/DataRoot.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "entries/EntryRules.h"
#include "entries/ShowLifecycle.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;
using bw::sample::SampleOptions;

namespace {

const std::string kCli = std::string(BW_BINARY_DIR) + "/src/brindlewick-cli";

std::string quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

std::string slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<fs::path> dbfFiles(const std::string& root)
{
    std::vector<fs::path> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && e.path().extension() == ".dbf") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

// One sample of the default size, made once for the tests that only read it.
class SampleClub : public ::testing::Test {
protected:
    static bwtest::TempDir* dir;
    static bw::sample::SampleSummary summary;

    static void SetUpTestSuite()
    {
        dir = new bwtest::TempDir;
        summary = bw::sample::makeSampleClub(root(), SampleOptions());
    }
    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }
    static std::string root() { return dir->path().string() + "/club"; }
};
bwtest::TempDir* SampleClub::dir = nullptr;
bw::sample::SampleSummary SampleClub::summary;

} // namespace

TEST_F(SampleClub, OpensWithOpenExistingShowAndItsEntriesPageThrough)
{
    bwtest::ScriptedPrompter prompter;
    bw::Tdmod m;
    m.setPrompter(&prompter);
    m.dmodCreate(root());
    m.Read_Preferences();
    const std::string last = m.Get_LastShow();
    EXPECT_EQ(last, summary.entriesPath);
    ASSERT_EQ(bw::Open_ExistingShow(m, last), bw::OpenShowResult::Opened);
    EXPECT_EQ(m.show.clubId, "KDCS");
    EXPECT_EQ(m.show.showNum, 1);
    EXPECT_FALSE(m.show.defaultBreed.empty());
    EXPECT_NE(m.show.defaultBreed, "Unknown");
    EXPECT_TRUE(m.show.useAgents);

    // Every entry, in the NAME order the show opens in, and again with deletes hidden.
    xbase::Table& t = m.TzDbf1;
    EXPECT_EQ(t.currentTag(), "NAME");
    uint32_t seen = 0, live = 0;
    for (t.first(); !t.eof(); t.next()) ++seen;
    t.setHideDeleted(true);
    for (t.first(); !t.eof(); t.next()) ++live;
    EXPECT_EQ(seen, uint32_t(summary.entries));
    EXPECT_EQ(live, uint32_t(summary.entries - summary.deletedEntries));
    EXPECT_EQ(summary.entries, SampleOptions().entries);
    EXPECT_GT(summary.deletedEntries, 0);

    // What the entry window offers for this show.
    EXPECT_GE(bw::Breed_Names(m).size(), 190u);
    EXPECT_EQ(bw::Junior_Classes(m).size(), 2u);
    EXPECT_GE(bw::Salutation_Names(m).size(), 7u);
    EXPECT_EQ(m.Dogs.recordCount(), uint32_t(SampleOptions().dogs));
    EXPECT_EQ(m.Get_ClubName(), "Kirkmoor & District Canine Society");

    // Each entry's derived fields agree with the show's classes, as saving made them.
    for (uint32_t r = 1; r <= t.recordCount(); ++r) {
        t.go(r);
        const bw::ClassList classes = bw::Parse_Classes(t.fieldText("classes"));
        EXPECT_EQ(t.fieldInt("firstclass"), classes.firstClass()) << r;
        const auto sg = m.Get_SectionGroup(classes.firstClass());
        EXPECT_EQ(t.text("catgroup"), bw::trimRight(sg.catGroup)) << r;
        EXPECT_EQ(t.fieldInt("show_num"), 1) << r;
    }
    EXPECT_TRUE(prompter.questions().empty()) << prompter.questions().front().describe();
    bw::Close_Show(m);
}

TEST_F(SampleClub, HoldsWhatARealShowHolds)
{
    xbase::Table t;
    t.setFileName(summary.entriesPath);
    t.setReadOnly(true);
    t.open();
    std::map<std::string, int> dogsOfOwner;
    int nfc = 0, juniors = 0, severalClasses = 0, notes = 0, prepaid = 0, agents = 0, accented = 0,
        numbered = 0;
    std::set<std::string> breeds;
    for (t.first(); !t.eof(); t.next()) {
        if (t.deleted()) continue;
        ++dogsOfOwner[t.text("last") + "," + t.text("first")];
        const std::string classes = t.text("classes");
        nfc += classes == "NFC";
        severalClasses += classes.find(',') != std::string::npos;
        if (!t.text("jr_name").empty()) {
            ++juniors;
            EXPECT_EQ(t.text("jr_allkey").substr(0, 2), "J9");
        }
        notes += !t.text("note").empty();
        prepaid += t.fieldBool("prepaidcat");
        agents += !t.text("agent").empty();
        numbered += !t.text("arm").empty();
        breeds.insert(t.text("breed"));
        for (char c : t.text("last") + t.text("first") + t.text("dog")) accented += (c & 0x80) != 0;
    }
    int severalDogs = 0;
    for (const auto& [owner, n] : dogsOfOwner) severalDogs += n > 1;
    const int live = summary.entries - summary.deletedEntries;
    EXPECT_GT(severalDogs, 5);
    EXPECT_GT(nfc, 0);
    EXPECT_GT(juniors, 0);
    EXPECT_GT(severalClasses, 10);
    EXPECT_GT(notes, 0);
    EXPECT_GT(prepaid, 0);
    EXPECT_GT(agents, 0);
    EXPECT_GT(accented, 0);
    EXPECT_EQ(numbered, live);               // exhibit numbers given in catalogue order
    EXPECT_EQ(int(breeds.size()), summary.breedsShown);
    EXPECT_EQ(summary.classes, SampleOptions().classes);
}

TEST_F(SampleClub, CheckFindsNothingWrongAndExactlyThreeInjectedFaults)
{
    int status = -1;
    std::string out = bwtest::runCommand(kCli + " check --data " + quote(root()) + " 2>&1", &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("No problems found."), std::string::npos) << out;
    EXPECT_NE(out.find("userdata/masterdb.dbf: " + std::to_string(summary.dogs) + " records"), std::string::npos) << out;

    bwtest::TempDir copyDir;
    const std::string copy = copyDir.file("club");
    fs::copy(root(), copy, fs::copy_options::recursive);
    const std::string entries = copy + "/shows/" + fs::path(summary.entriesPath).filename().string();
    fs::remove(copy + "/userdata/judges.dbf");
    std::string dog2, dog3, dog4, arm4;
    {
        xbase::Table t;
        t.setFileName(entries);
        t.open();
        t.go(2);
        dog2 = t.text("dog");
        t.setField("classes", "5,777");
        t.post();
        t.go(4);
        dog4 = t.text("dog");
        arm4 = t.text("arm");
        t.go(3);
        dog3 = t.text("dog");
        t.setField("arm", arm4);
        t.post();
        ASSERT_FALSE(t.deleted());
    }
    out = bwtest::runCommand(kCli + " check --data " + quote(copy) + " 2>&1", &status);
    EXPECT_EQ(status, 1) << out;
    const std::string show = "show KDCS 1 (shows/" + fs::path(entries).filename().string() + ")";
    const std::string expected = "3 problems:\n"
                                 "  missing table userdata/judges.dbf\n"
                                 "  " + show + ": entry 2 (" + dog2 + ") names class 777, which the show does not have\n"
                                 "  " + show + ": exhibit number " + arm4 + " is held by entry 3 (" + dog3 +
                                 ") and entry 4 (" + dog4 + ")\n";
    ASSERT_GE(out.size(), expected.size()) << out;
    EXPECT_EQ(out.substr(out.size() - expected.size()), expected) << out;
}

TEST_F(SampleClub, EveryTableIsReadByDbfDumpAndDbfread)
{
    BW_REQUIRE_PROGRAM("dbf_dump");
    BW_REQUIRE_PROGRAM("/usr/bin/python3");
    const std::vector<fs::path> files = dbfFiles(root());
    ASSERT_EQ(files.size(), 13u);  // 8 shared, 2 templates, the show's entries, classes, judges
    const std::string script =
        "import dbfread, sys\n"
        "for p in sys.argv[1:]:\n"
        "    t = dbfread.DBF(p, load=True)\n"
        "    names = [r[t.field_names[0]] for r in t.records]\n"
        "    print(len(t.records), len(t.deleted), names[0] if names else '')\n";
    std::string args;
    for (const fs::path& f : files) args += " " + quote(f.string());
    int status = -1;
    std::istringstream theirs(bwtest::runCommand("/usr/bin/python3 -c " + quote(script) + args + " 2>&1", &status));
    ASSERT_EQ(status, 0) << theirs.str();

    for (const fs::path& f : files) {
        SCOPED_TRACE(f.string());
        xbase::Table t;
        t.setFileName(f.string());
        t.setReadOnly(true);
        t.open();
        uint32_t deleted = 0;
        std::string firstLive;
        bool haveFirst = false;
        for (uint32_t r = 1; r <= t.recordCount(); ++r) {
            if (t.peek(0, r) == "*") {
                ++deleted;
            } else if (!haveFirst) {
                t.go(r);
                firstLive = t.text(t.fieldName(1));
                haveFirst = true;
            }
        }
        // dbfread: live and deleted records, and the first live record's first field
        // decoded from the code page the header names.
        std::string line;
        std::getline(theirs, line);
        const bool textFirst = t.fields().front().type == xbase::FieldType::Character;
        std::string expect = std::to_string(t.recordCount() - deleted) + " " + std::to_string(deleted) + " ";
        if (textFirst) {
            EXPECT_EQ(line, expect + firstLive);
        } else {
            EXPECT_EQ(line.substr(0, expect.size()), expect);
        }

        // Perl's dbf_dump: one line per live record.
        std::string dump = bwtest::runCommand("dbf_dump --fs '|' " + quote(f.string()) + " 2>&1", &status);
        EXPECT_EQ(status, 0) << dump;
        EXPECT_EQ(size_t(std::count(dump.begin(), dump.end(), '\n')), size_t(t.recordCount() - deleted))
            << dump.substr(0, 300);
        t.close();
    }
}

TEST(SampleClubOptions, SameOptionsGiveTheSameFiles)
{
    bwtest::TempDir dir;
    const std::string root = dir.file("club");
    const SampleOptions options{90, 60, 25};
    bw::sample::makeSampleClub(root, options);
    fs::rename(root, dir.file("first"));
    bw::sample::makeSampleClub(root, options);

    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) names.push_back(fs::relative(e.path(), root).string());
    std::sort(names.begin(), names.end());
    std::vector<std::string> before;
    for (const auto& e : fs::recursive_directory_iterator(dir.file("first")))
        if (e.is_regular_file()) before.push_back(fs::relative(e.path(), dir.file("first")).string());
    std::sort(before.begin(), before.end());
    ASSERT_EQ(names, before);
    for (const std::string& n : names)
        EXPECT_TRUE(slurp(fs::path(root) / n) == slurp(fs::path(dir.file("first")) / n)) << n;
}

TEST(SampleClubOptions, OptionsOutsideWhatAShowHoldsAreMadeFitAndSaid)
{
    struct Case {
        SampleOptions options;
        int classes, dogs, entries;
        size_t notes;
    } cases[] = {
        {{30, 20, 8}, 8, 30, 20, 0},
        {{10, 20, 2}, 8, 20, 20, 2},      // too few classes; fewer dogs than entries
        {{0, 0, 5000}, 903, 0, 0, 1},     // more classes than three-digit numbers allow
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.classes);
        bwtest::TempDir dir;
        const auto s = bw::sample::makeSampleClub(dir.file("club"), c.options);
        EXPECT_EQ(s.classes, c.classes);
        EXPECT_EQ(s.dogs, c.dogs);
        EXPECT_EQ(s.entries, c.entries);
        EXPECT_EQ(s.notes.size(), c.notes);
        EXPECT_TRUE(bw::sample::checkInstallation(dir.file("club")).problems.empty());
    }
}

TEST(SampleClubOptions, AFolderHoldingAClubIsNeverWrittenOver)
{
    bwtest::TempDir dir;
    std::ofstream(dir.file("gendefs.ini")) << "[ClubInfo]\n1=MINE\n";
    EXPECT_FALSE(bw::sample::isEmptyDataRoot(dir.path().string()));
    EXPECT_THROW(bw::sample::makeSampleClub(dir.path().string(), SampleOptions{20, 10, 10}), bw::DataError);
    EXPECT_EQ(slurp(dir.file("gendefs.ini")), "[ClubInfo]\n1=MINE\n");

    int status = -1;
    std::string out = bwtest::runCommand(kCli + " sample --data " + quote(dir.path().string()) + " 2>&1", &status);
    EXPECT_EQ(status, 1) << out;
    EXPECT_NE(out.find("already holds a club"), std::string::npos) << out;
    out = bwtest::runCommand(kCli + " sample --data " + quote(dir.file("x")) + " --dogs many 2>&1", &status);
    EXPECT_EQ(status, 2) << out;
}

// Each kind of fault, alone, on a small sample: the check names it and nothing else.
TEST(InstallationCheck, NamesEachKindOfFault)
{
    struct Case {
        const char* what;
        std::function<void(const std::string& root, const std::string& entries)> inject;
        std::string problem;  // the text the one problem contains
    } cases[] = {
        {"seven classes",
         [](const std::string&, const std::string& entries) {
             xbase::Table t;
             t.setFileName(entries);
             t.open();
             t.go(1);
             t.setField("classes", "1,2,3,4,5,6,7");
             t.post();
         },
         "names 7 classes (\"1,2,3,4,5,6,7\"); at most six"},
        {"no show-dates record",
         [](const std::string& root, const std::string&) {
             xbase::Table t;
             t.setFileName(root + "/userdata/shwdates.dbf");
             t.open();
             t.zap();
         },
         ": no show-dates record in userdata/shwdates.dbf"},
        {"no class table",
         [](const std::string& root, const std::string&) { fs::remove(root + "/catdata/KDCS00001classes.dbf"); },
         "missing table catdata/KDCS00001classes.dbf (the classes of show KDCS 1"},
        {"club not configured",
         [](const std::string& root, const std::string&) { fs::remove(root + "/gendefs.ini"); },
         "missing settings file gendefs.ini"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bwtest::TempDir dir;
        const std::string root = dir.file("club");
        const auto s = bw::sample::makeSampleClub(root, SampleOptions{30, 20, 12});
        c.inject(root, s.entriesPath);
        const auto result = bw::sample::checkInstallation(root);
        ASSERT_FALSE(result.problems.empty());
        EXPECT_NE(result.problems.front().find(c.problem), std::string::npos) << result.problems.front();
        if (std::string(c.what) != "club not configured") {
            EXPECT_EQ(result.problems.size(), 1u);
        }
    }
}
