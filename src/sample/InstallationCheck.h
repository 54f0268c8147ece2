#pragma once

#include <string>
#include <vector>

namespace bw::sample {

// A look over a whole installation (a data root) the way the program opens it: every
// shared table through the data module, the entries template, every show in shows/ with
// its class table, judge assignment and catalogue, and the mailing list of every
// configured club. Counts what it finds and lists what is wrong.
struct TableCount {
    std::string table;       // path below the data root, e.g. "userdata/masterdb.dbf"
    long records = 0;        // marked ones included
    long deleted = 0;
};

struct CheckResult {
    std::vector<TableCount> counts;
    std::vector<std::string> problems;   // one line each; empty when all is well
};

// Nothing is created or changed except the index files, which the program builds anew
// whenever it opens a table. A table that is missing is reported, not created.
//
// Reported: a missing shared table or settings file; a show whose club is not one of
// the configured clubs, that has no show-dates record, or whose class table is missing;
// and for every entry not marked deleted: a classes text naming more than six classes,
// a class the show does not have, and an exhibit number another entry holds too.
CheckResult checkInstallation(const std::string& dataRoot);

} // namespace bw::sample
