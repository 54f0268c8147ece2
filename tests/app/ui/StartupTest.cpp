#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "app/Startup.h"
#include "data/Tdmod.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

TEST(Startup, AFolderThatCannotBeMadeIsShownAndTheProgramGoesOn)
{
    bwtest::TempDir dir;
    std::ofstream(dir.file("indexs")) << "in the way";
    bwtest::ScriptedPrompter prompter;
    bw::Tdmod module;
    EXPECT_FALSE(bw::startDataModule(module, dir.path().string(), prompter));
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].text, "Cannot create " + dir.file("indexs") + "/");
    EXPECT_EQ(prompter.questions()[0].icon, "H");
    EXPECT_FALSE(module.Dogs.isOpen());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("userdata")));
}

TEST(Startup, AnEmptyDataRootStartsSilently)
{
    bwtest::TempDir dir;
    bwtest::ScriptedPrompter prompter;
    bw::Tdmod module;
    EXPECT_TRUE(bw::startDataModule(module, dir.file("new/root"), prompter));
    EXPECT_TRUE(prompter.questions().empty());
    EXPECT_TRUE(module.Dogs.isOpen());
    EXPECT_EQ(&module.prompter(), &prompter);
}

#include "app/DmodSources.h"

TEST(Startup, EveryTableHasItsDataSource)
{
    bw::Tdmod module;
    bw::DmodSources sources(module);
    EXPECT_EQ(sources.dsDogs.table(), &module.Dogs);
    EXPECT_EQ(sources.DataSource1.table(), &module.TzDbf1);
    EXPECT_EQ(sources.dsMail.table(), &module.Mail);
    EXPECT_FALSE(sources.dsShow.autoEdit());
    EXPECT_TRUE(sources.dsDogs.autoEdit());
}
