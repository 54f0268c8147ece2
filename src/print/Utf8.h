#pragma once

// UTF-8 and Windows-1252 conversions used by the RTF writer and reader.

#include <optional>
#include <string>

namespace bw::print {

// Decodes UTF-8; a malformed byte becomes U+FFFD.
std::u32string utf8Decode(const std::string& s);
void utf8Append(std::string& out, char32_t cp);
std::string utf8Encode(const std::u32string& s);

// The Windows-1252 byte of a character, when it has one.
std::optional<unsigned char> toCp1252(char32_t cp);
// The character of a Windows-1252 byte (bytes without a character map to U+FFFD).
char32_t fromCp1252(unsigned char b);

} // namespace bw::print
