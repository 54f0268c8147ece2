// brindlewick-cli number and counts, run as the user runs them.
#include <gtest/gtest.h>

#include "catalogue/OpenShowTest.h"
#include "print/Rtf.h"

namespace {

const std::string kCli = std::string(BW_BINARY_DIR) + "/src/brindlewick-cli";

class NumberingCommandsTest : public bwtest::OpenShowTest {
protected:
    void SetUp() override
    {
        OpenShowTest::SetUp();
        showPath = m.show.entriesPath;
    }

    // Runs the command with every table of this process closed (the program opens its
    // tables exclusively), then opens the show's tables again; standard error is kept
    // apart.
    std::string run(const std::string& args, int* status, std::string* errors = nullptr)
    {
        for (xbase::Table* t : {&m.Dogs, &m.Show, &m.TzDbf1, &m.Breeds, &m.Sections, &m.AllClasses, &m.ShowDates,
                                &m.CatGroups, &m.Judges, &m.Salutations, &m.ShowClasses, &m.ShwJudges, &m.Catalog,
                                &m.Mail})
            t->close();
        const std::string errFile = dir.file("stderr.txt");
        std::string out = bwtest::runCommand(kCli + " " + args + " 2>" + errFile, status);
        if (errors) *errors = bwtest::runCommand("cat " + errFile);
        m.Open_ShowEntries(showPath);
        m.Open_ShowClasses("KCC", "00012");
        return out;
    }

    std::vector<std::string> storedArms()
    {
        std::vector<std::string> out;
        for (uint32_t r = 1; r <= m.TzDbf1.recordCount(); ++r) out.push_back(arm(r));
        return out;
    }

    std::string showPath;
};

TEST_F(NumberingCommandsTest, NumberGivesNumbersInTheChosenOrder)
{
    addClass(1, "Puppy", "Breed", "BR");
    addEntry({{"last", "Smith"}, {"classes", "1"}});
    addEntry({{"last", "Adams"}, {"classes", "1"}, {"arm", "9"}}, true);
    addEntry({{"last", "Brown"}, {"classes", "1"}});

    int status = -1;
    // The show opened last, catalogue order by exhibitor, from 101.
    EXPECT_EQ(run("number --data " + root(), &status),
              "Numbered 2 exhibits from 101 to 102 in the order First Class # (Catalog Order - Last Name).\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(storedArms(), (std::vector<std::string>{"102", "9", "101"}));

    // A named show, input order, the start read leniently.
    EXPECT_EQ(run("number --data " + root() + " --show " + showPath + " --start 1,001 --order input", &status),
              "Numbered 2 exhibits from 1001 to 1002 in the order Input Order.\n");
    EXPECT_EQ(storedArms(), (std::vector<std::string>{"1001", "9", "1002"}));

    std::string errors;
    run("number --data " + root() + " --order name", &status, &errors);
    EXPECT_EQ(status, 2);
    EXPECT_NE(errors.find("no order named name"), std::string::npos);
    run("number --data " + root() + " --show nosuch.dbf", &status, &errors);
    EXPECT_EQ(status, 1);
    EXPECT_NE(errors.find("No such show: " + root() + "/shows/nosuch.dbf"), std::string::npos);
}

TEST_F(NumberingCommandsTest, CountsPrintsTheListingAndSavesItAsRtf)
{
    int status = -1;
    std::string errors;
    run("counts --data " + root(), &status, &errors);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(errors, "You need some entries first!\n");

    addClass(1, "Puppy", "Breed", "BR");
    addClass(2, "Open", "Breed", "BR");
    addEntry({{"classes", "1,2"}});
    addEntry({{"classes", "7,2"}});  // classes 7 and 9 are not classes of the show
    addEntry({{"classes", "1"}});
    addEntry({{"classes", "9"}});
    const std::string rtf = dir.file("counts.rtf");
    const std::string out = run("counts --data " + root() + " --rtf " + rtf, &status, &errors);
    EXPECT_EQ(status, 0);
    // The unknown class 7 is told on standard error; 9, the last class, is passed over.
    EXPECT_EQ(errors, "In Get_Class_Counts - Class Number 7 not found in Show Classes\n");
    const std::string expected = "KCC Kennel Club\nJune 14, 2003\n \nClass #   Description    \tNumber of Entries\n \n"
                                 "    1\tPuppy" + std::string(35, ' ') + "\t    2\n"
                                 "    2\tOpen" + std::string(36, ' ') + "\t    2\n"
                                 " \nTotal Exhibits =     3\nTotal Entries =     4\n";
    EXPECT_EQ(out, expected);
    const bw::print::RtfReadResult back = bw::print::loadRtfFile(rtf);
    ASSERT_TRUE(back.doc) << back.error;
    EXPECT_EQ(back.doc->plainText() + "\n", expected);
}

} // namespace
