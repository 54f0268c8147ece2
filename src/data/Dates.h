#pragma once

#include <string>
#include <string_view>

namespace bw {

// How dates are shown: American (month/day/year; December 9, 2026) or British
// (day/month/year; 9 December 2026).
enum class DateFormat { American, British };

// The DateFormat setting read as the entry window reads it: "B..." is British; "A...",
// "U..." (so also the missing-key default "Unknown") and anything else are American.
DateFormat dateFormatFrom(std::string_view setting);

// The long form of a date stored as YYYYMMDD: "9 December 2026" (British) or
// "December 9, 2026" (American), English month names. A blank (or unreadable) date
// gives a text of blanks as wide as the stored date.
std::string Long_Date(std::string_view yyyymmdd, DateFormat format);

// The short form with points of a date stored as YYYYMMDD, by the first letter of the
// DateFormat setting text: "A" or "U" MM.DD.YY, "B" DD.MM.YY, any other letter "".
std::string Short_Date(std::string_view yyyymmdd, std::string_view dateFormatSetting);

} // namespace bw
