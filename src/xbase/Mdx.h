#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xbase {

// One tag as the .mdx writer receives it: its keys already in index order.
struct MdxTagImage {
    std::string name;         // at most 10 characters, written in capitals as given
    std::string expression;   // the dBase key expression text
    char keyType = 'C';       // 'C', 'N' or 'D'
    uint16_t keyLength = 0;   // C: the expression's width; N: 12; D: 8
    bool singleField = false; // the expression is one field name
    // keys[i] points at key i. For C: keyLength bytes in the table's code page. For N and
    // D: one double (the number; for dates the Julian day number, a blank date being
    // 21474835648.0), which the writer encodes (BCD for N).
    std::vector<const char*> keys;
    std::vector<uint32_t> recnos; // record number of key i
};

// Writes a dBase IV production index file holding all the tags, built bottom-up in one
// pass. tableBaseName is the table's file name without folder and extension. Writes a
// temporary file and renames it over the path, so a crash never leaves a half-written
// index behind. Throws DbfError naming the file.
void writeMdx(const std::string& path, const std::string& tableBaseName,
              const std::vector<MdxTagImage>& tags);

// Key encodings of the .mdx format.
void encodeNumericKey(double value, char out[12]);   // 12-byte BCD
double julianDay(int year, int month, int day);      // 2000-01-01 -> 2451545.0
constexpr double kBlankDateKey = 21474835648.0;

} // namespace xbase
