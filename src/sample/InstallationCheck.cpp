#include "sample/InstallationCheck.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "data/DataRoot.h"
#include "data/IniFile.h"
#include "data/Settings.h"
#include "data/Tables.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "entries/EntryRules.h"
#include "entries/ShowLifecycle.h"
#include "xbase/Error.h"

namespace fs = std::filesystem;

namespace bw::sample {

namespace {

struct Checker {
    const std::string root;
    Tdmod dm;
    CheckResult result;

    explicit Checker(std::string r) : root(std::move(r)) { dm.setDataRoot(root); }

    std::string relative(const std::string& path) const
    {
        std::error_code ec;
        const fs::path rel = fs::relative(path, root, ec);
        return ec ? path : rel.generic_string();
    }

    void problem(std::string text) { result.problems.push_back(std::move(text)); }

    void count(const xbase::Table& t)
    {
        TableCount c;
        c.table = relative(t.fileName());
        c.records = long(t.recordCount());
        for (uint32_t r = 1; r <= t.recordCount(); ++r)
            if (t.peek(0, r) == "*") ++c.deleted;
        result.counts.push_back(c);
    }

    // Opens a table with the data module's routine when its file is there; false (with a
    // problem when required) otherwise.
    template <class Open>
    bool open(const std::string& path, xbase::Table& table, Open&& openIt, bool required, const std::string& what)
    {
        if (!fs::exists(path)) {
            if (required) problem("missing table " + relative(path) + (what.empty() ? "" : " (" + what + ")"));
            return false;
        }
        try {
            openIt();
        } catch (const xbase::DbfError& e) {
            problem("cannot open " + relative(path) + ": " + e.what());
            return false;
        } catch (const DataError& e) {
            problem("cannot open " + relative(path) + ": " + e.what());
            return false;
        }
        count(table);
        return true;
    }

    void sharedTables()
    {
        struct Shared {
            xbase::Table* table;
            const TableLayout& layout;
            void (Tdmod::*open)();
        };
        const Shared shared[] = {
            {&dm.Dogs, layouts::Dogs(), &Tdmod::Open_Dogs},
            {&dm.Breeds, layouts::Breeds(), &Tdmod::Open_Breeds},
            {&dm.Sections, layouts::Sections(), &Tdmod::Open_Sections},
            {&dm.AllClasses, layouts::AllClasses(), &Tdmod::Open_AllClasses},
            {&dm.ShowDates, layouts::ShowDates(), &Tdmod::Open_ShowDates},
            {&dm.CatGroups, layouts::CatGroups(), &Tdmod::Open_CatGroups},
            {&dm.Judges, layouts::Judges(), &Tdmod::Open_Judges},
            {&dm.Salutations, layouts::Salutations(), &Tdmod::Open_Salutations},
        };
        for (const Shared& s : shared) {
            const std::string path = findFile(root + "/" + s.layout.folder, s.layout.fileName);
            open(path, *s.table, [&] { (dm.*s.open)(); }, true, "");
        }
        // The templates are made again when missing, so they are only counted when there
        // (opening the entries template would make a missing catalogue template).
        if (fs::exists(findFile(dm.PgmDataPath, layouts::CatalogTemplate().fileName)))
            open(findFile(dm.PgmDataPath, layouts::Show().fileName), dm.Show, [&] { dm.Open_ShowTemplate(); }, false, "");
    }

    // The mailing list of every configured club that has one.
    void mailingLists()
    {
        std::set<std::string> seen;
        for (const std::string& club : clubSlots(IniFile(dm.SettingsPath()))) {
            if (club == ini::kUnknown || !nameProblem("club ID", club).empty() || !seen.insert(club).second) continue;
            dm.Mail.close();
            open(dm.Mail_Path(club), dm.Mail, [&] { dm.Open_Mail(club); }, false, "");
        }
        dm.Mail.close();
    }

    void show(const std::string& path)
    {
        const std::string name = relative(path);
        const ShowFileName file = Parse_ShowFileName(path);
        const std::string label = "show " + file.clubId + " " + std::to_string(file.showNum) + " (" + name + ")";

        if (clubSlotOf(IniFile(dm.SettingsPath()), file.clubId) == 0)
            problem(label + ": club " + file.clubId + " is not one of the configured clubs");
        if (dm.ShowDates.isOpen()) {
            dm.ShowDates.setOrder("SHOWNUM");
            if (!dm.ShowDates.seek(ShowDates_Key(file.clubId, file.showNum)))
                problem(label + ": no show-dates record in " + relative(dm.ShowDates.fileName()));
        }

        dm.Close_ShowTables();
        if (!open(path, dm.TzDbf1, [&] { dm.Open_ShowEntries(path); }, true, "")) return;

        // The show's classes: the numbers an entry may name.
        const std::string nnnnn = Zero_Pad(file.showNum, 5);
        std::set<int> classNumbers;
        const bool haveClasses =
            !nameProblem("club ID", file.clubId).size() &&
            open(dm.ShowClasses_Path(file.clubId, nnnnn), dm.ShowClasses,
                 [&] { dm.Open_ShowClasses(file.clubId, nnnnn); }, true, "the classes of " + label);
        if (haveClasses) {
            const int field = dm.ShowClasses.fieldNumber("classnum");
            for (uint32_t r = 1; r <= dm.ShowClasses.recordCount(); ++r)
                if (dm.ShowClasses.peek(0, r) != "*") classNumbers.insert(Lenient_Int(dm.ShowClasses.peek(field, r)));
            open(dm.ShwJudges_Path(file.clubId, nnnnn), dm.ShwJudges,
                 [&] { dm.Open_ShwJudges(file.clubId, nnnnn); }, false, "");
            open(dm.Catalog_Path(file.clubId, nnnnn), dm.Catalog,
                 [&] { dm.Open_Catalog(file.clubId, nnnnn); }, false, "");
        }

        const xbase::Table& t = dm.TzDbf1;
        const int dogField = t.fieldNumber("dog"), classesField = t.fieldNumber("classes"),
                  armField = t.fieldNumber("arm");
        std::map<std::string, uint32_t> armHolder;
        for (uint32_t r = 1; r <= t.recordCount(); ++r) {
            if (t.peek(0, r) == "*") continue;
            const std::string entry = label + ": entry " + std::to_string(r) + " (" + trimRight(t.peek(dogField, r)) + ")";
            const std::string text = trimRight(t.peek(classesField, r));
            const ClassList classes = Parse_Classes(text);
            if (classes.tooMany())
                problem(entry + " names " + std::to_string(classes.given) + " classes (\"" + text + "\"); at most six");
            if (trim(text).empty()) {
                problem(entry + " names no class");
            } else if (haveClasses) {
                std::vector<int> missing;
                for (int n : classes.numbers)
                    if (!classNumbers.count(n) && std::find(missing.begin(), missing.end(), n) == missing.end())
                        missing.push_back(n);
                for (int n : missing)
                    problem(entry + " names class " + (n == 999 ? std::string("NFC (999)") : std::to_string(n)) +
                            ", which the show does not have");
            }
            const std::string arm = trim(t.peek(armField, r));
            if (arm.empty()) continue;
            auto [at, fresh] = armHolder.emplace(arm, r);
            if (!fresh)
                problem(label + ": exhibit number " + arm + " is held by entry " + std::to_string(at->second) + " (" +
                        trimRight(t.peek(dogField, at->second)) + ") and entry " + std::to_string(r) + " (" +
                        trimRight(t.peek(dogField, r)) + ")");
        }
        dm.Close_ShowTables();
    }

    void run()
    {
        if (!fs::is_directory(root)) {
            problem("no data folder " + root);
            return;
        }
        if (!fs::exists(dm.SettingsPath())) problem("missing settings file " + std::string(kSettingsFileName));
        sharedTables();

        std::vector<std::string> shows;
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(dm.ShowsPath, ec)) {
            std::string ext = e.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
            if (e.is_regular_file() && ext == ".dbf") shows.push_back(e.path().string());
        }
        std::sort(shows.begin(), shows.end());
        for (const std::string& s : shows) show(s);
        mailingLists();
    }
};

} // namespace

CheckResult checkInstallation(const std::string& dataRoot)
{
    Checker c(dataRoot);
    c.run();
    return std::move(c.result);
}

} // namespace bw::sample
