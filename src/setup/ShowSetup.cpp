#include "setup/ShowSetup.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "data/DataRoot.h"
#include "data/Settings.h"
#include "data/Tables.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "setup/ClassLines.h"

namespace fs = std::filesystem;

namespace bw::setup {

namespace {

// Puts a shared table back in the order and on the record it had when a routine has
// walked it.
class CursorKeeper {
public:
    explicit CursorKeeper(xbase::Table& t) : t_(t), tag_(t.currentTag()), rec_(t.recNo()) {}
    ~CursorKeeper()
    {
        try {
            t_.setOrder(tag_);
            if (rec_ != 0 && rec_ <= t_.recordCount()) t_.go(rec_);
            else t_.first();
        } catch (...) {
        }
    }

private:
    xbase::Table& t_;
    std::string tag_;
    uint32_t rec_;
};

bool sameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return a == b;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(path, ec);
}

std::string classesIndexPath(const Tdmod& dm, const std::string& clubId, const std::string& nnnnn)
{
    return dm.IndexsPath + "/" + clubId + nnnnn + layouts::ShowClasses().indexName;
}

std::vector<ShowClass> readClassRecords(const xbase::Table& t)
{
    const int fDay = t.fieldNumber("day"), fNum = t.fieldNumber("classnum"),
              fName = t.fieldNumber("classname"), fSection = t.fieldNumber("section"),
              fGroup = t.fieldNumber("catgroup"), fKey = t.fieldNumber("allkey");
    auto get = [&](int field, uint32_t rec) { return field ? trimRight(t.peek(field, rec)) : std::string(); };
    std::vector<ShowClass> out;
    for (uint32_t rec = 1; rec <= t.recordCount(); ++rec) {
        ShowClass c;
        c.day = get(fDay, rec);
        c.classNum = Lenient_Int(trim(get(fNum, rec)));
        c.className = get(fName, rec);
        c.section = get(fSection, rec);
        c.catGroup = get(fGroup, rec);
        c.allKey = get(fKey, rec);
        c.deleted = t.peek(0, rec) == "*";
        out.push_back(std::move(c));
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const ShowClass& a, const ShowClass& b) { return a.classNum < b.classNum; });
    return out;
}

int daysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

NewShowResult refused(std::string caption, std::string icon, std::string message)
{
    NewShowResult r;
    r.status = NewShowResult::Status::Refused;
    r.caption = std::move(caption);
    r.icon = std::move(icon);
    r.message = std::move(message);
    return r;
}

} // namespace

int NextShowNumber(Tdmod& dm, const std::string& clubId)
{
    dm.Open_ShowDates();
    xbase::Table& t = dm.ShowDates;
    CursorKeeper keep(t);
    t.setOrder("SHOWNUM");
    const std::string club = upperAscii(trimRight(padChars(clubId, 8)));
    long highest = 0;
    if (t.seek(upperAscii(padChars(clubId, 8)))) {
        while (!t.eof() && upperAscii(t.text("clubid")) == club) {
            highest = std::max(highest, t.fieldInt("show_num"));
            t.next();
        }
    }
    return static_cast<int>(highest) + 1;
}

std::vector<std::string> chosenSections(const Tdmod& dm, int clubSlot)
{
    return readClub(IniFile(dm.SettingsPath()), clubSlot).sections;
}

bool sectionOffered(std::string_view section, const std::vector<std::string>& chosen)
{
    if (chosen.empty()) return true;
    const std::string s = trimRight(section);
    return std::find(chosen.begin(), chosen.end(), s) != chosen.end();
}

std::vector<std::string> libraryClassLines(Tdmod& dm, const std::vector<std::string>& chosen,
                                           const std::set<std::string>& leaveOut)
{
    dm.Open_AllClasses();
    xbase::Table& t = dm.AllClasses;
    CursorKeeper keep(t);
    t.setOrder("SRTKEY");
    std::vector<std::string> lines;
    for (t.first(); !t.eof() && t.recNo() != 0; t.next()) {
        if (t.deleted()) continue;
        ClassLine c{t.text("section"), t.text("classname"), t.text("cat_group"), t.text("allkey")};
        if (!sectionOffered(c.section, chosen)) continue;
        if (leaveOut.count(c.allKey)) continue;
        lines.push_back(availableClassLine(c));
    }
    return lines;
}

std::vector<ShowClass> readShowClasses(Tdmod& dm, const std::string& clubId, int showNum)
{
    requireSafeName("club ID", clubId);
    const std::string path = dm.ShowClasses_Path(clubId, Zero_Pad(showNum, 5));
    if (dm.ShowClasses.isOpen() && sameFile(dm.ShowClasses.fileName(), path))
        return readClassRecords(dm.ShowClasses);
    if (!fileExists(path)) return {};
    xbase::Table t;
    t.setFileName(path);
    t.setReadOnly(true);
    t.open();
    return readClassRecords(t);
}

std::vector<std::string> priorShowClassLines(Tdmod& dm, const std::string& clubId, int showNum)
{
    std::vector<std::string> lines;
    for (const ShowClass& c : readShowClasses(dm, clubId, showNum))
        if (c.day == "1") lines.push_back(availableClassLine({c.section, c.className, c.catGroup, c.allKey}));
    return lines;
}

std::set<std::string> allKeysOf(const std::vector<std::string>& lines)
{
    std::set<std::string> keys;
    for (const std::string& l : lines) keys.insert(parseClassLine(l).allKey);
    return keys;
}

void WriteShowClasses(Tdmod& dm, const std::string& clubId, int showNum,
                      const std::vector<std::string>& lines, int numDays)
{
    requireSafeName("club ID", clubId);
    const Numbering numbering = numberShowClasses(lines, numDays);
    if (!numbering.error.empty()) throw DataError(numbering.error);

    const std::string nnnnn = Zero_Pad(showNum, 5);
    ensureFolder(dm.CatDataPath);
    const std::string path = dm.ShowClasses_Path(clubId, nnnnn);
    const std::string fresh = path + ".new";
    std::error_code ec;
    fs::remove(fresh, ec);
    {
        xbase::Table t(layouts::ShowClasses().fields);
        t.setFileName(fresh);
        t.setExclusive(true);
        t.open();
        for (const NumberedClass& n : numbering.classes) {
            t.append();
            t.setField("day", std::to_string(n.day));
            t.setFieldInt("classnum", n.classNum);
            t.setField("classname", n.cls.className);
            t.setField("section", n.cls.section);
            t.setField("catgroup", n.cls.catGroup);
            t.setField("allkey", n.cls.allKey);
            t.post();
        }
        t.flush();
        t.close();
    }

    const bool heldByModule = dm.ShowClasses.isOpen() && sameFile(dm.ShowClasses.fileName(), path);
    if (heldByModule) dm.ShowClasses.close();
    fs::rename(fresh, path, ec);
    if (ec) {
        fs::remove(fresh, ec);
        if (heldByModule) dm.Open_ShowClasses(clubId, nnnnn);
        throw DataError("Cannot write " + path);
    }
    if (heldByModule) {
        dm.Open_ShowClasses(clubId, nnnnn);  // builds the index anew
    } else {
        xbase::Table t(layouts::ShowClasses().fields);
        t.setFileName(path);
        t.setExclusive(true);
        t.open();
        t.makeIndex(classesIndexPath(dm, clubId, nnnnn), layouts::ShowClasses().tags);
        t.close();
    }
}

std::string storedDate(std::string_view typed, DateFormat format)
{
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int k = 0;
    std::string_view t = typed;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    for (char c : t) {
        if (c >= '0' && c <= '9') {
            if (digits[k] >= 4) return "";
            parts[k] = parts[k] * 10 + (c - '0');
            ++digits[k];
        } else if (c == '/' || c == '-' || c == '.') {
            if (++k > 2) return "";
        } else {
            return "";
        }
    }
    if (k != 2 || !digits[0] || !digits[1] || !digits[2]) return "";
    int day = format == DateFormat::British ? parts[0] : parts[1];
    int month = format == DateFormat::British ? parts[1] : parts[0];
    int year = parts[2];
    if (digits[2] <= 2) year += 2000;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || year < 1000) return "";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", year % 10000, month, day);
    return buf;
}

std::string shownDate(std::string_view s, DateFormat format)
{
    if (s.size() < 8 || trim(s).empty()) return "";
    const std::string y(s.substr(0, 4)), m(s.substr(4, 2)), d(s.substr(6, 2));
    return format == DateFormat::British ? d + "/" + m + "/" + y : m + "/" + d + "/" + y;
}

ShowFiles showFiles(const Tdmod& dm, const std::string& clubId, int showNum, const std::string& dateText)
{
    ShowFiles f;
    f.fileKey = dm.Show_FileKey(clubId, showNum, dateText);
    f.entriesPath = dm.Entries_Path(f.fileKey);
    f.classesPath = dm.ShowClasses_Path(clubId, Zero_Pad(showNum, 5));
    return f;
}

std::string clubCodeProblem(std::string_view code)
{
    std::string problem = nameProblem("club code", code);
    if (!problem.empty()) return problem;
    if (code.find('-') != std::string_view::npos)
        return "A club code cannot hold \"-\": the show's file name is club code, \"-\", show "
               "number, so the club would not be found again when the show is opened.";
    return "";
}

NewShowResult createShow(Tdmod& dm, const NewShow& rq)
{
    if (rq.lines.empty())
        return refused("", "I", "You must Select some Classes before a show can be created!");
    if (trim(rq.dateText).empty()) {
        NewShowResult r;
        r.status = NewShowResult::Status::NoDate;
        return r;
    }

    // Everything is checked before the first file is touched.
    const std::string dateText = trim(rq.dateText);
    const char* pattern = rq.dateFormat == DateFormat::British ? "dd/mm/yyyy" : "mm/dd/yyyy";
    const std::string showDate = storedDate(dateText, rq.dateFormat);
    if (showDate.empty())
        return refused("Show Date", "!", "\"" + dateText + "\" is not a date.;Please type the show date as " + pattern + ".");
    std::string lastDate;
    if (!trim(rq.lastDateText).empty()) {
        lastDate = storedDate(rq.lastDateText, rq.dateFormat);
        if (lastDate.empty())
            return refused("Last Date", "!", "\"" + trim(rq.lastDateText) + "\" is not a date.;Please type the last date as " + pattern + " or leave it empty.");
    }
    const std::string clubId = trimRight(rq.clubId);
    if (clubId.empty() || equalsNoCase(clubId, ini::kUnknown))
        return refused("Club Code", "!", "The club has no club code.;Enter it under Tools\\Club Defaults first.");
    if (std::string problem = clubCodeProblem(clubId); !problem.empty())
        return refused("Club Code", "!", problem);
    if (rq.showNum < 1)
        return refused("Show Number", "!", "The show number must be 1 or more.");
    if (trimRight(padChars(clubId, 8)) != clubId)
        return refused("Club Code Too Long", "!", "Maximum number of chars is 8;; Please revise Club Code.");

    const Numbering numbering = numberShowClasses(rq.lines, 1);
    if (!numbering.error.empty())
        return refused("Class Numbers", "H", numbering.error +
                       ";;A junior handling class (group BJR) takes its class number from;characters 2 to 4 of its AllClass Key (J901 gives class 901).;Correct the class in the class library; nothing was saved.");

    const ShowFiles files = showFiles(dm, clubId, rq.showNum, dateText);
    if (fileExists(files.entriesPath))
        return refused("Show Already Exists", "!",
                       "This show already exists: " + files.fileKey + ".dbf;;Its entries file is kept as it is.;"
                       "Open it with Open Existing Show, or choose another show number or date.");
    dm.Open_ShowDates();
    const int next = NextShowNumber(dm, clubId);
    bool numberUsed = !readShowClasses(dm, clubId, rq.showNum).empty();
    if (!numberUsed) {
        CursorKeeper keep(dm.ShowDates);
        dm.ShowDates.setOrder("SHOWNUM");
        char num[8];
        std::snprintf(num, sizeof num, "%5d", rq.showNum);
        numberUsed = dm.ShowDates.seek(upperAscii(padChars(clubId, 8)) + num);
    }
    if (numberUsed)
        return refused("Show Number Already Used", "!",
                       "Club " + clubId + " already has a show number " + std::to_string(rq.showNum) +
                       ".;Saving would replace the classes of that show.;;Please choose another show number (the next free one is " +
                       std::to_string(next) + ").");

    // The previous show's tables are let go; the new show becomes the open show.
    dm.Close_ShowTables();

    dm.ShowDates.append();
    dm.ShowDates.setField("clubid", clubId);
    dm.ShowDates.setFieldInt("show_num", rq.showNum);
    dm.ShowDates.setField("show_date", showDate);
    dm.ShowDates.setFieldInt("num_days", 1);
    dm.ShowDates.setField("last_date", lastDate);
    dm.ShowDates.post();

    ensureFolder(dm.ShowsPath);
    dm.Open_ShowTemplate();
    dm.Show.copyStructure(files.entriesPath);
    dm.Open_ShowEntries(files.entriesPath);
    dm.Set_LastShow(files.entriesPath);

    WriteShowClasses(dm, clubId, rq.showNum, rq.lines, 1);
    dm.Open_ShowClasses(clubId, Zero_Pad(rq.showNum, 5));

    dm.show.clubSlot = rq.clubSlot;
    dm.Read_ClubSettings();
    dm.show.clubId = clubId;
    dm.show.showNum = rq.showNum;
    std::string dashed = dateText;
    std::replace(dashed.begin(), dashed.end(), '/', '-');
    dm.show.showDateText = dashed;
    dm.show.entriesPath = files.entriesPath;

    NewShowResult r;
    r.status = NewShowResult::Status::Created;
    r.entriesPath = files.entriesPath;
    return r;
}

} // namespace bw::setup
