#include "sample/SampleClub.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>

#include "data/DataRoot.h"
#include "data/IniFile.h"
#include "data/Settings.h"
#include "data/Tables.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "entries/DogMaster.h"
#include "entries/EntryRules.h"
#include "entries/ShowLifecycle.h"
#include "numbering/ExhibitNumbers.h"
#include "sample/Names.h"
#include "setup/ClassLines.h"
#include "setup/SettingsForms.h"
#include "setup/ShowSetup.h"

namespace fs = std::filesystem;

namespace bw::sample {

namespace {

constexpr uint64_t kSeed = 20260613;

// The club. Its show is held on Saturday 13 June 2026; entries closed on 20 May, the
// day every dog master record written from the entries carries.
constexpr const char* kClubId = "KDCS";
constexpr const char* kClubName = "Kirkmoor & District Canine Society";
constexpr const char* kShowDate = "13/06/2026";   // British dates
constexpr int kShowYear = 2026, kShowMonth = 6, kShowDay = 13;
constexpr const char* kEntriesClosed = "20260520";

constexpr const char* kBreedSection = "Breed";
constexpr const char* kSweepsSection = "Sweepstakes";
constexpr const char* kJuniorSection = "Junior Handling";
constexpr const char* kObedienceSection = "Obedience";

// The usual classes of one breed at the show, in catalogue order, with the catalogue
// group each belongs to.
enum Kind { PuppyEarly, PuppyLate, Junior, Open, Veteran, kKinds };
const char* const kKindNames[kKinds] = {"Puppy 6-9 Mos", "Puppy 9-12 Mos", "Junior", "Open", "Veteran"};
constexpr int kClassesPerBreed = 2 * kKinds;
// Sweepstakes (one set for the whole show), judged first.
struct FixedClass {
    const char* section;
    const char* name;
    const char* sex;
    const char* allkey;
    const char* group;
};
const FixedClass kSweepstakes[] = {
    {kSweepsSection, "Puppy Sweepstakes Dog", "D", "S010", "SWP"},
    {kSweepsSection, "Puppy Sweepstakes Bitch", "B", "S020", "SWP"},
    {kSweepsSection, "Veteran Sweepstakes Dog", "D", "S030", "SWP"},
    {kSweepsSection, "Veteran Sweepstakes Bitch", "B", "S040", "SWP"},
};
const FixedClass kJuniorClasses[] = {
    {kJuniorSection, "Novice Junior Handling (9-11 yrs)", "", "J901", "BJR"},
    {kJuniorSection, "Open Junior Handling (12-17 yrs)", "", "J902", "BJR"},
};
const FixedClass kNfcClass = {kBreedSection, "Not For Competition", "", "N999", "NFC"};
// In the library but not offered: the club does not choose the obedience section, and
// one old class is marked deleted.
const FixedClass kLibraryOnly[] = {
    {kObedienceSection, "Novice A", "", "O010", "OBD"},
    {kObedienceSection, "Novice B", "", "O020", "OBD"},
    {kObedienceSection, "Open A", "", "O030", "OBD"},
    {kObedienceSection, "Utility", "", "O040", "OBD"},
    {kJuniorSection, "Master Junior Handling", "", "J903", "BJR"},
};
const FixedClass kDeletedClass = {kBreedSection, "Special Limit (discontinued)", "", "B999", "REG"};
constexpr int kFixedShowClasses = 4 + 2 + 1;  // sweepstakes, junior handling, NFC

const char* const kSalutations[] = {"Mr", "Mrs", "Ms", "Miss", "Dr", "Mr & Mrs", "Rev", "Prof", "Mx", "Sir", "Dame"};

const char* const kNotes[] = {
    "Please bench next to the Ashdale dogs",
    "Catalogue to be collected at the show",
    "Entry fee paid by bank transfer",
    "First show - please be kind!",
    "Needs a car park pass (disabled badge)",
    "Adresse ändert sich ab 1. Juli",
    "Payé par virement - merci",
    "Dog is deaf in one ear; judge informed",
    "Handler arriving late, after 11 am",
    "Cheque to follow",
};
const char* const kJudgeNotes[] = {
    "Approved for all breeds in the group", "Prefers morning appointments", "Vegetarian lunch",
    "Travels from abroad; book hotel", "Also judges junior handling",
};

struct Owner {
    std::string salutation, first, last, owner2, address1, address2, address3, address4, zip,
        country, phone, email;
    int breed = 0;   // index into the show's breeds, or -1 for a breed not shown
    std::string otherBreed;
};

struct Dog {
    std::string name, titles, breed, sex, bdate, atc, breeder, sire, dam, height;
    int owner = 0;
    int breedIndex = -1;   // into the show's breeds; -1 when not shown
    uint32_t masterRec = 0;
};

std::string put2(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

int monthsOld(const std::string& bdate)
{
    const int y = std::stoi(bdate.substr(0, 4)), m = std::stoi(bdate.substr(4, 2)), d = std::stoi(bdate.substr(6, 2));
    int months = (kShowYear - y) * 12 + (kShowMonth - m);
    if (kShowDay < d) --months;
    return months;
}

// A birth date that makes a dog of the given kind at the show.
std::string birthDate(Random& rnd, Kind kind)
{
    int minMonths = 0, maxMonths = 0;
    switch (kind) {
    case PuppyEarly: minMonths = 6, maxMonths = 8; break;
    case PuppyLate: minMonths = 9, maxMonths = 11; break;
    case Junior: minMonths = 12, maxMonths = 17; break;
    case Open: minMonths = 18, maxMonths = 83; break;
    case Veteran: minMonths = 84, maxMonths = 150; break;
    default: break;
    }
    const int age = minMonths + int(rnd.below(size_t(maxMonths - minMonths + 1)));
    int month = kShowMonth - age - 1;  // born in the month before, so the age is whole
    int year = kShowYear;
    while (month < 1) month += 12, --year;
    const int day = 1 + int(rnd.below(28));
    return std::to_string(year) + put2(month) + put2(day);
}

Kind kindOfAge(int months)
{
    if (months < 9) return PuppyEarly;
    if (months < 12) return PuppyLate;
    if (months < 18) return Junior;
    if (months < 84) return Open;
    return Veteran;
}

Kind randomKind(Random& rnd)
{
    const size_t r = rnd.below(100);
    if (r < 12) return PuppyEarly;
    if (r < 24) return PuppyLate;
    if (r < 40) return Junior;
    if (r < 88) return Open;
    return Veteran;
}

// The class library, the breeds shown and the show's class numbers, worked out before
// anything is written.
struct ClassPlan {
    std::vector<std::string> breeds;   // breeds with classes at the show, in catalogue order
    int breedClasses = 0;              // breed classes scheduled (the last breed may be short)
    // class number of (breed, sex 0 dog / 1 bitch, kind); 0 when not scheduled
    std::vector<std::array<std::array<int, kKinds>, 2>> numbers;
    int sweeps[2][2] = {};             // [puppy 0 / veteran 1][sex]
};

std::string breedClassName(const ClassPlan& plan, size_t breed, int sex, int kind)
{
    std::string suffix = std::string(kKindNames[kind]) + (sex == 0 ? " Dog" : " Bitch");
    if (plan.breeds.size() == 1) return suffix;
    // "<breed> <class>", the breed cut so that the class name keeps its 40 characters.
    return cutChars(plan.breeds[breed], 40 - suffix.size() - 1) + " " + suffix;
}

std::string libraryKey(int breedClassIndex)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "B%03d", breedClassIndex);
    return buf;
}

void requireEmpty(const std::string& root)
{
    if (!isEmptyDataRoot(root))
        throw DataError(root + " already holds a club (settings or tables).;"
                               "A sample is made only in an empty or new folder, so no club is written over.");
}

void writeSettings(const Tdmod& dm, const std::string& defaultBreed)
{
    IniFile ini(dm.SettingsPath());
    setup::GeneralSettings g;
    g.name = "Margaret Ågren";
    g.address1 = "Heatherlea Cottage";
    g.address2 = "12 Mill Lane";
    g.address3 = "Kirkmoor";
    g.address4 = "North Yorkshire";
    g.zip = "YO62 5AB";
    g.phone = "01439 770123";
    g.email = "secretary@kirkmoor-canine.example.org";
    g.dateFormat = setup::GeneralSettings::British;
    g.sexFormat = setup::GeneralSettings::DogBitch;
    g.defaultCountry = "England";
    g.armbands = setup::GeneralSettings::AfterAutomatic;
    g.armbandStart = 1;
    setup::writeGeneralSettings(ini, g);

    setup::ClubSlotSettings c;
    c.tabCaption = kClubId;
    c.clubName = kClubName;
    c.clubId = kClubId;
    c.defaultBreed = defaultBreed;
    c.oneBreed = false;
    c.useAgents = true;
    c.useHeight = false;
    c.sections = {kBreedSection, kSweepsSection, kJuniorSection};
    setup::writeClubSlot(ini, 1, c, true);
    ini.save();
}

void addSections(Tdmod& dm)
{
    struct S {
        const char* name;
        bool full, brief, score;
    };
    const S sections[] = {{kBreedSection, true, false, false},
                          {kSweepsSection, false, true, false},
                          {kObedienceSection, false, false, true},
                          {kJuniorSection, true, false, false}};
    xbase::Table& t = dm.Sections;
    for (const S& s : sections) {
        t.append();
        t.setField("name", s.name);
        t.setFieldBool("full", s.full);
        t.setFieldBool("brief", s.brief);
        t.setFieldBool("with_score", s.score);
        t.post();
    }
}

void addCatGroups(Tdmod& dm)
{
    struct G {
        const char* section;
        const char* code;
        const char* descript;
        const char* header;
        std::vector<const char*> footers;
        bool deleted = false;
    };
    const std::vector<G> groups = {
        {kSweepsSection, "SWP", "Puppy & Veteran Sweepstakes", "SWEEPSTAKES  -  judged before the regular classes",
         {"Best in Sweepstakes ______________", "Best Opposite Sex in Sweepstakes ______________",
          "Prize money: 50% of the entry fees to 1st, 30% to 2nd, 20% to 3rd"}},
        {kBreedSection, "REG", "Regular breed classes", "REGULAR CLASSES",
         {"Best Dog ______________   Reserve Best Dog ______________",
          "Best Bitch ______________   Reserve Best Bitch ______________",
          "Best of Breed ______________   Best Opposite Sex ______________", "Best Puppy in Breed ______________"}},
        {kBreedSection, "VET", "Veteran classes", "VETERAN CLASSES  (7 years and over)",
         {"Best Veteran in Breed ______________"}},
        {kBreedSection, "NFC", "Not For Competition", "NOT FOR COMPETITION",
         {"Dogs entered Not For Competition are shown but not judged"}},
        {kJuniorSection, "BJR", "Junior Handling", "JUNIOR HANDLING",
         {"Best Junior Handler ______________", "Reserve Best Junior Handler ______________"}},
        {kObedienceSection, "OBD", "Obedience trial classes", "OBEDIENCE TRIAL",
         {"Highest Scoring Dog in Trial ______________"}},
        {kBreedSection, "LIM", "Limit classes (no longer held)", "LIMIT CLASSES", {}, true},
    };
    xbase::Table& t = dm.CatGroups;
    for (const G& g : groups) {
        t.append();
        t.setField("section", g.section);
        t.setField("cat_group", g.code);
        t.setField("descript", g.descript);
        t.setField("header", g.header);
        for (size_t i = 0; i < g.footers.size() && i < 7; ++i)
            t.setField("footer" + std::to_string(i + 1), g.footers[i]);
        t.post();
        if (g.deleted) t.deleteRecord();
    }
}

void addLibraryClass(xbase::Table& t, const std::string& section, const std::string& name,
                     const std::string& sex, const std::string& allkey, const std::string& group)
{
    t.append();
    t.setField("section", section);
    t.setField("classname", name);
    t.setField("sex", sex);
    t.setField("allkey", allkey);
    t.setField("cat_group", group);
    t.post();
}

// The class library: every breed class of the plan, then the fixed classes. Returns how
// many records were written.
int addClassLibrary(Tdmod& dm, const ClassPlan& plan)
{
    xbase::Table& t = dm.AllClasses;
    int written = 0;
    auto fixed = [&](const FixedClass& c) {
        addLibraryClass(t, c.section, c.name, c.sex, c.allkey, c.group);
        ++written;
    };
    for (const FixedClass& c : kSweepstakes) fixed(c);
    for (size_t b = 0; b < plan.breeds.size(); ++b)
        for (int sex = 0; sex < 2; ++sex)
            for (int k = 0; k < kKinds; ++k) {
                const int index = int(b) * kClassesPerBreed + sex * kKinds + k;
                addLibraryClass(t, kBreedSection, breedClassName(plan, b, sex, k), sex == 0 ? "D" : "B",
                                libraryKey(index), k == Veteran ? "VET" : "REG");
                ++written;
            }
    for (const FixedClass& c : kJuniorClasses) fixed(c);
    fixed(kNfcClass);
    for (const FixedClass& c : kLibraryOnly) fixed(c);
    fixed(kDeletedClass);
    t.deleteRecord();
    return written;
}

// The classes the secretary picks for the show, in catalogue order: sweepstakes first,
// then the breeds' classes (as many as the show has), junior handling, NFC.
std::vector<std::string> selectShowClasses(Tdmod& dm, ClassPlan& plan)
{
    const std::vector<std::string> offered =
        setup::libraryClassLines(dm, setup::chosenSections(dm, 1));
    std::map<std::string, std::string> byKey;
    for (const std::string& line : offered) byKey[setup::parseClassLine(line).allKey] = line;

    std::vector<std::string> lines;
    for (const FixedClass& c : kSweepstakes) lines.push_back(byKey.at(c.allkey));
    // A breed that gets fewer than its ten classes (the last one, when the classes run
    // out) keeps the most entered ones, for both sexes alike.
    static const std::pair<int, Kind> kPriority[kClassesPerBreed] = {
        {0, Open}, {1, Open}, {0, Junior}, {1, Junior}, {0, PuppyLate}, {1, PuppyLate},
        {0, Veteran}, {1, Veteran}, {0, PuppyEarly}, {1, PuppyEarly}};
    int left = plan.breedClasses, number = 4;
    for (size_t b = 0; b < plan.breeds.size(); ++b) {
        bool chosen[2][kKinds] = {};
        for (int i = 0; i < kClassesPerBreed && i < left; ++i) chosen[kPriority[i].first][kPriority[i].second] = true;
        left -= std::min(left, kClassesPerBreed);
        for (int sex = 0; sex < 2; ++sex)
            for (int k = 0; k < kKinds; ++k) {
                if (!chosen[sex][k]) continue;
                lines.push_back(byKey.at(libraryKey(int(b) * kClassesPerBreed + sex * kKinds + k)));
                plan.numbers[b][size_t(sex)][size_t(k)] = ++number;
            }
    }
    for (const FixedClass& c : kJuniorClasses) lines.push_back(byKey.at(c.allkey));
    lines.push_back(byKey.at(kNfcClass.allkey));
    plan.sweeps[0][0] = 1, plan.sweeps[0][1] = 2, plan.sweeps[1][0] = 3, plan.sweeps[1][1] = 4;
    return lines;
}

void addBreeds(Tdmod& dm, Random& rnd)
{
    xbase::Table& t = dm.Breeds;
    for (const RealBreed& b : realBreeds()) {
        t.append();
        t.setField("breed_name", b.name);
        t.setField("group", b.group);
        t.setField("grpsort", std::string(1, b.groupNumber));
        t.setField("breed_type", rnd.chance(85) ? "Recognised" : "Import Reg.");
        t.post();
    }
}

void addSalutations(Tdmod& dm)
{
    dm.Open_Salutations();
    for (const char* s : kSalutations) {
        dm.Salutations.append();
        dm.Salutations.setField("salutation", s);
        dm.Salutations.post();
    }
}

Owner makeOwner(ClubDataGen& gen, int breeds)
{
    Random& rnd = gen.random();
    Owner o;
    o.salutation = rnd.pick(kSalutations);
    o.first = gen.firstName();
    o.last = gen.lastName();
    if (rnd.chance(20)) o.owner2 = gen.fullName();
    o.address1 = gen.address1();
    if (rnd.chance(90)) o.address2 = rnd.pick(words::towns);
    if (rnd.chance(70)) o.address3 = rnd.pick(words::counties);
    if (rnd.chance(10)) o.address4 = "c/o " + gen.fullName();
    o.zip = gen.zip();
    o.country = rnd.chance(75) ? std::string("England") : std::string(rnd.pick(words::countries));
    if (rnd.chance(92)) o.phone = gen.phone();
    if (rnd.chance(80)) o.email = gen.email(o.first, o.last);
    // Most exhibitors keep one breed; a few show a breed that has no classes here.
    o.breed = rnd.chance(95) ? int(rnd.below(size_t(breeds))) : -1;
    if (o.breed < 0) o.otherBreed = rnd.pick(realBreeds()).name;
    return o;
}

Dog makeDog(ClubDataGen& gen, const ClassPlan& plan, const Owner& owner, int ownerIndex)
{
    Random& rnd = gen.random();
    Dog d;
    d.owner = ownerIndex;
    d.breedIndex = owner.breed;
    d.breed = owner.breed >= 0 ? plan.breeds[size_t(owner.breed)] : owner.otherBreed;
    if (owner.breed >= 0 && rnd.chance(15)) {  // now and then a second breed
        d.breedIndex = int(rnd.below(plan.breeds.size()));
        d.breed = plan.breeds[size_t(d.breedIndex)];
    }
    d.sex = rnd.chance(50) ? "Dog" : "Bitch";
    d.name = gen.dogName();
    if (rnd.chance(12)) d.titles = rnd.pick(words::titles);
    d.bdate = birthDate(rnd, randomKind(rnd));
    if (rnd.chance(90)) d.atc = gen.regNumber();
    const int breederKind = int(rnd.below(3));
    if (breederKind == 0) d.breeder = "Exhibitor";
    else if (breederKind == 1) d.breeder = gen.fullName();
    else d.breeder = std::string(rnd.pick(words::kennels)) + " Kennels";
    if (rnd.chance(90)) d.sire = gen.dogName();
    if (rnd.chance(90)) d.dam = gen.dogName();
    if (rnd.chance(5)) d.height = std::to_string(30 + rnd.below(45));
    return d;
}

// The dog master as it stands after the club's earlier shows: the dogs and their
// owners' details. Written in one go and indexed once, the way the master is opened.
void writeMasterHistory(Tdmod& dm, const std::vector<Dog>& dogs, const std::vector<Owner>& owners,
                        ClubDataGen& gen)
{
    const std::string path = dm.Dogs.fileName();
    dm.Dogs.close();
    {
        xbase::Table t(layouts::Dogs().fields);
        t.setFileName(path);
        t.setExclusive(true);
        t.open();
        for (const Dog& d : dogs) {
            const Owner& o = owners[size_t(d.owner)];
            t.append();
            const std::pair<const char*, const std::string*> fields[] = {
                {"dog", &d.name},         {"titles", &d.titles},     {"breed", &d.breed},
                {"sex", &d.sex},          {"first", &o.first},       {"last", &o.last},
                {"owner2", &o.owner2},    {"address1", &o.address1}, {"address2", &o.address2},
                {"address3", &o.address3}, {"zip", &o.zip},          {"phone", &o.phone},
                {"country", &o.country},  {"breeder", &d.breeder},   {"sire", &d.sire},
                {"dam", &d.dam},          {"bdate", &d.bdate},       {"email", &o.email},
                {"atc_num", &d.atc},      {"height", &d.height},     {"salutation", &o.salutation},
                {"address4", &o.address4}};
            for (const auto& [name, value] : fields)
                if (!value->empty()) t.setField(name, *value);
            t.setField("modified", gen.dateBetween(2019, 2025));
            t.post();
        }
        t.close();
    }
    dm.Open_Dogs();
}

int addJudges(Tdmod& dm, ClubDataGen& gen, int count)
{
    Random& rnd = gen.random();
    dm.Open_Judges();
    xbase::Table& t = dm.Judges;
    for (int j = 1; j <= count; ++j) {
        const std::string first = gen.firstName();
        const std::string last = gen.lastName();
        t.append();
        t.setFieldInt("judge_num", j);
        t.setField("salutation", rnd.pick(kSalutations));
        t.setField("first", first);
        t.setField("last", last);
        t.setField("address1", gen.address1());
        t.setField("address2", rnd.pick(words::towns));
        t.setField("address3", rnd.pick(words::counties));
        if (rnd.chance(10)) t.setField("address4", rnd.pick(words::countries));
        t.setField("zip", gen.zip());
        t.setField("country", rnd.chance(80) ? std::string("England") : std::string(rnd.pick(words::countries)));
        t.setField("phone", gen.phone());
        if (rnd.chance(50)) t.setField("workphone", gen.phone());
        if (rnd.chance(20)) t.setField("fax", gen.phone());
        t.setField("email", gen.email(first, last));
        if (rnd.chance(25)) t.setField("notes", rnd.pick(kJudgeNotes));
        t.post();
    }
    // A judge who retired: marked deleted, kept until the register is packed.
    t.go(3);
    t.deleteRecord();
    return count;
}

void assignJudges(Tdmod& dm, const ClassPlan& plan, int judges)
{
    const std::string nnnnn = Zero_Pad(dm.show.showNum, 5);
    dm.Open_ShwJudges(dm.show.clubId, nnnnn);
    xbase::Table& t = dm.ShwJudges;
    int key = 0;
    auto assign = [&](int judge, const std::string& desc, bool juniors) {
        t.append();
        t.setFieldInt("judge_num", judge);
        t.setField("fullname", dm.Get_JudgeName(judge));
        t.setField("cat_desc", desc);
        t.setField("srtkey", Zero_Pad(++key, 3));
        t.setFieldBool("juniors", juniors);
        t.post();
    };
    // Judge 3 retired (deleted in the register); the others share the breeds.
    std::vector<int> panel;
    for (int j = 1; j <= judges; ++j)
        if (j != 3) panel.push_back(j);
    assign(panel[0], "Puppy & Veteran Sweepstakes", false);
    for (size_t b = 0; b < plan.breeds.size(); ++b)
        assign(panel[1 + b % (panel.size() - 1)], plan.breeds[b], false);
    // The judge of the first breed also takes junior handling: listed twice.
    assign(panel[1], "Junior Handling", true);
}

} // namespace

bool isEmptyDataRoot(const std::string& root)
{
    std::error_code ec;
    if (!fs::exists(root, ec)) return true;
    if (fs::exists(fs::path(root) / kSettingsFileName, ec)) return false;
    for (const char* folder : {folders::kUserData, folders::kShows, folders::kCatData})
        for (const auto& e : fs::directory_iterator(fs::path(root) / folder, ec)) {
            std::string ext = e.path().extension().string();
            for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
            if (ext == ".dbf") return false;
        }
    return true;
}

SampleSummary makeSampleClub(const std::string& root, const SampleOptions& options, Prompter* prompter)
{
    SampleSummary sum;
    requireEmpty(root);

    // ---- what the options come to ------------------------------------------------------
    int classes = options.classes;
    if (classes < kMinShowClasses || classes > kMaxShowClasses) {
        const int asked = classes;
        classes = std::clamp(classes, kMinShowClasses, kMaxShowClasses);
        sum.notes.push_back("a show has " + std::to_string(kMinShowClasses) + " to " + std::to_string(kMaxShowClasses) +
                            " classes here (class numbers have three digits; junior handling takes 901 and up, "
                            "NFC 999): " + std::to_string(asked) + " asked, " + std::to_string(classes) + " made");
    }
    const int entries = std::max(0, options.entries);
    int dogs = options.dogs;
    if (dogs < entries) {
        sum.notes.push_back("every entry saved writes a dog master record: " + std::to_string(dogs) +
                            " dogs asked, " + std::to_string(entries) + " made");
        dogs = entries;
    }

    ClubDataGen gen(kSeed);
    Random& rnd = gen.random();

    ClassPlan plan;
    plan.breedClasses = classes - kFixedShowClasses;
    const int breedCount = (plan.breedClasses + kClassesPerBreed - 1) / kClassesPerBreed;
    // The club's own breeds first, then the rest of the list in a fixed shuffle.
    std::vector<std::string> names;
    for (const RealBreed& b : realBreeds()) names.push_back(b.name);
    for (size_t i = names.size() - 1; i > 1; --i) std::swap(names[i], names[1 + rnd.below(i)]);
    names.resize(size_t(breedCount));
    plan.breeds = names;
    plan.numbers.assign(plan.breeds.size(), {});

    fs::create_directories(root);
    Tdmod dm;
    if (prompter) dm.setPrompter(prompter);
    dm.setDataRoot(root);
    writeSettings(dm, plan.breeds[0]);
    dm.dmodCreate(root);
    dm.Read_Preferences();

    // ---- the shared tables ---------------------------------------------------------------
    addSections(dm);
    addCatGroups(dm);
    sum.libraryClasses = addClassLibrary(dm, plan);
    addBreeds(dm, rnd);
    addSalutations(dm);
    sum.judges = addJudges(dm, gen, std::clamp(int(plan.breeds.size()) / 2 + 8, 10, 200));

    // ---- the dog master of the earlier shows -------------------------------------------------
    // Owners with one to five dogs each; the entries of this show add one record each.
    const int history = dogs - entries;
    std::vector<Owner> owners;
    std::vector<Dog> master;
    while (int(master.size()) < history) {
        owners.push_back(makeOwner(gen, int(plan.breeds.size())));
        const size_t r = rnd.below(100);
        const int n = r < 50 ? 1 : r < 75 ? 2 : r < 87 ? 3 : r < 95 ? 4 : 5;
        for (int i = 0; i < n && int(master.size()) < history; ++i) {
            master.push_back(makeDog(gen, plan, owners.back(), int(owners.size()) - 1));
            master.back().masterRec = uint32_t(master.size());
        }
    }
    writeMasterHistory(dm, master, owners, gen);

    // ---- the show: created as the new-show window creates it ------------------------------
    std::vector<std::string> lines = selectShowClasses(dm, plan);
    setup::NewShow rq;
    rq.clubSlot = 1;
    rq.clubId = kClubId;
    rq.showNum = setup::NextShowNumber(dm, kClubId);
    rq.dateText = kShowDate;
    rq.dateFormat = DateFormat::British;
    rq.lines = lines;
    const setup::NewShowResult created = setup::createShow(dm, rq);
    if (created.status != setup::NewShowResult::Status::Created)
        throw DataError("The sample show could not be created: " + created.message);
    sum.entriesPath = created.entriesPath;
    sum.classes = int(lines.size());
    sum.breedsShown = int(plan.breeds.size());
    assignJudges(dm, plan, sum.judges);

    // ---- the entries, typed as the entry window takes them --------------------------------
    const std::vector<JuniorClass> juniors = Junior_Classes(dm);
    xbase::Table& t = dm.TzDbf1;
    std::vector<int> ownerOrder(owners.size());
    for (size_t i = 0; i < ownerOrder.size(); ++i) ownerOrder[i] = int(i);
    for (size_t i = ownerOrder.size(); i > 1; --i) std::swap(ownerOrder[i - 1], ownerOrder[rnd.below(i)]);
    std::vector<std::vector<int>> dogsOf(owners.size());
    for (size_t d = 0; d < master.size(); ++d) dogsOf[size_t(master[d].owner)].push_back(int(d));

    OwnerDetails remembered;
    size_t nextOwner = 0;
    int made = 0;
    auto classOf = [&](int breed, int sex, Kind k) { return plan.numbers[size_t(breed)][size_t(sex)][size_t(k)]; };
    while (made < entries) {
        // The next exhibitor: one of the master's owners with dogs of the breeds shown,
        // or, when those run out or now and then, a newcomer.
        int ownerIndex = -1;
        std::vector<const Dog*> toEnter;
        std::vector<Dog> newDogs;
        while (nextOwner < ownerOrder.size() && toEnter.empty()) {
            const int o = ownerOrder[nextOwner++];
            for (int d : dogsOf[size_t(o)]) {
                const Dog& dog = master[size_t(d)];
                if (dog.breedIndex >= 0 && rnd.chance(85)) toEnter.push_back(&dog);
            }
            if (!toEnter.empty()) ownerIndex = o;
        }
        if (ownerIndex < 0 || rnd.chance(20)) {
            owners.push_back(makeOwner(gen, int(plan.breeds.size())));
            if (owners.back().breed < 0) owners.back().breed = 0, owners.back().otherBreed.clear();
            if (ownerIndex < 0) ownerIndex = int(owners.size()) - 1;
        }
        const int newOnes = toEnter.empty() ? 1 + int(rnd.below(3)) : (rnd.chance(20) ? 1 : 0);
        for (int i = 0; i < newOnes; ++i) {
            Owner ownerForBreed = owners[size_t(ownerIndex)];
            if (ownerForBreed.breed < 0) ownerForBreed.breed = 0;
            newDogs.push_back(makeDog(gen, plan, ownerForBreed, ownerIndex));
            if (newDogs.back().breedIndex < 0) newDogs.back().breedIndex = 0, newDogs.back().breed = plan.breeds[0];
        }
        for (Dog& d : newDogs) toEnter.push_back(&d);

        const Owner& owner = owners[size_t(ownerIndex)];
        const bool prepaid = rnd.chance(30);
        const bool noPrintAddress = rnd.chance(5);
        bool firstOfOwner = true;
        for (const Dog* dog : toEnter) {
            if (made == entries) break;
            const bool fromMaster = dog->masterRec != 0;
            // Add: a new entry; the owner's details filled in from the entry before when
            // the same exhibitor enters another dog.
            New_Entry(t, plan.breeds[0], remembered);
            if (!firstOfOwner) Fill_FromPrevious(t, remembered);
            bool newDog = false;
            if (fromMaster) {
                t.setField("dog", dog->name);
                dm.Dogs.go(dog->masterRec);
                Fill_FromMaster(dm.Dogs, t);
            } else {
                newDog = true;
                t.setField("dog", dog->name);
                t.setField("titles", dog->titles);
                t.setField("bdate", dog->bdate);
                t.setField("atc_num", dog->atc);
                t.setField("breeder", dog->breeder);
                t.setField("sire", dog->sire);
                t.setField("dam", dog->dam);
                t.setField("height", dog->height);
                if (firstOfOwner) {
                    const std::pair<const char*, const std::string*> fields[] = {
                        {"salutation", &owner.salutation}, {"first", &owner.first},
                        {"last", &owner.last},             {"owner2", &owner.owner2},
                        {"address1", &owner.address1},     {"address2", &owner.address2},
                        {"address3", &owner.address3},     {"address4", &owner.address4},
                        {"zip", &owner.zip},               {"country", &owner.country},
                        {"phone", &owner.phone},           {"email", &owner.email}};
                    for (const auto& [name, value] : fields) t.setField(name, *value);
                    t.setFieldBool("noprintadd", noPrintAddress);
                }
            }
            t.setField("breed", dog->breed);

            // The classes: the dog's age class, now and then a second one and a
            // sweepstakes class; a few dogs come Not For Competition.
            const int sex = dog->sex == "Dog" ? 0 : 1;
            std::string classes;
            if (rnd.chance(2)) {
                classes = "NFC";
            } else {
                std::vector<int> numbers;
                const Kind age = kindOfAge(monthsOld(dog->bdate));
                int first = classOf(dog->breedIndex, sex, age);
                if (!first) first = classOf(dog->breedIndex, sex, Open);
                for (int k = 0; !first && k < kKinds; ++k) first = classOf(dog->breedIndex, sex, Kind(k));
                if (!first) first = classOf(dog->breedIndex, 1 - sex, Open);  // a breed with one class
                if (first) numbers.push_back(first);
                if ((age == Junior || age == Veteran) && rnd.chance(30)) {
                    const int open = classOf(dog->breedIndex, sex, Open);
                    if (open && open != first) numbers.push_back(open);
                }
                if ((age == PuppyEarly || age == PuppyLate) && rnd.chance(40)) numbers.push_back(plan.sweeps[0][sex]);
                if (age == Veteran && rnd.chance(40)) numbers.push_back(plan.sweeps[1][sex]);
                if (numbers.empty()) numbers.push_back(plan.sweeps[0][sex]);
                std::sort(numbers.begin(), numbers.end());
                if (rnd.chance(20)) std::reverse(numbers.begin(), numbers.end());  // typed as they came
                for (size_t i = 0; i < numbers.size(); ++i) classes += (i ? "," : "") + std::to_string(numbers[i]);
            }
            t.setField("classes", classes);

            SaveInput input;
            input.sexText = dog->sex;
            input.juniorClasses = &juniors;
            if (rnd.chance(4) && !juniors.empty()) {
                const int age = 9 + int(rnd.below(9));
                const JuniorClass& jc = juniors[age < 12 ? 0 : juniors.size() - 1];
                t.setField("jr_name", std::string(rnd.pick(words::childNames)) + " " + owner.last);
                t.setField("jr_age", std::to_string(age));
                t.setField("jr_class", jc.name);
                input.chosenJuniorKey = jc.allkey;
            }
            if (rnd.chance(10)) t.setField("agent", gen.fullName());
            if (rnd.chance(8)) {
                t.setField("note", rnd.pick(kNotes));
                t.setFieldBool("printit", rnd.chance(50));
            }
            t.setFieldBool("prepaidcat", prepaid && firstOfOwner);

            if (!Complete_Entry(dm, input))
                throw DataError("The sample entry of " + dog->name + " was refused.");
            Update_Master(dm, "", newDog, kEntriesClosed);
            ++made;
            firstOfOwner = false;
            // A withdrawn entry now and then, marked deleted as the entry window does.
            if (rnd.chance(2)) {
                t.deleteRecord();
                ++sum.deletedEntries;
            }
        }
    }

    // ---- exhibit numbers, given after the entries closed, in catalogue order ------------
    t.setHideDeleted(true);
    t.setOrder(exhibitOrders().front().tag);
    t.first();
    AssignExhibitNumbers(t, 1);
    t.setHideDeleted(false);
    t.setOrder("NAME");

    sum.clubId = kClubId;
    sum.clubName = kClubName;
    sum.showNum = rq.showNum;
    sum.breeds = int(dm.Breeds.recordCount());
    sum.dogs = int(dm.Dogs.recordCount());
    sum.entries = int(t.recordCount());
    dm.Close_ShowTables();
    return sum;
}

} // namespace bw::sample
