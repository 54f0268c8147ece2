#include "data/Text.h"

#include <cctype>

namespace bw {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}

int Lenient_Int(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '+') ++i;
    std::string cleaned;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == ',' || c == '$') continue;
        if (c == ' ') break;
        cleaned += c;
    }
    size_t p = 0;
    bool negative = false;
    if (p < cleaned.size() && cleaned[p] == '-') {
        negative = true;
        ++p;
    }
    // Accumulate with a ceiling so that a long run of digits cannot overflow.
    long value = 0;
    for (; p < cleaned.size() && isDigit(cleaned[p]); ++p) {
        value = value * 10 + (cleaned[p] - '0');
        if (value > 32768) value = 32768;
    }
    if (negative) value = -value;
    if (value > 32767) value = 32767;
    if (value < -32768) value = -32768;
    return static_cast<int>(value);
}

std::string Zero_Pad(long n, int width)
{
    std::string s = std::to_string(n);
    if (static_cast<int>(s.size()) < width) s.insert(0, width - s.size(), ' ');
    for (int i = 0; i + 1 < width && i < static_cast<int>(s.size()); ++i)
        if (s[i] == ' ') s[i] = '0';
    return s;
}

std::string Double_Ampersands(std::string_view text)
{
    std::string s(text);
    // An inserted "&" never forms a new " & ", so one pass from the left finds them all.
    for (size_t pos = s.find(" & "); pos != std::string::npos; pos = s.find(" & ", pos + 3))
        s.insert(pos + 2, 1, '&');
    return s;
}

std::string trimRight(std::string_view text)
{
    size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

std::string trim(std::string_view text)
{
    size_t begin = 0;
    while (begin < text.size() && isBlank(text[begin])) ++begin;
    return trimRight(text.substr(begin));
}

std::string upperAscii(std::string_view text)
{
    std::string s(text);
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace bw
