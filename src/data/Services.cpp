// The data module's small lookups and text builders (class names, catalogue groups,
// judges, show dates). Each miss is told to the user once and answered with a
// substitute text, so that printing can go on.
#include <filesystem>

#include "data/DataRoot.h"
#include "data/Dates.h"
#include "data/Tdmod.h"
#include "data/Text.h"

namespace bw {

namespace {

// n right-aligned in three characters, the way the class number key is written.
std::string classKey(int n)
{
    std::string s = std::to_string(n);
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s;
}

// The numeric value of a stored N field's text (blank = 0).
long numberOf(const std::string& text)
{
    std::string t = trim(text);
    if (t.empty()) return 0;
    try {
        return std::stol(t);
    } catch (...) {
        return 0;
    }
}

} // namespace

Tdmod::SectionGroup Tdmod::Get_SectionGroup(int n)
{
    if (!ShowClasses.isOpen()) Open_ShowClasses(show.clubId, Zero_Pad(show.showNum, 5));
    ShowClasses.setOrder("CLASSNO");
    ShowClasses.first();
    if (ShowClasses.seek(classKey(n)))
        return {ShowClasses.fieldText("section"), ShowClasses.fieldText("catgroup")};
    prompter().Show_Message("!", "", "Invalid Class Number!;; [" + classKey(n) +
                                         "] using ZZ for CatGroup and Unknown for Section");
    return {"UnKnown", "ZZ"};
}

std::string Tdmod::Get_FullClassName(int n)
{
    if (!ShowClasses.isOpen()) {
        if (!ShowClasses.fileName().empty()) {
            // Reopened on the file it had, with its index built anew.
            const std::string file = ShowClasses.fileName();
            const std::string stem = std::filesystem::path(file).stem().string();
            openTable(ShowClasses, layouts::ShowClasses(), file, indexPath(stem + ".mdx"));
        } else {
            Open_ShowClasses(show.clubId, Zero_Pad(show.showNum, 5));
        }
    }
    // Walked in record order, marked records included: the first record of that number.
    const int numField = ShowClasses.fieldNumber("classnum");
    const int nameField = ShowClasses.fieldNumber("classname");
    const int countField = ShowClasses.fieldNumber("count");
    const uint32_t count = ShowClasses.recordCount();
    for (uint32_t r = 1; r <= count; ++r) {
        if (numberOf(ShowClasses.peek(numField, r)) != n) continue;
        const std::string name = trimRight(ShowClasses.peek(nameField, r));
        const std::string entries = trim(ShowClasses.peek(countField, r));
        if (numberOf(entries) != 0) return name + " (" + entries + ")";
        return name + " (No Entries)";
    }
    const std::string num = std::to_string(n);
    prompter().Show_Message("", "", "Unknown Class # in Get_FullClassName of [" + num + "];" +
                                        "Using -- Unknown Class -- for Description");
    return "Unknown Class [" + num + "]";
}

namespace {
// The record number of the first catalogue group whose code equals code (both with
// trailing blanks removed, letter case counting), marked records included; 0 if none.
uint32_t findCatGroup(const xbase::Table& groups, const std::string& code)
{
    const std::string wanted = trimRight(code);
    const int codeField = groups.fieldNumber("cat_group");
    const uint32_t count = groups.recordCount();
    for (uint32_t r = 1; r <= count; ++r)
        if (trimRight(groups.peek(codeField, r)) == wanted) return r;
    return 0;
}
} // namespace

std::string Tdmod::Get_CatGroupHeader(const std::string& code)
{
    Open_CatGroups();
    if (uint32_t r = findCatGroup(CatGroups, code)) return CatGroups.peek(CatGroups.fieldNumber("header"), r);
    prompter().Show_Message("", "", "CatGroup key of [" + code + "] not found!;" +
                                        "Using -- Unknown Group -- for Description");
    return "Unknown Group " + code;
}

bool Tdmod::Get_CatGroupFooters(const std::string& code, std::array<std::string, 7>& footers)
{
    Open_CatGroups();
    const uint32_t r = findCatGroup(CatGroups, code);
    if (!r) return false;
    for (int i = 0; i < 7; ++i)
        footers[i] = CatGroups.peek(CatGroups.fieldNumber("footer" + std::to_string(i + 1)), r);
    return true;
}

std::string Tdmod::Get_JudgeName(int j)
{
    Open_Judges();
    const int numField = Judges.fieldNumber("judge_num");
    const uint32_t count = Judges.recordCount();
    for (uint32_t r = 1; r <= count; ++r) {
        if (numberOf(Judges.peek(numField, r)) != j) continue;
        auto field = [&](const char* name) { return trimRight(Judges.peek(Judges.fieldNumber(name), r)); };
        return field("salutation") + " " + field("first") + " " + field("last");
    }
    const std::string num = std::to_string(j);
    prompter().Show_Message("", "", "Judge Num of [" + num + "] not found in Judges database!;" +
                                        "Using -- Unknown Judge -- for Description");
    return "Unknown Judge " + num;
}

std::string Tdmod::Get_ShowDateText()
{
    if (!ShowDates.isOpen() || ShowDates.recNo() == 0) return Long_Date("", prefs.dateFormat);
    const std::string first = Long_Date(ShowDates.fieldText("show_date"), prefs.dateFormat);
    const std::string last = ShowDates.fieldText("last_date");
    if (trim(last).empty()) return first;
    return first + " thru " + Long_Date(last, prefs.dateFormat);
}

std::string Tdmod::Get_ShortDate(const std::string& d) const
{
    IniFile settings(SettingsPath());
    return Short_Date(d, settings.readString(ini::kPreferences, ini::kDateFormat, ini::kUnknown));
}

bool Tdmod::Has_Junior_Class(const std::string& clubId, int showNum)
{
    Open_ShowClasses(clubId, Zero_Pad(showNum, 5));
    const int groupField = ShowClasses.fieldNumber("catgroup");
    const uint32_t count = ShowClasses.recordCount();
    for (uint32_t r = 1; r <= count; ++r)
        if (trimRight(ShowClasses.peek(groupField, r)) == "BJR") return true;
    return false;
}

} // namespace bw
