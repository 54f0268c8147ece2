// Speed of typing entries into the largest show: the work behind Save, Next and Find of
// the entry window, with a 25,000-entry show and a 100,000-dog master open.
//
//   entrybench DATA_FOLDER
//
// Generates (once) under DATA_FOLDER/entries a data root with a club in gendefs.ini, the
// show dates record, 60 show classes, a dog master of 100,000 dogs and a show of 25,000
// entries, opens the show as the main window does, then prints one "name: value unit"
// line per figure, each the median of several runs:
//   add_save_ms       Add, then Save of an entry picked from the master: New_Entry, fill
//                     from the master, Complete_Entry (with the exhibit number given as
//                     inputted, which reads every entry's number) and Update_Master
//   add_save_typed_ms the same for a typed new dog
//   save_browse_ms    PageDown on a shown entry: Complete_Entry and Update_Master
//   next_ms           move to the next entry in last-name order and read every field
//                     as the entry panel shows them
//   find_ms           Find by last name (a seek on NAME) and read the entry found
//   find_class_ms     Find by class number (a seek on CLNUMLAST)
//   dog_list_ms       reference: building the dog-name pick list when the show opens
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
#include "data/IniFile.h"
#include "data/Settings.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "entries/DogMaster.h"
#include "entries/EntryRules.h"
#include "entries/ShowLifecycle.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kDogs = 100000;
constexpr size_t kEntries = 25000;
constexpr const char* kDataVersion = "entries-generated-1";
constexpr const char* kEntriesFile = "KCC-00012-14-06-2003.dbf";

using bwbench::median;
using bwbench::timed;

void writeSettings(const fs::path& root)
{
    bw::IniFile ini(bw::settingsPath(root.string()));
    ini.writeString("ClubInfo", "1", "KCC");
    ini.writeString(bw::clubSection(1), bw::ini::kClubID, "KCC");
    ini.writeString(bw::clubSection(1), bw::ini::kDefaultBreed, "Border Terrier");
    ini.writeString(bw::ini::kPreferences, bw::ini::kArmbands, "InputAutomatic");
    ini.save();
}

void writeShow(bw::Tdmod& m, const fs::path& root)
{
    m.Open_ShowDates();
    m.ShowDates.append();
    m.ShowDates.setField("clubid", "KCC");
    m.ShowDates.setFieldInt("show_num", 12);
    m.ShowDates.setField("show_date", "20030614");
    m.ShowDates.post();
    m.Open_ShowClasses("KCC", "00012");
    for (int n = 1; n <= 60; ++n) {
        m.ShowClasses.append();
        m.ShowClasses.setFieldInt("classnum", n);
        m.ShowClasses.setField("classname", std::string(bwsample::words::classNames[n % 13]));
        m.ShowClasses.setField("section", bwsample::words::sections[n % 5]);
        m.ShowClasses.setField("catgroup", "T" + std::to_string(n % 7));
        m.ShowClasses.post();
    }
    m.ShowClasses.close();
    m.Dogs.close();

    bwsample::ClubDataGen gen(2026);
    bwsample::writeTable((root / "userdata" / "masterdb.dbf").string(), bwsample::dogsFields(),
                         gen.records(bwsample::dogsFields(), kDogs));
    auto entries = gen.records(bwsample::entryFields(), kEntries);
    // Numbers as inputted: 101 onwards.
    const xbase::FieldList fields = bwsample::entryFields();
    for (size_t f = 0; f < fields.size(); ++f)
        if (fields[f].name == "arm")
            for (size_t i = 0; i < entries.size(); ++i) entries[i][f] = std::to_string(101 + i);
    bwsample::writeTable((root / "shows" / kEntriesFile).string(), fields, entries);
}

void generate(const fs::path& root)
{
    if (fs::exists(root / kDataVersion)) return;
    std::cerr << "generating a master of " << kDogs << " dogs and a show of " << kEntries << " entries in "
              << root << " ...\n";
    fs::remove_all(root);
    {
        bw::Tdmod m;
        m.dmodCreate(root.string());
        writeSettings(root);
        writeShow(m, root);
    }
    std::ofstream(root / kDataVersion) << "done\n";
}

// Reads every field of the shown entry, as the bound boxes of the entry panel do.
size_t readShown(const xbase::Table& t)
{
    size_t n = 0;
    for (int f = 1; f <= t.fieldCount(); ++f) n += t.text(t.fieldName(f)).size();
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: entrybench DATA_FOLDER\n";
        return 2;
    }
    const fs::path root = fs::path(argv[1]) / "entries";
    generate(root);
    // Each run adds entries and dogs: work on a fresh copy of the generated files.
    const fs::path work = fs::path(argv[1]) / "entries-run";
    fs::remove_all(work);
    fs::copy(root, work, fs::copy_options::recursive);

    bw::Tdmod m;
    m.dmodCreate(work.string());
    m.Read_Preferences();
    if (bw::Open_ExistingShow(m, (work / "shows" / kEntriesFile).string()) != bw::OpenShowResult::Opened) {
        std::cerr << "the show did not open\n";
        return 1;
    }
    xbase::Table& entries = m.TzDbf1;

    std::vector<bw::DogListItem> list;
    const double dogList = median(3, [&] { return timed([&] { list = bw::Fill_DogList(m.Dogs); }); });

    size_t pick = 0;
    bw::OwnerDetails remembered;
    auto addSave = [&](bool picked) {
        entries.first();
        return timed([&] {
            bw::New_Entry(entries, m.show.defaultBreed, remembered);
            bool newDog = false;
            pick = (pick + 7919) % list.size();
            // A picked dog that is entered already asks its question; the silent prompter
            // answers Edit_Record and the fill is left out, the walk costs the same.
            bw::DogListItem item = list[pick];
            if (picked) {
                bw::Leave_DogName(m, &item, item.name, newDog);
            } else {
                bw::Leave_DogName(m, nullptr, "Brand New Dog " + std::to_string(pick), newDog);
            }
            entries.setField("classes", "3,17");
            bw::Complete_Entry(m, {"Dog", {}, nullptr});
            bw::Update_Master(m, "", newDog, "20260101");
        });
    };
    const double addSavePicked = median(9, [&] { return addSave(true); });
    const double addSaveTyped = median(9, [&] { return addSave(false); });

    uint32_t shown = 1;
    const double saveBrowse = median(9, [&] {
        shown = (shown + 997) % entries.recordCount() + 1;
        entries.go(shown);
        const std::string captured = entries.fieldText("dog");
        return timed([&] {
            bw::Complete_Entry(m, {"Dog", {}, nullptr});
            bw::Update_Master(m, captured, false, "20260101");
        });
    });

    entries.setOrder("NAME");
    entries.first();
    size_t bytes = 0;
    const double next = median(101, [&] {
        return timed([&] {
            entries.next();
            bytes += readShown(entries);
        });
    });

    const char* lastNames[] = {"SMITH", "JONES", "O'BRIEN", "MÜLLER", "NGUYEN", "ZZZ"};
    size_t which = 0;
    const double find = median(31, [&] {
        const std::string key = lastNames[which++ % std::size(lastNames)];
        return timed([&] {
            const uint32_t before = entries.recNo();
            if (!entries.seek(key)) entries.go(before);
            bytes += readShown(entries);
        });
    });
    entries.setOrder("CLNUMLAST");
    int cls = 0;
    const double findClass = median(31, [&] {
        cls = cls % 60 + 1;
        const std::string key = std::string(cls < 10 ? "  " : " ") + std::to_string(cls);
        return timed([&] {
            const uint32_t before = entries.recNo();
            if (!entries.seek(key)) entries.go(before);
            bytes += readShown(entries);
        });
    });
    if (bytes == 0) std::cerr << "nothing read\n";

    std::cout << "add_save_ms: " << addSavePicked << " ms\n"
              << "add_save_typed_ms: " << addSaveTyped << " ms\n"
              << "save_browse_ms: " << saveBrowse << " ms\n"
              << "next_ms: " << next << " ms\n"
              << "find_ms: " << find << " ms\n"
              << "find_class_ms: " << findClass << " ms\n"
              << "dog_list_ms: " << dogList << " ms\n";
    return 0;
}
