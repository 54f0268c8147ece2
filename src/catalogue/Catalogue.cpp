#include "catalogue/Catalogue.h"

#include <map>
#include <vector>

#include "data/Tdmod.h"
#include "data/Text.h"
#include "entries/EntryRules.h"
#include "print/Utf8.h"
#include "xbase/FieldValue.h"
#include "xbase/Table.h"

namespace bw {

namespace {

constexpr const char* kClassKeyTag = "CLASSKEY";

// The value of a stored N field's text, as the table engine reads it (blank = 0).
long numberOf(const std::string& text) { return long(xbase::fieldvalue::parseNumber(text)); }

// n right-aligned in three characters, as the keys str(classnum,3) write it.
std::string classKey(long n)
{
    std::string s = std::to_string(n);
    if (s.size() < 3) s.insert(0, 3 - s.size(), ' ');
    return s;
}

// The classes of the show open (when the open show has a class file and it is closed).
void openShowClasses(Tdmod& m)
{
    if (!m.ShowClasses.isOpen()) m.Open_ShowClasses(m.show.clubId, Zero_Pad(m.show.showNum, 5));
}

// The entry fields the build copies, found once.
struct EntryFields {
    int classes, arm, dog, titles, teamcode, height, jrName, jrAllkey;
    explicit EntryFields(const xbase::Table& t)
        : classes(t.fieldNumber("classes")), arm(t.fieldNumber("arm")), dog(t.fieldNumber("dog")),
          titles(t.fieldNumber("titles")), teamcode(t.fieldNumber("teamcode")),
          height(t.fieldNumber("height")), jrName(t.fieldNumber("jr_name")),
          jrAllkey(t.fieldNumber("jr_allkey"))
    {
    }
};

// One catalogue record, appended at once.
struct CatalogRecord {
    uint32_t recnum = 0;
    long classnum = 0;
    const char* alsoEntry = "0";
    std::string arm, dogName, height;
    long teamcode = 0;
    const ClassPlaces::Place* place = nullptr;
};

void appendRecord(xbase::Table& cat, const CatalogRecord& c)
{
    cat.append();
    cat.setFieldInt("recnum", long(c.recnum));
    cat.setFieldInt("classnum", c.classnum);
    cat.setField("also_entry", c.alsoEntry);
    cat.setField("arm", c.arm);
    cat.setField("dog_name", c.dogName);
    cat.setFieldInt("teamcode", c.teamcode);
    cat.setField("height", c.height);
    cat.setField("section", c.place->section);
    cat.setField("catgroup", c.place->catGroup);
    cat.post();
}

// The message naming the entries whose classes text names more than six classes.
std::string tooManyClassesNotice(const std::vector<std::pair<uint32_t, std::string>>& entries)
{
    constexpr size_t kListed = 10;
    std::string text = "These entries name more than " + std::to_string(kMaxClasses) +
                       " classes, and only their first " + std::to_string(kMaxClasses) +
                       " are in the catalogue:;";
    for (size_t i = 0; i < entries.size() && i < kListed; ++i)
        text += ";Rec # " + std::to_string(entries[i].first) + "  [" + entries[i].second + "]";
    if (entries.size() > kListed)
        text += ";... and " + std::to_string(entries.size() - kListed) + " more";
    return text + ";;Please correct their Classes Entered.";
}

} // namespace

// ---- class places -------------------------------------------------------------------------

ClassPlaces::ClassPlaces(const xbase::Table& showClasses)
{
    const int numField = showClasses.fieldNumber("classnum");
    const int sectionField = showClasses.fieldNumber("section");
    const int groupField = showClasses.fieldNumber("catgroup");
    const uint32_t count = showClasses.recordCount();
    // Later records overwrite earlier ones: the last class bearing a number wins.
    for (uint32_t r = 1; r <= count; ++r)
        places_[numberOf(showClasses.peek(numField, r))] =
            Place{showClasses.peek(sectionField, r), showClasses.peek(groupField, r)};
}

const ClassPlaces::Place& ClassPlaces::of(long classNum) const
{
    const auto it = places_.find(classNum);
    return it == places_.end() ? blank_ : it->second;
}

// ---- the build ------------------------------------------------------------------------------

void Build_Catalog(Tdmod& m, const std::string& clubId, int showNum)
{
    const std::string nnnnn = Zero_Pad(showNum, 5);
    m.ShowClasses.close();
    m.Open_ShowClasses(clubId, nnnnn);
    xbase::Table& cat = m.Catalog;
    if (cat.isOpen() && cat.fileName() != m.Catalog_Path(clubId, nnnnn)) cat.close();
    m.Open_Catalog(clubId, nnnnn);

    const std::string indexFile = cat.indexFile();
    const xbase::TagList tags = cat.tags();
    // The tag is made once all records are in: one sort rather than an insertion into
    // the order for every record appended. The result is the same tag.
    cat.makeIndex("", {});
    cat.zap();

    const ClassPlaces places(m.ShowClasses);
    const xbase::Table& entries = m.TzDbf1;
    const EntryFields f(entries);
    std::vector<std::pair<uint32_t, std::string>> tooMany;
    const uint32_t count = entries.recordCount();
    for (uint32_t r = 1; r <= count; ++r) {
        if (entries.peek(0, r) == "*") continue;
        const std::string classesText = entries.peek(f.classes, r);
        const ClassList list = Parse_Classes(classesText);
        if (list.tooMany()) tooMany.emplace_back(r, trimRight(classesText));

        CatalogRecord c;
        c.recnum = r;
        c.arm = entries.peek(f.arm, r);
        const std::string titles = trimRight(entries.peek(f.titles, r));
        const std::string dog = trimRight(entries.peek(f.dog, r));
        c.dogName = titles.empty() ? dog : titles + " " + dog;
        c.teamcode = numberOf(entries.peek(f.teamcode, r));
        c.height = entries.peek(f.height, r);
        for (size_t i = 0; i < list.numbers.size(); ++i) {
            c.classnum = list.numbers[i];
            c.alsoEntry = i == 0 ? "0" : "1";
            c.place = &places.of(c.classnum);
            appendRecord(cat, c);
        }

        const std::string jrName = trimRight(entries.peek(f.jrName, r));
        if (!jrName.empty()) {
            // The junior class's number is characters 2 to 4 of its library key (J901: 901).
            const std::string allkey = entries.peek(f.jrAllkey, r);
            static const ClassPlaces::Place junior{"Breed", "BJR"};
            c.classnum = Lenient_Int(allkey.size() > 1 ? allkey.substr(1, 3) : std::string());
            c.alsoEntry = "0";
            c.dogName = jrName;
            c.height.clear();
            c.place = &junior;
            appendRecord(cat, c);
        }
    }

    cat.makeIndex(indexFile, tags);
    cat.setOrder(kClassKeyTag);
    cat.first();
    cat.flush();
    if (!tooMany.empty()) m.prompter().Show_Message("Build Catalog", "!", tooManyClassesNotice(tooMany));
    Get_Class_Counts(m);
}

void Get_Class_Counts(Tdmod& m)
{
    openShowClasses(m);
    if (!m.Catalog.isOpen()) m.Open_Catalog(m.show.clubId, Zero_Pad(m.show.showNum, 5));
    xbase::Table& classes = m.ShowClasses;
    xbase::Table& cat = m.Catalog;

    const int countField = classes.fieldNumber("count");
    for (uint32_t r = 1; r <= classes.recordCount(); ++r) classes.poke("0", countField, r);

    classes.setOrder("CLASSNO");
    // The first class of the number in CLASSNO order takes the count.
    auto store = [&](long classNum, long run, bool tell) {
        if (classes.seek(classKey(classNum))) {
            classes.poke(std::to_string(run), countField, classes.recNo());
        } else if (tell) {
            m.prompter().Show_Message("", "", "In Get_Class_Counts - Class Number " + std::to_string(classNum) +
                                                  " not found in Show Classes");
        }
    };

    // In CLASSKEY order the records of one class number stand together, one run per
    // number, the runs ordered by the key text str(classnum,3). The runs are counted in
    // one pass in record order and then taken in key order, as a walk would meet them.
    std::map<std::string, std::pair<long, long>> runs;  // key -> (class number, records)
    const int numField = cat.fieldNumber("classnum");
    for (uint32_t r = 1; r <= cat.recordCount(); ++r) {
        const std::string key = cat.peek(numField, r);
        auto& run = runs[key];
        if (run.second++ == 0) run.first = numberOf(key);
    }
    size_t left = runs.size();
    for (const auto& [key, run] : runs) {
        // The last class of the catalogue is passed over silently when the show lacks it.
        --left;
        if (run.first != 0) store(run.first, run.second, left > 0);
    }
    cat.setOrder(kClassKeyTag);
    cat.first();
}

// ---- services of the catalogue writers ---------------------------------------------------

bool Get_Also_Classes(Tdmod& m, uint32_t recNo, std::string& also)
{
    const xbase::Table& entries = m.TzDbf1;
    const ClassList list = Parse_Classes(entries.peek(entries.fieldNumber("classes"), recNo));
    if (list.numbers.size() < 2) return false;
    also.clear();
    for (size_t i = 1; i < list.numbers.size(); ++i) {
        if (i > 1) also += ",";
        also += std::to_string(list.numbers[i]);
    }
    return true;
}

namespace {

// Walks the show classes in stored order and looks up the library key of each class
// whose number is wanted; decide(number, sex) is told each one the library knows, and
// its answer ends the walk when true. The library keeps its order and record for
// whoever shows it.
template <class Wants, class Decide>
void walkClassSexes(Tdmod& m, Wants&& wants, Decide&& decide)
{
    openShowClasses(m);
    m.Open_AllClasses();
    const xbase::Table& classes = m.ShowClasses;
    xbase::Table& library = m.AllClasses;
    const int numField = classes.fieldNumber("classnum");
    const int keyField = classes.fieldNumber("allkey");
    const std::string order = library.currentTag();
    const uint32_t at = library.recNo();
    library.setOrder("SRTKEY");
    for (uint32_t r = 1; r <= classes.recordCount(); ++r) {
        const long n = numberOf(classes.peek(numField, r));
        if (!wants(n)) continue;
        if (library.seek(upperAscii(classes.peek(keyField, r))) && decide(n, library.fieldText("sex"))) break;
    }
    library.setOrder(order);
    if (at != 0) library.go(at);
}

// A library class open to both sexes has no sex.
bool openToBothSexes(const std::string& sex) { return trimRight(sex).empty(); }

} // namespace

bool Class_Shows_Sex(Tdmod& m, int classNum)
{
    bool result = true;
    walkClassSexes(
        m, [&](long n) { return n == classNum; },
        [&](long, const std::string& sex) {
            result = openToBothSexes(sex);
            return true;
        });
    return result;
}

ClassSexes::ClassSexes(Tdmod& m)
{
    // The first class of a number that the library knows decides it.
    walkClassSexes(
        m, [this](long n) { return !decided_.count(n); },
        [this](long n, const std::string& sex) {
            decided_.emplace(n, openToBothSexes(sex));
            return false;
        });
}

bool ClassSexes::showsSex(long classNum) const
{
    const auto it = decided_.find(classNum);
    return it == decided_.end() || it->second;
}

void Wrap_Text(std::string_view text, int width, std::string& line, std::string& rest)
{
    const std::u32string t = print::utf8Decode(std::string(text));
    const size_t w = width > 0 ? size_t(width) : 0;
    if (t.size() < w) {
        line = std::string(text);
        rest.clear();
        return;
    }
    auto isBreak = [](char32_t c) { return c == U' ' || c == U',' || c == U'-' || c == U'.'; };
    size_t p = w;  // characters in the line
    while (p > 0 && !isBreak(t[p - 1])) --p;
    if (p == 0) p = w;  // nowhere to break: cut at the width
    if (p == 0) {
        line.clear();
        rest = std::string(text);
        return;
    }
    size_t restFrom = p;
    if (restFrom < t.size() && isBreak(t[restFrom]) && isBreak(t[p - 1])) ++restFrom;
    line = print::utf8Encode(t.substr(0, p));
    rest = print::utf8Encode(t.substr(restFrom));
}

} // namespace bw
