#include "numbering/ExhibitNumbers.h"

#include "data/Prompter.h"
#include "data/Text.h"
#include "xbase/Table.h"

namespace bw {

const std::vector<ExhibitOrder>& exhibitOrders()
{
    static const std::vector<ExhibitOrder> orders = {
        {"First Class # (Catalog Order - Last Name)", "CLNUMLAST",
         "Current Index is First Class # (Last Name)", "clnumlast"},
        {"First Class # (Catalog Order - Input)", "CLASSNUM",
         "Current Index is First Class # (Input Order)", "classnum"},
        {"ATC Number", "REGNUM", "Current Index is ATC Number", "regnum"},
        {"Exhibit #", "ARMBAND", "Current Index is Exhibit Number", "armband"},
        {"Input Order", "", "Current Index is Input Order", "input"},
    };
    return orders;
}

const ExhibitOrder* findExhibitOrder(std::string_view name)
{
    for (const ExhibitOrder& o : exhibitOrders())
        if (equalsNoCase(o.name, name)) return &o;
    return nullptr;
}

std::vector<uint32_t> recordsInOrder(xbase::Table& entries)
{
    std::vector<uint32_t> records;
    records.reserve(entries.recordCount());
    const uint32_t current = entries.recNo();
    for (entries.first(); !entries.eof(); entries.next()) records.push_back(entries.recNo());
    if (current != 0) entries.go(current);
    return records;
}

std::string exhibitNumberText(long n)
{
    // The field holds five characters; a longer number is stored cut, as typed text is.
    return std::to_string(n).substr(0, 5);
}

namespace {

bool markedDeleted(const xbase::Table& entries, uint32_t recNo) { return entries.peek(0, recNo) == "*"; }

// Posts an edit the grid left open, so the walk starts from what is on disk.
void postPending(xbase::Table& entries)
{
    if (entries.state() == xbase::TableState::Edit || entries.state() == xbase::TableState::Insert)
        entries.post();
}

} // namespace

int CountReplacedNumbers(xbase::Table& entries, int start)
{
    postPending(entries);
    const int armField = entries.fieldNumber("arm");
    long n = long(start) - 1;
    int replaced = 0;
    for (uint32_t r : recordsInOrder(entries)) {
        if (markedDeleted(entries, r)) continue;
        const std::string next = exhibitNumberText(++n);
        const std::string held = trim(entries.peek(armField, r));
        if (!held.empty() && held != next) ++replaced;
    }
    return replaced;
}

int AssignExhibitNumbers(xbase::Table& entries, int start)
{
    postPending(entries);
    const int armField = entries.fieldNumber("arm");
    // The walk list is taken first: with the order on the numbers being written, the
    // table's own order shifts under the walk after every record.
    const std::vector<uint32_t> walk = recordsInOrder(entries);
    const std::string order = entries.currentTag();
    const std::string indexFile = entries.indexFile();
    const xbase::TagList tags = entries.tags();
    // Every tag is built anew at the end, so none is kept up to date record by record.
    if (!tags.empty()) entries.makeIndex("", {});

    long n = long(start) - 1;
    int given = 0;
    try {
        for (uint32_t r : walk) {
            if (markedDeleted(entries, r)) continue;  // keeps its number
            entries.poke(exhibitNumberText(++n), armField, r);
            ++given;
        }
    } catch (...) {
        // The numbers written so far stay; the tags must describe them.
        if (!tags.empty()) {
            entries.makeIndex(indexFile, tags);
            entries.setOrder(order);
        }
        throw;
    }

    // The index file on disk is written anew from the records, every tag.
    if (!tags.empty()) {
        entries.makeIndex(indexFile, tags);
        entries.setOrder(order);
    }
    entries.first();
    return given;
}

std::string replaceNumbersQuestion(int replaced, int start)
{
    const std::string count = replaced == 1 ? "1 entry already holds an Exhibit # that"
                                            : std::to_string(replaced) + " entries already hold an Exhibit # that";
    return "Auto Assign numbers every entry not marked deleted, starting with " + std::to_string(start) +
           ".;" + count + " will be replaced (typed by hand or given earlier).;;" +
           "This cannot be undone.  Replace the numbers now?";
}

int AutoAssign(xbase::Table& entries, int start, Prompter& prompter)
{
    const int replaced = CountReplacedNumbers(entries, start);
    if (replaced > 0 &&
        prompter.Show_Message("Auto Assign", "?", replaceNumbersQuestion(replaced, start), "Yes No") != 'Y')
        return -1;
    return AssignExhibitNumbers(entries, start);
}

} // namespace bw
