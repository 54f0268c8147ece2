#pragma once

#include <string>
#include <vector>

namespace xbase {

// The dBase field types this program uses. Numbers have no decimals in any table of the
// program, but the engine keeps the decimals count of a field it reads.
enum class FieldType : char { Character = 'C', Numeric = 'N', Date = 'D', Logical = 'L' };

struct FieldDef {
    std::string name;  // stored in lower case; matched without regard to case
    FieldType type = FieldType::Character;
    int length = 1;    // C: 1..254, N: 1..20, D: 8, L: 1
    int decimals = 0;
};

using FieldList = std::vector<FieldDef>;

// Shorthands for table layouts: C("dog", 60), N("show_num", 5), D("bdate"), L("printit").
inline FieldDef C(std::string name, int length) { return {std::move(name), FieldType::Character, length, 0}; }
inline FieldDef N(std::string name, int length, int decimals = 0) { return {std::move(name), FieldType::Numeric, length, decimals}; }
inline FieldDef D(std::string name) { return {std::move(name), FieldType::Date, 8, 0}; }
inline FieldDef L(std::string name) { return {std::move(name), FieldType::Logical, 1, 0}; }

// An index tag: its name (at most 10 characters, matched without regard to case) and its
// dBase key expression, e.g. {"DOGNAME", "upper(dog)+str(recno(),5)"}.
struct TagDef {
    std::string name;
    std::string expression;
};

using TagList = std::vector<TagDef>;

} // namespace xbase
