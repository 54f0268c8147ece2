#pragma once

#include <map>
#include <string>

namespace bw {

class Tdmod;

namespace print {
class RichDoc;
}

// The totals of one show section. exhibits: entries not marked deleted whose section
// (the section of their first class, as the entry keeps it in 10 characters) is the
// section and whose group is not "NFC"; entries: catalogue records of the section whose
// group is not "NFC" (a dog in three classes counts three times).
struct SectionTotal {
    long exhibits = 0;
    long entries = 0;
};

// The totals of a section (trailing blanks ignored on both sides) from the open show's
// entries table and its catalogue table as the last build left it.
SectionTotal SectionTotals(Tdmod& m, const std::string& section);

// The totals of every section at once, by section name with trailing blanks removed:
// one pass over each table, for listings that print many sections.
std::map<std::string, SectionTotal> AllSectionTotals(Tdmod& m);

// The class counts listing of the open show ("Count Entries per Class"): the club and
// the show date, then every class of the show class file in stored order with its count,
// a blank line between catalogue groups, and the totals of each section. The NFC class
// is not listed; its count stands once, as "Not For Competition Entries =  " + count,
// under the totals of the section the NFC class belongs to (under the closing totals when
// no listed section bears that name). Reads the counts the last Get_Class_Counts stored.
void Build_ClassCountsListing(Tdmod& m, print::RichDoc& doc);

} // namespace bw
