#include "data/Dates.h"

#include "data/Text.h"

namespace bw {

namespace {

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};

// Reads the digits at [pos, pos+len) of a stored date; -1 when they are not all digits.
int digitsAt(std::string_view d, size_t pos, size_t len)
{
    if (d.size() < pos + len) return -1;
    int v = 0;
    for (size_t i = pos; i < pos + len; ++i) {
        if (d[i] < '0' || d[i] > '9') return -1;
        v = v * 10 + (d[i] - '0');
    }
    return v;
}

char firstLetter(std::string_view s)
{
    std::string t = upperAscii(trim(s));
    return t.empty() ? '\0' : t[0];
}

std::string at(std::string_view d, size_t pos, size_t len)
{
    return pos < d.size() ? std::string(d.substr(pos, len)) : std::string();
}

} // namespace

DateFormat dateFormatFrom(std::string_view setting)
{
    return firstLetter(setting) == 'B' ? DateFormat::British : DateFormat::American;
}

std::string Long_Date(std::string_view d, DateFormat format)
{
    int year = digitsAt(d, 0, 4), month = digitsAt(d, 4, 2), day = digitsAt(d, 6, 2);
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::string(d.size() < 8 ? 8 : d.size(), ' ');
    std::string y = std::to_string(year);
    while (y.size() < 4) y.insert(0, 1, '0');
    if (format == DateFormat::British)
        return std::to_string(day) + " " + kMonths[month - 1] + " " + y;
    return std::string(kMonths[month - 1]) + " " + std::to_string(day) + ", " + y;
}

std::string Short_Date(std::string_view d, std::string_view setting)
{
    std::string yy = at(d, 2, 2), mm = at(d, 4, 2), dd = at(d, 6, 2);
    switch (firstLetter(setting)) {
    case 'A':
    case 'U': return mm + "." + dd + "." + yy;
    case 'B': return dd + "." + mm + "." + yy;
    default: return "";
    }
}

} // namespace bw
