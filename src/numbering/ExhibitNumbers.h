#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace xbase {
class Table;
}

namespace bw {

class Prompter;

// An order of the entries table in which exhibit numbers can be given.
struct ExhibitOrder {
    const char* menuText;    // the Index menu item
    const char* tag;         // the entries tag; "" = input (record) order
    const char* statusText;  // the order panel
    const char* name;        // the command line's name of the order
};

// The five orders of the exhibit number window, in menu order; the first is catalogue
// order by exhibitor name, the one the window starts in.
const std::vector<ExhibitOrder>& exhibitOrders();
// The order of that command-line name (case ignored); nullptr when there is none.
const ExhibitOrder* findExhibitOrder(std::string_view name);

// The record numbers of the entries table in its current order, hiding and filter: the
// records a walk from the first record visits, in that order. The cursor is put back.
std::vector<uint32_t> recordsInOrder(xbase::Table& entries);

// The text an exhibit number n is stored as (decimal, left-aligned, cut to the field).
std::string exhibitNumberText(long n);

// How many entries not marked deleted hold a number that AssignExhibitNumbers(start)
// would replace by a different one (numbers typed by hand, or given before entries were
// added, removed or reordered). Blank numbers do not count.
int CountReplacedNumbers(xbase::Table& entries, int start);

// The Auto Assign walk: every entry not marked deleted, in the order the table stands in
// when the walk begins, receives start, start + 1, ... as its exhibit number, written at
// once; marked entries keep theirs. The order is taken before the first number is
// written, so an order on the numbers themselves cannot make the walk skip or revisit a
// record. Afterwards the index file is rebuilt (every tag), the table's order is kept
// and it stands on its first record. Returns how many numbers were given.
int AssignExhibitNumbers(xbase::Table& entries, int start);

// Auto Assign as the window and the command line run it: when numbers would be replaced
// (CountReplacedNumbers), one question first; then the walk. Returns the numbers given,
// or -1 when the user chose not to go on.
int AutoAssign(xbase::Table& entries, int start, Prompter& prompter);

// The question Auto Assign asks before replacing `replaced` existing numbers.
std::string replaceNumbersQuestion(int replaced, int start);

} // namespace bw
