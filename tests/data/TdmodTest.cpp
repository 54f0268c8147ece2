#include <filesystem>
#include <fstream>
#include <sstream>
#include <gtest/gtest.h>

#include "data/DataRoot.h"
#include "data/Tdmod.h"
#include "data/Text.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

namespace {

class TdmodTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.path().string() + "/data";
        m.setPrompter(&prompter);
    }
    std::string path(const std::string& rel) const { return root + "/" + rel; }

    // The field layout of a table file as a text ("dog C 60, ..."), read straight from
    // the file's field descriptors (32 bytes each after the 32-byte header, up to 0x0D).
    static std::string layoutOf(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::string s;
        for (size_t pos = 32; pos + 32 <= bytes.size() && bytes[pos] != 0x0d; pos += 32) {
            std::string name = bytes.substr(pos, 11);
            name.resize(name.find('\0') == std::string::npos ? 11 : name.find('\0'));
            s += name + " " + bytes[pos + 11] + " " +
                 std::to_string(static_cast<unsigned char>(bytes[pos + 16])) + ", ";
        }
        return s;
    }
    static std::string layoutText(const xbase::FieldList& fields)
    {
        std::string s;
        for (const xbase::FieldDef& f : fields)
            s += f.name + " " + static_cast<char>(f.type) + " " + std::to_string(f.length) + ", ";
        return s;
    }

    bwtest::TempDir dir;
    std::string root;
    bwtest::ScriptedPrompter prompter;
    bw::Tdmod m;
};

struct SharedTable {
    const char* file;
    const char* index;
    const bw::TableLayout& (*layout)();
    xbase::Table bw::Tdmod::*table;
    Strings tags;
};

const std::vector<SharedTable>& sharedTables()
{
    static const std::vector<SharedTable> t = {
        {"userdata/masterdb.dbf", "indexs/masterdb.mdx", bw::layouts::Dogs, &bw::Tdmod::Dogs,
         {"DOGNAME", "OWNERNAME", "REGNUM"}},
        {"userdata/breeds.dbf", "indexs/breeds.mdx", bw::layouts::Breeds, &bw::Tdmod::Breeds,
         {"BREEDNAME", "GROUPNAME", "SORTNUM"}},
        {"userdata/Sections.dbf", "indexs/sections.mdx", bw::layouts::Sections, &bw::Tdmod::Sections, {"NAME"}},
        {"userdata/Allclass.dbf", "indexs/Allclass.mdx", bw::layouts::AllClasses, &bw::Tdmod::AllClasses,
         {"COMBO", "NAME", "SRTKEY"}},
        {"userdata/shwdates.dbf", "indexs/shwdates.mdx", bw::layouts::ShowDates, &bw::Tdmod::ShowDates,
         {"SHOWDATE", "SHOWNUM"}},
        {"userdata/catgroup.dbf", "indexs/catgroup.mdx", bw::layouts::CatGroups, &bw::Tdmod::CatGroups,
         {"CODE", "SECTION"}},
    };
    return t;
}

Strings indexDumpTags(const std::string& mdx)
{
    int status = 0;
    std::string out = bwtest::runCommand("index_dump '" + mdx + "' 2>&1", &status);
    EXPECT_EQ(status, 0) << out;
    Strings tags;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) tags.push_back(bw::upperAscii(line));
    std::sort(tags.begin(), tags.end());
    return tags;
}

} // namespace

TEST_F(TdmodTest, StartOnAnEmptyDataRootMakesFoldersTablesAndIndexes)
{
    m.dmodCreate(root);

    for (const char* folder : {"shows", "userdata", "indexs", "pgmdata"})
        EXPECT_TRUE(fs::is_directory(path(folder))) << folder;
    for (const SharedTable& t : sharedTables()) {
        const xbase::Table& table = m.*(t.table);
        EXPECT_TRUE(table.isOpen()) << t.file;
        EXPECT_EQ(table.recordCount(), 0u) << t.file;
        EXPECT_TRUE(bw::equalsNoCase(table.currentTag(), t.layout().order)) << t.file;
        EXPECT_EQ(layoutOf(path(t.file)), layoutText(t.layout().fields)) << t.file;
        EXPECT_TRUE(fs::exists(path(t.index))) << t.index;
    }
    EXPECT_TRUE(m.Show.isOpen());
    EXPECT_EQ(m.Show.currentTag(), "");
    EXPECT_EQ(layoutOf(path("pgmdata/showdb.dbf")), layoutText(bw::layouts::Entries().fields));
    EXPECT_EQ(layoutOf(path("pgmdata/catdb.dbf")), layoutText(bw::layouts::Catalog().fields));
    // Opened only when a window needs them.
    for (const xbase::Table* t : {&m.Judges, &m.Salutations, &m.TzDbf1, &m.ShowClasses, &m.Mail})
        EXPECT_FALSE(t->isOpen());
    EXPECT_FALSE(fs::exists(path("catdata")));
    EXPECT_TRUE(prompter.questions().empty());
}

TEST_F(TdmodTest, IndexFilesReadBackByAnotherReader)
{
    BW_REQUIRE_PROGRAM("index_dump");
    m.dmodCreate(root);
    for (const char* dog : {"Rex", "abe"}) {
        m.Dogs.append();
        m.Dogs.setField("dog", dog);
        m.Dogs.post();
    }
    m.Dogs.close();
    m.Open_Dogs();  // built anew from the data
    for (const SharedTable& t : sharedTables()) {
        Strings expected = t.tags;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(indexDumpTags(path(t.index)), expected) << t.index;
    }
    // The keys as the other reader sees them: upper(dog) (60) + str(recno(),5), record number.
    const std::string out = bwtest::runCommand("index_dump -n '" + path("indexs/masterdb.mdx") + "' DOGNAME");
    const std::string abe = "ABE" + std::string(57, ' ') + "    2 2\n";
    const std::string rex = "REX" + std::string(57, ' ') + "    1 1\n";
    EXPECT_EQ(out, abe + rex + "Total records: 2\n");
}

TEST_F(TdmodTest, StartGoesOnNoFurtherWhenAFolderCannotBeMade)
{
    fs::create_directories(root);
    std::ofstream(path("userdata")) << "a file where the folder should be";
    try {
        m.dmodCreate(root);
        FAIL() << "no error";
    } catch (const bw::DataError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create " + path("userdata") + "/");
    }
    EXPECT_TRUE(fs::is_directory(path("shows")));
    EXPECT_FALSE(fs::exists(path("indexs")));
    EXPECT_FALSE(m.Dogs.isOpen());
    EXPECT_FALSE(m.Show.isOpen());
}

TEST_F(TdmodTest, TablesFromWindowsAreFoundWhateverTheirLetterCaseAndLostIndexesRebuilt)
{
    fs::create_directories(path("userdata"));
    {
        xbase::Table t(bw::layouts::Sections().fields);
        t.setFileName(path("userdata/sections.dbf"));
        t.open();
        t.append();
        t.setField("name", "Obedience");
        t.post();
    }
    m.dmodCreate(root);
    EXPECT_EQ(m.Sections.recordCount(), 1u);
    EXPECT_FALSE(fs::exists(path("userdata/Sections.dbf")));

    m.Sections.close();
    fs::remove(path("indexs/sections.mdx"));
    m.Open_Sections();
    EXPECT_TRUE(fs::exists(path("indexs/sections.mdx")));
    EXPECT_TRUE(m.Sections.seek("OBED"));
}

TEST_F(TdmodTest, OpeningRoutinesDoNothingWhenTheTableIsOpen)
{
    m.dmodCreate(root);
    m.Dogs.setOrder("REGNUM");
    m.Open_Dogs();
    EXPECT_EQ(m.Dogs.currentTag(), "REGNUM");
    m.Open_ShowClasses("KCC", "00012");
    m.Open_ShowClasses("ABC", "00001");  // still the first show's table
    EXPECT_EQ(fs::path(m.ShowClasses.fileName()).filename(), "KCC00012classes.dbf");
}

TEST_F(TdmodTest, PerShowTablesAndTheCatalogueTemplate)
{
    m.dmodCreate(root);
    m.Open_ShowClasses("KCC", "00012");
    m.Open_ShwJudges("KCC", "00012");
    EXPECT_TRUE(fs::is_directory(path("catdata")));
    EXPECT_TRUE(fs::exists(path("catdata/KCC00012classes.dbf")));
    EXPECT_TRUE(fs::exists(path("indexs/KCC00012classes.mdx")));
    EXPECT_TRUE(fs::exists(path("catdata/KCC00012judges.dbf")));
    EXPECT_TRUE(fs::exists(path("indexs/KCC00012judges.mdx")));
    EXPECT_EQ(m.ShowClasses.currentTag(), "CLASSNO");
    EXPECT_EQ(m.ShwJudges.currentTag(), "SRTKEY");

    m.Open_Catalog("KCC", "00012");
    EXPECT_EQ(layoutOf(path("catdata/KCC00012cat.dbf")), layoutText(bw::layouts::Catalog().fields));
    EXPECT_EQ(m.Catalog.currentTag(), "CLASSKEY");
    m.Catalog.append();
    m.Catalog.setFieldInt("classnum", 3);
    m.Catalog.post();
    m.Close_ShowTables();
    m.Open_Catalog("KCC", "00012");  // reused, not copied again
    EXPECT_EQ(m.Catalog.recordCount(), 1u);

    m.Open_Mail("KCC");
    EXPECT_TRUE(fs::exists(path("maildata/KCCMail.dbf")));
    EXPECT_TRUE(fs::exists(path("indexs/KCCMail.mdx")));
    EXPECT_EQ(m.Mail.currentTag(), "NAME");
}

TEST_F(TdmodTest, NamesFromUserTextThatWouldLeaveTheirFolderTouchNothing)
{
    m.dmodCreate(root);
    EXPECT_THROW(m.Open_ShowClasses("../../x", "00001"), bw::DataError);
    EXPECT_THROW(m.Open_Catalog("a\\b", "00001"), bw::DataError);
    EXPECT_THROW(m.Open_Mail(".."), bw::DataError);
    EXPECT_FALSE(fs::exists(path("catdata")));
    EXPECT_FALSE(fs::exists(path("maildata")));
    EXPECT_FALSE(m.ShowClasses.isOpen());
    try {
        m.Show_FileKey("KCC", 12, "14/06/2003\n");
        FAIL() << "no error";
    } catch (const bw::DataError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The show date \"14-06-2003?\" cannot be used in a file name: it may not contain control characters.");
    }
    EXPECT_EQ(m.Show_FileKey("KCC", 12, "14/06/2003"), "KCC-00012-14-06-2003");
    EXPECT_EQ(m.Entries_Path("KCC-00012-14-06-2003"), path("shows/KCC-00012-14-06-2003.dbf"));
}

TEST_F(TdmodTest, EntriesFileOpensWithItsSixTagsInNameOrder)
{
    m.dmodCreate(root);
    const std::string file = m.Entries_Path(m.Show_FileKey("KCC", 12, "14/06/2003"));
    m.Show.copyStructure(file);
    m.Open_ShowEntries(file);
    EXPECT_EQ(m.TzDbf1.currentTag(), "NAME");
    Strings tags;
    for (const xbase::TagDef& t : m.TzDbf1.tags()) tags.push_back(t.name);
    EXPECT_EQ(tags, (Strings{"NAME", "DOGNAME", "REGNUM", "ARMBAND", "CLASSNUM", "CLNUMLAST"}));
    EXPECT_TRUE(fs::exists(path("indexs/KCC-00012-14-06-2003.mdx")));

    // Equal owner names keep input order; a non-numeric armband sorts as 0.
    for (const char* arm : {"12", "X", "3"}) {
        m.TzDbf1.append();
        m.TzDbf1.setField("last", "Smith");
        m.TzDbf1.setField("arm", arm);
        m.TzDbf1.post();
    }
    m.Close_ShowTables();
    m.Open_ShowEntries(file);
    Strings order;
    for (m.TzDbf1.first(); !m.TzDbf1.eof(); m.TzDbf1.next()) order.push_back(m.TzDbf1.text("arm"));
    EXPECT_EQ(order, (Strings{"12", "X", "3"}));
    m.TzDbf1.setOrder("ARMBAND");
    order.clear();
    for (m.TzDbf1.first(); !m.TzDbf1.eof(); m.TzDbf1.next()) order.push_back(m.TzDbf1.text("arm"));
    EXPECT_EQ(order, (Strings{"X", "3", "12"}));
}

TEST_F(TdmodTest, OwnerOrderOfTheDogMasterPutsTheFirstNameRightAfterTheLastName)
{
    m.dmodCreate(root);
    m.Dogs.append();
    m.Dogs.setField("last", "Lee");
    m.Dogs.setField("first", "Ann");
    m.Dogs.post();
    m.Dogs.setOrder("OWNERNAME");
    EXPECT_TRUE(m.Dogs.seek("LEEANN"));
    EXPECT_EQ(m.Dogs.currentKey().substr(0, 6), "LEEANN");
}
