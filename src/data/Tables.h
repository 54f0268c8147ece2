#pragma once

#include <string>

#include "xbase/Field.h"

namespace bw {

// The layout of every table of the data module, written down once: file name, folder,
// field list (used to create a missing file), index file, tags with their dBase key
// expressions, and the order chosen after opening ("" = natural order, no index).
// Per-show and per-club tables give only the part of the name after club ID (+ NNNNN);
// their folder and index names are built by the data module.
struct TableLayout {
    const char* fileName;    // "masterdb.dbf"; for per-show tables the suffix "classes.dbf"
    const char* folder;      // folders::k...
    xbase::FieldList fields;
    const char* indexName;   // "masterdb.mdx" ("" = no index); per-show: suffix "classes.mdx"
    xbase::TagList tags;
    const char* order;       // first-listed order after opening
};

namespace layouts {
const TableLayout& Dogs();         // userdata/masterdb.dbf
const TableLayout& Show();         // pgmdata/showdb.dbf, the entries template
const TableLayout& Entries();      // shows/<file key>.dbf (TzDbf1)
const TableLayout& Breeds();       // userdata/breeds.dbf
const TableLayout& Sections();     // userdata/Sections.dbf
const TableLayout& AllClasses();   // userdata/Allclass.dbf
const TableLayout& ShowDates();    // userdata/shwdates.dbf
const TableLayout& CatGroups();    // userdata/catgroup.dbf
const TableLayout& Judges();       // userdata/judges.dbf
const TableLayout& Salutations();  // userdata/saluts.dbf
const TableLayout& ShowClasses();  // catdata/<club><NNNNN>classes.dbf
const TableLayout& ShwJudges();    // catdata/<club><NNNNN>judges.dbf
const TableLayout& Catalog();      // catdata/<club><NNNNN>cat.dbf
const TableLayout& CatalogTemplate();  // pgmdata/catdb.dbf
const TableLayout& Mail();         // maildata/<club>Mail.dbf
} // namespace layouts

} // namespace bw
