#include "setup/CodeLists.h"

#include <cstdlib>

#include "data/Text.h"
#include "setup/ClassLines.h"
#include "xbase/Table.h"

namespace bw::setup {

namespace {

void startList(print::RichDoc& doc)
{
    doc.clear();
    doc.setFont("Arial", 10, true);
}

std::string rightAligned(long n, size_t width)
{
    std::string s = std::to_string(n);
    return s.size() < width ? std::string(width - s.size(), ' ') + s : s;
}

} // namespace

void buildLibraryCodeList(print::RichDoc& doc, xbase::Table& t)
{
    startList(doc);
    doc.addLine(t.hideDeleted()
                    ? "\tList of All Classes Database and Codes - No Deleted Records shown"
                    : "\tList of All Classes Database and Codes  -  # indicates a Deleted Record not being used");
    doc.addLine(" ");
    doc.setFont("Arial", 8, true);
    doc.setTabStops({10, 85, 185, 285, 325, 375});
    doc.addLine("\tSection\tClass Name\tSex\tAllKey\tCat Group");
    t.first();
    if (t.recNo() == 0 || t.eof()) return;
    doc.setFont("Arial", 8, false);
    doc.addLine(" ");
    for (; !t.eof(); t.next()) {
        doc.addLine(std::string(t.deleted() ? "#" : "") + "\t" + padChars(t.text("section"), 15) + "\t" +
                    padChars(trim(t.text("classname")), 25) + "\t" + t.text("sex") + "\t" +
                    t.text("allkey") + "\t" + t.text("cat_group"));
    }
    t.first();
}

void buildShowCodeList(print::RichDoc& doc, const std::vector<ShowClass>& classes)
{
    startList(doc);
    doc.addLine("\tList of Classes with numbers for Catalogue");
    doc.addLine(" ");
    doc.setFont("Arial", 8, true);
    doc.setTabStops({10, 85});
    doc.addLine("\tClass #\tClass Name");
    if (classes.empty()) return;
    doc.setFont("Arial", 8, false);
    doc.addLine(" ");
    bool firstSpecial = true;
    for (const ShowClass& c : classes) {
        if (c.deleted) continue;
        if (c.catGroup == "NFC" || c.catGroup == "BJR") {
            if (firstSpecial) doc.addLine(" ");
            firstSpecial = false;
            doc.addLine("\t\t" + c.className);
        } else {
            doc.addLine("\t" + rightAligned(c.classNum, 5) + "\t" + c.className);
        }
    }
}

std::vector<std::string> groupCodeListLines(xbase::Table& t)
{
    std::vector<std::string> lines{" "};
    const std::string tag = upperAscii(t.currentTag());
    const bool codeOrder = !tag.empty() && tag[0] == 'C';
    const bool sectionOrder = !tag.empty() && tag[0] == 'S';
    for (t.first(); t.recNo() != 0 && !t.eof(); t.next()) {
        if (t.deleted()) continue;
        if (codeOrder) {
            lines.push_back(padChars(t.text("cat_group"), 3) + "\t" + t.text("section") + "\t" + t.text("header"));
            for (int k = 1; k <= 7; ++k) {
                std::string footer = t.text("footer" + std::to_string(k));
                if (!footer.empty()) lines.push_back("\t\t" + footer);
            }
            lines.push_back(" ");
        } else if (sectionOrder) {
            lines.push_back(padChars(t.text("section"), 15) + "\t" + t.text("cat_group") + "\t" + t.text("header"));
        }
    }
    t.first();
    return lines;
}

void printGroupCodeList(print::Canvas& canvas, const std::vector<std::string>& lines, const print::Font& font)
{
    const char* title = "Catalog Grouping Codes";
    if (!canvas.beginDoc(title)) return;
    print::Font f = font;
    f.points = 12;
    canvas.setFont(f);
    const int fontHeight = std::abs(static_cast<int>(f.points * canvas.dpiY() / 72.0));
    const int h = fontHeight + fontHeight * 4 / 10;
    const int rowsPerPage = h > 0 ? canvas.pageHeight() / h - 4 : 1;
    canvas.textOut(250, 3 * h, title);
    int row = 5;
    for (const std::string& line : lines) {
        if (row >= rowsPerPage) {
            canvas.newPage();
            canvas.textOut(250, 3 * h, title);
            row = 4;
        }
        // Tabs stand for the columns of the screen text; on paper they go to the next
        // column of eight characters.
        std::string text;
        for (char c : line) {
            if (c == '\t') text.append(8 - text.size() % 8, ' ');
            else text += c;
        }
        canvas.textOut(150, row * h, text);
        ++row;
    }
    canvas.endDoc();
}

} // namespace bw::setup
