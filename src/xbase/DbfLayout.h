#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "xbase/CodePage.h"
#include "xbase/Expression.h"
#include "xbase/Field.h"

// The dBase III/IV .dbf layout, written down once as data: the reader and the writer
// both go through these tables, so they cannot disagree.
namespace xbase::dbf {

// One value in a fixed-size block: its offset and size in bytes; integers are
// little-endian.
struct Slot {
    size_t offset;
    size_t size;
};

// The 32-byte file header.
namespace header {
constexpr size_t kSize = 32;
constexpr Slot version{0, 1};        // 0x03: dBase III/IV without memo
constexpr Slot updateYear{1, 1};     // year - 1900
constexpr Slot updateMonth{2, 1};
constexpr Slot updateDay{3, 1};
constexpr Slot recordCount{4, 4};    // authoritative; never inferred from the file size
constexpr Slot headerLength{8, 2};   // 32 + 32 * fields + 1
constexpr Slot recordLength{10, 2};  // 1 (deletion mark) + the field lengths
constexpr Slot mdxFlag{28, 1};       // 1 when a production .mdx sits beside the table
constexpr Slot languageDriver{29, 1};
} // namespace header

// One 32-byte field descriptor; they follow the header, ended by kTerminator.
namespace descriptor {
constexpr size_t kSize = 32;
constexpr Slot name{0, 11};          // NUL-padded
constexpr Slot type{11, 1};
constexpr Slot length{16, 1};
constexpr Slot decimals{17, 1};
} // namespace descriptor

constexpr char kVersion = 0x03;
constexpr char kTerminator = 0x0D;
constexpr char kEndOfFile = 0x1A;
constexpr char kLive = ' ';
constexpr char kDeleted = '*';

uint32_t get(const char* block, Slot slot);
void put(char* block, Slot slot, uint32_t value);

struct Header {
    uint32_t recordCount = 0;
    uint32_t headerLength = 0;
    uint32_t recordLength = 0;
    bool mdxFlag = false;
    CodePage codePage = CodePage::CP850;
    FieldList fields;
    std::vector<FieldSlot> slots;
};

// Reads and checks the header of a file of fileSize bytes; bytes holds the file's
// first available bytes (at least the header when the file has one). Every
// inconsistency (counts that do not match the file, a record length that disagrees
// with the fields, unknown field types, a missing terminator) throws DbfError naming
// path.
Header parseHeader(const char* bytes, size_t available, uint64_t fileSize, const std::string& path);

// Checks a field list before a file is made from it; throws DbfError naming path.
void checkFields(const FieldList& fields, const std::string& path);

// The header bytes (with descriptors and terminator) for a new or rewritten file,
// dated today.
std::string buildHeader(const FieldList& fields, CodePage cp, uint32_t recordCount, bool mdxFlag);

// Today's date in the three header bytes.
void stampToday(char* header);

std::vector<FieldSlot> slotsOf(const FieldList& fields);

} // namespace xbase::dbf
