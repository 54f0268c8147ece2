// brindlewick-cli dump, run as the user runs it.
#include "support/TempDir.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace xbase;

namespace {

const std::string kCli = std::string(BW_BINARY_DIR) + "/src/brindlewick-cli";

std::string run(const std::string& args, int* status)
{
    return bwtest::runCommand(kCli + " " + args + " 2>&1", status);
}

} // namespace

TEST(DumpCommand, PrintsOneLinePerRecordWithMarksAndUtf8)
{
    bwtest::TempDir dir;
    std::string path = dir.file("dogs.dbf");
    {
        Table t({C("dog", 20), N("num", 4), D("born"), L("ok")});
        t.setFileName(path);
        t.open();
        auto add = [&](const char* dog, const char* num, const char* born, const char* ok, bool del) {
            t.append();
            t.setField("dog", dog);
            t.setField("num", num);
            t.setField("born", born);
            t.setField("ok", ok);
            if (del) t.deleteRecord();
            t.post();
        };
        add("Zoë Müller", "12", "20010203", "T", false);
        add("Gone", "", "", "", true);
        add("a|b\\c", "-5", "", "F", false);
    }
    int status = -1;
    EXPECT_EQ(run("dump '" + path + "'", &status),
              "|Zoë Müller|12|20010203|T\n"
              "*|Gone|||\n"
              "|a\\|b\\\\c|-5||F\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(run("dump --header '" + path + "'", &status).substr(0, 19), "#|dog|num|born|ok\n|");

    // A table in use by the program is refused, and so is a damaged one.
    {
        Table t;
        t.setFileName(path);
        t.open();
        std::string out = run("dump '" + path + "'", &status);
        EXPECT_EQ(status, 1);
        EXPECT_NE(out.find("in use"), std::string::npos) << out;
    }
    std::ofstream(dir.file("bad.dbf")) << "not a table";
    std::string out = run("dump '" + dir.file("bad.dbf") + "'", &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.find(dir.file("bad.dbf")), std::string::npos) << out;
    run("dump '" + dir.file("missing.dbf") + "'", &status);
    EXPECT_EQ(status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.dbf"))) << "dump never creates a table";
}

TEST(DumpCommand, WrongCommandLinesExitWithTwo)
{
    int status = -1;
    for (const char* args : {"", "dump", "dump --nosuch x.dbf", "dump a.dbf b.dbf", "nosuch"}) {
        run(args, &status);
        EXPECT_EQ(status, 2) << args;
    }
    EXPECT_NE(run("help dump", &status).find("deletion mark"), std::string::npos);
    EXPECT_EQ(status, 0);
}
