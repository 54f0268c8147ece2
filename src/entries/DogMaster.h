#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace xbase { class Table; }

namespace bw {

class Tdmod;

// The dog master (Dogs, masterdb.dbf) as the entry window uses it: the pick list of dog
// names offered while an entry is added, the check that a picked dog is not entered in
// the show already, filling an entry from the master, and writing saved entries back.

// One name of the dog-name pick list, with the master record it came from.
struct DogListItem {
    std::string name;       // trailing blanks removed
    uint32_t recNo = 0;
};

// The master's names in DOGNAME order, each listed once with its first record, marked
// records and empty names left out. The master is left on its first record.
std::vector<DogListItem> Fill_DogList(xbase::Table& dogs);

// The first entry of the open show (by record number, marked ones included) whose dog
// name equals name, both with trailing blanks removed; 0 when none does.
uint32_t Find_EntryOfDog(const xbase::Table& entries, const std::string& name);

// What leaving the dog-name box during Add came to.
enum class DogPick {
    NewDog,         // the typed name is a new dog (the new-dog flag is set)
    Filled,         // a picked dog: the entry was filled from the master
    EditExisting,   // the dog is entered already and the user chose to go to that entry
};

// Leaving the dog-name box during Add. picked is the chosen pick-list item, or nullptr
// when none was chosen (then the typed text is the dog's name). A picked dog already
// entered in the show raises the question "Entry Found!"; on "Edit_Record" the result
// is EditExisting with the entry's record number in existingRecNo (the caller drops the
// new entry and goes there); on "Add_Duplicate" the entry is filled from the master.
//
// The picked dog's master record is its list record when that still holds the dog;
// otherwise (the master was packed since the list was built) it is found by name.
struct DogPickResult {
    DogPick pick = DogPick::NewDog;
    uint32_t existingRecNo = 0;
};
DogPickResult Leave_DogName(Tdmod& m, const DogListItem* picked, const std::string& typed,
                            bool& newDog);

// Copies master record recNo into the entry being edited (read in place: the master's
// cursor does not move, which in a 100,000-dog file in name order would cost a search).
void Fill_FromMaster(const xbase::Table& dogs, uint32_t recNo, xbase::Table& entries);
// The same from the master record the Dogs table stands on.
void Fill_FromMaster(const xbase::Table& dogs, xbase::Table& entries);

// Seeks a dog's name (in capitals) in the master's current order, DOGNAME.
bool Seek_DogName(xbase::Table& dogs, const std::string& name);

// The master record of a dog, by name (first unmarked record of that name); 0 if none.
uint32_t Find_MasterRecord(xbase::Table& dogs, const std::string& name);

// Writes the entry just posted into the master: the record of capturedDogName (the dog
// name the entry had before the change; blank for a new entry) is updated, or a record
// is appended when there is none or newDog is set. modified = today (YYYYMMDD).
void Update_Master(Tdmod& m, const std::string& capturedDogName, bool newDog,
                   const std::string& today);

// Today's date as YYYYMMDD.
std::string Today_YYYYMMDD();

} // namespace bw
