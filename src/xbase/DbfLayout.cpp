#include "xbase/DbfLayout.h"

#include "xbase/Error.h"

#include <ctime>
#include <set>

namespace xbase::dbf {

uint32_t get(const char* block, Slot slot)
{
    uint32_t v = 0;
    for (size_t i = slot.size; i-- > 0;) v = (v << 8) | (unsigned char)block[slot.offset + i];
    return v;
}

void put(char* block, Slot slot, uint32_t value)
{
    for (size_t i = 0; i < slot.size; ++i) {
        block[slot.offset + i] = char(value & 0xFF);
        value >>= 8;
    }
}

namespace {

[[noreturn]] void damaged(const std::string& path, const std::string& why)
{
    throw DbfError(path, "The table " + path + " is damaged: " + why + ".");
}

// The widths each type allows. N up to 20 digits as in dBase IV; C up to 254.
bool lengthAllowed(FieldType type, int length, int decimals)
{
    switch (type) {
    case FieldType::Character: return length >= 1 && length <= 254 && decimals == 0;
    case FieldType::Numeric: return length >= 1 && length <= 20 && decimals >= 0 && decimals < length;
    case FieldType::Date: return length == 8;
    case FieldType::Logical: return length == 1;
    }
    return false;
}

bool knownType(char c)
{
    return c == 'C' || c == 'N' || c == 'D' || c == 'L';
}

} // namespace

std::vector<FieldSlot> slotsOf(const FieldList& fields)
{
    std::vector<FieldSlot> slots;
    int offset = 1;
    for (const FieldDef& f : fields) {
        slots.push_back({f.name, f.type, f.length, f.decimals, offset});
        offset += f.length;
    }
    return slots;
}

Header parseHeader(const char* bytes, size_t available, uint64_t fileSize, const std::string& path)
{
    if (fileSize < header::kSize || available < header::kSize)
        damaged(path, "the file is too short to be a dBase table");
    unsigned char version = (unsigned char)bytes[header::version.offset];
    // dBase III and IV tables have 3 in the low bits (0x03, or 0x83/0x8B with memo).
    if ((version & 0x07) != 0x03)
        damaged(path, "it does not start like a dBase III/IV table");

    Header h;
    h.recordCount = get(bytes, header::recordCount);
    h.headerLength = get(bytes, header::headerLength);
    h.recordLength = get(bytes, header::recordLength);
    h.mdxFlag = get(bytes, header::mdxFlag) != 0;
    h.codePage = codePageFromLanguageDriver(uint8_t(get(bytes, header::languageDriver)));

    if (h.headerLength < header::kSize + 1 || h.headerLength > fileSize || h.headerLength > available)
        damaged(path, "the header length " + std::to_string(h.headerLength) + " does not fit the file");

    size_t pos = header::kSize;
    std::set<std::string> names;
    while (true) {
        if (pos >= h.headerLength) damaged(path, "the field list has no terminator");
        if (bytes[pos] == kTerminator) break;
        if (pos + descriptor::kSize > h.headerLength) damaged(path, "the field list has no terminator");
        const char* d = bytes + pos;
        std::string name;
        for (size_t i = 0; i < descriptor::name.size && d[i] != '\0'; ++i) {
            char c = d[i];
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
            name += c;
        }
        int number = int(h.fields.size()) + 1;
        if (name.empty()) damaged(path, "field " + std::to_string(number) + " has no name");
        char type = char(get(d, descriptor::type));
        if (!knownType(type))
            damaged(path, "field " + name + " has the unknown type \"" +
                              (type >= 0x20 && type < 0x7F ? std::string(1, type) : "?") + "\"");
        FieldDef f{name, FieldType(type), int(get(d, descriptor::length)), int(get(d, descriptor::decimals))};
        if (!lengthAllowed(f.type, f.length, f.decimals))
            damaged(path, "field " + name + " has the impossible width " + std::to_string(f.length));
        if (!names.insert(name).second) damaged(path, "the field " + name + " appears twice");
        h.fields.push_back(std::move(f));
        pos += descriptor::kSize;
    }
    if (h.fields.empty()) damaged(path, "it has no fields");

    h.slots = slotsOf(h.fields);
    uint32_t sum = 1;
    for (const FieldDef& f : h.fields) sum += uint32_t(f.length);
    if (sum != h.recordLength)
        damaged(path, "the record length " + std::to_string(h.recordLength) +
                          " disagrees with the fields, which need " + std::to_string(sum));
    uint64_t needed = uint64_t(h.headerLength) + uint64_t(h.recordCount) * h.recordLength;
    if (needed > fileSize)
        damaged(path, "the header counts " + std::to_string(h.recordCount) + " records but the file holds only " +
                          std::to_string((fileSize - h.headerLength) / h.recordLength));
    return h;
}

void checkFields(const FieldList& fields, const std::string& path)
{
    auto refuse = [&](const std::string& why) {
        throw DbfError(path, "Could not create the table " + path + ": " + why + ".");
    };
    if (fields.empty()) refuse("it has no fields");
    std::set<std::string> names;
    size_t recordLength = 1;
    for (const FieldDef& f : fields) {
        bool nameOk = !f.name.empty() && f.name.size() <= 10 &&
                      ((f.name[0] >= 'a' && f.name[0] <= 'z') || (f.name[0] >= 'A' && f.name[0] <= 'Z'));
        for (char c : f.name)
            nameOk = nameOk && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_');
        if (!nameOk) refuse("\"" + f.name + "\" is not a dBase field name");
        std::string lower = f.name;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (!names.insert(lower).second) refuse("the field " + lower + " appears twice");
        if (!knownType(char(f.type)) || !lengthAllowed(f.type, f.length, f.decimals))
            refuse("the field " + lower + " has an impossible type or width");
        recordLength += size_t(f.length);
    }
    if (recordLength > 0xFFFF) refuse("its records would be too long");
}

void stampToday(char* block)
{
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    put(block, header::updateYear, uint32_t(tm.tm_year));
    put(block, header::updateMonth, uint32_t(tm.tm_mon + 1));
    put(block, header::updateDay, uint32_t(tm.tm_mday));
}

std::string buildHeader(const FieldList& fields, CodePage cp, uint32_t recordCount, bool mdxFlag)
{
    std::string h(header::kSize + descriptor::kSize * fields.size() + 1, '\0');
    uint32_t recordLength = 1;
    for (const FieldDef& f : fields) recordLength += uint32_t(f.length);
    put(h.data(), header::version, uint8_t(kVersion));
    stampToday(h.data());
    put(h.data(), header::recordCount, recordCount);
    put(h.data(), header::headerLength, uint32_t(h.size()));
    put(h.data(), header::recordLength, recordLength);
    put(h.data(), header::mdxFlag, mdxFlag ? 1 : 0);
    put(h.data(), header::languageDriver, languageDriverByte(cp));
    for (size_t i = 0; i < fields.size(); ++i) {
        char* d = h.data() + header::kSize + i * descriptor::kSize;
        const FieldDef& f = fields[i];
        // Stored in lower case, as the program's tables always were.
        for (size_t k = 0; k < f.name.size() && k < descriptor::name.size - 1; ++k) {
            char c = f.name[k];
            d[descriptor::name.offset + k] = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        }
        put(d, descriptor::type, uint8_t(f.type));
        put(d, descriptor::length, uint32_t(f.length));
        put(d, descriptor::decimals, uint32_t(f.decimals));
    }
    h.back() = kTerminator;
    return h;
}

} // namespace xbase::dbf
