// Our tables and index files as other programs see them: every tagged table of the
// program, filled with generated records, read back through Perl's index_dump and
// Python's dbfread and compared with the engine's own view.
#include <algorithm>
#include <cstring>
#include <ctime>
#include <memory>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "../../bench/SampleData.h"
#include "IndexDump.h"
#include "support/TempDir.h"
#include "xbase/CodePage.h"
#include "xbase/Mdx.h"
#include "xbase/Table.h"

using namespace xbase;
using bwtest::DumpedKey;

namespace {

struct TableLayout {
    std::string file;   // base name of the .dbf and its .mdx
    FieldList fields;
    TagList tags;
};

// Every table of the program that has index tags, with its fields and key expressions.
std::vector<TableLayout> taggedTables() {
    std::vector<TableLayout> t;
    t.push_back({"masterdb", bwsample::dogsFields(), bwsample::dogsTags()});
    t.push_back({"KCC-00012-14-06-2003", bwsample::entryFields(), bwsample::entryTags()});
    t.push_back({"breeds",
                 {C("breed_name", 45), C("group", 10), C("breed_type", 12), C("grpsort", 1)},
                 {{"BREEDNAME", "upper(breed_name)"},
                  {"GroupNAME", "upper(group+breed_name)"},
                  {"SortNum", "grpsort+upper(breed_name)"}}});
    t.push_back({"Sections",
                 {C("name", 15), L("full"), L("brief"), L("with_score")},
                 {{"NAME", "upper(name)"}}});
    t.push_back({"Allclass",
                 {C("section", 15), C("classname", 40), C("sex", 1), C("allkey", 4), C("cat_group", 3)},
                 {{"SRTKEY", "upper(allkey)"},
                  {"NAME", "upper(classname+section)"},
                  {"COMBO", "upper(section+classname)"}}});
    t.push_back({"shwdates",
                 {C("clubid", 8), N("show_num", 5), D("show_date"), N("num_days", 1), D("last_date")},
                 {{"SHOWNUM", "upper(clubid)+str(show_num,5)"},
                  {"SHOWDATE", "upper(clubid)+dtos(show_date)"}}});
    FieldList catgroup = {C("section", 15), C("cat_group", 3), C("descript", 30), C("header", 80)};
    for (int i = 1; i <= 7; ++i) catgroup.push_back(C("footer" + std::to_string(i), 80));
    t.push_back({"catgroup", catgroup,
                 {{"CODE", "upper(cat_group)"}, {"Section", "upper(section+cat_group)"}}});
    t.push_back({"judges",
                 {N("judge_num", 5), C("salutation", 15), C("first", 25), C("last", 20),
                  C("address1", 40), C("address2", 40), C("address3", 40), C("zip", 10),
                  C("country", 20), C("phone", 14), C("workphone", 20), C("fax", 14),
                  C("email", 60), C("notes", 60), C("address4", 40)},
                 {{"NAME", "upper(last + first)"},
                  {"JUDGENUM", "str(judge_num,5)"},
                  {"ZIP", "upper(zip)+upper(last + first)"}}});
    t.push_back({"KCC00012classes",
                 {C("day", 1), N("classnum", 3), C("classname", 40), C("section", 15),
                  C("catgroup", 3), C("allkey", 4), N("count", 5)},
                 {{"CLASSNO", "str(classnum,3)"}, {"ALLKEY", "allkey"}}});
    t.push_back({"KCC00012judges",
                 {N("judge_num", 5), C("fullname", 50), C("cat_desc", 50), C("srtkey", 3), L("juniors")},
                 {{"SRTKEY", "srtkey"}}});
    t.push_back({"KCC00012cat",
                 {N("recnum", 5), N("classnum", 3), C("also_entry", 1), C("arm", 5),
                  C("dog_name", 60), N("teamcode", 2), C("height", 5), C("section", 15),
                  C("catgroup", 3)},
                 {{"CLASSKEY", "str(classnum,3)+also_entry+arm"}}});
    t.push_back({"KCCMail",
                 {C("first", 25), C("last", 20), C("owner2", 50), C("lastshow", 30),
                  C("address1", 40), C("address2", 40), C("address3", 40), C("zip", 10),
                  C("country", 20), C("phone", 14), C("email", 60), C("salutation", 15),
                  C("address4", 40), L("stored")},
                 {{"NAME", "upper(last + first)"},
                  {"ZIP", "upper(zip)+upper(last + first)"},
                  {"emailsrt", "upper(email)+str(recno(),5)"}}});
    return t;
}

// A few hundred records with blanks, repeated names and wholly blank records; every
// seventh one marked deleted.
void fillTable(const std::string& dbf, const TableLayout& layout, uint64_t seed,
               CodePage cp = CodePage::CP850) {
    bwsample::ClubDataGen gen(seed);
    auto records = gen.records(layout.fields, 300, 20, 10);
    records.insert(records.begin() + 100, std::vector<std::string>(layout.fields.size()));
    records.push_back(std::vector<std::string>(layout.fields.size()));
    std::vector<uint32_t> deleted;
    for (uint32_t r = 3; r <= records.size(); r += 7) deleted.push_back(r);
    bwsample::writeTable(dbf, layout.fields, records, deleted, cp);
}

// The engine's order walk over a tag, keys as stored in the file's code page.
std::vector<DumpedKey> engineOrder(Table& t, const std::string& tag) {
    t.setOrder(tag);
    std::vector<DumpedKey> keys;
    for (t.first(); !t.eof(); t.next())
        keys.push_back({fromUtf8(t.currentKey(), t.codePage()), t.recNo()});
    return keys;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Interop : public ::testing::Test {
protected:
    void SetUp() override { BW_REQUIRE_PROGRAM("index_dump"); }
    bwtest::TempDir dir;
};

} // namespace

TEST_F(Interop, IndexDumpReadsEveryTagOfEveryTableInTheEnginesOrder) {
    uint64_t seed = 1;
    for (const TableLayout& layout : taggedTables()) {
        SCOPED_TRACE(layout.file);
        std::string dbf = dir.file(layout.file + ".dbf"), mdx = dir.file(layout.file + ".mdx");
        fillTable(dbf, layout, seed++);

        Table t(layout.fields);
        t.setFileName(dbf);
        t.setExclusive(true);
        t.open();
        t.makeIndex(mdx, layout.tags);
        // The index sits beside the table under its name: the header says so.
        EXPECT_EQ(slurp(dbf).at(28), 0x01);

        std::vector<std::string> names;
        for (const auto& tag : layout.tags) names.push_back(tag.name);
        std::sort(names.begin(), names.end());
        EXPECT_EQ(bwtest::indexDumpTags(mdx), names);

        bwsample::Random rnd(seed);
        for (const auto& tag : layout.tags) {
            SCOPED_TRACE(tag.name);
            auto ours = engineOrder(t, tag.name);
            ASSERT_EQ(ours.size(), t.recordCount());
            size_t width = ours.front().key.size();
            EXPECT_EQ(bwtest::indexDump(mdx, tag.name, width), ours);

            // Seeks for the starts of keys of a few records land on the same key.
            for (int i = 0; i < 4; ++i) {
                const std::string& key = ours[rnd.below(ours.size())].key;
                std::string prefix = key.substr(0, 1 + rnd.below(key.size()));
                if (prefix.find_first_not_of(' ') == std::string::npos) continue;
                ASSERT_TRUE(t.seek(toUtf8(prefix, t.codePage()))) << prefix;
                auto theirs = bwtest::indexDump(mdx, tag.name, width, prefix);
                ASSERT_FALSE(theirs.empty()) << prefix;
                EXPECT_EQ(theirs.front().key, fromUtf8(t.currentKey(), t.codePage())) << prefix;
            }
        }
        t.close();
    }
}

TEST_F(Interop, DbfHeaderLetsDbfreadPickTheCodePage) {
    BW_REQUIRE_PROGRAM("/usr/bin/python3");
    TableLayout dogs = taggedTables().front();
    struct Case {
        CodePage cp;
        uint8_t driver;
        const char* encoding;
    } cases[] = {{CodePage::CP850, 0x02, "cp850"}, {CodePage::CP437, 0x01, "cp437"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.encoding);
        std::string dbf = dir.file(std::string(c.encoding) + ".dbf");
        fillTable(dbf, dogs, 99, c.cp);

        std::string bytes = slurp(dbf);
        ASSERT_GT(bytes.size(), 32u);
        auto u16 = [&](size_t at) { return size_t(uint8_t(bytes[at])) | size_t(uint8_t(bytes[at + 1])) << 8; };
        auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
        std::time_t now = std::time(nullptr);
        std::tm today{};
        localtime_r(&now, &today);
        EXPECT_EQ(uint8_t(bytes[0]), 0x03);
        EXPECT_EQ(uint8_t(bytes[1]), today.tm_year);
        EXPECT_EQ(uint8_t(bytes[2]), today.tm_mon + 1);
        EXPECT_EQ(uint8_t(bytes[3]), today.tm_mday);
        EXPECT_EQ(u32(4), 302u);
        EXPECT_EQ(u16(8), 32 + 32 * dogs.fields.size() + 1);
        size_t recordLength = 1;
        for (const auto& f : dogs.fields) recordLength += f.length;
        EXPECT_EQ(u16(10), recordLength);
        EXPECT_EQ(uint8_t(bytes[28]), 0);   // the .mdx is not beside the table
        EXPECT_EQ(uint8_t(bytes[29]), c.driver);
        EXPECT_EQ(bytes.size(), u16(8) + 302 * recordLength + 1);

        // dbfread, told nothing about the code page, reads the same live records.
        std::string script =
            "import dbfread, sys\n"
            "t = dbfread.DBF(sys.argv[1], load=False)\n"
            "print(t.encoding)\n"
            "for r in t:\n"
            "    print('|'.join(v for v in r.values() if isinstance(v, str)))\n";
        int status = 0;
        std::string theirs = bwtest::runCommand("/usr/bin/python3 -c " + bwtest::shellQuote(script) +
                                                    " " + bwtest::shellQuote(dbf) + " 2>&1",
                                                &status);
        ASSERT_EQ(status, 0) << theirs;

        Table t;
        t.setFileName(dbf);
        t.open();
        std::string ours = std::string(c.encoding) + "\n";
        for (t.first(); !t.eof(); t.next()) {
            if (t.deleted()) continue;
            std::string line;
            bool firstField = true;
            for (int f = 1; f <= t.fieldCount(); ++f) {
                if (dogs.fields[f - 1].type != FieldType::Character) continue;
                line += (firstField ? "" : "|") + t.text(t.fieldName(f));
                firstField = false;
            }
            ours += line + "\n";
        }
        t.close();
        EXPECT_EQ(theirs, ours);
        EXPECT_NE(ours.find(c.cp == CodePage::CP850 ? "Øster" : "Müller"), std::string::npos);
    }
}

TEST_F(Interop, MissingOrHalfWrittenIndexFileIsRebuiltAtTheNextOpening) {
    TableLayout dogs = taggedTables().front();
    std::string dbf = dir.file("masterdb.dbf"), mdx = dir.file("masterdb.mdx");
    fillTable(dbf, dogs, 5);
    auto openAsTheProgramDoes = [&] {
        auto t = std::make_unique<Table>(dogs.fields);
        t->setFileName(dbf);
        t->setExclusive(true);
        t->open();
        t->makeIndex(mdx, dogs.tags);
        t->setOrder("DOGNAME");
        t->first();
        return t;
    };
    std::vector<DumpedKey> expected;
    {
        auto t = openAsTheProgramDoes();
        expected = engineOrder(*t, "DOGNAME");
    }
    auto damages = {
        +[](const std::string& f) { std::filesystem::remove(f); },
        +[](const std::string& f) { std::filesystem::resize_file(f, 3000); },
        +[](const std::string& f) { std::ofstream(f, std::ios::binary) << std::string(9000, '\xff'); },
    };
    for (auto damage : damages) {
        damage(mdx);
        auto t = openAsTheProgramDoes();
        EXPECT_TRUE(t->seek(toUtf8(expected[150].key.substr(0, 20), t->codePage())));
        EXPECT_EQ(bwtest::indexDump(mdx, "DOGNAME", expected.front().key.size()), expected);
        EXPECT_EQ(bwtest::indexDumpTags(mdx), (std::vector<std::string>{"DOGNAME", "OWNERNAME", "REGNUM"}));
    }
}

// None of the program's own tags has a numeric or date key, but a tag on a bare N or D
// field must still make a file other programs read: BCD numbers and Julian-day doubles.
TEST_F(Interop, NumericAndDateTagsOfTheEngineReadBackThroughIndexDump) {
    TableLayout dates = taggedTables()[5];
    ASSERT_EQ(dates.file, "shwdates");
    std::string dbf = dir.file("shwdates.dbf"), mdx = dir.file("shwdates.mdx");
    fillTable(dbf, dates, 77);
    Table t(dates.fields);
    t.setFileName(dbf);
    t.open();
    t.makeIndex(mdx, {{"SHOW_NUM", "show_num"}, {"SHOW_DATE", "show_date"}});

    auto expectedKeys = [&](const std::string& tag) {
        t.setOrder(tag);
        std::vector<DumpedKey> keys;
        for (t.first(); !t.eof(); t.next()) {
            if (tag == "SHOW_NUM") {
                char bcd[12];
                encodeNumericKey(double(t.fieldInt("show_num")), bcd);
                keys.push_back({std::string(bcd, 12), t.recNo()});
            } else {
                std::string d = t.fieldText("show_date");
                double day = d == "        " ? kBlankDateKey
                                             : julianDay(std::stoi(d.substr(0, 4)), std::stoi(d.substr(4, 2)),
                                                         std::stoi(d.substr(6, 2)));
                keys.push_back({std::string(reinterpret_cast<const char*>(&day), 8), t.recNo()});
            }
        }
        return keys;
    };
    auto numbers = expectedKeys("SHOW_NUM");
    auto days = expectedKeys("SHOW_DATE");
    EXPECT_EQ(bwtest::indexDump(mdx, "SHOW_NUM", 12), numbers);
    EXPECT_EQ(bwtest::indexDump(mdx, "SHOW_DATE", 8), days);
    EXPECT_TRUE(std::is_sorted(days.begin(), days.end(), [](const DumpedKey& a, const DumpedKey& b) {
        double x, y;
        std::memcpy(&x, a.key.data(), 8);
        std::memcpy(&y, b.key.data(), 8);
        return x < y;
    }));
    t.close();
}
