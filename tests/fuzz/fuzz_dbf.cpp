// Feeds arbitrary bytes to the table engine as a .dbf file: open, walk every record,
// read every field, build a tag on the fields. Anything but a clean DbfError is a fault.
#include "xbase/Table.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

std::string scratchFile()
{
    // One file per fuzzing process, in memory where possible.
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/fuzz_dbf_" + std::to_string(getpid()) + ".dbf";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = scratchFile();
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    try {
        xbase::Table t;
        t.setFileName(path);
        t.setReadOnly(true);
        t.setExclusive(false);
        t.open();
        std::string firstText;
        for (t.first(); !t.eof(); t.next()) {
            for (int i = 1; i <= t.fieldCount(); ++i) {
                std::string name = t.fieldName(i);
                (void)t.fieldText(name);
                (void)t.fieldInt(name);
                (void)t.fieldBool(name);
                (void)t.peek(i, t.recNo());
            }
            (void)t.peek(0, t.recNo());
        }
        // A tag over every field joined, the way the program's keys are made.
        std::string expr;
        for (const xbase::FieldDef& fd : t.fields()) {
            std::string part = fd.type == xbase::FieldType::Character ? "upper(" + fd.name + ")"
                             : fd.type == xbase::FieldType::Numeric   ? "str(" + fd.name + ",5)"
                             : fd.type == xbase::FieldType::Date      ? "dtos(" + fd.name + ")"
                                                                      : "iif(" + fd.name + ",\"T\",\"F\")";
            std::string next = expr.empty() ? part : expr + "+" + part;
            if (next.size() > 200) break;
            expr = next;
        }
        if (!expr.empty()) {
            try {
                t.makeIndex("", {{"ALL", expr + "+str(recno(),5)"}});
                t.setOrder("ALL");
                for (t.first(); !t.eof(); t.next()) (void)t.currentKey();
                t.seek("A");
            } catch (const xbase::DbfError&) {
                // a key too wide for an index: refused, which is fine
            }
        }
    } catch (const xbase::DbfError&) {
    }
    return 0;
}
