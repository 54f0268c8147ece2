#pragma once

#include <string>
#include <string_view>

namespace bw {

// The lenient reading of a typed whole number (show number, start number, judge number,
// class numbers): leading blanks and one leading "+" are ignored, thousands separators
// (",") and "$" are removed, the text is cut at the first blank, then an optional "-" and
// the leading digits count and anything after them is ignored. An empty text (or one
// with no leading digits) gives 0; the value is held to -32768..32767.
// "+12" -> 12, " 1,001" -> 1001, "$40" -> 40, "12 34" -> 12, "-5x" -> -5, "40000" -> 32767.
int Lenient_Int(std::string_view text);

// n right-aligned in width characters with the leading blanks written as "0"; a number
// with more digits than width is written in full. Zero_Pad(12, 5) = "00012".
std::string Zero_Pad(long n, int width);

// Every " & " written " && ", so that a caption showing owner names shows one "&"
// instead of taking it as a shortcut marker. "A&B" is left alone.
std::string Double_Ampersands(std::string_view text);

// Blanks (and other ASCII white space) removed from the end / both ends.
std::string trimRight(std::string_view text);
std::string trim(std::string_view text);
// ASCII letters in capitals; other characters (UTF-8 included) unchanged.
std::string upperAscii(std::string_view text);
// ASCII letters compared without regard to case.
bool equalsNoCase(std::string_view a, std::string_view b);

} // namespace bw
