#include "data/Tdmod.h"

#include <filesystem>
#include <system_error>

#include "data/DataRoot.h"
#include "data/Text.h"

namespace fs = std::filesystem;

namespace bw {

Tdmod* dmod = nullptr;

Tdmod::Tdmod()
    : Dogs(layouts::Dogs().fields),
      Show(layouts::Show().fields),
      TzDbf1(layouts::Entries().fields),
      Breeds(layouts::Breeds().fields),
      Sections(layouts::Sections().fields),
      AllClasses(layouts::AllClasses().fields),
      ShowDates(layouts::ShowDates().fields),
      CatGroups(layouts::CatGroups().fields),
      Judges(layouts::Judges().fields),
      Salutations(layouts::Salutations().fields),
      ShowClasses(layouts::ShowClasses().fields),
      ShwJudges(layouts::ShwJudges().fields),
      Catalog(layouts::Catalog().fields),
      Mail(layouts::Mail().fields)
{
    // These tables hand every posted record to the disk at once; the others (template,
    // class library, catalogue, salutations) are rebuilt or rarely written.
    for (xbase::Table* t : {&Dogs, &TzDbf1, &Mail, &Breeds, &ShowDates, &ShwJudges, &ShowClasses,
                            &Sections, &Judges, &CatGroups})
        flushAfterPost(*t);
}

void Tdmod::flushAfterPost(xbase::Table& table)
{
    table.subscribeAfterPost([&table] { table.flush(); });
}

void Tdmod::setDataRoot(const std::string& dataRoot)
{
    ProgramFolder = dataRoot;
    auto sub = [&](const char* name) { return ProgramFolder + "/" + name; };
    UserDataPath = sub(folders::kUserData);
    ShowsPath = sub(folders::kShows);
    IndexsPath = sub(folders::kIndexs);
    CatDataPath = sub(folders::kCatData);
    MailDataPath = sub(folders::kMailData);
    PgmDataPath = sub(folders::kPgmData);
}

void Tdmod::dmodCreate(const std::string& dataRoot)
{
    setDataRoot(dataRoot);
    // The data root stands where the program folder stood; unlike that one it may not
    // exist yet on a first start.
    std::error_code ec;
    if (!fs::is_directory(ProgramFolder, ec)) {
        fs::create_directories(ProgramFolder, ec);
        if (!fs::is_directory(ProgramFolder, ec)) throw DataError("Cannot create " + ProgramFolder + "/");
    }
    for (const std::string& folder : {ShowsPath, UserDataPath, IndexsPath}) ensureFolder(folder);

    for (xbase::Table* t : {&Dogs, &Breeds, &AllClasses, &ShowDates, &Show}) t->close();
    Open_Dogs();
    Open_Breeds();
    Open_Sections();
    Open_AllClasses();
    Open_ShowDates();
    Open_CatGroups();
    Open_ShowTemplate();
}

// ---- opening ---------------------------------------------------------------------------

std::string Tdmod::indexPath(const std::string& fileName) const
{
    return IndexsPath + "/" + fileName;
}

void Tdmod::openTable(xbase::Table& table, const TableLayout& layout, const std::string& dbfPath,
                      const std::string& mdxPath)
{
    if (table.isOpen()) return;
    table.setFileName(dbfPath);
    table.setExclusive(true);
    table.open();  // a missing file is created from the field list
    if (!layout.tags.empty()) {
        table.makeIndex(mdxPath, layout.tags);
        table.setOrder(layout.order);
    }
    table.first();
}

void Tdmod::openShared(xbase::Table& table, const TableLayout& layout)
{
    if (table.isOpen()) return;
    const std::string folder = ProgramFolder + "/" + layout.folder;
    openTable(table, layout, findFile(folder, layout.fileName),
              *layout.indexName ? indexPath(layout.indexName) : std::string());
}

void Tdmod::Open_Dogs() { openShared(Dogs, layouts::Dogs()); }
void Tdmod::Open_Breeds() { openShared(Breeds, layouts::Breeds()); }
void Tdmod::Open_Sections() { openShared(Sections, layouts::Sections()); }
void Tdmod::Open_AllClasses() { openShared(AllClasses, layouts::AllClasses()); }
void Tdmod::Open_ShowDates() { openShared(ShowDates, layouts::ShowDates()); }
void Tdmod::Open_CatGroups() { openShared(CatGroups, layouts::CatGroups()); }
void Tdmod::Open_Judges() { openShared(Judges, layouts::Judges()); }
void Tdmod::Open_Salutations() { openShared(Salutations, layouts::Salutations()); }

void Tdmod::Open_ShowTemplate()
{
    if (Show.isOpen()) return;
    // The template is installed with the program; on a fresh data root it is made from
    // its field list, so the program runs on an empty folder.
    ensureFolder(PgmDataPath);
    openShared(Show, layouts::Show());
    // The catalogue template too, so that every show's first catalogue has one to copy.
    const std::string catdb = findFile(PgmDataPath, layouts::CatalogTemplate().fileName);
    std::error_code ec;
    if (!fs::exists(catdb, ec)) {
        xbase::Table templ(layouts::CatalogTemplate().fields);
        templ.setFileName(catdb);
        templ.open();
        templ.close();
    }
}

std::string Tdmod::perShowFile(const TableLayout& layout, const std::string& clubId,
                               const std::string& nnnnn) const
{
    return findFile(CatDataPath, clubId + nnnnn + layout.fileName);
}

std::string Tdmod::ShowClasses_Path(const std::string& clubId, const std::string& nnnnn) const
{
    return perShowFile(layouts::ShowClasses(), clubId, nnnnn);
}

std::string Tdmod::ShwJudges_Path(const std::string& clubId, const std::string& nnnnn) const
{
    return perShowFile(layouts::ShwJudges(), clubId, nnnnn);
}

std::string Tdmod::Catalog_Path(const std::string& clubId, const std::string& nnnnn) const
{
    return perShowFile(layouts::Catalog(), clubId, nnnnn);
}

std::string Tdmod::Mail_Path(const std::string& clubId) const
{
    return findFile(MailDataPath, clubId + layouts::Mail().fileName);
}

std::string Tdmod::Show_FileKey(const std::string& clubId, int showNum, const std::string& dateText) const
{
    requireSafeName("club ID", clubId);
    std::string date = dateText;
    for (char& c : date)
        if (c == '/') c = '-';
    requireSafeName("show date", date);
    return clubId + "-" + Zero_Pad(showNum, 5) + "-" + date;
}

std::string Tdmod::Entries_Path(const std::string& fileKey) const
{
    requireSafeName("show file name", fileKey);
    return findFile(ShowsPath, fileKey + ".dbf");
}

// The per-show tables live in catdata/ as club ID + NNNNN + their suffix; both parts of
// the name come from the user and are checked before any file is touched.
void Tdmod::openPerShow(xbase::Table& table, const TableLayout& layout, const std::string& clubId,
                        const std::string& nnnnn)
{
    if (table.isOpen()) return;
    requireSafeName("club ID", clubId);
    requireSafeName("show number", nnnnn);
    ensureFolder(CatDataPath);
    const std::string path = perShowFile(layout, clubId, nnnnn);
    if (&table == &Catalog) {
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            // A show's first catalogue takes its structure from the template.
            ensureFolder(PgmDataPath);
            Catalog.setFileName(findFile(PgmDataPath, layouts::CatalogTemplate().fileName));
            Catalog.setExclusive(true);
            Catalog.open();
            Catalog.copyStructure(path);
            Catalog.close();
        }
    }
    openTable(table, layout, path, indexPath(clubId + nnnnn + layout.indexName));
}

void Tdmod::Open_ShowClasses(const std::string& clubId, const std::string& nnnnn)
{
    openPerShow(ShowClasses, layouts::ShowClasses(), clubId, nnnnn);
}

void Tdmod::Open_ShwJudges(const std::string& clubId, const std::string& nnnnn)
{
    openPerShow(ShwJudges, layouts::ShwJudges(), clubId, nnnnn);
}

void Tdmod::Open_Catalog(const std::string& clubId, const std::string& nnnnn)
{
    // Callers open the show's classes first, which makes catdata/; it is made anyway.
    openPerShow(Catalog, layouts::Catalog(), clubId, nnnnn);
}

void Tdmod::Open_Mail(const std::string& clubId)
{
    if (Mail.isOpen()) return;
    requireSafeName("club ID", clubId);
    ensureFolder(MailDataPath);
    openTable(Mail, layouts::Mail(), Mail_Path(clubId), indexPath(clubId + layouts::Mail().indexName));
}

void Tdmod::Open_ShowEntries(const std::string& path)
{
    if (TzDbf1.isOpen()) return;
    const fs::path p(path);
    const std::string fileKey = p.stem().string();
    requireSafeName("show file name", fileKey);
    const std::string folder = p.has_parent_path() ? p.parent_path().string() : std::string(".");
    openTable(TzDbf1, layouts::Entries(), findFile(folder, p.filename().string()),
              indexPath(fileKey + ".mdx"));
}

void Tdmod::Close_ShowTables()
{
    for (xbase::Table* t : {&TzDbf1, &ShowClasses, &ShwJudges, &Catalog}) t->close();
}

// ---- settings accessors ------------------------------------------------------------------

std::string Tdmod::Get_LastShow() const { return bw::Get_LastShow(ProgramFolder); }
void Tdmod::Set_LastShow(const std::string& path) const { bw::Set_LastShow(ProgramFolder, path); }
std::string Tdmod::Get_LastMail() const { return bw::Get_LastMail(ProgramFolder); }
void Tdmod::Set_LastMail(const std::string& name) const { bw::Set_LastMail(ProgramFolder, name); }
std::string Tdmod::Get_ClubName() const { return bw::Get_ClubName(ProgramFolder, show.clubSlot); }

void Tdmod::Read_Preferences() { prefs = readPreferences(IniFile(SettingsPath())); }

void Tdmod::Read_ClubSettings()
{
    const ClubSettings club = readClub(IniFile(SettingsPath()), show.clubSlot);
    show.clubId = club.clubId;
    show.defaultBreed = club.defaultBreed;
    show.useAgents = club.useAgents;
    show.oneBreed = club.oneBreed;
}

} // namespace bw
