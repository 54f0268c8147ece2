#include <gtest/gtest.h>

#include "entries/DogMaster.h"
#include "entries/EntryRules.h"
#include "entries/ShowFixture.h"
#include "entries/ShowLifecycle.h"

namespace {

class DogMasterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.addMasterDog("Blue Moon", "Smith");
        f.addMasterDog("Amber Glow", "Brown");
        f.addMasterDog("Blue Moon", "Later");     // the same dog entered again
        f.addMasterDog("", "Nameless");
        f.addMasterDog("Gone Away", "Deleted");
        f.m.Dogs.setOrder("");
        f.m.Dogs.go(5);
        f.m.Dogs.deleteRecord();
        const std::string path = f.makeShow("KCC", 12, "14/06/2003", bwtest::standardClasses(),
                                            {{"Blue Moon", "Smith", "Ann", "3", ""}});
        f.prompter.clear();
        ASSERT_EQ(bw::OpenShowResult::Opened, bw::Open_ExistingShow(f.m, path));
    }

    xbase::Table& entries() { return f.m.TzDbf1; }
    xbase::Table& dogs() { return f.m.Dogs; }

    const bw::DogListItem* item(const std::vector<bw::DogListItem>& list, const std::string& name)
    {
        for (const auto& i : list)
            if (i.name == name) return &i;
        return nullptr;
    }

    void startEntry()
    {
        bw::OwnerDetails remembered;
        bw::New_Entry(entries(), f.m.show.defaultBreed, remembered);
    }

    bwtest::ShowFixture f;
};

} // namespace

TEST_F(DogMasterTest, ListHasEachLiveNameOnceWithItsFirstRecord)
{
    const auto list = bw::Fill_DogList(dogs());
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("Amber Glow", list[0].name);
    EXPECT_EQ(2u, list[0].recNo);
    EXPECT_EQ("Blue Moon", list[1].name);
    EXPECT_EQ(1u, list[1].recNo);
}

TEST_F(DogMasterTest, APickedDogFillsTheEntryFromTheMaster)
{
    const auto list = bw::Fill_DogList(dogs());
    startEntry();
    entries().setField("classes", "7");
    bool newDog = true;
    auto r = bw::Leave_DogName(f.m, item(list, "Amber Glow"), "Amber Glow", newDog);
    EXPECT_EQ(bw::DogPick::Filled, r.pick);
    EXPECT_FALSE(newDog);
    EXPECT_TRUE(f.prompter.questions().empty());
    EXPECT_EQ("Amber Glow", entries().text("dog"));
    EXPECT_EQ("Brown", entries().text("last"));
    EXPECT_EQ("Ch", entries().text("titles"));
    EXPECT_EQ("20200315", entries().text("bdate"));
    EXPECT_EQ("Border Terrier", entries().text("breed"));   // breed and classes untouched
    EXPECT_EQ("7", entries().text("classes"));
}

TEST_F(DogMasterTest, ATypedNameIsANewDog)
{
    bw::Fill_DogList(dogs());
    startEntry();
    bool newDog = false;
    auto r = bw::Leave_DogName(f.m, nullptr, "Blue Moon", newDog);
    EXPECT_EQ(bw::DogPick::NewDog, r.pick);
    EXPECT_TRUE(newDog);
    EXPECT_EQ("Blue Moon", entries().text("dog"));
    EXPECT_EQ("", entries().text("last"));     // nothing filled
}

TEST_F(DogMasterTest, ADogAlreadyEnteredAsksWhatToDo)
{
    const auto list = bw::Fill_DogList(dogs());

    startEntry();
    f.prompter.press('E');
    bool newDog = false;
    auto r = bw::Leave_DogName(f.m, item(list, "Blue Moon"), "Blue Moon", newDog);
    EXPECT_EQ(bw::DogPick::EditExisting, r.pick);
    EXPECT_EQ(1u, r.existingRecNo);
    ASSERT_EQ(2u, f.prompter.questions().size());
    const bwtest::Question& q = f.prompter.questions()[0];
    EXPECT_EQ("Entry Found!", q.caption);
    EXPECT_EQ("!", q.icon);
    EXPECT_EQ("  Found an entry for this dog!;;   What do you want to do?;", q.text);
    EXPECT_EQ("Edit_Record Add_Duplicate", q.buttons);
    EXPECT_EQ("Going to existing record....;;Click the EDIT button to make changes",
              f.prompter.questions()[1].text);
    entries().cancel();

    f.prompter.clear();
    startEntry();
    f.prompter.press('A');
    r = bw::Leave_DogName(f.m, item(list, "Blue Moon"), "Blue Moon", newDog);
    EXPECT_EQ(bw::DogPick::Filled, r.pick);
    EXPECT_EQ(1u, f.prompter.questions().size());
    EXPECT_EQ("Smith", entries().text("last"));
}

TEST_F(DogMasterTest, APickAfterAPackFindsTheDogByName)
{
    const auto list = bw::Fill_DogList(dogs());
    // Pack the master with a record before Amber Glow marked: record numbers shift.
    dogs().setOrder("");
    dogs().go(1);
    dogs().deleteRecord();
    dogs().pack();
    ASSERT_EQ(3u, dogs().recordCount());

    startEntry();
    bool newDog = false;
    bw::Leave_DogName(f.m, item(list, "Amber Glow"), "Amber Glow", newDog);
    EXPECT_EQ("Brown", entries().text("last"));
    f.prompter.clear();
    entries().cancel();

    // Blue Moon's first record is gone; the later one of that name fills the entry.
    startEntry();
    f.prompter.press('A');
    bw::Leave_DogName(f.m, item(list, "Blue Moon"), "Blue Moon", newDog);
    EXPECT_EQ("Later", entries().text("last"));
}

TEST_F(DogMasterTest, SavingANewEntryAppendsAMasterRecordAndAnEditUpdatesIt)
{
    const uint32_t before = dogs().recordCount();
    const auto list = bw::Fill_DogList(dogs());
    startEntry();
    f.prompter.press('A');
    bool newDog = false;
    bw::Leave_DogName(f.m, item(list, "Blue Moon"), "Blue Moon", newDog);
    entries().setField("last", "A Very Long Last Name Here");   // 26 characters
    entries().setField("classes", "3");
    ASSERT_TRUE(bw::Complete_Entry(f.m, {"Bitch", {}, nullptr}));
    bw::Update_Master(f.m, "", newDog, "20260101");

    // A picked dog's new entry adds a second master record of that name.
    ASSERT_EQ(before + 1, dogs().recordCount());
    dogs().setOrder("");
    dogs().go(before + 1);
    EXPECT_EQ("Blue Moon", dogs().text("dog"));
    EXPECT_EQ("A Very Long Last Nam", dogs().text("last"));       // cut to 20
    EXPECT_EQ("A Very Long Last Name Here", entries().text("last"));
    EXPECT_EQ("20260101", dogs().text("modified"));
    EXPECT_EQ("Border Terrier", dogs().text("breed"));

    // Editing the entry of Amber Glow updates the first master record of that name.
    entries().edit();
    entries().setField("dog", "Amber Glow");
    entries().post();
    entries().edit();
    entries().setField("phone", "0123");
    entries().post();
    dogs().setOrder("OWNERNAME");   // as the dog master window may have left it
    bw::Update_Master(f.m, "Amber Glow", false, "20260202");
    EXPECT_EQ("OWNERNAME", dogs().currentTag());
    EXPECT_EQ(before + 1, dogs().recordCount());
    dogs().setOrder("");
    dogs().go(2);
    EXPECT_EQ("0123", dogs().text("phone"));
    EXPECT_EQ("20260202", dogs().text("modified"));

    // A name the master does not have is appended.
    bw::Update_Master(f.m, "Nobody Knows", false, "20260303");
    EXPECT_EQ(before + 2, dogs().recordCount());
}
