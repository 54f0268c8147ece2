// The dBase IV multiple-index (.mdx) writer.
//
// The program rebuilds every index at each opening of its table, so the writer never
// updates a file in place: it lays out the whole file from keys that are already sorted,
// fills every node in one pass (leaves first, then each interior level above them) and
// streams the blocks out in page order. Nothing is ever inserted key by key.
#include "xbase/Mdx.h"

#include "xbase/FieldValue.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

#include "xbase/Error.h"

namespace xbase {
namespace {

static_assert(std::endian::native == std::endian::little,
              "the .mdx writer stores integers and doubles in the machine's byte order");

// ---- the file layout, written down once ------------------------------------------
//
// A page is 512 bytes, a block two pages; every pointer in the file counts pages.

template <class T>
struct At {
    size_t offset;
};
struct TextAt {   // fixed width, NUL-padded
    size_t offset;
    size_t width;
};
struct DateAt {   // three bytes: year - 1900, month, day
    size_t offset;
};

constexpr size_t kPageSize = 512;
constexpr uint32_t kPagesPerBlock = 2;
constexpr size_t kBlockSize = kPageSize * kPagesPerBlock;
constexpr uint32_t kHeaderPages = 4;

namespace fileHeader {  // pages 0-3
constexpr At<uint8_t> version{0};
constexpr DateAt created{1};
constexpr TextAt tableName{4, 16};
constexpr At<uint16_t> pagesPerBlock{20};
constexpr At<uint16_t> blockSize{22};
constexpr At<uint8_t> production{24};
constexpr At<uint8_t> tagSlots{25};
constexpr At<uint8_t> tagEntryLength{26};
constexpr At<uint16_t> tagsInUse{28};
constexpr At<uint8_t> tagsInUsePlusOne{30};
constexpr At<uint8_t> marker31{31};
constexpr At<uint32_t> totalPages{32};
constexpr At<uint32_t> firstFreePage{36};
constexpr At<uint32_t> freeBlocks{40};
constexpr DateAt updated{44};
constexpr At<uint8_t> marker529{529};
constexpr size_t tagTable = 544;
constexpr uint8_t kVersion = 0x02;
constexpr uint8_t kTagSlots = 48;
constexpr uint8_t kMarker31 = 0x1B;
} // namespace fileHeader

namespace tagEntry {  // 32 bytes per tag, from fileHeader::tagTable
constexpr size_t size = 32;
constexpr At<uint32_t> headerPage{0};
constexpr TextAt name{4, 11};
constexpr At<uint8_t> keyFormat{15};
constexpr At<uint8_t> leftChild{16};    // the tags form a binary tree ordered by name;
constexpr At<uint8_t> rightChild{17};   // 1-based indices into the tag table, 0 = none
constexpr At<uint8_t> parent{18};
constexpr At<uint8_t> marker19{19};
constexpr At<uint8_t> keyType{20};
constexpr uint8_t kMarker19 = 0x02;
} // namespace tagEntry

namespace tagHeader {  // one block per tag
constexpr At<uint32_t> rootPage{0};
constexpr At<uint32_t> pagesUsed{4};
constexpr At<uint8_t> keyFormat{8};
constexpr At<uint8_t> keyType{9};
constexpr At<uint8_t> marker11{11};
constexpr At<uint16_t> keyLength{12};
constexpr At<uint16_t> maxKeysPerBlock{14};
constexpr At<uint16_t> dateKeys{16};
constexpr At<uint16_t> itemLength{18};
constexpr At<uint8_t> marker20{20};
constexpr At<uint8_t> unique{23};
constexpr TextAt expression{24, 221};   // NUL-terminated: at most 220 characters
constexpr At<uint8_t> hasFilter{245};
constexpr At<uint8_t> hasKeys{246};
constexpr At<uint32_t> firstLeafPage{248};
constexpr At<uint32_t> lastLeafPage{252};
constexpr DateAt created{257};
constexpr At<uint8_t> singleField{480};
constexpr TextAt filter{762, 1024 - 762};
constexpr uint8_t kMarker11 = 0x1B;
constexpr uint8_t kMarker20 = 0x01;
} // namespace tagHeader

// Key format byte, in the tag table and the tag header: ascending, duplicates allowed.
constexpr uint8_t kKeyFormat = 0x10;

namespace node {  // one block: a leaf or an interior node
constexpr At<uint32_t> keyCount{0};
constexpr At<uint32_t> reserved{4};
constexpr size_t items = 8;   // [uint32 pointer][key][padding to the item length] ...
// A leaf's pointers are record numbers and the uint32 after its last item is 0; an
// interior node holds n keys and n + 1 child pages, the last one in that same place.
// Readers tell the two apart by that trailing word alone.
} // namespace node

constexpr size_t kMaxTags = (kHeaderPages * kPageSize - fileHeader::tagTable) / tagEntry::size;
constexpr size_t kMaxTagName = tagEntry::name.width - 1;
constexpr size_t kMaxKeyLength = 100;   // dBase's own limit for an index key

template <class T>
void put(char* base, At<T> field, T value) {
    std::memcpy(base + field.offset, &value, sizeof value);
}

void put(char* base, TextAt field, std::string_view text) {
    std::memcpy(base + field.offset, text.data(), std::min(text.size(), field.width));
}

struct Date3 {
    uint8_t year, month, day;
};

void put(char* base, DateAt field, Date3 date) {
    base[field.offset] = static_cast<char>(date.year);
    base[field.offset + 1] = static_cast<char>(date.month);
    base[field.offset + 2] = static_cast<char>(date.day);
}

Date3 today() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {static_cast<uint8_t>(tm.tm_year), static_cast<uint8_t>(tm.tm_mon + 1),
            static_cast<uint8_t>(tm.tm_mday)};
}

// ---- the tree of one tag, planned before anything is written ----------------------

struct Level {
    uint32_t firstPage = 0;
    size_t nodes = 0;
    size_t entries = 0;               // keys (leaf level) or children (interior levels)
    std::vector<size_t> lastKey;      // per node: index of the highest key below it

    // Entries are spread evenly over the nodes, so no node is left nearly empty.
    size_t begin(size_t n) const { return n * entries / nodes; }
    size_t end(size_t n) const { return (n + 1) * entries / nodes; }
};

struct TagPlan {
    const MdxTagImage* tag = nullptr;
    uint32_t headerPage = 0;
    size_t itemLength = 0;
    size_t maxKeys = 0;
    std::vector<Level> levels;        // [0] the leaves, back() the root
    uint32_t pages = 0;               // the header block and every node
    uint8_t left = 0, right = 0, parent = 0;

    uint32_t rootPage() const { return levels.back().firstPage; }
};

size_t ceilDiv(size_t a, size_t b) { return (a + b - 1) / b; }

TagPlan planTag(const MdxTagImage& tag, uint32_t headerPage) {
    TagPlan plan;
    plan.tag = &tag;
    plan.headerPage = headerPage;
    plan.itemLength = (tag.keyLength + 4 + 3) / 4 * 4;
    plan.maxKeys = (kBlockSize - 12) / plan.itemLength;

    uint32_t page = headerPage + kPagesPerBlock;
    Level leaves;
    leaves.entries = tag.keys.size();
    leaves.nodes = std::max<size_t>(1, ceilDiv(leaves.entries, plan.maxKeys));
    leaves.firstPage = page;
    leaves.lastKey.resize(leaves.nodes);
    for (size_t n = 0; n < leaves.nodes; ++n) leaves.lastKey[n] = leaves.end(n) - 1;
    page += static_cast<uint32_t>(leaves.nodes) * kPagesPerBlock;
    plan.levels.push_back(std::move(leaves));

    while (plan.levels.back().nodes > 1) {
        const Level& below = plan.levels.back();
        Level up;
        up.entries = below.nodes;
        up.nodes = ceilDiv(up.entries, plan.maxKeys + 1);
        up.firstPage = page;
        up.lastKey.resize(up.nodes);
        for (size_t n = 0; n < up.nodes; ++n) up.lastKey[n] = below.lastKey[up.end(n) - 1];
        page += static_cast<uint32_t>(up.nodes) * kPagesPerBlock;
        plan.levels.push_back(std::move(up));
    }
    plan.pages = page - headerPage;
    return plan;
}

// The tag table's binary tree, built by inserting the tags in the order given, as dBase
// does when tags are added one after another.
void linkTagTree(std::vector<TagPlan>& plans) {
    for (size_t i = 1; i < plans.size(); ++i) {
        size_t at = 0;
        for (;;) {
            uint8_t& child = plans[i].tag->name < plans[at].tag->name ? plans[at].left
                                                                      : plans[at].right;
            if (child == 0) {
                child = static_cast<uint8_t>(i + 1);
                plans[i].parent = static_cast<uint8_t>(at + 1);
                break;
            }
            at = child - 1;
        }
    }
}

void validate(const std::string& path, const std::vector<MdxTagImage>& tags) {
    auto fail = [&](const std::string& why) {
        throw DbfError(path, "Cannot write the index file " + path + ": " + why + ".");
    };
    if (tags.size() > kMaxTags) fail("more than " + std::to_string(kMaxTags) + " tags");
    for (size_t i = 0; i < tags.size(); ++i) {
        const MdxTagImage& t = tags[i];
        if (t.name.empty() || t.name.size() > kMaxTagName || t.name.find('\0') != std::string::npos)
            fail("the tag name \"" + t.name + "\" is not 1 to 10 characters");
        for (size_t j = 0; j < i; ++j)
            if (tags[j].name == t.name) fail("the tag " + t.name + " is given twice");
        if (t.expression.size() >= tagHeader::expression.width)
            fail("the key expression of tag " + t.name + " is too long");
        if (t.keys.size() != t.recnos.size())
            fail("tag " + t.name + " has a different number of keys and record numbers");
        bool lengthOk = t.keyType == 'C'   ? t.keyLength >= 1 && t.keyLength <= kMaxKeyLength
                        : t.keyType == 'N' ? t.keyLength == 12
                        : t.keyType == 'D' ? t.keyLength == 8
                                           : false;
        if (!lengthOk)
            fail("tag " + t.name + " has key type " + std::string(1, t.keyType) +
                 " with a key of " + std::to_string(t.keyLength) + " bytes");
    }
}

// ---- output ------------------------------------------------------------------------

// Hands out zeroed blocks in file order and writes them in large chunks.
class BlockWriter {
public:
    BlockWriter(int fd, const std::string& path) : fd_(fd), path_(path), buf_(kChunk) {}

    char* next(size_t bytes = kBlockSize) {
        if (used_ + bytes > buf_.size()) flush();
        char* p = buf_.data() + used_;
        std::memset(p, 0, bytes);
        used_ += bytes;
        return p;
    }

    void flush() {
        const char* p = buf_.data();
        size_t left = used_;
        while (left > 0) {
            ssize_t n = ::write(fd_, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0)
                throw DbfError(path_, "Cannot write the index file " + path_ + ": " +
                                          std::strerror(n < 0 ? errno : ENOSPC) + ".");
            p += n;
            left -= static_cast<size_t>(n);
        }
        used_ = 0;
    }

private:
    static constexpr size_t kChunk = 256 * kBlockSize;
    int fd_;
    const std::string& path_;
    std::vector<char> buf_;
    size_t used_ = 0;
};

constexpr size_t kPrefetch = 8;

void writeKey(char* at, const MdxTagImage& tag, size_t i) {
    const char* key = tag.keys[i];
    switch (tag.keyType) {
    case 'N': {
        double v;
        std::memcpy(&v, key, sizeof v);
        encodeNumericKey(v, at);
        break;
    }
    default:   // C bytes as they are; D the double itself
        std::memcpy(at, key, tag.keyLength);
        break;
    }
}

void writeFileHeader(BlockWriter& out, const std::string& tableBaseName,
                     const std::vector<TagPlan>& plans, uint32_t totalPages, Date3 date) {
    using namespace fileHeader;
    char* h = out.next(kHeaderPages * kPageSize);
    put(h, version, kVersion);
    put(h, created, date);
    std::string base = tableBaseName;
    for (char& c : base)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    put(h, tableName, base);
    put(h, pagesPerBlock, static_cast<uint16_t>(kPagesPerBlock));
    put(h, blockSize, static_cast<uint16_t>(kBlockSize));
    put(h, production, uint8_t{1});
    put(h, tagSlots, kTagSlots);
    put(h, tagEntryLength, static_cast<uint8_t>(tagEntry::size));
    put(h, tagsInUse, static_cast<uint16_t>(plans.size()));
    put(h, tagsInUsePlusOne, static_cast<uint8_t>(plans.size() + 1));
    put(h, marker31, kMarker31);
    put(h, fileHeader::totalPages, totalPages);
    put(h, firstFreePage, uint32_t{0});
    put(h, freeBlocks, uint32_t{0});
    put(h, updated, date);
    put(h, marker529, uint8_t{1});

    for (size_t i = 0; i < plans.size(); ++i) {
        const TagPlan& p = plans[i];
        char* e = h + tagTable + i * tagEntry::size;
        put(e, tagEntry::headerPage, p.headerPage);
        put(e, tagEntry::name, p.tag->name);
        put(e, tagEntry::keyFormat, kKeyFormat);
        put(e, tagEntry::leftChild, p.left);
        put(e, tagEntry::rightChild, p.right);
        put(e, tagEntry::parent, p.parent);
        put(e, tagEntry::marker19, tagEntry::kMarker19);
        put(e, tagEntry::keyType, static_cast<uint8_t>(p.tag->keyType));
    }
}

void writeTag(BlockWriter& out, const TagPlan& plan, Date3 date) {
    const MdxTagImage& tag = *plan.tag;
    const Level& leaves = plan.levels.front();
    {
        using namespace tagHeader;
        char* h = out.next();
        put(h, rootPage, plan.rootPage());
        put(h, pagesUsed, plan.pages);
        put(h, keyFormat, kKeyFormat);
        put(h, keyType, static_cast<uint8_t>(tag.keyType));
        put(h, marker11, kMarker11);
        put(h, keyLength, tag.keyLength);
        put(h, maxKeysPerBlock, static_cast<uint16_t>(plan.maxKeys));
        put(h, dateKeys, static_cast<uint16_t>(tag.keyType == 'D' ? 1 : 0));
        put(h, itemLength, static_cast<uint16_t>(plan.itemLength));
        put(h, marker20, kMarker20);
        put(h, unique, uint8_t{0});
        put(h, expression, tag.expression);
        put(h, hasFilter, uint8_t{0});
        put(h, hasKeys, static_cast<uint8_t>(tag.keys.empty() ? 0 : 1));
        put(h, firstLeafPage, leaves.firstPage);
        put(h, lastLeafPage,
            leaves.firstPage + static_cast<uint32_t>(leaves.nodes - 1) * kPagesPerBlock);
        put(h, created, date);
        put(h, singleField, static_cast<uint8_t>(tag.singleField ? 1 : 0));
        put(h, filter, std::string_view{});
    }

    for (size_t n = 0; n < leaves.nodes; ++n) {
        char* b = out.next();
        size_t first = leaves.begin(n), last = leaves.end(n);
        put(b, node::keyCount, static_cast<uint32_t>(last - first));
        char* item = b + node::items;
        for (size_t i = first; i < last; ++i, item += plan.itemLength) {
            // Keys in index order lie scattered over the caller's memory (they are kept by
            // record number): fetching a few ahead hides most of the cache misses.
            if (i + kPrefetch < tag.keys.size()) __builtin_prefetch(tag.keys[i + kPrefetch]);
            std::memcpy(item, &tag.recnos[i], 4);
            writeKey(item + 4, tag, i);
        }
        // The zero word after the last item, which marks a leaf, is already there.
    }

    for (size_t l = 1; l < plan.levels.size(); ++l) {
        const Level& level = plan.levels[l];
        const Level& below = plan.levels[l - 1];
        for (size_t n = 0; n < level.nodes; ++n) {
            char* b = out.next();
            size_t first = level.begin(n), last = level.end(n);
            put(b, node::keyCount, static_cast<uint32_t>(last - first - 1));
            char* item = b + node::items;
            for (size_t c = first; c < last; ++c, item += plan.itemLength) {
                uint32_t child = below.firstPage + static_cast<uint32_t>(c) * kPagesPerBlock;
                std::memcpy(item, &child, 4);
                if (c + 1 < last) writeKey(item + 4, tag, below.lastKey[c]);
            }
        }
    }
}

} // namespace

void writeMdx(const std::string& path, const std::string& tableBaseName,
              const std::vector<MdxTagImage>& tags) {
    validate(path, tags);

    std::vector<TagPlan> plans;
    plans.reserve(tags.size());
    uint32_t page = kHeaderPages;
    for (const MdxTagImage& t : tags) {
        plans.push_back(planTag(t, page));
        page += plans.back().pages;
    }
    linkTagTree(plans);
    const uint32_t totalPages = page;

    // Written beside the target and renamed over it: a crash leaves either the old file
    // or the new one, never a mixture. The temporary file has a fixed name, so one left
    // by a crash is simply overwritten next time (the table's lock keeps writers of the
    // same index apart); it is removed on failure.
    std::string tmp = path + ".tmp";
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        throw DbfError(path, "Cannot create the index file " + path + ": " +
                                 std::strerror(errno) + ".");
    try {
        BlockWriter out(fd, path);
        Date3 date = today();
        writeFileHeader(out, tableBaseName, plans, totalPages, date);
        for (const TagPlan& p : plans) writeTag(out, p, date);
        out.flush();
        if (::close(fd) != 0) {
            fd = -1;
            throw DbfError(path, "Cannot write the index file " + path + ": " +
                                     std::strerror(errno) + ".");
        }
        fd = -1;
        if (::rename(tmp.c_str(), path.c_str()) != 0)
            throw DbfError(path, "Cannot replace the index file " + path + ": " +
                                     std::strerror(errno) + ".");
    } catch (...) {
        if (fd >= 0) ::close(fd);
        ::unlink(tmp.c_str());
        throw;
    }
}

// dBase's numeric key: the value as 0.d1d2d3... x 10^e, stored as 52 + e in byte 0,
// the number of significant digits (and the sign) in byte 1, the digits as packed BCD.
// Digits are the shortest decimal form that reads back as the same double, so 0.1 is
// one digit, not seventeen.
void encodeNumericKey(double value, char out[12]) {
    std::memset(out, 0, 12);
    out[0] = 52;
    out[1] = 0x01;
    if (!(std::fabs(value) >= 1e-45) || std::isinf(value)) return;   // zero, NaN, tiny

    char text[40];
    auto res = std::to_chars(text, text + sizeof text, std::fabs(value),
                             std::chars_format::scientific);
    std::string_view s(text, static_cast<size_t>(res.ptr - text));
    size_t ePos = s.find('e');
    int exponent = 0;
    std::from_chars(s.data() + ePos + 1 + (s[ePos + 1] == '+'), s.data() + s.size(), exponent);
    std::string digits;
    for (char c : s.substr(0, ePos))
        if (c >= '0' && c <= '9') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    if (digits.size() > 20) digits.resize(20);

    out[0] = static_cast<char>(std::clamp(52 + exponent + 1, 0, 255));
    out[1] = static_cast<char>((digits.size() << 2) | 0x01 | (value < 0 ? 0x80 : 0));
    for (size_t i = 0; i < digits.size(); ++i) {
        int d = digits[i] - '0';
        out[2 + i / 2] = static_cast<char>(out[2 + i / 2] | (i % 2 == 0 ? d << 4 : d));
    }
}

// Julian day number of a Gregorian date (at noon, as dBase counts it); the field reader
// computes the same number for D keys.
double julianDay(int year, int month, int day) { return fieldvalue::julianDayNumber(year, month, day); }

} // namespace xbase
