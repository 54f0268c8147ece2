// brindlewick-cli dump: a dBase table as text, one line per record.
#include "cli/Command.h"

#include "xbase/Table.h"

namespace bwcli {

const char* const kDumpHelp =
    "Prints every record of a dBase table (.dbf), one line per record, in the order of\n"
    "the file. Each line is the deletion mark (\"*\" for a record marked deleted, empty\n"
    "for a live one) followed by every field, all separated by \"|\":\n"
    "\n"
    "    |Rex|Smith|12|20030614|T\n"
    "    *|Ajax|Jones|||\n"
    "\n"
    "Fields are written in UTF-8: texts with their trailing blanks removed, numbers\n"
    "without the blanks that align them, dates as YYYYMMDD, logicals as T or F; an\n"
    "empty field (blank text, number or date, unset logical) is written as nothing.\n"
    "A \"|\" inside a text is written \"\\|\", a backslash \"\\\\\", and a line break\n"
    "\"\\n\", so every record stays on one line.\n"
    "\n"
    "  --header   first print one line \"#|\" + the field names separated by \"|\"\n"
    "\n"
    "The table is opened for reading only; a table open in the program is refused.\n"
    "Exit status: 0 when the table was printed, 1 when it cannot be read (the reason goes\n"
    "to standard error), 2 for a wrong command line.\n";

namespace {

void writeEscaped(std::ostream& out, const std::string& text)
{
    for (char c : text) {
        switch (c) {
        case '|': out << "\\|"; break;
        case '\\': out << "\\\\"; break;
        case '\n': out << "\\n"; break;
        case '\r': out << "\\r"; break;
        default: out << c;
        }
    }
}

} // namespace

int runDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bool header = false;
    std::string path;
    for (const std::string& a : args) {
        if (a == "--header") {
            header = true;
        } else if (!a.empty() && a[0] == '-') {
            err << "brindlewick-cli dump: unknown option " << a << "\n";
            return kExitUsage;
        } else if (path.empty()) {
            path = a;
        } else {
            err << "brindlewick-cli dump: one table at a time\n";
            return kExitUsage;
        }
    }
    if (path.empty()) {
        err << "usage: brindlewick-cli dump [--header] FILE.dbf\n";
        return kExitUsage;
    }

    try {
        xbase::Table t;
        t.setFileName(path);
        t.setReadOnly(true);
        t.setExclusive(false);
        t.open();
        const int fields = t.fieldCount();
        std::vector<bool> numeric;
        for (const xbase::FieldDef& f : t.fields()) numeric.push_back(f.type == xbase::FieldType::Numeric);
        if (header) {
            out << "#";
            for (int f = 1; f <= fields; ++f) out << "|" << t.fieldName(f);
            out << "\n";
        }
        for (uint32_t r = 1; r <= t.recordCount(); ++r) {
            out << (t.peek(0, r) == "*" ? "*" : "");
            for (int f = 1; f <= fields; ++f) {
                std::string value = t.peek(f, r);
                while (!value.empty() && value.back() == ' ') value.pop_back();
                if (numeric[size_t(f - 1)]) value.erase(0, value.find_first_not_of(' '));
                out << "|";
                writeEscaped(out, value);
            }
            out << "\n";
        }
        out.flush();
        if (!out) {
            err << "brindlewick-cli dump: could not write the output\n";
            return kExitFailed;
        }
    } catch (const xbase::DbfError& e) {
        err << "brindlewick-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace bwcli
