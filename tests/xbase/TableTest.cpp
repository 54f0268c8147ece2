// The table engine's operations on real files: creating, the cursor, editing states,
// fields, peek and poke, deletion, pack, zap, filters, notifications, locking.
#include "support/TempDir.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace xbase;

namespace {

const FieldList kDogFields = {C("dog", 20), C("last", 10), N("firstclass", 3), D("bdate"), L("stored")};

class TableTest : public ::testing::Test {
protected:
    std::string path() const { return dir.file("dogs.dbf"); }

    // A table of the given dogs (names), in that order.
    void fill(Table& t, const std::vector<std::string>& dogs)
    {
        for (const std::string& dog : dogs) {
            t.append();
            t.setField("dog", dog);
            t.post();
        }
    }

    std::vector<std::string> walk(Table& t)
    {
        std::vector<std::string> out;
        for (t.first(); !t.eof(); t.next()) out.push_back(t.text("dog"));
        return out;
    }

    std::vector<std::string> walkBack(Table& t)
    {
        std::vector<std::string> out;
        for (t.last(); !t.bof(); t.prior()) out.push_back(t.text("dog"));
        return out;
    }

    bwtest::TempDir dir;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(TableTest, MissingFileIsCreatedFromTheFieldListAndReopened)
{
    {
        Table t(kDogFields);
        t.setFileName(path());
        t.open();
        EXPECT_TRUE(t.isOpen());
        EXPECT_EQ(t.recordCount(), 0u);
        EXPECT_TRUE(t.eof());
        EXPECT_EQ(t.recNo(), 0u);
        EXPECT_EQ(t.state(), TableState::Browse);
        fill(t, {"Rex", "Ajax"});
    }
    Table t; // no field list: the file's own header is read
    t.setFileName(path());
    t.open();
    ASSERT_EQ(t.fieldCount(), 5);
    EXPECT_EQ(t.fieldName(1), "dog");
    EXPECT_EQ(t.fieldNumber("FirstClass"), 3);
    EXPECT_EQ(t.fieldNumber("nosuch"), 0);
    EXPECT_EQ(t.fields()[2].type, FieldType::Numeric);
    EXPECT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(walk(t), (Names{"Rex", "Ajax"}));
}

TEST_F(TableTest, CreationFailureNamesTheFile)
{
    Table t(kDogFields);
    t.setFileName(dir.file("no/such/folder/dogs.dbf"));
    try {
        t.open();
        FAIL();
    } catch (const DbfError& e) {
        EXPECT_NE(std::string(e.what()).find("Could not create the table"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("no/such/folder/dogs.dbf"), std::string::npos) << e.what();
    }
    Table bad({C("bad name", 5)});
    bad.setFileName(path());
    EXPECT_THROW(bad.open(), DbfError);
}

TEST_F(TableTest, FieldsReadPaddedAsDbaseStoresThem)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    t.append();
    t.setField("DOG", "Bello");
    t.setFieldInt("firstclass", 7);
    t.setField("bdate", "20200229");
    t.setFieldBool("stored", true);
    t.post();
    EXPECT_EQ(t.fieldText("dog"), "Bello               ");
    EXPECT_EQ(t.text("dog"), "Bello");
    EXPECT_EQ(t.fieldText("firstclass"), "  7");
    EXPECT_EQ(t.fieldInt("firstclass"), 7);
    EXPECT_EQ(t.fieldText("bdate"), "20200229");
    EXPECT_EQ(t.fieldText("stored"), "T");
    EXPECT_TRUE(t.fieldBool("stored"));
    EXPECT_EQ(t.fieldText("last"), std::string(10, ' '));

    t.appendBlank();
    EXPECT_EQ(t.recNo(), 2u);
    EXPECT_EQ(t.fieldText("firstclass"), "   ");
    EXPECT_EQ(t.fieldInt("firstclass"), 0);
    EXPECT_EQ(t.fieldText("bdate"), "        ");
    EXPECT_EQ(t.fieldText("stored"), " ");
    EXPECT_FALSE(t.fieldBool("stored"));

    // Text is cut to the width in characters, also when it is not ASCII.
    t.setField("last", "Müller-Lüdenscheidt");
    EXPECT_EQ(t.fieldText("last"), "Müller-Lüd");
    t.setField("dog", std::string(20, '9'));
    EXPECT_EQ(t.fieldInt("dog"), LONG_MAX) << "more digits than a long takes";
    // What does not fit a typed field is refused, and the record stays as it was.
    EXPECT_THROW(t.setFieldInt("firstclass", 1234), DbfError);
    EXPECT_THROW(t.setField("firstclass", "12a"), DbfError);
    EXPECT_THROW(t.setField("bdate", "20210230"), DbfError);
    EXPECT_THROW(t.setField("nosuch", "x"), DbfError);
    t.setField("firstclass", " 42 ");
    EXPECT_EQ(t.fieldText("firstclass"), " 42");
    t.setField("firstclass", "007"); // numbers are stored as dBase writes them
    EXPECT_EQ(t.fieldText("firstclass"), "  7");
    t.setField("firstclass", "12.6");
    EXPECT_EQ(t.fieldText("firstclass"), " 13");
    t.setField("firstclass", "");
    EXPECT_EQ(t.fieldText("firstclass"), "   ");
    t.post();
    EXPECT_EQ(t.peek(2, 2), "Müller-Lüd");
}

TEST_F(TableTest, EditingStatesPostAndCancel)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    fill(t, {"Rex"});
    EXPECT_EQ(t.state(), TableState::Browse);

    t.setField("dog", "Max"); // setting a field starts an edit
    EXPECT_EQ(t.state(), TableState::Edit);
    EXPECT_TRUE(t.modified());
    EXPECT_EQ(t.text("dog"), "Max");
    EXPECT_EQ(t.peek(1, 1), "Rex                 ") << "nothing is written before post";
    t.cancel();
    EXPECT_EQ(t.state(), TableState::Browse);
    EXPECT_EQ(t.text("dog"), "Rex");

    t.edit();
    EXPECT_EQ(t.state(), TableState::Edit);
    EXPECT_FALSE(t.modified());
    t.setField("dog", "Max");
    t.post();
    EXPECT_EQ(t.text("dog"), "Max");

    t.append();
    EXPECT_EQ(t.state(), TableState::Insert);
    t.setField("dog", "Fido");
    t.first(); // moving posts the record being built
    EXPECT_EQ(t.state(), TableState::Browse);
    EXPECT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(walk(t), (Names{"Max", "Fido"}));

    t.go(2);
    t.clearRecord();
    EXPECT_EQ(t.state(), TableState::Edit);
    EXPECT_EQ(t.text("dog"), "");
    t.cancel();
    EXPECT_EQ(t.text("dog"), "Fido");

    // Closing drops an edit in progress.
    t.setField("dog", "Lost");
    t.close();
    EXPECT_EQ(t.state(), TableState::Inactive);
    t.open();
    EXPECT_EQ(walk(t), (Names{"Max", "Fido"}));
}

TEST_F(TableTest, CursorMovesAndStopsAtBothEnds)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    fill(t, {"A", "B", "C", "D"});
    t.first();
    EXPECT_EQ(t.recNo(), 1u);
    EXPECT_FALSE(t.bof());
    t.prior();
    EXPECT_TRUE(t.bof());
    EXPECT_EQ(t.recNo(), 1u) << "moving past the start keeps the first record";
    t.skip(2);
    EXPECT_EQ(t.text("dog"), "C");
    t.skip(5);
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recNo(), 4u);
    t.skip(-3);
    EXPECT_EQ(t.text("dog"), "A");
    EXPECT_FALSE(t.bof());
    t.go(3);
    EXPECT_EQ(t.text("dog"), "C");
    EXPECT_THROW(t.go(5), DbfError);
    EXPECT_THROW(t.go(0), DbfError);
    EXPECT_EQ(walkBack(t), (Names{"D", "C", "B", "A"}));
}

TEST_F(TableTest, PeekAndPokeAnyRecordWithoutMoving)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    fill(t, {"A", "B", "C"});
    t.go(1);
    EXPECT_EQ(t.peek(1, 3), "C                   ");
    EXPECT_EQ(t.peek(0, 3), " ");
    t.poke("Zed", 1, 3);
    t.poke("12", 3, 3);
    t.poke("*", 0, 2);
    EXPECT_EQ(t.recNo(), 1u);
    EXPECT_EQ(t.peek(1, 3), "Zed                 ");
    EXPECT_EQ(t.peek(3, 3), " 12");
    EXPECT_EQ(t.peek(0, 2), "*");
    t.poke(" ", 0, 2);
    EXPECT_EQ(t.peek(0, 2), " ");
    EXPECT_THROW(t.peek(6, 1), DbfError);
    EXPECT_THROW(t.peek(1, 4), DbfError);
    EXPECT_THROW(t.poke("x", 1, 0), DbfError);
}

TEST_F(TableTest, DeletionMarksHidingPackAndZap)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    fill(t, {"A", "B", "C", "D", "E"});
    t.go(2);
    t.deleteRecord();
    EXPECT_TRUE(t.deleted());
    t.go(4);
    t.deleteRecord();
    t.go(5);
    t.deleteRecord();
    t.recall();
    EXPECT_FALSE(t.deleted());
    EXPECT_EQ(walk(t), (Names{"A", "B", "C", "D", "E"})) << "marked records stay visible";

    t.setHideDeleted(true);
    EXPECT_EQ(walk(t), (Names{"A", "C", "E"}));
    EXPECT_EQ(walkBack(t), (Names{"E", "C", "A"}));
    t.go(2); // go reaches even a hidden record
    EXPECT_EQ(t.text("dog"), "B");
    t.next();
    EXPECT_EQ(t.text("dog"), "C");
    EXPECT_EQ(t.recordCount(), 5u);

    t.pack();
    EXPECT_EQ(t.recordCount(), 3u);
    t.setHideDeleted(false);
    EXPECT_EQ(walk(t), (Names{"A", "C", "E"}));
    t.close();
    t.open();
    EXPECT_EQ(t.recordCount(), 3u);
    EXPECT_EQ(walk(t), (Names{"A", "C", "E"}));
    EXPECT_EQ(std::filesystem::file_size(path()), 32u + 5 * 32 + 1 + 3 * (1 + 20 + 10 + 3 + 8 + 1) + 1);

    t.zap();
    EXPECT_EQ(t.recordCount(), 0u);
    EXPECT_TRUE(t.eof());
    EXPECT_EQ(t.recNo(), 0u);
    t.close();
    t.open();
    EXPECT_EQ(t.recordCount(), 0u);
    fill(t, {"New"});
    EXPECT_EQ(walk(t), (Names{"New"}));
}

TEST_F(TableTest, FilterAndWhileLimitTheWalk)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    const char* stored[] = {"T", "F", " ", "T", "F"};
    for (int i = 0; i < 5; ++i) {
        t.append();
        t.setField("dog", std::string(1, char('A' + i)));
        t.setField("stored", stored[i]);
        t.setFieldInt("firstclass", i + 1);
        t.post();
    }
    t.setFilter("Stored=.F.");
    EXPECT_EQ(t.filter(), "Stored=.F.");
    EXPECT_EQ(walk(t), (Names{"B", "C", "E"}));
    EXPECT_EQ(walkBack(t), (Names{"E", "C", "B"}));
    t.setFilter("Stored=.T.");
    EXPECT_EQ(walk(t), (Names{"A", "D"}));
    t.setFilter([](const Table& x) { return x.fieldInt("firstclass") % 2 == 1; });
    EXPECT_EQ(walk(t), (Names{"A", "C", "E"}));
    t.setFilter("");
    EXPECT_EQ(walk(t).size(), 5u);
    EXPECT_THROW(t.setFilter("firstclass"), DbfError) << "a filter must be a condition";
    EXPECT_THROW(t.setFilter("nosuch = 1"), DbfError);

    t.setWhile("firstclass < 3");
    EXPECT_EQ(walk(t), (Names{"A", "B"}));
    EXPECT_EQ(t.recNo(), 2u) << "the end of a while walk keeps the last passing record";
    t.setWhile([](const Table& x) { return x.fieldInt("firstclass") > 2; });
    t.go(5);
    std::vector<std::string> back;
    for (; !t.bof(); t.prior()) back.push_back(t.text("dog"));
    EXPECT_EQ(back, (Names{"E", "D", "C"}));
    t.setWhile("");
    EXPECT_EQ(walk(t).size(), 5u);
}

TEST_F(TableTest, NotificationsFollowMovesStatesAndPosts)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    fill(t, {"A", "B"});
    int moves = 0, states = 0, posts = 0;
    int m = t.subscribeAfterMove([&] { ++moves; });
    int s = t.subscribeStateChange([&] { ++states; });
    t.subscribeAfterPost([&] { ++posts; });
    t.first();
    t.next();
    EXPECT_EQ(moves, 2);
    t.setField("dog", "X"); // Browse -> Edit
    EXPECT_EQ(states, 1);
    t.post(); // Edit -> Browse
    EXPECT_EQ(states, 2);
    EXPECT_EQ(posts, 1);
    t.unsubscribe(m);
    t.unsubscribe(s);
    t.first();
    t.append();
    t.post();
    EXPECT_EQ(moves, 2);
    EXPECT_EQ(states, 2);
    EXPECT_EQ(posts, 2);

    // A subscriber may unsubscribe itself from inside its callback.
    int once = 0, id = 0;
    id = t.subscribeAfterMove([&] { ++once; t.unsubscribe(id); });
    t.first();
    t.first();
    EXPECT_EQ(once, 1);
}

TEST_F(TableTest, CopyStructureWritesAnEmptyTableWithTheSameFields)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.setCodePage(CodePage::CP437);
    t.open();
    fill(t, {"A"});
    t.copyStructure(dir.file("copy.dbf"));
    Table c;
    c.setFileName(dir.file("copy.dbf"));
    c.open();
    EXPECT_EQ(c.recordCount(), 0u);
    ASSERT_EQ(c.fields().size(), kDogFields.size());
    for (size_t i = 0; i < kDogFields.size(); ++i) {
        EXPECT_EQ(c.fields()[i].name, kDogFields[i].name);
        EXPECT_EQ(c.fields()[i].type, kDogFields[i].type);
        EXPECT_EQ(c.fields()[i].length, kDogFields[i].length);
    }
    EXPECT_EQ(c.codePage(), CodePage::CP437);
    EXPECT_THROW(t.copyStructure(path()), DbfError);
}

TEST_F(TableTest, ExclusiveUseIsEnforcedInThisProcessAndOthers)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    Table second;
    second.setFileName(path());
    try {
        second.open();
        FAIL() << "a second open succeeded";
    } catch (const DbfError& e) {
        EXPECT_NE(std::string(e.what()).find(path()), std::string::npos) << e.what();
        EXPECT_EQ(e.file(), path());
    }
    second.setExclusive(false);
    EXPECT_THROW(second.open(), DbfError) << "a shared opener is refused too";

    pid_t child = fork();
    if (child == 0) {
        Table other;
        other.setFileName(path());
        try {
            other.open();
            _exit(0);
        } catch (const DbfError&) {
            _exit(3);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << "another process opened the table";

    t.close();
    second.open();
    EXPECT_TRUE(second.isOpen());
}

TEST_F(TableTest, SharedOpenersCoexistAndReadOnlyRefusesChanges)
{
    {
        Table t(kDogFields);
        t.setFileName(path());
        t.open();
        fill(t, {"A"});
    }
    Table a, b;
    for (Table* x : {&a, &b}) {
        x->setFileName(path());
        x->setExclusive(false);
        x->setReadOnly(true);
        x->open();
    }
    EXPECT_EQ(b.text("dog"), "A");
    EXPECT_THROW(a.setField("dog", "B"), DbfError);
    EXPECT_THROW(a.append(), DbfError);
    EXPECT_THROW(a.poke("B", 1, 1), DbfError);
    EXPECT_EQ(a.state(), TableState::Browse);

    Table missing;
    missing.setFileName(dir.file("missing.dbf"));
    missing.setReadOnly(true);
    EXPECT_THROW(missing.open(), DbfError);
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.dbf")));
}

TEST_F(TableTest, ChangingExclusiveOnAnOpenTableReopensIt)
{
    Table t(kDogFields);
    t.setFileName(path());
    t.open();
    fill(t, {"B", "A"});
    t.makeIndex("", {{"DOG", "upper(dog)"}});
    t.setOrder("dog");
    t.setExclusive(false);
    EXPECT_TRUE(t.isOpen());
    EXPECT_EQ(t.currentTag(), "DOG");
    EXPECT_EQ(walk(t), (Names{"A", "B"}));
    Table shared;
    shared.setFileName(path());
    shared.setExclusive(false);
    EXPECT_NO_THROW(shared.open());
}

TEST_F(TableTest, NumbersWithDecimalsAreWrittenWithThem)
{
    // No table of the program has decimals, but a file from elsewhere may.
    Table t({N("amount", 8, 2)});
    t.setFileName(path());
    t.open();
    t.setFieldInt("amount", 5);
    EXPECT_EQ(t.fieldText("amount"), "    5.00");
    t.setField("amount", "-3.456");
    EXPECT_EQ(t.fieldText("amount"), "   -3.46");
    t.post();
    t.close();
    t.open();
    EXPECT_EQ(t.fields()[0].decimals, 2);
    EXPECT_EQ(t.fieldText("amount"), "   -3.46");
    EXPECT_EQ(t.fieldInt("amount"), -3);
}
