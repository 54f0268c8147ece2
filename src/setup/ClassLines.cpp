#include "setup/ClassLines.h"

#include <cctype>

#include "data/Text.h"

namespace bw::setup {

namespace {

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Byte offset of the character number `chars` (or the end of the text).
size_t byteOffset(std::string_view text, size_t chars)
{
    size_t i = 0;
    while (i < text.size() && chars > 0) {
        ++i;
        while (i < text.size() && continuationByte(text[i])) ++i;
        --chars;
    }
    return i;
}

size_t charCount(std::string_view text)
{
    size_t n = 0;
    for (char c : text)
        if (!continuationByte(c)) ++n;
    return n;
}

// A whole number as the number conversion of the original program reads it: leading
// blanks, an optional sign, then digits to the end of the text.
bool strictInt(std::string_view text, int& value)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return false;
    long v = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        v = v * 10 + (text[i] - '0');
    }
    value = static_cast<int>(negative ? -v : v);
    return true;
}

} // namespace

std::string padChars(std::string_view text, size_t width)
{
    size_t n = charCount(text);
    if (n >= width) return std::string(text.substr(0, byteOffset(text, width)));
    return std::string(text) + std::string(width - n, ' ');
}

std::string midChars(std::string_view text, size_t from, size_t count)
{
    size_t begin = byteOffset(text, from);
    size_t end = begin + byteOffset(text.substr(begin), count);
    return std::string(text.substr(begin, end - begin));
}

std::string availableClassLine(const ClassLine& c)
{
    return padChars(c.section, 15) + std::string(3, ' ') + padChars(c.className, 40) +
           std::string(20, ' ') + padChars(c.catGroup, 3) + padChars(c.allKey, 4);
}

ClassLine parseClassLine(std::string_view line)
{
    ClassLine c;
    c.section = trimRight(midChars(line, 0, 15));
    c.className = trimRight(midChars(line, 18, 40));
    c.catGroup = trimRight(midChars(line, 78, 3));
    c.allKey = trimRight(midChars(line, 81, 4));
    return c;
}

Numbering numberShowClasses(const std::vector<std::string>& lines, int numDays)
{
    Numbering result;
    int counter = 0;
    for (int day = 1; day <= numDays; ++day) {
        for (const std::string& line : lines) {
            NumberedClass n;
            n.cls = parseClassLine(line);
            n.day = day;
            ++counter;
            if (n.cls.catGroup == "NFC") {
                n.classNum = 999;
                --counter;
            } else if (n.cls.catGroup == "BJR") {
                // The allkey holds the junior class's fixed number: J901 is class 901.
                std::string digits = midChars(padChars(n.cls.allKey, 4), 1, 3);
                if (!strictInt(digits, n.classNum)) {
                    result.classes.clear();
                    result.error = "'" + digits + "' is not a valid integer value";
                    return result;
                }
                --counter;
            } else {
                n.classNum = counter;
            }
            result.classes.push_back(std::move(n));
        }
    }
    return result;
}

std::string showDatesClassLine(const std::string& section, int classNum,
                               const std::string& className, const std::string& allKey)
{
    std::string num = std::to_string(classNum);
    if (num.size() < 3) num.insert(0, 3 - num.size(), ' ');
    return padChars(section, 15) + "  " + num + std::string(6, ' ') + padChars(className, 45) +
           allKey;
}

} // namespace bw::setup
