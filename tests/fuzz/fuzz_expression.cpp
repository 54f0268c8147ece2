// Feeds arbitrary text to the key-expression compiler and evaluates whatever compiles
// on a few records. Anything but a clean ExpressionError is a fault.
#include "xbase/DbfLayout.h"
#include "xbase/Expression.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const xbase::FieldList fields = {
        xbase::C("dog", 20), xbase::C("last", 8), xbase::C("first", 6), xbase::C("arm", 5),
        xbase::N("firstclass", 3), xbase::N("amount", 8, 2), xbase::D("bdate"), xbase::L("stored"),
    };
    static const std::vector<xbase::FieldSlot> slots = xbase::dbf::slotsOf(fields);
    static const size_t length = size_t(slots.back().offset + slots.back().length);
    auto sized = [](std::string s) {
        s.resize(length, ' ');
        return s;
    };
    // Blank; typical; and bytes no writer should leave but a damaged file may hold.
    static const std::vector<std::string> records = {
        sized(""),
        sized(std::string("*Rex of the Valley   Smith   John  12a  999 -123.4520030614T")),
        sized(std::string(" \xe9\x82\x90\xff", 5) + std::string(1, '\0') + std::string(40, 'z') + "-99999999xxxxxxxx?"),
    };
    std::string text(reinterpret_cast<const char*>(data), size);
    try {
        xbase::Expression e = xbase::Expression::compile(text, slots, xbase::CodePage::CP850);
        std::string out(size_t(e.width()) + 1, '\0');
        for (size_t i = 0; i < records.size(); ++i) {
            const char* rec = records[i].data();
            switch (e.type()) {
            case xbase::ValueType::Character:
            case xbase::ValueType::Date:
                e.evalText(rec, uint32_t(i + 1), out.data());
                if (out.back() != '\0') __builtin_trap(); // wrote past its width
                break;
            case xbase::ValueType::Numeric: (void)e.evalNumber(rec, uint32_t(i + 1)); break;
            case xbase::ValueType::Logical: (void)e.evalLogical(rec, uint32_t(i + 1)); break;
            }
        }
    } catch (const xbase::ExpressionError&) {
    }
    return 0;
}
