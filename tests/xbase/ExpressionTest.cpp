// Key and filter expressions evaluated on raw records, against what dBase gives.
#include "xbase/DbfLayout.h"
#include "xbase/Expression.h"

#include <gtest/gtest.h>

#include <map>

using namespace xbase;

namespace {

// The fields the program's key expressions use, narrowed where a narrow field shows the
// rule better.
const FieldList kFields = {
    C("dog", 10), C("last", 8), C("first", 6), C("owner2", 12), C("arm", 5), N("firstclass", 3),
    N("show_num", 5), D("show_date"), C("clubid", 8), C("atc_num", 6), C("zip", 6), C("email", 10),
    N("classnum", 3), C("also_entry", 1), C("grpsort", 1), C("breed_name", 8), C("group", 5),
    L("stored"), N("judge_num", 5), C("srtkey", 3),
};

// A record built from field values given as they are typed: texts left-aligned,
// numbers right-aligned, every other field blank.
std::string record(const std::map<std::string, std::string>& values, CodePage cp = CodePage::CP850)
{
    std::vector<FieldSlot> slots = dbf::slotsOf(kFields);
    std::string rec(size_t(slots.back().offset + slots.back().length), ' ');
    for (const auto& [name, value] : values) {
        if (name == "*") {
            rec[0] = '*';
            continue;
        }
        const FieldSlot* s = nullptr;
        for (const auto& x : slots)
            if (x.name == name) s = &x;
        EXPECT_NE(s, nullptr) << name;
        std::string v = fromUtf8(value, cp);
        if (s->type == FieldType::Numeric) v = std::string(size_t(s->length) - v.size(), ' ') + v;
        rec.replace(size_t(s->offset), v.size(), v);
    }
    return rec;
}

std::string key(const std::string& expression, const std::string& rec, uint32_t recNo = 1,
                CodePage cp = CodePage::CP850)
{
    Expression e = Expression::compile(expression, dbf::slotsOf(kFields), cp);
    EXPECT_EQ(e.type(), ValueType::Character) << expression;
    std::string out(size_t(e.width()), '\0');
    e.evalText(rec.data(), recNo, out.data());
    return out;
}

bool condition(const std::string& expression, const std::string& rec)
{
    Expression e = Expression::compile(expression, dbf::slotsOf(kFields), CodePage::CP850);
    EXPECT_EQ(e.type(), ValueType::Logical) << expression;
    return e.evalLogical(rec.data(), 1);
}

struct KeyCase {
    const char* expression;
    std::map<std::string, std::string> values;
    uint32_t recNo;
    const char* expected;
};

} // namespace

TEST(Expression, KeysEvaluateAsDbaseDoes)
{
    const KeyCase cases[] = {
        // names with the record number: unique keys in input order
        {"upper(dog)+str(recno(),5)", {{"dog", "Rex"}}, 7, "REX           7"},
        {"upper(dog)+str(recno(),5)", {}, 12345, "          12345"},
        // "-" moves the trailing blanks of the left side to the end
        {"upper(last - first)+str(recno(),5)", {{"last", "Smith"}, {"first", "John"}}, 12, "SMITHJOHN        12"},
        {"upper(last - first)+str(recno(),5)", {{"last", "Abercrom"}, {"first", "Ann"}}, 1, "ABERCROMANN       1"},
        {"upper(last - first)+str(recno(),5)", {}, 1, "                  1"},
        {"upper(last + first +substr(owner2,1,10))+str(recno(),5)",
         {{"last", "Smith"}, {"first", "John"}, {"owner2", "Mary Smiths"}}, 3, "SMITH   JOHN  MARY SMITH    3"},
        {"upper(atc_num)+str(recno(),5)", {{"atc_num", "ab12"}}, 2, "AB12      2"},
        {"atc_num+str(recno(),5)", {{"atc_num", "ab12"}}, 2, "ab12      2"},
        // armband numbers sort numerically; blank and non-numeric ones as 0
        {"str(val(arm),5,0)", {{"arm", "12"}}, 1, "   12"},
        {"str(val(arm),5,0)", {}, 1, "    0"},
        {"str(val(arm),5,0)", {{"arm", "ABC"}}, 1, "    0"},
        {"str(val(arm),5,0)", {{"arm", " 7a"}}, 1, "    7"},
        {"str(val(arm),5,0)", {{"arm", "-3"}}, 1, "   -3"},
        // blank numbers are 0
        {"str(firstclass,3)+str(recno(),5)", {}, 4, "  0    4"},
        {"str(firstclass,3)+str(recno(),5)", {{"firstclass", "999"}}, 4, "999    4"},
        {"str(firstclass,3)+upper(last + first)", {{"firstclass", "5"}, {"last", "Lee"}, {"first", "Al"}}, 1, "  5LEE     AL    "},
        {"str(judge_num,5)", {}, 1, "    0"},
        // a number too wide for str() gives asterisks
        {"str(show_num,3)", {{"show_num", "12345"}}, 1, "***"},
        {"str(recno(),2)", {}, 100, "**"},
        {"str(recno())", {}, 42, "        42"},
        // decimals: rounded half away from zero, fewer when they do not fit
        {"str(val(arm),6,2)", {{"arm", "3.146"}}, 1, "  3.15"},
        {"str(val(arm),4,0)", {{"arm", "2.5"}}, 1, "   3"},
        {"str(val(arm),4,0)", {{"arm", "-2.5"}}, 1, "  -3"},
        {"str(val(arm),5,2)", {{"arm", "123.4"}}, 1, "123.4"},
        {"str(val(arm),3,1)", {{"arm", "-0.01"}}, 1, "0.0"},
        // dates: YYYYMMDD, blank gives 8 blanks
        {"upper(clubid)+str(show_num,5)", {{"clubid", "kcc"}, {"show_num", "12"}}, 1, "KCC        12"},
        {"upper(clubid)+dtos(show_date)", {{"clubid", "kcc"}, {"show_date", "20030614"}}, 1, "KCC     20030614"},
        {"upper(clubid)+dtos(show_date)", {{"clubid", "kcc"}}, 1, "KCC             "},
        {"upper(zip)+upper(last + first)", {{"zip", "ab1"}, {"last", "x"}}, 1, "AB1   X             "},
        {"str(classnum,3)+also_entry+arm", {{"classnum", "12"}, {"also_entry", "A"}, {"arm", "7"}}, 1, " 12A7    "},
        {"grpsort+upper(breed_name)", {{"grpsort", "3"}, {"breed_name", "Beagle"}}, 1, "3BEAGLE  "},
        {"upper(group+breed_name)", {{"group", "hound"}, {"breed_name", "Beagle"}}, 1, "HOUNDBEAGLE  "},
        {"upper(email)+str(recno(),5)", {{"email", "a@b.c"}}, 9, "A@B.C         9"},
        {"srtkey", {{"srtkey", "b2"}}, 1, "b2 "},
        // upper() of letters above 0x80 uses the code page's capitals
        {"upper(dog)", {{"dog", "éçñüå"}}, 1, "ÉÇÑÜÅ     "},
        // trimmed texts pad the key to its fixed width
        {"trim(last)+\"|\"", {{"last", "Smith"}}, 1, "Smith|   "},
        {"alltrim(owner2)+\"|\"", {{"owner2", "  ab"}}, 1, "ab|          "},
        {"ltrim(owner2)", {{"owner2", "  ab"}}, 1, "ab          "},
        {"substr(dog,3)", {{"dog", "abcdefghij"}}, 1, "cdefghij"},
        {"substr(dog,9,5)", {{"dog", "abcdefghij"}}, 1, "ij"},
        {"substr(dog,recno(),2)", {{"dog", "abcdefghij"}}, 4, "de"},
        {"left(dog,2)+right(dog,2)", {{"dog", "abcdefghij"}}, 1, "abij"},
        {"lower(\"ABC\")+space(2)", {}, 1, "abc  "},
        {"iif(stored,\"yes\",\"no\")", {{"stored", "T"}}, 1, "yes"},
        {"iif(stored,\"yes\",\"no\")", {}, 1, "no "},
        {"str(recno()*2+1,4)", {}, 5, "  11"},
        {"str(-recno(),4)", {}, 5, "  -5"},
    };
    for (const KeyCase& c : cases) {
        std::string got = toUtf8(key(c.expression, record(c.values), c.recNo), CodePage::CP850);
        EXPECT_EQ(got, c.expected) << c.expression;
    }
}

TEST(Expression, KeyWidthComesFromTheFieldsNotTheData)
{
    auto width = [](const char* text) {
        return Expression::compile(text, dbf::slotsOf(kFields), CodePage::CP850).width();
    };
    EXPECT_EQ(width("upper(last + first +substr(owner2,1,10))+str(recno(),5)"), 8 + 6 + 10 + 5);
    EXPECT_EQ(width("upper(last - first)+str(recno(),5)"), 8 + 6 + 5);
    EXPECT_EQ(width("str(val(arm),5,0)"), 5);
    EXPECT_EQ(width("trim(dog)"), 10);
    EXPECT_EQ(width("substr(owner2,11,10)"), 2);
    EXPECT_EQ(width("dtos(show_date)"), 8);
}

TEST(Expression, NumericAndDateKeys)
{
    auto slots = dbf::slotsOf(kFields);
    Expression num = Expression::compile("judge_num", slots, CodePage::CP850);
    EXPECT_EQ(num.type(), ValueType::Numeric);
    EXPECT_TRUE(num.isSingleField());
    EXPECT_EQ(num.evalNumber(record({{"judge_num", "42"}}).data(), 1), 42);
    EXPECT_EQ(num.evalNumber(record({}).data(), 1), 0);

    Expression date = Expression::compile("show_date", slots, CodePage::CP850);
    EXPECT_EQ(date.type(), ValueType::Date);
    EXPECT_EQ(date.evalNumber(record({{"show_date", "20000101"}}).data(), 1), 2451545.0);
    EXPECT_EQ(date.evalNumber(record({}).data(), 1), 21474835648.0);
    EXPECT_FALSE(Expression::compile("upper(dog)", slots, CodePage::CP850).isSingleField());
}

TEST(Expression, FilterConditions)
{
    EXPECT_TRUE(condition("Stored=.F.", record({{"stored", "F"}})));
    EXPECT_TRUE(condition("Stored=.F.", record({}))) << "an unset logical reads as false";
    EXPECT_FALSE(condition("Stored=.F.", record({{"stored", "T"}})));
    EXPECT_TRUE(condition("Stored=.T.", record({{"stored", "y"}})));
    EXPECT_TRUE(condition("STORED", record({{"stored", "t"}})));
    EXPECT_TRUE(condition(".NOT. stored .AND. firstclass > 5", record({{"firstclass", "6"}})));
    EXPECT_FALSE(condition("!stored .and. firstclass > 5", record({{"firstclass", "5"}})));
    EXPECT_TRUE(condition("stored .OR. deleted()", record({{"*", ""}})));
    // "=" compares only as far as the right side goes (dBase SET EXACT OFF); "==" all
    EXPECT_TRUE(condition("last = \"Sm\"", record({{"last", "Smith"}})));
    EXPECT_FALSE(condition("last == \"Sm\"", record({{"last", "Smith"}})));
    EXPECT_TRUE(condition("last == \"Smith\"", record({{"last", "Smith"}})));
    EXPECT_TRUE(condition("last <> \"Jo\" .and. last # 'Jo' .and. last != [Jo]", record({{"last", "Smith"}})));
    EXPECT_TRUE(condition("\"mit\" $ last", record({{"last", "Smith"}})));
    EXPECT_TRUE(condition("last < \"Smz\" .and. last >= \"Smith\"", record({{"last", "Smith"}})));
    EXPECT_TRUE(condition("dtos(show_date) >= \"2003\"", record({{"show_date", "20030614"}})));
    EXPECT_TRUE(condition("show_date > show_date .or. (recno() = 1)", record({})));
    EXPECT_TRUE(condition("'' = '' .and. last = ''", record({})));
}

TEST(Expression, BadExpressionsAreRefusedWithAReason)
{
    const char* bad[] = {
        "", "upper(", "upper(dog", "nosuchfield", "nosuch(dog)", "dog + firstclass", "str(dog)",
        "str(firstclass, recno())", "upper(dog) .and. stored", "\"open", ".x.", "stored < stored",
        "dtos(dog)", "1 2", "substr(dog)", "space(-1)", "str(1,0)", "str(1,300)", "@",
    };
    for (const char* text : bad) {
        try {
            Expression::compile(text, dbf::slotsOf(kFields), CodePage::CP850);
            ADD_FAILURE() << "compiled: " << text;
        } catch (const ExpressionError& e) {
            EXPECT_NE(std::string(e.what()).find("cannot be used"), std::string::npos) << e.what();
        }
    }
    // Deep nesting and huge widths are refused instead of exhausting the stack or memory.
    EXPECT_THROW(Expression::compile(std::string(100000, '(') + "1", dbf::slotsOf(kFields), CodePage::CP850),
                 ExpressionError);
    std::string wide = "space(60000)";
    for (int i = 0; i < 3; ++i) wide += "+space(60000)";
    EXPECT_THROW(Expression::compile(wide, dbf::slotsOf(kFields), CodePage::CP850), ExpressionError);
}

TEST(Expression, EveryKeyOfTheProgramsTablesCompilesToItsWidth)
{
    // The tag expressions of the program's tables, with the widths of the fields they
    // use; the width of a key is what the field widths give.
    struct Case {
        FieldList fields;
        const char* expression;
        int width;
    } cases[] = {
        {{C("dog", 60)}, "upper(dog)+str(recno(),5)", 65},
        {{C("first", 25), C("last", 20)}, "upper(last - first)+str(recno(),5)", 50},
        {{C("atc_num", 15)}, "upper(atc_num)+str(recno(),5)", 20},
        {{C("first", 25), C("last", 30), C("owner2", 30)}, "upper(last + first +substr(owner2,1,10))+str(recno(),5)", 70},
        {{C("atc_num", 15)}, "atc_num+str(recno(),5)", 20},
        {{C("arm", 5)}, "str(val(arm),5,0)", 5},
        {{N("firstclass", 3)}, "str(firstclass,3)+str(recno(),5)", 8},
        {{N("firstclass", 3), C("first", 25), C("last", 30)}, "str(firstclass,3)+upper(last + first)", 58},
        {{C("breed_name", 45)}, "upper(breed_name)", 45},
        {{C("breed_name", 45), C("group", 10)}, "upper(group+breed_name)", 55},
        {{C("breed_name", 45), C("grpsort", 1)}, "grpsort+upper(breed_name)", 46},
        {{C("name", 15)}, "upper(name)", 15},
        {{C("allkey", 4)}, "upper(allkey)", 4},
        {{C("section", 15), C("classname", 40)}, "upper(classname+section)", 55},
        {{C("section", 15), C("classname", 40)}, "upper(section+classname)", 55},
        {{C("clubid", 8), N("show_num", 5)}, "upper(clubid)+str(show_num,5)", 13},
        {{C("clubid", 8), D("show_date")}, "upper(clubid)+dtos(show_date)", 16},
        {{C("cat_group", 3)}, "upper(cat_group)", 3},
        {{C("section", 15), C("cat_group", 3)}, "upper(section+cat_group)", 18},
        {{C("first", 25), C("last", 20)}, "upper(last + first)", 45},
        {{N("judge_num", 5)}, "str(judge_num,5)", 5},
        {{C("zip", 10), C("first", 25), C("last", 20)}, "upper(zip)+upper(last + first)", 55},
        {{N("classnum", 3)}, "str(classnum,3)", 3},
        {{C("allkey", 4)}, "allkey", 4},
        {{C("srtkey", 3)}, "srtkey", 3},
        {{N("classnum", 3), C("also_entry", 1), C("arm", 5)}, "str(classnum,3)+also_entry+arm", 9},
        {{C("email", 60)}, "upper(email)+str(recno(),5)", 65},
    };
    for (const Case& c : cases) {
        Expression e = Expression::compile(c.expression, dbf::slotsOf(c.fields), CodePage::CP850);
        EXPECT_EQ(e.type(), ValueType::Character) << c.expression;
        EXPECT_EQ(e.width(), c.width) << c.expression;
    }
}
