// Damaged .dbf files give an error naming the file, never a crash or garbage records.
#include "support/TempDir.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

using namespace xbase;

namespace {

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A good table of two fields (C 5, N 3) and two records: header 32 + 2*32 + 1 = 97
// bytes, records of 9 bytes.
std::string goodTable(const bwtest::TempDir& dir)
{
    std::string path = dir.file("good.dbf");
    Table t({C("name", 5), N("num", 3)});
    t.setFileName(path);
    t.open();
    for (const char* name : {"ab", "cd"}) {
        t.append();
        t.setField("name", name);
        t.setFieldInt("num", 7);
        t.post();
    }
    t.close();
    return readAll(path);
}

struct Damage {
    const char* what;
    std::function<void(std::string&)> apply;
    const char* message; // part of the error text
};

} // namespace

TEST(BadInput, DamagedFilesAreRefusedWithTheFileName)
{
    bwtest::TempDir dir;
    const std::string good = goodTable(dir);
    ASSERT_EQ(good.size(), 97u + 2 * 9 + 1);

    const Damage cases[] = {
        {"empty file", [](std::string& b) { b.clear(); }, "too short"},
        {"cut inside the header", [](std::string& b) { b.resize(20); }, "too short"},
        {"cut inside the field list", [](std::string& b) { b.resize(60); }, "header length"},
        {"cut inside the records", [](std::string& b) { b.resize(97 + 9 + 4); }, "holds only 1"},
        {"count larger than the file", [](std::string& b) { b[4] = 50; }, "counts 50 records"},
        {"huge count", [](std::string& b) { b[4] = b[5] = b[6] = b[7] = char(0xFF); }, "records"},
        {"record length disagrees", [](std::string& b) { b[10] = 12; }, "record length 12"},
        {"unknown field type", [](std::string& b) { b[32 + 11] = 'M'; }, "unknown type \"M\""},
        {"binary field type", [](std::string& b) { b[32 + 11] = '\x01'; }, "unknown type"},
        {"missing terminator", [](std::string& b) { b[96] = 'x'; }, "no terminator"},
        {"header length too short", [](std::string& b) { b[8] = 20; }, "header length"},
        {"header length beyond the file", [](std::string& b) { b[9] = 0x7F; }, "header length"},
        {"zero field width", [](std::string& b) { b[32 + 16] = 0; }, "impossible width"},
        {"date field of width 3", [](std::string& b) { b[64 + 11] = 'D'; }, "impossible width"},
        {"field without a name", [](std::string& b) { b[32] = '\0'; }, "no name"},
        {"same field twice", [](std::string& b) { b.replace(64, 3, "nam"); b[67] = 'e'; }, "twice"},
        {"not a dBase file", [](std::string& b) { b.assign(200, 'x'); }, "dBase"},
        {"bad deletion mark", [](std::string& b) { b[97 + 9] = 'Q'; }, "record 2"},
    };
    for (const Damage& c : cases) {
        std::string bytes = good;
        c.apply(bytes);
        std::string path = dir.file("bad.dbf");
        writeAll(path, bytes);
        Table t;
        t.setFileName(path);
        try {
            t.open();
            ADD_FAILURE() << c.what << ": opened";
        } catch (const DbfError& e) {
            std::string what = e.what();
            EXPECT_NE(what.find(path), std::string::npos) << c.what << ": " << what;
            EXPECT_NE(what.find(c.message), std::string::npos) << c.what << ": " << what;
            EXPECT_EQ(e.file(), path);
        }
        EXPECT_FALSE(t.isOpen()) << c.what;
        // The refused file is left as it was.
        EXPECT_EQ(readAll(path), bytes) << c.what;
    }
}

TEST(BadInput, BytesBeyondTheCountedRecordsAreIgnored)
{
    // What a crash between writing a record and its count leaves behind: the table
    // opens with the records its header counts, and the next append overwrites the rest.
    bwtest::TempDir dir;
    std::string bytes = goodTable(dir);
    bytes[4] = 1;
    std::string path = dir.file("longer.dbf");
    writeAll(path, bytes);
    Table t;
    t.setFileName(path);
    t.open();
    EXPECT_EQ(t.recordCount(), 1u);
    t.append();
    t.setField("name", "ef");
    t.post();
    t.close();
    t.open();
    EXPECT_EQ(t.recordCount(), 2u);
    EXPECT_EQ(t.peek(1, 2), "ef   ");
    EXPECT_EQ(readAll(path).size(), 97u + 2 * 9 + 1);
}
