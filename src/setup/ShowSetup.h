#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/Dates.h"

namespace bw {
class Tdmod;
}

namespace bw::setup {

// 1 + the highest show number the show dates table holds for the club (club IDs compared
// in capitals, as the SHOWNUM tag keeps them); 1 when the club has no show. The table's
// order and current record are left as they were.
int NextShowNumber(Tdmod& dm, const std::string& clubId);

// The show sections a club slot wants offered (NumberOfSections, Section1 ...); empty
// when the club chose none, which means every section is offered.
std::vector<std::string> chosenSections(const Tdmod& dm, int clubSlot);
// Whether a class of this section is offered: its section, trailing blanks removed,
// equals one of the chosen sections exactly, or none are chosen.
bool sectionOffered(std::string_view section, const std::vector<std::string>& chosen);

// The class library's classes as available-class lines, in allkey order, leaving out
// records marked deleted, classes of sections not offered and classes whose allkey is in
// leaveOut. The library's order, hiding and current record are left as they were.
std::vector<std::string> libraryClassLines(Tdmod& dm, const std::vector<std::string>& chosen,
                                           const std::set<std::string>& leaveOut = {});

// One record of a show's class file.
struct ShowClass {
    std::string day;
    int classNum = 0;
    std::string className, section, catGroup, allKey;  // trailing blanks removed
    bool deleted = false;
};
// The classes of a show in class-number order (records of equal number in file order),
// marked ones included; empty when the show has no class file. Reads the file where it
// is: through the data module's show class table when that holds this show.
std::vector<ShowClass> readShowClasses(Tdmod& dm, const std::string& clubId, int showNum);

// The classes of day 1 of a show as available-class lines, in class-number order: what
// "Load Classes from Prior Show" puts into the selected list.
std::vector<std::string> priorShowClassLines(Tdmod& dm, const std::string& clubId, int showNum);
// The allkeys of those classes.
std::set<std::string> allKeysOf(const std::vector<std::string>& lines);

// Replaces the classes of a show's class file by the selected lines, numbered as
// numberShowClasses does, for every day 1..numDays. The new file is built beside the
// old one and then put in its place, so the show keeps either all its old classes or
// all its new ones. Throws DataError (nothing written) when a junior handling class has
// no number in its allkey, and DataError/DbfError when a file cannot be written. When
// the data module's show class table holds this show it is open on the new file after.
void WriteShowClasses(Tdmod& dm, const std::string& clubId, int showNum,
                      const std::vector<std::string>& lines, int numDays = 1);

// The text of a typed date (day, month and year separated by "/", "-" or ".") as the
// tables store it, YYYYMMDD; "" when it is not a real date.
std::string storedDate(std::string_view typed, DateFormat format);
// A stored date YYYYMMDD shown as dd/mm/yyyy or mm/dd/yyyy; "" when blank.
std::string shownDate(std::string_view yyyymmdd, DateFormat format);

// Everything the new-show window asks for.
struct NewShow {
    int clubSlot = 1;              // the position of the club in the club list + 1
    std::string clubId;            // the text of the club box
    int showNum = 0;
    std::string dateText;          // the show date as typed, e.g. 14/06/2003
    std::string lastDateText;      // the last date as typed; may be empty
    DateFormat dateFormat = DateFormat::American;
    std::vector<std::string> lines;  // the selected available-class lines, in catalogue order
};

struct NewShowResult {
    enum class Status {
        Created,        // every file written; the show is the data module's open show
        NoDate,         // the date box is empty: nothing created
        Refused,        // nothing written; caption, icon and message say why
    };
    Status status = Status::Refused;
    std::string caption;
    std::string icon;       // the message dialog's icon letter
    std::string message;    // ";" starts a new line
    std::string entriesPath;
};

// The file names of a show.
struct ShowFiles {
    std::string fileKey;        // KCC-00012-14-06-2003
    std::string entriesPath;    // shows/<file key>.dbf
    std::string classesPath;    // catdata/KCC00012classes.dbf
};
// Throws DataError when the club ID or date cannot be part of a file name.
ShowFiles showFiles(const Tdmod& dm, const std::string& clubId, int showNum, const std::string& dateText);

// Why a club code cannot name a show's files; empty when it can. Beyond the characters
// no file name may hold, a "-" is refused: the entries file's name separates the club
// from the show number by the first "-".
std::string clubCodeProblem(std::string_view code);

// Creates a show: the show dates record, the empty entries file (from the template) with
// its index, and the class file with the selected classes numbered. Everything is
// checked before anything is written; an existing show (its entries file, or the club's
// show of that number with its classes) is never replaced. On success the show is the
// open show of the data module: entries table open (order NAME), class table open,
// dmod.show set and the last opened show recorded. Table errors and folders that cannot
// be made are thrown (DbfError, DataError).
NewShowResult createShow(Tdmod& dm, const NewShow& request);

} // namespace bw::setup
