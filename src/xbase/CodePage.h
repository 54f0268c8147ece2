#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace xbase {

// The OEM (DOS) code page of the text in a table. The language-driver byte of the .dbf
// header (byte 29) names it, so that other readers pick the same one.
enum class CodePage { CP850, CP437, CP1252 };

uint8_t languageDriverByte(CodePage cp);                 // 0x02, 0x01, 0x03
CodePage codePageFromLanguageDriver(uint8_t byte);       // unknown bytes read as CP850

// Conversions at the engine's edge. toUtf8 never fails (every byte has a character).
// fromUtf8 transliterates a character the code page cannot hold (e.g. "€" -> "EUR") and
// writes "?" for one that has no transliteration; it never stores invalid bytes.
std::string toUtf8(std::string_view oem, CodePage cp);
std::string fromUtf8(std::string_view utf8, CodePage cp);

// Number of characters (not bytes) of a UTF-8 text.
size_t utf8Length(std::string_view utf8);

// upper() of dBase key expressions, byte by byte in the code page: a-z to capitals, and
// every small letter >= 0x80 to the code page's own capital of it where the code page
// holds one (CP850 has all of Latin-1; CP437 lacks some, e.g. a-grave stays). The
// table has 256 entries.
const unsigned char* upperTable(CodePage cp);

} // namespace xbase
