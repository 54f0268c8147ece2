#pragma once

// A small data root with one club and one show, made through the data module the way
// the program makes them: gendefs.ini with club slots, the show dates record, the show's
// class table and its entries file. Shared by the entry-rule tests and the main window
// tests.

#include <string>
#include <vector>

#include "data/DataRoot.h"
#include "data/IniFile.h"
#include "data/Settings.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "entries/EntryRules.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace bwtest {

struct ShowClass {
    int number;
    std::string name;
    std::string section;
    std::string group;
    std::string allkey;
};

struct Entry {
    std::string dog, last, first, classes, arm;
};

inline std::vector<ShowClass> standardClasses()
{
    return {{1, "Minor Puppy Dog", "Terrier Breeds", "T01", "A001"},
            {3, "Puppy Dog", "Terrier Breeds", "T01", "A003"},
            {7, "Open Dog", "Terrier Breeds", "T02", "A007"},
            {12, "Open Bitch", "Hound Breeds", "H01", "A012"},
            {30, "Junior Handling 6-11", "Junior Handling", "BJR", "J030"},
            {999, "Not For Competition", "NFC", "NFC", "Z999"}};
}

class ShowFixture {
public:
    TempDir dir;
    ScriptedPrompter prompter;
    bw::Tdmod m;

    ShowFixture()
    {
        m.setPrompter(&prompter);
        m.dmodCreate(root());
        bw::IniFile ini(m.SettingsPath());
        ini.writeString("ClubInfo", "1", "WDC");
        ini.writeString("ClubInfo", "2", "KCC");
        setClub(ini, 1, "WDC", "Whippet");
        setClub(ini, 2, "KCC", "Border Terrier");
        ini.writeString(bw::ini::kPreferences, bw::ini::kArmbands, "AfterAutomatic");
        ini.save();
        m.Read_Preferences();
    }

    std::string root() const { return dir.path().string() + "/data"; }

    static void setClub(bw::IniFile& ini, int slot, const std::string& id, const std::string& breed)
    {
        ini.writeString(bw::clubSection(slot), bw::ini::kClubID, id);
        ini.writeString(bw::clubSection(slot), bw::ini::kClubName, id + " Kennel Club");
        ini.writeString(bw::clubSection(slot), bw::ini::kDefaultBreed, breed);
    }

    void setPreference(const std::string& key, const std::string& value)
    {
        bw::IniFile ini(m.SettingsPath());
        ini.writeString(bw::ini::kPreferences, key, value);
        ini.save();
        m.Read_Preferences();
    }

    // Writes a show's dates record, class table and entries file, and returns the path
    // of the entries file. The show's tables are closed again afterwards.
    std::string makeShow(const std::string& club, int showNum, const std::string& date,
                         const std::vector<ShowClass>& classes, const std::vector<Entry>& entries,
                         bool withDatesRecord = true)
    {
        if (withDatesRecord) {
            m.Open_ShowDates();
            m.ShowDates.append();
            m.ShowDates.setField("clubid", club);
            m.ShowDates.setFieldInt("show_num", showNum);
            m.ShowDates.setField("show_date", date.substr(6, 4) + date.substr(3, 2) + date.substr(0, 2));
            m.ShowDates.setFieldInt("num_days", 1);
            m.ShowDates.post();
        }
        const std::string nnnnn = bw::Zero_Pad(showNum, 5);
        m.ShowClasses.close();
        m.Open_ShowClasses(club, nnnnn);
        for (const ShowClass& c : classes) {
            m.ShowClasses.append();
            m.ShowClasses.setField("day", "1");
            m.ShowClasses.setFieldInt("classnum", c.number);
            m.ShowClasses.setField("classname", c.name);
            m.ShowClasses.setField("section", c.section);
            m.ShowClasses.setField("catgroup", c.group);
            m.ShowClasses.setField("allkey", c.allkey);
            m.ShowClasses.post();
        }
        m.ShowClasses.close();

        const std::string path = m.Entries_Path(m.Show_FileKey(club, showNum, date));
        m.Show.copyStructure(path);
        m.TzDbf1.close();
        m.Open_ShowEntries(path);
        for (const Entry& e : entries) {
            m.TzDbf1.append();
            m.TzDbf1.setField("dog", e.dog);
            m.TzDbf1.setField("last", e.last);
            m.TzDbf1.setField("first", e.first);
            m.TzDbf1.setField("classes", e.classes);
            m.TzDbf1.setFieldInt("firstclass", bw::Parse_Classes(e.classes).firstClass());
            m.TzDbf1.setField("arm", e.arm);
            m.TzDbf1.post();
        }
        m.TzDbf1.close();
        return path;
    }

    // A master record for each name (with an owner and details to fill from).
    void addMasterDog(const std::string& dog, const std::string& last, const std::string& atc = "")
    {
        m.Dogs.append();
        m.Dogs.setField("dog", dog);
        m.Dogs.setField("last", last);
        m.Dogs.setField("first", "Ann");
        m.Dogs.setField("titles", "Ch");
        m.Dogs.setField("sex", "Bitch");
        m.Dogs.setField("address1", "1 High Street");
        m.Dogs.setField("country", "England");
        m.Dogs.setField("breeder", "The Breeder");
        m.Dogs.setField("bdate", "20200315");
        m.Dogs.setField("atc_num", atc);
        m.Dogs.post();
    }
};

} // namespace bwtest
