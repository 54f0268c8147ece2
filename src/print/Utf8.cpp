#include "print/Utf8.h"

namespace bw::print {

namespace {

// Bytes 0x80..0x9F of Windows-1252; 0 marks the five bytes without a character.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

} // namespace

std::u32string utf8Decode(const std::string& s)
{
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char c = s[i];
        int extra;
        char32_t cp;
        if (c < 0x80) { out.push_back(c); ++i; continue; }
        if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else { out.push_back(0xFFFD); ++i; continue; }
        bool ok = i + extra < s.size();
        for (int k = 1; ok && k <= extra; ++k) {
            unsigned char t = s[i + k];
            if ((t & 0xC0) != 0x80) ok = false;
            else cp = (cp << 6) | (t & 0x3F);
        }
        if (!ok) { out.push_back(0xFFFD); ++i; continue; }
        out.push_back(cp);
        i += extra + 1;
    }
    return out;
}

void utf8Append(std::string& out, char32_t cp)
{
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string utf8Encode(const std::u32string& s)
{
    std::string out;
    out.reserve(s.size());
    for (char32_t cp : s) utf8Append(out, cp);
    return out;
}

std::optional<unsigned char> toCp1252(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] && kCp1252High[i] == cp) return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

char32_t fromCp1252(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0) {
        char16_t c = kCp1252High[b - 0x80];
        return c ? c : 0xFFFD;
    }
    return b;
}

} // namespace bw::print
