#pragma once

#include <string>
#include <vector>

#include "print/Canvas.h"
#include "print/RichDoc.h"
#include "setup/ShowSetup.h"

namespace xbase {
class Table;
}

namespace bw::setup {

// The class code list: the class library in its current order and hiding (library mode),
// or a show's classes in class-number order without marked records (show mode). The
// library is left on its first record.
void buildLibraryCodeList(print::RichDoc& doc, xbase::Table& library);
void buildShowCodeList(print::RichDoc& doc, const std::vector<ShowClass>& classes);

// The group code list, one text line per element: in code order (current tag starting
// with "C") each group with its non-empty footers below it and a line " " after it; in
// section order (tag starting with "S") one line per group. Marked records are left out.
// The table is left on its first record.
std::vector<std::string> groupCodeListLines(xbase::Table& groups);

// Prints the group code list the way its window prints it: the title "Catalog Grouping
// Codes" at the top of every page and the lines below it, in the given font at 12 points.
void printGroupCodeList(print::Canvas& canvas, const std::vector<std::string>& lines,
                        const print::Font& font);

} // namespace bw::setup
