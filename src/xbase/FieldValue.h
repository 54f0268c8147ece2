#pragma once

#include <cstdint>
#include <string_view>

// How the bytes of one field are read, one small parser per field type. Each states
// what an empty field means, because dBase files written by different programs leave
// fields empty in different ways.
namespace xbase::fieldvalue {

// N (and val() of text): leading blanks, an optional sign, digits, an optional decimal
// point and digits; reading stops at the first other character. Empty or blank is 0,
// as in dBase, and so is text that does not start with a number.
double parseNumber(std::string_view raw);

// L: T/t/Y/y is true, F/f/N/n false; blank, "?" or anything else is unset, which
// reads as false.
enum class Logical : char { Unset, True, False };
Logical parseLogical(char raw);

// D: "YYYYMMDD". All blanks (what dBase writes) or all zeros (what some other writers
// leave) is the empty date; so is anything that is not a calendar date. Returns false
// for the empty date.
bool parseDate(std::string_view raw, int& year, int& month, int& day);

// The Julian day number of a date (2000-01-01 gives 2451545); the empty date gives
// the key dBase IV indexes use for it, which sorts after every real date.
double dateKey(std::string_view raw);
double julianDayNumber(int year, int month, int day);

// Writes value right-aligned into out[0..width). Returns false (and writes nothing)
// when it does not fit.
bool formatInteger(long value, int width, char* out);

// The same for any number with the given decimals (what N fields and str() store):
// rounded half away from zero; when the decimals do not fit, fewer are written; false
// when even the whole number does not fit. Independent of the process locale.
bool formatNumber(double value, int width, int decimals, char* out);

} // namespace xbase::fieldvalue
