// In-memory index tags: order, seek, and keys that follow every change of the records.
#include "support/TempDir.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace xbase;

namespace {

const FieldList kFields = {C("dog", 12), C("last", 8), C("first", 6), C("arm", 5), N("judge_num", 5), D("bdate")};

const TagList kTags = {
    {"DOGNAME", "upper(dog)+str(recno(),5)"},
    {"OWNERNAME", "upper(last - first)+str(recno(),5)"},
    {"LASTONLY", "upper(last)"},
    {"ARMBAND", "str(val(arm),5,0)"},
    {"JudgeNum", "judge_num"},
    {"BDATE", "bdate"},
};

struct Row {
    const char* dog;
    const char* last;
    const char* first;
    const char* arm;
    long judge;
    const char* bdate;
};

class TagTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        t.setFileName(dir.file("dogs.dbf"));
        t.open();
        const Row rows[] = {
            {"rex", "Lee", "Zed", "12", 3, "20200101"},
            {"Ajax", "Leeds", "Amy", "", 1, ""},
            {"bella", "lee", "Ann", "ABC", 20, "19991231"},
            {"Zorro", "Adams", "Bob", "7", 3, "20200101"},
            {"ajax", "Lee", "Zed", "100", 2, "20050505"},
        };
        for (const Row& r : rows) {
            t.append();
            t.setField("dog", r.dog);
            t.setField("last", r.last);
            t.setField("first", r.first);
            t.setField("arm", r.arm);
            t.setFieldInt("judge_num", r.judge);
            t.setField("bdate", r.bdate);
            t.post();
        }
        t.makeIndex(dir.file("dogs.mdx"), kTags);
    }

    std::vector<uint32_t> order(const std::string& tag)
    {
        t.setOrder(tag);
        std::vector<uint32_t> out;
        for (t.first(); !t.eof(); t.next()) out.push_back(t.recNo());
        std::vector<uint32_t> back;
        for (t.last(); !t.bof(); t.prior()) back.insert(back.begin(), t.recNo());
        EXPECT_EQ(out, back) << "walking backwards in " << tag;
        return out;
    }

    bwtest::TempDir dir;
    Table t{kFields};
};

using Recs = std::vector<uint32_t>;

} // namespace

TEST_F(TagTest, EveryTagOrdersTheRecordsByItsKey)
{
    EXPECT_EQ(t.tags().size(), kTags.size());
    EXPECT_EQ(t.currentTag(), "") << "makeIndex leaves the natural order";
    EXPECT_EQ(order(""), (Recs{1, 2, 3, 4, 5}));
    EXPECT_EQ(order("dogname"), (Recs{2, 5, 3, 1, 4}));
    EXPECT_EQ(t.currentTag(), "DOGNAME");
    // last - first: "LEEDSAMY" sorts before "LEEZED"; with "+" ("LEE     ZED") it would
    // come after.
    EXPECT_EQ(order("OwnerName"), (Recs{4, 3, 2, 1, 5}));
    // Equal keys keep record-number order.
    EXPECT_EQ(order("LASTONLY"), (Recs{4, 1, 3, 5, 2}));
    // Blank and non-numeric armbands sort as 0.
    EXPECT_EQ(order("ARMBAND"), (Recs{2, 3, 4, 1, 5}));
    EXPECT_EQ(order("judgenum"), (Recs{2, 5, 1, 4, 3}));
    EXPECT_EQ(t.currentTag(), "JudgeNum") << "the name as given";
    // A blank date sorts after every date, as in dBase IV date indexes.
    EXPECT_EQ(order("BDATE"), (Recs{3, 5, 1, 4, 2}));
    EXPECT_THROW(t.setOrder("nosuch"), DbfError);
    EXPECT_EQ(t.currentTag(), "BDATE");
    t.setOrder("");
    EXPECT_EQ(t.currentTag(), "");
}

TEST_F(TagTest, SeekFindsTheFirstKeyStartingWithTheText)
{
    t.setOrder("DOGNAME");
    EXPECT_TRUE(t.seek("AJAX"));
    EXPECT_EQ(t.recNo(), 2u);
    EXPECT_EQ(t.currentKey(), "AJAX            2");
    EXPECT_TRUE(t.seek("B"));
    EXPECT_EQ(t.recNo(), 3u);
    t.next();
    EXPECT_EQ(t.recNo(), 1u) << "seek positions within the order";

    EXPECT_FALSE(t.seek("BZ"));
    EXPECT_TRUE(t.eof());
    EXPECT_FALSE(t.seek("ZORRO        1 and more"));
    EXPECT_TRUE(t.seek(""));
    EXPECT_EQ(t.recNo(), 2u);

    t.setOrder("ARMBAND");
    EXPECT_TRUE(t.seek("    7"));
    EXPECT_EQ(t.recNo(), 4u);
    t.setOrder("JUDGENUM");
    EXPECT_TRUE(t.seek("3"));
    EXPECT_EQ(t.recNo(), 1u);
    EXPECT_FALSE(t.seek("4"));
    t.setOrder("BDATE");
    EXPECT_TRUE(t.seek("20200101"));
    EXPECT_EQ(t.recNo(), 1u);

    // Hidden records are not found.
    t.setOrder("DOGNAME");
    t.go(2);
    t.deleteRecord();
    t.setHideDeleted(true);
    EXPECT_TRUE(t.seek("AJAX"));
    EXPECT_EQ(t.recNo(), 5u);

    t.setOrder("");
    EXPECT_THROW(t.seek("A"), DbfError);
}

TEST_F(TagTest, KeysFollowAppendReplacePokeAndPack)
{
    t.append();
    t.setField("dog", "Aaron");
    t.setField("arm", "1");
    t.post();
    EXPECT_EQ(order("DOGNAME"), (Recs{6, 2, 5, 3, 1, 4}));
    EXPECT_EQ(order("ARMBAND"), (Recs{2, 3, 6, 4, 1, 5}));

    t.go(4);
    t.setField("dog", "Abel"); // replace
    t.post();
    EXPECT_EQ(order("DOGNAME"), (Recs{6, 4, 2, 5, 3, 1}));

    t.poke("Zz", 1, 2);
    EXPECT_EQ(order("DOGNAME"), (Recs{6, 4, 5, 3, 1, 2}));

    t.appendBlank();
    EXPECT_EQ(order("DOGNAME").front(), 7u);

    // Pack renumbers the records, so keys holding recno() change too.
    t.go(6);
    t.deleteRecord();
    t.go(7);
    t.deleteRecord();
    t.go(1);
    t.deleteRecord();
    t.pack();
    EXPECT_EQ(t.recordCount(), 4u);
    t.setOrder("DOGNAME");
    std::vector<std::string> keys;
    for (t.first(); !t.eof(); t.next()) keys.push_back(t.currentKey());
    auto key = [](std::string name, int recNo) {
        name.resize(12, ' ');
        return name + "    " + std::to_string(recNo);
    };
    EXPECT_EQ(keys, (std::vector<std::string>{key("ABEL", 3), key("AJAX", 4), key("BELLA", 2), key("ZZ", 1)}));
    t.zap();
    EXPECT_EQ(order("DOGNAME"), Recs{});
    t.append();
    t.setField("dog", "Solo");
    t.post();
    EXPECT_EQ(order("DOGNAME"), Recs{1});
}

TEST_F(TagTest, MakeIndexWritesTheIndexFileAndRefusesBadTags)
{
    EXPECT_TRUE(std::filesystem::exists(dir.file("dogs.mdx")));
    // Byte 28 says a production index sits beside the table.
    std::ifstream in(dir.file("dogs.dbf"), std::ios::binary);
    char header[32];
    in.read(header, 32);
    EXPECT_EQ(header[28], 1);

    try {
        t.makeIndex("", {{"GOOD", "upper(dog)"}, {"BAD", "upper(nosuch)"}});
        FAIL();
    } catch (const DbfError& e) {
        std::string what = e.what();
        EXPECT_NE(what.find("BAD"), std::string::npos) << what;
        EXPECT_NE(what.find("dogs.dbf"), std::string::npos) << what;
    }
    EXPECT_THROW(t.makeIndex("", {{"LOGICAL", "deleted()"}}), DbfError);
    EXPECT_THROW(t.makeIndex("", {{"WIDE", "dog+dog+dog+dog+dog+dog+dog+dog+dog"}}), DbfError);
    EXPECT_THROW(t.makeIndex("", {{"TWICE", "dog"}, {"twice", "last"}}), DbfError);
    EXPECT_THROW(t.makeIndex("", {{"ELEVENCHARS", "dog"}}), DbfError);

    // An index kept elsewhere clears the flag, since no other program would find it.
    std::filesystem::create_directory(dir.file("indexs"));
    t.makeIndex(dir.file("indexs/dogs.mdx"), {{"DOG", "dog"}});
    std::ifstream again(dir.file("dogs.dbf"), std::ios::binary);
    again.read(header, 32);
    EXPECT_EQ(header[28], 0);
}
