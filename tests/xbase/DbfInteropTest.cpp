// Tables written by the engine read the same in independent dBase readers (Python's
// dbfread, Perl's XBase and its dbf_dump), and a table written by python3-dbf reads
// correctly in the engine.
#include "support/TempDir.h"
#include "xbase/Table.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace xbase;

namespace {

const FieldList kFields = {C("name", 20), N("num", 5), D("born"), L("ok")};

struct Dog {
    const char* name;
    const char* num;
    const char* born;
    const char* ok;
    bool deleted;
};

// Accented letters of the code page, a character only transliteration can store, blank
// numbers, dates and logicals, and deleted records between live ones.
const Dog kDogs[] = {
    {"Zoë Müller", "12", "20010203", "T", false},
    {"Ærø Çedille", "", "", "", false},
    {"Gone Dög", "5", "19991231", "F", true},
    {"Straße 5 €", "-7", "", "F", false},
    {"Ñandú", "99999", "20240229", "", true},
    {"plain", "0", "", "T", false},
};

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

// The engine's view of every record as "name|num|born|ok", live and deleted apart.
void engineView(Table& t, std::string& live, std::string& deleted, bool logicalAsDigits = false)
{
    for (uint32_t r = 1; r <= t.recordCount(); ++r) {
        t.go(r);
        std::string num = t.fieldText("num");
        num.erase(0, num.find_first_not_of(' ') == std::string::npos ? num.size() : num.find_first_not_of(' '));
        std::string ok = t.text("ok");
        if (logicalAsDigits) ok = ok == "T" ? "1" : ok == "F" ? "0" : "";
        std::string line = t.text("name") + "|" + num + "|" + t.text("born") + "|" + ok + "\n";
        (t.deleted() ? deleted : live) += line;
    }
}

std::string makeEngineTable(const bwtest::TempDir& dir, CodePage cp)
{
    std::string path = dir.file(cp == CodePage::CP437 ? "dogs437.dbf" : "dogs850.dbf");
    Table t(kFields);
    t.setFileName(path);
    t.setCodePage(cp);
    t.open();
    for (const Dog& d : kDogs) {
        t.append();
        t.setField("name", d.name);
        t.setField("num", d.num);
        t.setField("born", d.born);
        t.setField("ok", d.ok);
        if (d.deleted) t.deleteRecord();
        t.post();
    }
    return path;
}

} // namespace

TEST(DbfInterop, DbfreadReadsTheEnginesTablesIdentically)
{
    BW_REQUIRE_PROGRAM("/usr/bin/python3");
    bwtest::TempDir dir;
    writeFile(dir.file("read.py"), R"(
import sys, dbfread
t = dbfread.DBF(sys.argv[1], load=False)
def line(r):
    ok = {True: 'T', False: 'F', None: ''}[r['ok']]
    born = '' if r['born'] is None else r['born'].strftime('%Y%m%d')
    num = '' if r['num'] is None else str(r['num'])
    return r['name'] + '|' + num + '|' + born + '|' + ok
sys.stdout.buffer.write((t.encoding + '\n').encode())
for r in t: sys.stdout.buffer.write((line(r) + '\n').encode('utf-8'))
sys.stdout.buffer.write(b'--\n')
for r in t.deleted: sys.stdout.buffer.write((line(r) + '\n').encode('utf-8'))
)");
    for (CodePage cp : {CodePage::CP850, CodePage::CP437}) {
        std::string path = makeEngineTable(dir, cp);
        Table t;
        t.setFileName(path);
        t.open();
        std::string live, deleted;
        engineView(t, live, deleted);
        EXPECT_NE(live.find("Straße 5 EUR"), std::string::npos) << live;
        std::string expected = std::string(cp == CodePage::CP850 ? "cp850" : "cp437") + "\n" + live + "--\n" + deleted;
        int status = -1;
        std::string got = bwtest::runCommand("/usr/bin/python3 " + dir.file("read.py") + " " + path, &status);
        EXPECT_EQ(status, 0);
        // dbfread reads a blank number as None, the engine as blank text: the same.
        EXPECT_EQ(got, expected);
    }
}

TEST(DbfInterop, PerlXBaseReadsTheEnginesTableIdentically)
{
    BW_REQUIRE_PROGRAM("dbf_dump");
    BW_REQUIRE_PROGRAM("iconv");
    bwtest::TempDir dir;
    std::string path = makeEngineTable(dir, CodePage::CP850);
    Table t;
    t.setFileName(path);
    t.setExclusive(false);
    t.open();
    std::string live, deleted;
    engineView(t, live, deleted, true);
    t.close();

    // dbf_dump prints the live records in the table's own bytes.
    int status = -1;
    std::string dumped = bwtest::runCommand("dbf_dump --fs='|' '" + path + "' | iconv -f CP850 -t UTF-8", &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dumped, live);

    // The deletion marks through the same library.
    writeFile(dir.file("marks.pl"), R"(
use XBase;
my $t = XBase->new(shift) or die XBase->errstr;
for my $i (0 .. $t->last_record) { my ($del) = $t->get_record($i); print $del ? "*" : "-"; }
)");
    std::string marks = bwtest::runCommand("perl " + dir.file("marks.pl") + " '" + path + "'", &status);
    EXPECT_EQ(status, 0);
    std::string expected;
    for (const Dog& d : kDogs) expected += d.deleted ? "*" : "-";
    EXPECT_EQ(marks, expected);
}

TEST(DbfInterop, EngineReadsATableWrittenByPythonDbf)
{
    BW_REQUIRE_PROGRAM("/usr/bin/python3");
    bwtest::TempDir dir;
    std::string path = dir.file("pydbf.dbf");
    writeFile(dir.file("write.py"), R"(
import sys, datetime, dbf
t = dbf.Table(sys.argv[1], 'name C(20); num N(5,0); born D; ok L', codepage='cp850', dbf_type='db3')
t.open(dbf.READ_WRITE)
t.append(('Zoë Müller', 12, datetime.date(2001, 2, 3), True))
t.append(('Ærø Çedille', None, None, None))
t.append(('Gone Dög', 5, None, False))
t.append(('Éclair', 7, datetime.date(1999, 12, 31), False))
dbf.delete(t[2])
t.close()
)");
    int status = -1;
    bwtest::runCommand("/usr/bin/python3 " + dir.file("write.py") + " " + path, &status);
    ASSERT_EQ(status, 0);

    Table t;
    t.setFileName(path);
    t.open();
    ASSERT_EQ(t.recordCount(), 4u);
    EXPECT_EQ(t.fieldName(1), "name") << "names are read in lower case";
    EXPECT_EQ(t.codePage(), CodePage::CP850);
    std::string live, deleted;
    engineView(t, live, deleted);
    EXPECT_EQ(live, "Zoë Müller|12|20010203|T\nÆrø Çedille|||\nÉclair|7|19991231|F\n");
    EXPECT_EQ(deleted, "Gone Dög|5||F\n");
    t.go(2);
    EXPECT_EQ(t.fieldInt("num"), 0);
    EXPECT_EQ(t.fieldText("ok"), " ") << "python3-dbf writes an unset logical as '?'";
    EXPECT_EQ(t.fieldText("name"), "Ærø Çedille         ");

    // Changes made by the engine read back in python3-dbf as well.
    t.setField("num", "42");
    t.post();
    t.close();
    writeFile(dir.file("check.py"), R"(
import sys, dbf
t = dbf.Table(sys.argv[1]); t.open()
line = '%s %s %s\n' % (t[1].num, dbf.is_deleted(t[2]), t[1].name.strip())
sys.stdout.buffer.write(line.encode('utf-8'))
)");
    std::string got = bwtest::runCommand("/usr/bin/python3 " + dir.file("check.py") + " " + path, &status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(got, "42 True Ærø Çedille\n");
}
