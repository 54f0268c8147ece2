// Speed of exhibit numbering and catalogue compilation on the largest show.
//
//   catalogbench DATA_FOLDER
//
// Generates (once) under DATA_FOLDER/catalog a data root with a show of 25,000 entries
// (dogs in one to four classes, NFC entries, junior handlers, a few marked entries) and
// 3,500 show classes, opens it as the program does, then prints one "name: value unit"
// line per figure, each the median of several runs:
//   build_catalog_ms     Build_Catalog, which ends with Get_Class_Counts
//   class_counts_ms      Get_Class_Counts alone
//   auto_assign_ms       Auto Assign in catalogue order (every number changes)
//   auto_assign_arm_ms   Auto Assign in exhibit-number order (every key moves)
//   entries_read_ms      reference: reading the entry fields the build copies
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "SampleData.h"
#include "catalogue/Catalogue.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "numbering/ExhibitNumbers.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kEntries = 25000;
constexpr size_t kClasses = 3500;
constexpr const char* kDataVersion = "catalog-generated-1";
constexpr const char* kEntriesFile = "KCC-00012-14-06-2003.dbf";

using bwbench::median;
using bwbench::timed;

// 3,500 show classes in nine sections: numbers 1..998 taken again and again (a show of
// several days), the NFC class of each section (999) and junior handling (901).
void writeClasses(bw::Tdmod& m)
{
    m.Open_ShowClasses("KCC", "00012");
    xbase::Table& c = m.ShowClasses;
    c.zap();
    bwsample::Random rnd(7);
    for (size_t i = 0; i < kClasses; ++i) {
        const size_t section = i * 9 / kClasses;
        c.append();
        c.setField("day", "1");
        c.setField("section", bwsample::words::sections[section]);
        if (i % 400 == 399) {
            c.setFieldInt("classnum", 999);
            c.setField("classname", "Not For Competition");
            c.setField("catgroup", "NFC");
        } else if (i == kClasses - 1) {
            c.setFieldInt("classnum", 901);
            c.setField("classname", "Junior Handling");
            c.setField("catgroup", "BJR");
            c.setField("allkey", "J901");
        } else {
            c.setFieldInt("classnum", long(1 + i % 998));
            c.setField("classname", std::string(rnd.pick(bwsample::words::classNames)) + " " +
                                        (rnd.chance(50) ? "Dog" : "Bitch"));
            c.setField("catgroup", std::string(1, char('A' + section)) + std::to_string(i % 3));
        }
        c.post();
    }
}

void writeEntries(const std::string& path)
{
    const xbase::FieldList fields = bwsample::entryFields();
    bwsample::ClubDataGen gen(12);
    auto records = gen.records(fields, kEntries);
    bwsample::Random& rnd = gen.random();
    auto at = [&](const char* name) {
        for (size_t f = 0; f < fields.size(); ++f)
            if (fields[f].name == name) return f;
        return size_t(0);
    };
    std::vector<uint32_t> deleted;
    for (size_t i = 0; i < records.size(); ++i) {
        auto& r = records[i];
        std::vector<int> classes;
        if (rnd.chance(2)) {
            r[at("classes")] = "NFC";
            classes = {999};
        } else {
            std::string text;
            const size_t n = 1 + rnd.below(4);
            for (size_t k = 0; k < n; ++k) {
                classes.push_back(int(1 + rnd.below(998)));
                text += (k ? "," : "") + std::to_string(classes.back());
            }
            r[at("classes")] = text;
        }
        r[at("firstclass")] = std::to_string(*std::min_element(classes.begin(), classes.end()));
        r[at("arm")].clear();
        if (rnd.chance(5)) {
            r[at("jr_allkey")] = "J901";
        } else {
            r[at("jr_name")].clear();
            r[at("jr_allkey")].clear();
        }
        if (rnd.chance(2)) deleted.push_back(uint32_t(i + 1));
    }
    bwsample::writeTable(path, fields, records, deleted);
}

void generate(const fs::path& root)
{
    if (fs::exists(root / kDataVersion)) return;
    std::cerr << "generating a show of " << kEntries << " entries and " << kClasses << " classes in " << root
              << " ...\n";
    fs::remove_all(root);
    bw::Tdmod m;
    m.dmodCreate(root.string());
    writeClasses(m);
    writeEntries((root / "shows" / kEntriesFile).string());
    std::ofstream(root / kDataVersion) << "done\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: catalogbench DATA_FOLDER\n";
        return 2;
    }
    const fs::path root = fs::path(argv[1]) / "catalog";
    generate(root);

    bw::Tdmod m;
    m.dmodCreate(root.string());
    m.show.clubId = "KCC";
    m.show.showNum = 12;
    m.show.clubSlot = 1;
    m.Open_ShowEntries((root / "shows" / kEntriesFile).string());
    xbase::Table& entries = m.TzDbf1;

    const double build = median(5, [&] { return timed([&] { bw::Build_Catalog(m, "KCC", 12); }); });
    const double counts = median(5, [&] { return timed([&] { bw::Get_Class_Counts(m); }); });

    int start = 101;
    auto assignIn = [&](const char* order) {
        entries.setOrder(bw::findExhibitOrder(order)->tag);
        // Another start each run, so that every number (and its key) changes.
        start = start == 101 ? 1001 : 101;
        return timed([&] { bw::AssignExhibitNumbers(entries, start); });
    };
    const double assign = median(5, [&] { return assignIn("clnumlast"); });
    const double assignArm = median(5, [&] { return assignIn("armband"); });

    const double read = median(5, [&] {
        return timed([&] {
            size_t bytes = 0;
            const char* names[] = {"classes", "arm", "dog", "titles", "teamcode", "height", "jr_name", "jr_allkey"};
            std::vector<int> numbers;
            for (const char* n : names) numbers.push_back(entries.fieldNumber(n));
            for (uint32_t r = 1; r <= entries.recordCount(); ++r)
                for (int f : numbers) bytes += entries.peek(f, r).size();
            if (bytes == 0) std::cerr << "nothing read\n";
        });
    });

    std::cout << "catalog_records: " << m.Catalog.recordCount() << " records\n"
              << "build_catalog_ms: " << build << " ms\n"
              << "class_counts_ms: " << counts << " ms\n"
              << "auto_assign_ms: " << assign << " ms\n"
              << "auto_assign_arm_ms: " << assignArm << " ms\n"
              << "entries_read_ms: " << read << " ms\n";
    return 0;
}
