#include "numbering/ClassCounts.h"

#include <set>

#include "data/Tdmod.h"
#include "data/Text.h"
#include "print/RichDoc.h"
#include "print/Utf8.h"
#include "xbase/FieldValue.h"

namespace bw {

namespace {

// The value of a stored N field's text, as the table engine reads it (blank = 0).
long numberOf(const std::string& text) { return long(xbase::fieldvalue::parseNumber(text)); }

std::string rightAligned(long n, size_t width)
{
    std::string s = std::to_string(n);
    if (s.size() < width) s.insert(0, width - s.size(), ' ');
    return s;
}

// Text padded with blanks to width characters (not bytes: names may hold accents).
std::string padded(const std::string& text, size_t width)
{
    const size_t chars = print::utf8Decode(text).size();
    return chars < width ? text + std::string(width - chars, ' ') : text;
}

void openCatalogue(Tdmod& m)
{
    if (!m.Catalog.isOpen()) m.Open_Catalog(m.show.clubId, Zero_Pad(m.show.showNum, 5));
}

} // namespace

std::map<std::string, SectionTotal> AllSectionTotals(Tdmod& m)
{
    std::map<std::string, SectionTotal> totals;
    const xbase::Table& entries = m.TzDbf1;
    if (entries.isOpen()) {
        const int section = entries.fieldNumber("section");
        const int group = entries.fieldNumber("catgroup");
        for (uint32_t r = 1; r <= entries.recordCount(); ++r) {
            if (entries.peek(0, r) == "*" || trimRight(entries.peek(group, r)) == "NFC") continue;
            ++totals[trimRight(entries.peek(section, r))].exhibits;
        }
    }
    openCatalogue(m);
    const xbase::Table& cat = m.Catalog;
    const int section = cat.fieldNumber("section");
    const int group = cat.fieldNumber("catgroup");
    for (uint32_t r = 1; r <= cat.recordCount(); ++r) {
        if (trimRight(cat.peek(group, r)) == "NFC") continue;
        ++totals[trimRight(cat.peek(section, r))].entries;
    }
    return totals;
}

SectionTotal SectionTotals(Tdmod& m, const std::string& section)
{
    const auto totals = AllSectionTotals(m);
    const auto it = totals.find(trimRight(section));
    return it == totals.end() ? SectionTotal{} : it->second;
}

void Build_ClassCountsListing(Tdmod& m, print::RichDoc& doc)
{
    doc.clear();
    doc.setFont("Arial", 12, true);
    doc.addLine(m.Get_ClubName());
    doc.setFont("Arial", 10, true);
    doc.addLine(m.Get_ShowDateText());
    doc.setFont("Arial", 12);
    doc.addLine(" ");
    doc.setFont("Arial", 12, true);
    doc.addLine("Class #   Description    \tNumber of Entries");
    doc.setFont("Arial", 10);
    doc.setTabStops({50, 200});

    if (!m.ShowClasses.isOpen()) m.Open_ShowClasses(m.show.clubId, Zero_Pad(m.show.showNum, 5));
    const xbase::Table& classes = m.ShowClasses;
    const int numField = classes.fieldNumber("classnum");
    const int nameField = classes.fieldNumber("classname");
    const int sectionField = classes.fieldNumber("section");
    const int groupField = classes.fieldNumber("catgroup");
    const int countField = classes.fieldNumber("count");
    const uint32_t count = classes.recordCount();

    // The NFC count belongs to the section of the NFC class, wherever that class stands
    // in the file; sections with no class of their own hand theirs to the closing totals.
    std::map<std::string, long> nfc;
    std::set<std::string> listed;
    for (uint32_t r = 1; r <= count; ++r) {
        const std::string section = trimRight(classes.peek(sectionField, r));
        if (trimRight(classes.peek(groupField, r)) == "NFC") nfc[section] += numberOf(classes.peek(countField, r));
        else listed.insert(section);
    }
    long unlisted = 0;
    for (const auto& [section, n] : nfc)
        if (!listed.count(section)) unlisted += n;

    const std::map<std::string, SectionTotal> totals = AllSectionTotals(m);
    auto addTotals = [&](const std::string& section, bool closing) {
        const auto it = totals.find(section);
        const SectionTotal t = it == totals.end() ? SectionTotal{} : it->second;
        const char* gap = closing ? " " : "  ";
        doc.addLine(std::string("Total Exhibits =") + gap + rightAligned(t.exhibits, 5));
        doc.addLine(std::string("Total Entries =") + gap + rightAligned(t.entries, 5));
        long n = 0;
        if (auto f = nfc.find(section); f != nfc.end()) {
            n = f->second;
            nfc.erase(f);  // the line stands once per section
        }
        if (closing) n += unlisted;
        if (n > 0) {
            doc.addLine("");
            doc.addLine("Not For Competition Entries =  " + std::to_string(n));
        }
    };

    std::string prevSection, prevGroup;
    for (uint32_t r = 1; r <= count; ++r) {
        const std::string group = trimRight(classes.peek(groupField, r));
        if (group == "NFC") continue;
        const std::string section = trimRight(classes.peek(sectionField, r));
        if (section != prevSection || group != prevGroup) {
            doc.addLine(" ");
            if (section != prevSection && !prevSection.empty()) addTotals(prevSection, false);
            prevSection = section;
            prevGroup = group;
        }
        doc.addLine("  " + classes.peek(numField, r) + "\t" + padded(trimRight(classes.peek(nameField, r)), 40) +
                    "\t" + classes.peek(countField, r));
    }
    doc.addLine(" ");
    if (!prevSection.empty()) addTotals(prevSection, true);
}

} // namespace bw
