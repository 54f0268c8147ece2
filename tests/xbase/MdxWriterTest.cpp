#include "xbase/Mdx.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "IndexDump.h"
#include "support/TempDir.h"
#include "xbase/Error.h"

using namespace xbase;
using bwtest::DumpedKey;

namespace {

// A tag image together with the key bytes it points at.
struct TagData {
    MdxTagImage image;
    std::vector<std::string> text;   // C keys
    std::vector<double> numbers;     // N and D keys

    std::vector<DumpedKey> expected() const {
        std::vector<DumpedKey> out;
        for (size_t i = 0; i < image.keys.size(); ++i) {
            std::string key(image.keys[i], image.keyLength);
            if (image.keyType == 'N') {
                char bcd[12];
                encodeNumericKey(numbers[i], bcd);
                key.assign(bcd, 12);
            }
            out.push_back({key, image.recnos[i]});
        }
        return out;
    }
};

// Character keys, padded to the width, sorted; equal keys in record-number order.
TagData charTag(const std::string& name, uint16_t width, std::vector<std::string> keys) {
    TagData t;
    t.image.name = name;
    t.image.expression = "upper(dog)";
    t.image.keyLength = width;
    std::vector<std::pair<std::string, uint32_t>> rows;
    for (size_t i = 0; i < keys.size(); ++i) {
        keys[i].resize(width, ' ');
        rows.push_back({keys[i], static_cast<uint32_t>(i + 1)});
    }
    std::sort(rows.begin(), rows.end());
    for (auto& [k, r] : rows) {
        t.text.push_back(k);
        t.image.recnos.push_back(r);
    }
    for (auto& k : t.text) t.image.keys.push_back(k.data());
    return t;
}

TagData numberTag(const std::string& name, char type, std::vector<double> values) {
    TagData t;
    t.image.name = name;
    t.image.expression = type == 'N' ? "show_num" : "show_date";
    t.image.singleField = true;
    t.image.keyType = type;
    t.image.keyLength = type == 'N' ? 12 : 8;
    std::vector<std::pair<double, uint32_t>> rows;
    for (size_t i = 0; i < values.size(); ++i) rows.push_back({values[i], uint32_t(i + 1)});
    std::sort(rows.begin(), rows.end());
    for (auto& [v, r] : rows) {
        t.numbers.push_back(v);
        t.image.recnos.push_back(r);
    }
    for (double& v : t.numbers) t.image.keys.push_back(reinterpret_cast<const char*>(&v));
    return t;
}

// n dog-name keys with runs of equal names: "DOG 00000", "DOG 00000", "DOG 00001", ...
std::vector<std::string> dogNames(size_t n, size_t repeat = 1) {
    std::vector<std::string> keys;
    char buf[32];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(buf, sizeof buf, "DOG %05zu", i / repeat);
        keys.push_back(buf);
    }
    return keys;
}

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

template <class T>
T read(const std::string& bytes, size_t offset) {
    T v;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

class MdxWriter : public ::testing::Test {
protected:
    void SetUp() override { BW_REQUIRE_PROGRAM("index_dump"); }
    std::string write(const std::vector<const TagData*>& tags, const std::string& name = "t.mdx") {
        std::vector<MdxTagImage> images;
        for (auto* t : tags) images.push_back(t->image);
        std::string path = dir.file(name);
        writeMdx(path, "masterdb", images);
        return path;
    }
    bwtest::TempDir dir;
};

} // namespace

TEST(MdxKeys, NumericKeysAreBcdWithExponentAndDigitCount) {
    struct Case {
        double value;
        std::vector<uint8_t> bytes;   // the leading bytes; the rest are zero
    } cases[] = {
        {2, {0x35, 0x05, 0x20}},
        {0, {0x34, 0x01}},
        {-2, {0x35, 0x85, 0x20}},
        {12345, {0x39, 0x15, 0x12, 0x34, 0x50}},
        {100, {0x37, 0x05, 0x10}},
        {0.5, {0x34, 0x05, 0x50}},
        {0.05, {0x33, 0x05, 0x50}},
        {-12.25, {0x36, 0x91, 0x12, 0x25}},
        {99999, {0x39, 0x15, 0x99, 0x99, 0x90}},
    };
    for (const Case& c : cases) {
        char out[12];
        encodeNumericKey(c.value, out);
        std::vector<uint8_t> expected = c.bytes;
        expected.resize(12, 0);
        EXPECT_EQ(std::vector<uint8_t>(out, out + 12), expected) << "value " << c.value;
    }
}

TEST(MdxKeys, JulianDayCountsFromTheCalendarsStart) {
    EXPECT_EQ(julianDay(2000, 1, 1), 2451545.0);
    EXPECT_EQ(julianDay(1970, 1, 1), 2440588.0);
    EXPECT_EQ(julianDay(2000, 3, 1) - julianDay(2000, 2, 28), 2.0);   // leap day
    EXPECT_EQ(julianDay(1900, 3, 1) - julianDay(1900, 2, 28), 1.0);   // no leap day
    EXPECT_EQ(julianDay(2003, 6, 14), 2452805.0);
}

TEST_F(MdxWriter, ReaderListsEveryTagWithItsNameAsGiven) {
    TagData a = charTag("DOGNAME", 65, dogNames(3));
    TagData b = charTag("OWNERNAME", 50, dogNames(3));
    TagData c = charTag("REGNUM", 20, {});
    TagData d = charTag("ABCDEFGHIJ", 10, dogNames(3));   // ten characters, the most allowed
    TagData e = charTag("GroupNAME", 55, dogNames(3));
    TagData f = charTag("emailsrt", 65, dogNames(3));
    std::string mdx = write({&a, &b, &c, &d, &e, &f});
    EXPECT_EQ(bwtest::indexDumpTags(mdx),
              (std::vector<std::string>{"ABCDEFGHIJ", "DOGNAME", "GroupNAME", "OWNERNAME",
                                        "REGNUM", "emailsrt"}));
    for (const TagData* t : {&a, &b, &c, &d, &e, &f})
        EXPECT_EQ(bwtest::indexDump(mdx, t->image.name, t->image.keyLength), t->expected())
            << t->image.name;
}

// From an empty tag through one leaf, a leaf and a bit, to trees of three and four
// levels; short and long keys give very different numbers of keys per block.
TEST_F(MdxWriter, ReaderWalksEveryKeyInOrderWithItsRecordNumber) {
    struct Case {
        size_t keys;
        uint16_t width;
        size_t repeat;
    } cases[] = {
        {0, 65, 1},     {1, 65, 1},    {14, 65, 1},    {15, 65, 1},   {29, 65, 3},
        {5000, 65, 1},  {5000, 65, 7}, {20000, 10, 1}, {3000, 100, 2},
    };
    for (const Case& c : cases) {
        TagData t = charTag("DOGNAME", c.width, dogNames(c.keys, c.repeat));
        std::string mdx = write({&t});
        EXPECT_EQ(bwtest::indexDump(mdx, "DOGNAME", c.width), t.expected())
            << c.keys << " keys of " << c.width;
    }
}

TEST_F(MdxWriter, ReaderSeeksToTheFirstKeyAtOrAfterTheGivenText) {
    // 5000 keys of 65 bytes make four levels; equal names run across leaf boundaries.
    TagData t = charTag("DOGNAME", 65, dogNames(5000, 20));
    std::string mdx = write({&t});
    auto all = t.expected();
    auto firstAtOrAfter = [&](const std::string& s) {
        return std::find_if(all.begin(), all.end(), [&](const DumpedKey& k) { return k.key >= s; });
    };
    for (std::string start : {"DOG 00000", "DOG 00007", "DOG 00123", "DOG 0012", "DOG 00249",
                              "DOG 00100X", "A", "DOG 0024"}) {
        auto from = firstAtOrAfter(start);
        auto got = bwtest::indexDump(mdx, "DOGNAME", 65, start);
        ASSERT_FALSE(got.empty()) << start;
        EXPECT_EQ(got.front(), *from) << start;
        EXPECT_EQ(got.size(), size_t(all.end() - from)) << start;
    }
    EXPECT_TRUE(bwtest::indexDump(mdx, "DOGNAME", 65, std::string("E")).empty());
}

TEST_F(MdxWriter, NumericAndDateTagsHoldTheirEncodedKeys) {
    std::vector<double> numbers = {5, -3, 0, 0, 12, 999, 0.5, -1000.25, 123456789, 5, 40};
    std::vector<double> many;
    for (int i = 0; i < 4000; ++i) many.push_back((i * 7919) % 3001 - 1500);
    std::vector<double> dates = {julianDay(2003, 6, 14), kBlankDateKey, julianDay(1999, 12, 31),
                                 julianDay(2003, 6, 14), julianDay(1980, 2, 29)};
    TagData n = numberTag("SHOW_NUM", 'N', numbers);
    TagData big = numberTag("COUNT", 'N', many);
    TagData d = numberTag("SHOWDATE", 'D', dates);
    TagData empty = numberTag("NODATES", 'D', {});
    std::string mdx = write({&n, &big, &d, &empty});
    EXPECT_EQ(bwtest::indexDump(mdx, "SHOW_NUM", 12), n.expected());
    EXPECT_EQ(bwtest::indexDump(mdx, "COUNT", 12), big.expected());
    EXPECT_EQ(bwtest::indexDump(mdx, "SHOWDATE", 8), d.expected());
    EXPECT_TRUE(bwtest::indexDump(mdx, "NODATES", 8).empty());

    std::string bytes = slurp(mdx);
    auto tagHeader = [&](int tag) { return size_t(read<uint32_t>(bytes, 544 + 32 * tag)) * 512; };
    EXPECT_EQ(bytes[544 + 20], 'N');
    EXPECT_EQ(bytes[544 + 64 + 20], 'D');
    EXPECT_EQ(bytes[tagHeader(0) + 9], 'N');
    EXPECT_EQ(read<uint16_t>(bytes, tagHeader(0) + 12), 12);
    EXPECT_EQ(read<uint16_t>(bytes, tagHeader(0) + 18), 16);   // item length
    EXPECT_EQ(bytes[tagHeader(2) + 9], 'D');
    EXPECT_EQ(read<uint16_t>(bytes, tagHeader(2) + 16), 1);
    EXPECT_EQ(read<uint16_t>(bytes, tagHeader(2) + 18), 12);
}

TEST_F(MdxWriter, HeaderTagTableAndTagHeadersDescribeTheFile) {
    TagData a = charTag("NAME", 70, dogNames(2000));
    TagData b = charTag("DOGNAME", 65, dogNames(10));
    TagData c = charTag("ARMBAND", 5, {});
    TagData d = charTag("CLNUMLAST", 58, dogNames(1));
    std::string mdx = write({&a, &b, &c, &d});
    std::string bytes = slurp(mdx);

    ASSERT_EQ(bytes.size() % 1024, 0u);
    EXPECT_EQ(bytes[0], 0x02);
    EXPECT_EQ(std::string(bytes.data() + 4, 16), std::string("MASTERDB") + std::string(8, '\0'));
    EXPECT_EQ(read<uint16_t>(bytes, 22), 1024);
    EXPECT_EQ(read<uint16_t>(bytes, 28), 4);
    EXPECT_EQ(read<uint32_t>(bytes, 32), bytes.size() / 512);

    // The tag table is a binary tree by name: NAME at the root, DOGNAME and ARMBAND to
    // its left, CLNUMLAST to the right of ARMBAND.
    struct Link {
        int left, right, parent;
    } links[] = {{2, 0, 0}, {3, 0, 1}, {0, 4, 2}, {0, 0, 3}};
    for (int i = 0; i < 4; ++i) {
        size_t e = 544 + 32 * i;
        EXPECT_EQ(bytes[e + 16], links[i].left) << i;
        EXPECT_EQ(bytes[e + 17], links[i].right) << i;
        EXPECT_EQ(bytes[e + 18], links[i].parent) << i;
    }

    // Each tag header points at a root and at first and last leaves that lie inside the
    // tag's own pages; every leaf ends with the zero word readers rely on.
    const TagData* tags[] = {&a, &b, &c, &d};
    for (int i = 0; i < 4; ++i) {
        uint32_t headerPage = read<uint32_t>(bytes, 544 + 32 * i);
        size_t h = size_t(headerPage) * 512;
        uint32_t root = read<uint32_t>(bytes, h), pages = read<uint32_t>(bytes, h + 4);
        uint32_t firstLeaf = read<uint32_t>(bytes, h + 248), lastLeaf = read<uint32_t>(bytes, h + 252);
        EXPECT_EQ(read<uint16_t>(bytes, h + 12), tags[i]->image.keyLength);
        EXPECT_EQ(std::string(bytes.data() + h + 24), "upper(dog)");
        EXPECT_EQ(firstLeaf, headerPage + 2);
        EXPECT_LE(firstLeaf, lastLeaf);
        EXPECT_LT(lastLeaf, headerPage + pages);
        EXPECT_LT(root, headerPage + pages);
        uint16_t itemLength = read<uint16_t>(bytes, h + 18);
        for (uint32_t leaf = firstLeaf; leaf <= lastLeaf; leaf += 2) {
            uint32_t n = read<uint32_t>(bytes, leaf * 512);
            EXPECT_EQ(read<uint32_t>(bytes, leaf * 512 + 8 + n * itemLength), 0u) << leaf;
        }
    }
}

TEST_F(MdxWriter, ReplacesAnOldFileAndLeavesNoTemporaryFileBehind) {
    std::string mdx = dir.file("t.mdx");
    { std::ofstream(mdx) << std::string(5000, 'x'); }   // a half-written leftover
    { std::ofstream(mdx + ".tmp") << std::string(3000, 'x'); }   // and one a crash left
    TagData t = charTag("DOGNAME", 65, dogNames(50));
    write({&t});
    EXPECT_EQ(bwtest::indexDump(mdx, "DOGNAME", 65), t.expected());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()), 1);
}

TEST_F(MdxWriter, RefusesWhatCannotBeWrittenWithAnErrorNamingTheFile) {
    TagData good = charTag("DOGNAME", 65, dogNames(5));
    TagData tooLong = charTag("ELEVENCHARS", 65, dogNames(5));
    TagData twice = charTag("DOGNAME", 65, dogNames(5));
    TagData badWidth = numberTag("NUM", 'N', {1});
    badWidth.image.keyLength = 10;
    struct Case {
        std::string path;
        std::vector<const TagData*> tags;
    } cases[] = {
        {dir.file("missing/t.mdx"), {&good}},
        {dir.file("t.mdx"), {&tooLong}},
        {dir.file("t.mdx"), {&good, &twice}},
        {dir.file("t.mdx"), {&badWidth}},
    };
    for (const Case& c : cases) {
        std::vector<MdxTagImage> images;
        for (auto* t : c.tags) images.push_back(t->image);
        try {
            writeMdx(c.path, "t", images);
            ADD_FAILURE() << "no error for " << c.path;
        } catch (const DbfError& e) {
            EXPECT_EQ(e.file(), c.path);
            EXPECT_NE(std::string(e.what()).find(c.path), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}
