#pragma once

#include <string>
#include <vector>

#include "entries/EntryRules.h"

namespace bw {

class Tdmod;

// Opening and closing a show, as the main window does it, without the window: the checks
// before New Show, reading an existing show's identity from its file name, the club and
// show-dates lookups with their messages, and the lists filled when a show becomes open.

// The club ID and show number an entries file name carries: "KCC-00012-14-06-2003.dbf"
// gives KCC and 12. Only the file name counts, never the folder.
struct ShowFileName {
    std::string clubId;   // up to the first "-", in capitals, trailing blanks removed
    int showNum = 0;      // the text between the first and second "-", read leniently
};
ShowFileName Parse_ShowFileName(const std::string& path);

// The SHOWNUM key of the show dates table: club ID in capitals padded to 8 characters,
// then the show number right-aligned in 5.
std::string ShowDates_Key(const std::string& clubId, int showNum);

// The two checks of New Show on club slot 1 (club ID, default breed), with their
// messages. True when a new show may be started.
bool NewShow_Allowed(Tdmod& m);

enum class OpenShowResult { Opened, UnknownClub, NotInShowDates };

// Opens the entries file at path as the open show: records it as the last opened show,
// finds the club slot of the club in its file name (the last matching slot), reads the
// club settings, takes the show number and seeks the show in the show dates table. A
// club that is no configured club, or a show missing from the show dates, is told to the
// user and the show is closed again. Table errors are thrown to the caller.
OpenShowResult Open_ExistingShow(Tdmod& m, const std::string& path);

// Closes the open show's tables and forgets the open show.
void Close_Show(Tdmod& m);

// The lists the entry window offers for the open show.
std::vector<std::string> Breed_Names(Tdmod& m);          // BREEDNAME order, empty skipped
std::vector<std::string> Salutation_Names(Tdmod& m);     // record order
std::vector<JuniorClass> Junior_Classes(Tdmod& m);       // the show's BJR classes, record order

// The club IDs of the configured club slots ("Unknown" for a missing one).
std::vector<std::string> Club_List(const Tdmod& m);

} // namespace bw
