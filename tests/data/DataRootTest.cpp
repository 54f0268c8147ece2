#include <fstream>
#include <gtest/gtest.h>

#include "data/DataRoot.h"
#include "support/TempDir.h"

namespace {

struct EnvGuard {
    std::string name;
    std::optional<std::string> old;
    explicit EnvGuard(std::string n) : name(std::move(n))
    {
        if (const char* v = std::getenv(name.c_str())) old = v;
    }
    ~EnvGuard()
    {
        if (old) setenv(name.c_str(), old->c_str(), 1);
        else unsetenv(name.c_str());
    }
};

} // namespace

TEST(DataRoot, CommandLineThenEnvironmentThenXdg)
{
    EnvGuard a("BRINDLEWICK_DATA"), b("XDG_DATA_HOME"), c("HOME");
    setenv("BRINDLEWICK_DATA", "/srv/bw/", 1);
    setenv("XDG_DATA_HOME", "/xdg", 1);
    setenv("HOME", "/home/sec", 1);
    EXPECT_EQ(bw::chooseDataRoot(std::string("/club/data/")), "/club/data");
    EXPECT_EQ(bw::chooseDataRoot(std::nullopt), "/srv/bw");
    unsetenv("BRINDLEWICK_DATA");
    EXPECT_EQ(bw::chooseDataRoot(std::nullopt), "/xdg/brindlewick");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(bw::chooseDataRoot(std::nullopt), "/home/sec/.local/share/brindlewick");

    const char* argv1[] = {"bw", "--data", "/d1", nullptr};
    const char* argv2[] = {"bw", "--data=/d2", nullptr};
    const char* argv3[] = {"bw", "--data", nullptr};
    EXPECT_EQ(bw::dataOption(3, const_cast<char**>(argv1)), std::optional<std::string>("/d1"));
    EXPECT_EQ(bw::dataOption(2, const_cast<char**>(argv2)), std::optional<std::string>("/d2"));
    EXPECT_EQ(bw::dataOption(2, const_cast<char**>(argv3)), std::nullopt);
}

TEST(DataRoot, FilesAreFoundWhateverTheirLetterCase)
{
    bwtest::TempDir dir;
    std::ofstream(dir.file("sections.dbf")) << "x";
    std::ofstream(dir.file("Allclass.dbf")) << "x";
    const std::string folder = dir.path().string();
    EXPECT_EQ(bw::findFile(folder, "Sections.dbf"), dir.file("sections.dbf"));
    EXPECT_EQ(bw::findFile(folder, "Allclass.dbf"), dir.file("Allclass.dbf"));
    EXPECT_EQ(bw::findFile(folder, "ALLCLASS.DBF"), dir.file("Allclass.dbf"));
    EXPECT_EQ(bw::findFile(folder, "breeds.dbf"), dir.file("breeds.dbf"));  // missing: own spelling
    EXPECT_EQ(bw::findFile(folder + "/nofolder", "x.dbf"), folder + "/nofolder/x.dbf");
}

TEST(DataRoot, NamesThatWouldLeaveTheirFolderAreRefused)
{
    for (const char* ok : {"KCC", "14-06-2003", "", "A.B", "Club 1"})
        EXPECT_EQ(bw::nameProblem("club ID", ok), "") << ok;
    EXPECT_EQ(bw::nameProblem("club ID", "../X"),
              "The club ID \"../X\" cannot be used in a file name: it may not contain \"/\" or \"\\\".");
    EXPECT_EQ(bw::nameProblem("show date text", "..x"),
              "The show date text \"..x\" cannot be used in a file name: it may not contain \"..\".");
    EXPECT_NE(bw::nameProblem("club ID", "A\\B"), "");
    EXPECT_EQ(bw::nameProblem("club ID", "A\tB"),
              "The club ID \"A?B\" cannot be used in a file name: it may not contain control characters.");
    EXPECT_THROW(bw::requireSafeName("club ID", "a/b"), bw::DataError);
}

TEST(DataRoot, EnsureFolderMakesOneLevelOrSaysItCannot)
{
    bwtest::TempDir dir;
    bw::ensureFolder(dir.file("shows"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("shows")));
    bw::ensureFolder(dir.file("shows"));  // already there: fine
    std::ofstream(dir.file("userdata")) << "a file in the way";
    try {
        bw::ensureFolder(dir.file("userdata"));
        FAIL() << "no error";
    } catch (const bw::DataError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create " + dir.file("userdata") + "/");
    }
    EXPECT_THROW(bw::ensureFolder(dir.file("a/b")), bw::DataError);
}
