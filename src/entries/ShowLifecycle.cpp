#include "entries/ShowLifecycle.h"

#include <filesystem>

#include "data/Prompter.h"
#include "data/Settings.h"
#include "data/Tdmod.h"
#include "data/Text.h"

namespace bw {

namespace {

std::string rightAligned(long n, size_t width)
{
    std::string s = std::to_string(n);
    if (s.size() < width) s.insert(0, width - s.size(), ' ');
    return s;
}

} // namespace

ShowFileName Parse_ShowFileName(const std::string& path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    ShowFileName result;
    const size_t first = name.find('-');
    result.clubId = upperAscii(trimRight(name.substr(0, first)));
    if (first != std::string::npos) {
        const size_t second = name.find('-', first + 1);
        result.showNum = Lenient_Int(name.substr(first + 1, second == std::string::npos
                                                                ? std::string::npos
                                                                : second - first - 1));
    }
    return result;
}

std::string ShowDates_Key(const std::string& clubId, int showNum)
{
    std::string club = upperAscii(clubId);
    if (club.size() < 8) club.append(8 - club.size(), ' ');
    return club + rightAligned(showNum, 5);
}

bool NewShow_Allowed(Tdmod& m)
{
    const IniFile settings(m.SettingsPath());
    const std::string section = clubSection(1);
    const std::string clubId = trimRight(settings.readString(section, ini::kClubID, ini::kUnknown));
    if (clubId == ini::kUnknown || clubId == ini::kClubIDSettingsDefault) {
        m.prompter().Show_Message("", "", "You need to define your Club ID under TOOLS before starting a show");
        return false;
    }
    if (trimRight(settings.readString(section, ini::kDefaultBreed, ini::kUnknown)) == ini::kUnknown) {
        m.prompter().Show_Message(
            "", "", "You need to define a Default Breed under TOOLS/Club Defaults before starting a show");
        return false;
    }
    return true;
}

void Close_Show(Tdmod& m)
{
    m.Close_ShowTables();
    m.show.entriesPath.clear();
}

OpenShowResult Open_ExistingShow(Tdmod& m, const std::string& path)
{
    m.TzDbf1.close();
    m.Open_ShowEntries(path);
    m.Set_LastShow(path);
    m.show.entriesPath = path;

    const ShowFileName file = Parse_ShowFileName(path);
    const int slot = clubSlotOf(IniFile(m.SettingsPath()), file.clubId);
    if (slot == 0) {
        m.prompter().Show_Message("", "", "This Club [ " + file.clubId + " ] is not one of your pre-defined clubs;" +
                                              "and can't be loaded. Please choose another file.");
        Close_Show(m);
        return OpenShowResult::UnknownClub;
    }
    m.show.clubSlot = slot;
    m.Read_ClubSettings();
    // The club's own settings may spell its ID differently; the file name is the show's.
    m.show.clubId = file.clubId;
    m.show.showNum = file.showNum;

    m.Open_ShowDates();
    m.ShowDates.setOrder("SHOWNUM");
    if (!m.ShowDates.seek(ShowDates_Key(file.clubId, file.showNum))) {
        m.prompter().Show_Message("", "", "Sorry, this Club and Show Number;" + file.clubId + "   Show # " +
                                              rightAligned(file.showNum, 5) + ";" +
                                              "is NOT in your Show Dates Database.;" + "Cannot load the show");
        Close_Show(m);
        return OpenShowResult::NotInShowDates;
    }
    m.show.showDateText = m.ShowDates.fieldText("show_date");
    return OpenShowResult::Opened;
}

std::vector<std::string> Breed_Names(Tdmod& m)
{
    std::vector<std::string> names;
    m.Open_Breeds();
    xbase::Table& b = m.Breeds;
    const int field = b.fieldNumber("breed_name");
    // BREEDNAME order, marked records included: read the order's record numbers without
    // the table's hiding getting in the way.
    const bool hidden = b.hideDeleted();
    if (hidden) b.setHideDeleted(false);
    b.setOrder("BREEDNAME");
    for (b.first(); !b.eof() && b.recNo() != 0; b.next()) {
        std::string name = trimRight(b.peek(field, b.recNo()));
        if (!name.empty()) names.push_back(std::move(name));
    }
    if (hidden) b.setHideDeleted(true);
    b.first();
    return names;
}

std::vector<std::string> Salutation_Names(Tdmod& m)
{
    std::vector<std::string> names;
    m.Open_Salutations();
    const xbase::Table& s = m.Salutations;
    const int field = s.fieldNumber("salutation");
    for (uint32_t r = 1; r <= s.recordCount(); ++r) names.push_back(trimRight(s.peek(field, r)));
    return names;
}

std::vector<JuniorClass> Junior_Classes(Tdmod& m)
{
    std::vector<JuniorClass> classes;
    if (!m.Has_Junior_Class(m.show.clubId, m.show.showNum)) return classes;
    const xbase::Table& c = m.ShowClasses;
    const int group = c.fieldNumber("catgroup"), name = c.fieldNumber("classname"),
              key = c.fieldNumber("allkey");
    for (uint32_t r = 1; r <= c.recordCount(); ++r)
        if (trimRight(c.peek(group, r)) == "BJR")
            classes.push_back({trimRight(c.peek(name, r)), c.peek(key, r)});
    return classes;
}

std::vector<std::string> Club_List(const Tdmod& m)
{
    return clubSlots(IniFile(m.SettingsPath()));
}

} // namespace bw
