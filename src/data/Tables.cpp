#include "data/Tables.h"

#include "data/DataRoot.h"

namespace bw::layouts {

using xbase::C;
using xbase::D;
using xbase::L;
using xbase::N;

namespace {
// The dog master and the entries share most of their fields, but not all widths.
xbase::FieldList entryFields()
{
    return {C("dog", 60),        C("titles", 30),    C("breed", 45),     C("sex", 6),
            C("salutation", 15), C("first", 25),     C("last", 30),      C("owner2", 30),
            C("address1", 40),   C("address2", 40),  C("address3", 40),  C("zip", 10),
            C("country", 40),    C("phone", 14),     C("email", 60),     C("classes", 30),
            N("firstclass", 3),  C("arm", 5),        C("agent", 50),     C("breeder", 60),
            C("sire", 60),       C("dam", 60),       D("bdate"),         C("atc_num", 15),
            N("teamcode", 2),    N("show_num", 5),   C("note", 80),      L("printit"),
            L("prepaidcat"),     L("noprintadd"),    C("jr_name", 50),   C("jr_age", 5),
            C("height", 5),      C("section", 10),   C("catgroup", 3),   C("address4", 40),
            C("jr_class", 40),   C("jr_allkey", 4)};
}

xbase::FieldList catalogFields()
{
    return {N("recnum", 5),      N("classnum", 3), C("also_entry", 1), C("arm", 5), C("dog_name", 60),
            N("teamcode", 2),    C("height", 5),   C("section", 15),   C("catgroup", 3)};
}
} // namespace

const TableLayout& Dogs()
{
    static const TableLayout t{
        "masterdb.dbf", folders::kUserData,
        {C("dog", 60), C("titles", 30), C("breed", 45), C("sex", 6), C("first", 25), C("last", 20),
         C("owner2", 50), C("address1", 40), C("address2", 40), C("address3", 40), C("zip", 10),
         C("phone", 14), C("country", 20), C("breeder", 60), C("sire", 60), C("dam", 60), D("bdate"),
         C("email", 60), C("atc_num", 15), C("height", 5), C("salutation", 15), D("modified"),
         C("address4", 40)},
        "masterdb.mdx",
        {{"DOGNAME", "upper(dog)+str(recno(),5)"},
         {"OWNERNAME", "upper(last - first)+str(recno(),5)"},
         {"REGNUM", "upper(atc_num)+str(recno(),5)"}},
        "DOGNAME"};
    return t;
}

const TableLayout& Show()
{
    static const TableLayout t{"showdb.dbf", folders::kPgmData, entryFields(), "", {}, ""};
    return t;
}

const TableLayout& Entries()
{
    static const TableLayout t{
        "", folders::kShows, entryFields(), "",
        {{"NAME", "upper(last + first +substr(owner2,1,10))+str(recno(),5)"},
         {"DOGNAME", "upper(dog)+str(recno(),5)"},
         {"REGNUM", "atc_num+str(recno(),5)"},
         {"ARMBAND", "str(val(arm),5,0)"},
         {"CLASSNUM", "str(firstclass,3)+str(recno(),5)"},
         {"CLNUMLAST", "str(firstclass,3)+upper(last + first)"}},
        "NAME"};
    return t;
}

const TableLayout& Breeds()
{
    static const TableLayout t{
        "breeds.dbf", folders::kUserData,
        {C("breed_name", 45), C("group", 10), C("breed_type", 12), C("grpsort", 1)},
        "breeds.mdx",
        {{"BREEDNAME", "upper(breed_name)"},
         {"GroupNAME", "upper(group+breed_name)"},
         {"SortNum", "grpsort+upper(breed_name)"}},
        "BREEDNAME"};
    return t;
}

const TableLayout& Sections()
{
    static const TableLayout t{
        "Sections.dbf", folders::kUserData,
        {C("name", 15), L("full"), L("brief"), L("with_score")},
        "sections.mdx", {{"NAME", "upper(name)"}}, "NAME"};
    return t;
}

const TableLayout& AllClasses()
{
    static const TableLayout t{
        "Allclass.dbf", folders::kUserData,
        {C("section", 15), C("classname", 40), C("sex", 1), C("allkey", 4), C("cat_group", 3)},
        "Allclass.mdx",
        {{"SRTKEY", "upper(allkey)"},
         {"NAME", "upper(classname+section)"},
         {"COMBO", "upper(section+classname)"}},
        "SRTKEY"};
    return t;
}

const TableLayout& ShowDates()
{
    static const TableLayout t{
        "shwdates.dbf", folders::kUserData,
        {C("clubid", 8), N("show_num", 5), D("show_date"), N("num_days", 1), D("last_date")},
        "shwdates.mdx",
        {{"SHOWNUM", "upper(clubid)+str(show_num,5)"},
         {"SHOWDATE", "upper(clubid)+dtos(show_date)"}},
        "SHOWNUM"};
    return t;
}

const TableLayout& CatGroups()
{
    static const TableLayout t{
        "catgroup.dbf", folders::kUserData,
        {C("section", 15), C("cat_group", 3), C("descript", 30), C("header", 80), C("footer1", 80),
         C("footer2", 80), C("footer3", 80), C("footer4", 80), C("footer5", 80), C("footer6", 80),
         C("footer7", 80)},
        "catgroup.mdx",
        {{"CODE", "upper(cat_group)"}, {"Section", "upper(section+cat_group)"}},
        "CODE"};
    return t;
}

const TableLayout& Judges()
{
    static const TableLayout t{
        "judges.dbf", folders::kUserData,
        {N("judge_num", 5), C("salutation", 15), C("first", 25), C("last", 20), C("address1", 40),
         C("address2", 40), C("address3", 40), C("zip", 10), C("country", 20), C("phone", 14),
         C("workphone", 20), C("fax", 14), C("email", 60), C("notes", 60), C("address4", 40)},
        "judges.mdx",
        {{"NAME", "upper(last + first)"},
         {"JUDGENUM", "str(judge_num,5)"},
         {"ZIP", "upper(zip)+upper(last + first)"}},
        "NAME"};
    return t;
}

const TableLayout& Salutations()
{
    static const TableLayout t{"saluts.dbf", folders::kUserData, {C("salutation", 15)}, "", {}, ""};
    return t;
}

const TableLayout& ShowClasses()
{
    static const TableLayout t{
        "classes.dbf", folders::kCatData,
        {C("day", 1), N("classnum", 3), C("classname", 40), C("section", 15), C("catgroup", 3),
         C("allkey", 4), N("count", 5)},
        "classes.mdx",
        {{"CLASSNO", "str(classnum,3)"}, {"ALLKEY", "allkey"}},
        "CLASSNO"};
    return t;
}

const TableLayout& ShwJudges()
{
    static const TableLayout t{
        "judges.dbf", folders::kCatData,
        {N("judge_num", 5), C("fullname", 50), C("cat_desc", 50), C("srtkey", 3), L("juniors")},
        "judges.mdx", {{"SRTKEY", "srtkey"}}, "SRTKEY"};
    return t;
}

const TableLayout& Catalog()
{
    static const TableLayout t{
        "cat.dbf", folders::kCatData, catalogFields(),
        "cat.mdx", {{"CLASSKEY", "str(classnum,3)+also_entry+arm"}}, "CLASSKEY"};
    return t;
}

const TableLayout& CatalogTemplate()
{
    static const TableLayout t{"catdb.dbf", folders::kPgmData, catalogFields(), "", {}, ""};
    return t;
}

const TableLayout& Mail()
{
    static const TableLayout t{
        "Mail.dbf", folders::kMailData,
        {C("first", 25), C("last", 20), C("owner2", 50), C("lastshow", 30), C("address1", 40),
         C("address2", 40), C("address3", 40), C("zip", 10), C("country", 20), C("phone", 14),
         C("email", 60), C("salutation", 15), C("address4", 40), L("stored")},
        "Mail.mdx",
        {{"NAME", "upper(last + first)"},
         {"ZIP", "upper(zip)+upper(last + first)"},
         {"emailsrt", "upper(email)+str(recno(),5)"}},
        "NAME"};
    return t;
}

} // namespace bw::layouts
