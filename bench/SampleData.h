#pragma once

// Realistic club data, generated from a fixed seed: dog names built from kennel
// prefixes, owners with accented and repeated names, blank fields, dogs entered again
// and again. Used by the benchmarks and the interoperability tests; values are UTF-8,
// chosen by field name, so any table layout of the program can be filled. The names
// come from the sample club's generator (src/sample/Names.h).

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "data/Tables.h"
#include "sample/Names.h"
#include "xbase/Field.h"
#include "xbase/Table.h"

namespace bwsample {

// The dog master (`Dogs`) and a show's entries table (`TzDbf1`), with their tags, as
// the data module lays them out.
inline xbase::FieldList dogsFields() { return bw::layouts::Dogs().fields; }
inline xbase::TagList dogsTags() { return bw::layouts::Dogs().tags; }
inline xbase::FieldList entryFields() { return bw::layouts::Entries().fields; }
inline xbase::TagList entryTags() { return bw::layouts::Entries().tags; }

// The generator of realistic names lives with the sample club (src/sample/Names.h);
// the benchmarks use it under their old names.
using bw::sample::Random;
using bw::sample::ClubDataGen;
using bw::sample::cutChars;
namespace words = bw::sample::words;

// Writes the records into a new table file (replacing one that is there) through the
// engine, then marks every record whose 1-based number is in `deleted`.
inline void writeTable(const std::string& path, const xbase::FieldList& fields,
                       const std::vector<std::vector<std::string>>& records,
                       const std::vector<uint32_t>& deleted = {},
                       xbase::CodePage cp = xbase::CodePage::CP850) {
    std::remove(path.c_str());
    xbase::Table t(fields);
    t.setCodePage(cp);
    t.setFileName(path);
    t.setExclusive(true);
    t.open();
    for (const auto& r : records) {
        t.append();
        for (size_t f = 0; f < fields.size(); ++f) {
            if (r[f].empty()) continue;
            if (fields[f].type == xbase::FieldType::Logical) t.setFieldBool(fields[f].name, r[f] == "T");
            else t.setField(fields[f].name, r[f]);
        }
        t.post();
    }
    for (uint32_t rec : deleted) t.poke("*", 0, rec);
    t.close();
}

} // namespace bwsample
