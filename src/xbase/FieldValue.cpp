#include "xbase/FieldValue.h"

#include "xbase/Mdx.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace xbase::fieldvalue {

double parseNumber(std::string_view raw)
{
    size_t i = 0;
    while (i < raw.size() && raw[i] == ' ') ++i;
    bool negative = false;
    if (i < raw.size() && (raw[i] == '-' || raw[i] == '+')) {
        negative = raw[i] == '-';
        ++i;
    }
    double value = 0;
    while (i < raw.size() && raw[i] >= '0' && raw[i] <= '9')
        value = value * 10 + (raw[i++] - '0');
    if (i < raw.size() && raw[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < raw.size() && raw[i] >= '0' && raw[i] <= '9') {
            value += (raw[i++] - '0') * scale;
            scale /= 10;
        }
    }
    return negative ? -value : value;
}

Logical parseLogical(char raw)
{
    switch (raw) {
    case 'T': case 't': case 'Y': case 'y': return Logical::True;
    case 'F': case 'f': case 'N': case 'n': return Logical::False;
    default: return Logical::Unset;
    }
}

bool parseDate(std::string_view raw, int& year, int& month, int& day)
{
    if (raw.size() != 8) return false;
    int v[8];
    for (int i = 0; i < 8; ++i) {
        if (raw[i] < '0' || raw[i] > '9') return false;
        v[i] = raw[i] - '0';
    }
    year = v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3];
    month = v[4] * 10 + v[5];
    day = v[6] * 10 + v[7];
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year == 0 || month < 1 || month > 12 || day < 1 || day > kDays[month - 1]) return false;
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return !(month == 2 && day == 29 && !leap);
}

double julianDayNumber(int year, int month, int day)
{
    // The usual integer form for the proleptic Gregorian calendar.
    long a = (14 - month) / 12;
    long y = year + 4800 - a;
    long m = month + 12 * a - 3;
    return double(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045);
}

double dateKey(std::string_view raw)
{
    int y, m, d;
    if (!parseDate(raw, y, m, d)) return kBlankDateKey;
    return julianDayNumber(y, m, d);
}

bool formatInteger(long value, int width, char* out)
{
    char buf[24];
    bool negative = value < 0;
    unsigned long v = negative ? 0UL - (unsigned long)value : (unsigned long)value;
    int n = 0;
    do {
        buf[n++] = char('0' + v % 10);
        v /= 10;
    } while (v);
    if (negative) buf[n++] = '-';
    if (n > width) return false;
    std::memset(out, ' ', width - n);
    for (int i = 0; i < n; ++i) out[width - 1 - i] = buf[i];
    return true;
}

bool formatNumber(double value, int width, int decimals, char* out)
{
    if (decimals == 0 && std::fabs(value) < 1e15) // the common case, without floating-point text
        return formatInteger(long(std::round(value)), width, out);
    if (!std::isfinite(value)) return false;
    for (int dec = decimals; dec >= 0; --dec) {
        double scale = std::pow(10.0, dec);
        double rounded = std::round(value * scale) / scale;
        if (rounded == 0) rounded = 0; // no "-0"
        char buf[400];
        auto res = std::to_chars(buf, buf + sizeof buf, rounded, std::chars_format::fixed, dec);
        if (res.ec != std::errc()) return false;
        int len = int(res.ptr - buf);
        if (len <= width) {
            std::memset(out, ' ', size_t(width - len));
            std::memcpy(out + width - len, buf, size_t(len));
            return true;
        }
    }
    return false;
}

} // namespace xbase::fieldvalue
