#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bw::setup {

// A class as the two class lists of the new-show and show dates windows carry it: one
// text line with fixed columns (counted in characters), made from the library record's
// fields padded to their widths, and cut back into the fields on Save:
//   1-15 section, 16-18 blanks, 19-58 class name, 59-78 blanks, 79-81 catalogue group,
//   82-85 allkey.
struct ClassLine {
    std::string section;
    std::string className;
    std::string catGroup;
    std::string allKey;
};

std::string availableClassLine(const ClassLine& c);
// The fields of a line, trailing blanks removed.
ClassLine parseClassLine(std::string_view line);

// text padded with blanks (or cut) to exactly width characters (UTF-8 aware).
std::string padChars(std::string_view text, size_t width);
// The characters [from, from + count) of a UTF-8 text.
std::string midChars(std::string_view text, size_t from, size_t count);

// A show class ready to be written: the line's fields with its day and class number.
struct NumberedClass {
    ClassLine cls;
    int day = 1;
    int classNum = 0;
};

// The numbering of a show's classes, in list order and day by day: ordinary classes take
// 1, 2, 3 ...; the Not For Competition class (group "NFC") takes 999 and a junior
// handling class (group "BJR") the number in characters 2 to 4 of its allkey, neither
// taking a number from the sequence. With several days the sequence runs on across
// days. error is set (and classes empty) when a junior class's allkey carries no number.
struct Numbering {
    std::vector<NumberedClass> classes;
    std::string error;
};
Numbering numberShowClasses(const std::vector<std::string>& lines, int numDays = 1);

// The line of a show class in the show dates window: section (15), two blanks, class
// number right-aligned in 3, six blanks, class name padded to 45, allkey.
std::string showDatesClassLine(const std::string& section, int classNum,
                               const std::string& className, const std::string& allKey);
// The heading above those lines.
inline constexpr const char* kShowDatesClassHeading =
    "Section      Class #      Class Name                                      AllClass Key";

} // namespace bw::setup
