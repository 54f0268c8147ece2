#pragma once

// An open show for the tests of exhibit numbers, the catalogue and the class counts:
// show 12 of club KCC (slot 2), opened as the main window opens it, with classes and
// entries added by the test straight into the open tables.

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>

#include "entries/ShowFixture.h"
#include "entries/ShowLifecycle.h"

namespace bwtest {

using Fields = std::initializer_list<std::pair<const char*, std::string>>;

class OpenShowTest : public ::testing::Test, public ShowFixture {
protected:
    void SetUp() override
    {
        const std::string path = makeShow("KCC", 12, "14/06/2003", {}, {});
        ASSERT_EQ(bw::Open_ExistingShow(m, path), bw::OpenShowResult::Opened);
        m.Open_ShowClasses("KCC", "00012");
    }

    // A show class, appended in stored order.
    void addClass(int num, const std::string& name, const std::string& section, const std::string& group,
                  const std::string& allkey = "")
    {
        xbase::Table& c = m.ShowClasses;
        c.append();
        c.setField("day", "1");
        c.setFieldInt("classnum", num);
        c.setField("classname", name);
        c.setField("section", section);
        c.setField("catgroup", group);
        c.setField("allkey", allkey);
        c.post();
    }

    // An entry with the given fields; its first class, section and group are derived
    // from its classes text as saving an entry does, unless given. Returns its record
    // number.
    uint32_t addEntry(Fields fields, bool deleted = false)
    {
        xbase::Table& e = m.TzDbf1;
        e.append();
        bool firstGiven = false, sectionGiven = false;
        for (const auto& [name, value] : fields) {
            e.setField(name, value);
            firstGiven = firstGiven || std::string(name) == "firstclass";
            sectionGiven = sectionGiven || std::string(name) == "section";
        }
        const int first = bw::Parse_Classes(e.fieldText("classes")).firstClass();
        if (!firstGiven) e.setFieldInt("firstclass", first);
        if (!sectionGiven) {
            const uint32_t n = m.ShowClasses.recordCount();
            for (uint32_t r = 1; r <= n; ++r) {
                if (bw::trim(m.ShowClasses.peek(m.ShowClasses.fieldNumber("classnum"), r)) != std::to_string(first))
                    continue;
                e.setField("section", m.ShowClasses.peek(m.ShowClasses.fieldNumber("section"), r));
                e.setField("catgroup", m.ShowClasses.peek(m.ShowClasses.fieldNumber("catgroup"), r));
                break;
            }
        }
        e.post();
        const uint32_t r = e.recNo();
        if (deleted) e.poke("*", 0, r);
        return r;
    }

    std::string field(xbase::Table& t, uint32_t r, const char* name) { return bw::trimRight(t.peek(t.fieldNumber(name), r)); }
    std::string arm(uint32_t r) { return bw::trim(field(m.TzDbf1, r, "arm")); }
};

} // namespace bwtest
