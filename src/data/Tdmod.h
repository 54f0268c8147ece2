#pragma once

#include <array>
#include <string>

#include "data/Prompter.h"
#include "data/Settings.h"
#include "data/Tables.h"
#include "xbase/Table.h"

namespace bw {

// The open show and the settings read with it: the program-wide state every window
// reads. Set when a show is opened or created, cleared when it is closed.
struct ShowState {
    std::string clubId;         // up to 8 capitals
    int showNum = 0;
    std::string showDateText;   // as typed, "/" already written "-" in file names
    int clubSlot = 1;           // 1..9; slot 1 until a show is opened
    std::string entriesPath;    // full path of the open entries file; "" when none is open
    std::string defaultBreed;   // the club's default breed
    bool useAgents = false;     // the handler field is shown
    bool oneBreed = false;      // the breed cannot be changed
};

// The data module: owns a table object for every table of the program for the whole
// run, the program-wide state beside them, and the small services many windows share.
// Every window reaches the tables through the one instance, dmod.
//
// Table errors of the engine (xbase::DbfError) and the module's own (DataError: a
// folder that cannot be created, a name that would leave its folder) are thrown to the
// command that called; the program shows them with its default error display.
class Tdmod {
public:
    Tdmod();
    Tdmod(const Tdmod&) = delete;
    Tdmod& operator=(const Tdmod&) = delete;

    // ---- the tables --------------------------------------------------------------
    xbase::Table Dogs;          // the dog master
    xbase::Table Show;          // the entries template
    xbase::Table TzDbf1;        // the open show's entries
    xbase::Table Breeds;
    xbase::Table Sections;
    xbase::Table AllClasses;    // the class library
    xbase::Table ShowDates;
    xbase::Table CatGroups;
    xbase::Table Judges;        // the judges register
    xbase::Table Salutations;
    xbase::Table ShowClasses;   // the open show's classes
    xbase::Table ShwJudges;     // the open show's judge assignment
    xbase::Table Catalog;       // the open show's catalogue
    xbase::Table Mail;          // one club's mailing list

    // ---- program-wide state --------------------------------------------------------
    std::string ProgramFolder;  // the data root
    std::string UserDataPath, ShowsPath, IndexsPath, CatDataPath, MailDataPath, PgmDataPath;
    ShowState show;
    Preferences prefs;          // read at every activation of the main window

    // Where every message of the module goes; a SilentPrompter until the program sets one.
    Prompter& prompter() const { return *prompter_; }
    void setPrompter(Prompter* prompter) { prompter_ = prompter ? prompter : &silent_; }

    // ---- start ---------------------------------------------------------------------
    // Makes the folders shows/, userdata/ and indexs/ in the data root when missing,
    // then opens the shared tables (creating missing ones, building their indexes anew)
    // and the entries template. A folder that cannot be made throws
    // DataError("Cannot create " + path) and ends the start there: the tables not yet
    // opened stay closed.
    void dmodCreate(const std::string& dataRoot);
    // Sets the data root and the folder paths without touching the disk.
    void setDataRoot(const std::string& dataRoot);

    // ---- opening routines: each does nothing when its table is open ------------------
    void Open_Dogs();
    void Open_Breeds();
    void Open_Sections();
    void Open_AllClasses();
    void Open_ShowDates();
    void Open_CatGroups();
    void Open_Judges();
    void Open_Salutations();
    void Open_ShowTemplate();
    // Per show: club ID and the show number as NNNNN (Zero_Pad(show number, 5)).
    void Open_ShowClasses(const std::string& clubId, const std::string& nnnnn);
    void Open_ShwJudges(const std::string& clubId, const std::string& nnnnn);
    // Creates the show's catalogue table from the template pgmdata/catdb.dbf on first use.
    void Open_Catalog(const std::string& clubId, const std::string& nnnnn);
    void Open_Mail(const std::string& clubId);
    // Opens an entries file (full path) with its six tags, order NAME. The caller
    // records it as the last opened show.
    void Open_ShowEntries(const std::string& path);
    // Closes the entries and the per-show tables (when a show is closed).
    void Close_ShowTables();

    // ---- file names ------------------------------------------------------------------
    // The file key of a show: club ID + "-" + NNNNN + "-" + date text with "/" as "-".
    // Throws DataError when the club ID or date text cannot be part of a file name.
    std::string Show_FileKey(const std::string& clubId, int showNum, const std::string& dateText) const;
    std::string Entries_Path(const std::string& fileKey) const;     // shows/<key>.dbf
    std::string ShowClasses_Path(const std::string& clubId, const std::string& nnnnn) const;
    std::string ShwJudges_Path(const std::string& clubId, const std::string& nnnnn) const;
    std::string Catalog_Path(const std::string& clubId, const std::string& nnnnn) const;
    std::string Mail_Path(const std::string& clubId) const;

    // ---- services --------------------------------------------------------------------
    struct SectionGroup {
        std::string section;    // as stored (padded to 15)
        std::string catGroup;   // as stored (padded to 3)
    };
    // Section and catalogue group of a class of the open show; "UnKnown" and "ZZ", with
    // a message, when the class is not there.
    SectionGroup Get_SectionGroup(int classNum);
    // "Name (12)" or "Name (No Entries)"; "Unknown Class [n]" with a message.
    std::string Get_FullClassName(int classNum);
    // The header of a catalogue group (as stored); "Unknown Group " + code with a message.
    std::string Get_CatGroupHeader(const std::string& code);
    // The seven footers of a catalogue group into footers; false (footers untouched,
    // no message) when the group is not there.
    bool Get_CatGroupFooters(const std::string& code, std::array<std::string, 7>& footers);
    // Salutation, first and last name of a judge of the register; "Unknown Judge " + j
    // with a message.
    std::string Get_JudgeName(int judgeNum);
    // The long date text of the show at which ShowDates stands ("... thru ..." for a
    // show of several days).
    std::string Get_ShowDateText();
    // A stored date YYYYMMDD with points, in the DateFormat setting read at every call.
    std::string Get_ShortDate(const std::string& yyyymmdd) const;
    // True when the show's classes include a junior handling class (group "BJR").
    bool Has_Junior_Class(const std::string& clubId, int showNum);

    // ---- settings accessors (gendefs.ini in the data root) -------------------------
    std::string Get_LastShow() const;
    void Set_LastShow(const std::string& path) const;
    std::string Get_LastMail() const;
    void Set_LastMail(const std::string& name) const;
    std::string Get_ClubName() const;  // of the current club slot
    std::string SettingsPath() const { return settingsPath(ProgramFolder); }
    // Reads the preferences into prefs (at every activation of the main window).
    void Read_Preferences();
    // Reads the settings of the club slot show.clubSlot into show: club ID, default
    // breed, handlers and one-breed flags.
    void Read_ClubSettings();

private:
    void openTable(xbase::Table& table, const TableLayout& layout, const std::string& dbfPath,
                   const std::string& mdxPath);
    void openShared(xbase::Table& table, const TableLayout& layout);
    void openPerShow(xbase::Table& table, const TableLayout& layout, const std::string& clubId,
                     const std::string& nnnnn);
    std::string perShowFile(const TableLayout& layout, const std::string& clubId,
                            const std::string& nnnnn) const;
    std::string indexPath(const std::string& fileName) const;
    void flushAfterPost(xbase::Table& table);

    SilentPrompter silent_;
    Prompter* prompter_ = &silent_;
};

// The program's one data module. main() makes it; tests may point it at their own.
extern Tdmod* dmod;

} // namespace bw
