#include "entries/DogMaster.h"

#include <ctime>

#include "data/Prompter.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "xbase/CodePage.h"
#include "xbase/Table.h"

namespace bw {

namespace {

// Master-to-entry fields, in the order they are copied.
constexpr const char* kFromMaster[] = {
    "titles",   "sex",      "first",    "last",    "owner2", "address1", "address2",
    "address3", "address4", "zip",      "phone",   "country", "breeder", "sire",
    "dam",      "bdate",    "email",    "atc_num", "height", "salutation"};

// Entry-to-master fields, in the order they are copied (the master's narrower fields cut
// the text to their width).
constexpr const char* kToMaster[] = {
    "atc_num",  "dog",      "sex",     "breed",   "bdate", "first",  "last",   "owner2",
    "address1", "address2", "address3", "address4", "zip",  "country", "phone", "email",
    "breeder",  "sire",     "dam",     "height",  "salutation", "titles"};

// upper(dog) as the DOGNAME key writes it: capitals in the table's code page, padded to
// the field's 60 characters, so that a seek finds that exact name only.
std::string dogNameKey(const xbase::Table& dogs, const std::string& name)
{
    const xbase::CodePage cp = dogs.codePage();
    std::string oem = xbase::fromUtf8(trimRight(name), cp);
    const unsigned char* upper = xbase::upperTable(cp);
    for (char& c : oem) c = char(upper[static_cast<unsigned char>(c)]);
    if (oem.size() < 60) oem.append(60 - oem.size(), ' ');
    return xbase::toUtf8(oem, cp);
}

// Runs fn with the master in DOGNAME order and puts the order back afterwards, so that
// the dog master window keeps the order it shows.
template <class F>
auto inDogNameOrder(xbase::Table& dogs, F&& fn)
{
    const std::string previous = dogs.currentTag();
    struct Restore {
        xbase::Table& t;
        std::string tag;
        ~Restore()
        {
            try {
                if (t.isOpen() && t.currentTag() != tag) t.setOrder(tag);
            } catch (...) {
            }
        }
    } restore{dogs, previous};
    if (previous != "DOGNAME") dogs.setOrder("DOGNAME");
    return fn();
}

} // namespace

std::vector<DogListItem> Fill_DogList(xbase::Table& dogs)
{
    std::vector<DogListItem> list;
    if (!dogs.isOpen()) return list;
    dogs.setOrder("DOGNAME");
    dogs.first();
    const int dogField = dogs.fieldNumber("dog");
    list.reserve(dogs.recordCount());
    std::string lastAdded;
    for (; !dogs.eof() && dogs.recNo() != 0; dogs.next()) {
        const uint32_t r = dogs.recNo();
        if (dogs.peek(0, r) == "*") continue;
        std::string name = trimRight(dogs.peek(dogField, r));
        if (name.empty() || name == lastAdded) continue;
        lastAdded = name;
        list.push_back({std::move(name), r});
    }
    dogs.first();
    return list;
}

uint32_t Find_EntryOfDog(const xbase::Table& entries, const std::string& name)
{
    const std::string wanted = trimRight(name);
    const int dogField = entries.fieldNumber("dog");
    const uint32_t count = entries.recordCount();
    // Every entry of the show is read on each pick: compare in place, without a trimmed copy.
    auto same = [&](const std::string& stored) {
        if (stored.size() < wanted.size() || stored.compare(0, wanted.size(), wanted) != 0) return false;
        return stored.find_first_not_of(' ', wanted.size()) == std::string::npos;
    };
    for (uint32_t r = 1; r <= count; ++r)
        if (same(entries.peek(dogField, r))) return r;
    return 0;
}

bool Seek_DogName(xbase::Table& dogs, const std::string& name)
{
    if (trimRight(name).empty()) return false;
    return dogs.seek(dogNameKey(dogs, name));
}

uint32_t Find_MasterRecord(xbase::Table& dogs, const std::string& name)
{
    const std::string wanted = trimRight(name);
    if (wanted.empty()) return 0;
    const int dogField = dogs.fieldNumber("dog");
    return inDogNameOrder(dogs, [&]() -> uint32_t {
        if (!dogs.seek(dogNameKey(dogs, wanted))) return 0;
        // Equal capitals may still differ in letter case: take the exact name.
        for (; !dogs.eof() && dogs.recNo() != 0; dogs.next()) {
            const uint32_t r = dogs.recNo();
            const std::string here = trimRight(dogs.peek(dogField, r));
            if (upperAscii(here) != upperAscii(wanted)) break;
            if (here == wanted && dogs.peek(0, r) != "*") return r;
        }
        return 0;
    });
}

void Fill_FromMaster(const xbase::Table& dogs, uint32_t recNo, xbase::Table& entries)
{
    for (const char* f : kFromMaster) entries.setField(f, trimRight(dogs.peek(dogs.fieldNumber(f), recNo)));
}

void Fill_FromMaster(const xbase::Table& dogs, xbase::Table& entries)
{
    if (dogs.recNo() != 0) Fill_FromMaster(dogs, dogs.recNo(), entries);
}

DogPickResult Leave_DogName(Tdmod& m, const DogListItem* picked, const std::string& typed,
                            bool& newDog)
{
    newDog = false;
    xbase::Table& entries = m.TzDbf1;
    if (!picked) {
        entries.setField("dog", typed);
        newDog = true;
        return {DogPick::NewDog, 0};
    }

    if (const uint32_t existing = Find_EntryOfDog(entries, picked->name)) {
        const char answer = m.prompter().Show_Message(
            "Entry Found!", "!", "  Found an entry for this dog!;;   What do you want to do?;",
            "Edit_Record Add_Duplicate");
        if (answer != 'A') {
            m.prompter().Show_Message("", "", "Going to existing record....;;Click the EDIT button to make changes");
            return {DogPick::EditExisting, existing};
        }
    }

    // The list keeps the record numbers it was built with; after a pack of the master
    // they may point at another dog, so the record must still hold the picked name.
    xbase::Table& dogs = m.Dogs;
    uint32_t rec = picked->recNo;
    const int dogField = dogs.fieldNumber("dog");
    if (rec == 0 || rec > dogs.recordCount() || trimRight(dogs.peek(dogField, rec)) != picked->name ||
        dogs.peek(0, rec) == "*")
        rec = Find_MasterRecord(dogs, picked->name);

    entries.setField("dog", picked->name);
    if (rec != 0) {
        Fill_FromMaster(dogs, rec, entries);
    } else {
        // The dog is gone from the master: what was picked is a name only.
        newDog = true;
    }
    return {DogPick::Filled, 0};
}

void Update_Master(Tdmod& m, const std::string& capturedDogName, bool newDog, const std::string& today)
{
    xbase::Table& dogs = m.Dogs;
    const xbase::Table& entry = m.TzDbf1;
    inDogNameOrder(dogs, [&] {
        bool append = newDog;
        // A blank name (a new entry) never matches: every new entry adds a master record.
        if (trimRight(capturedDogName).empty() || !dogs.seek(dogNameKey(dogs, capturedDogName)))
            append = true;
        if (append)
            dogs.append();
        else
            dogs.edit();
        for (const char* f : kToMaster) dogs.setField(f, entry.text(f));
        dogs.setField("modified", today);
        dogs.post();
        return 0;
    });
}

std::string Today_YYYYMMDD()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[16];
    std::strftime(buf, sizeof buf, "%Y%m%d", &tm);
    return buf;
}

} // namespace bw
