// brindlewick-cli check: what an installation holds and what is wrong with it.
#include "cli/Command.h"

#include "data/DataRoot.h"
#include "sample/InstallationCheck.h"

namespace bwcli {

const char* const kCheckHelp =
    "Opens every table of the data folder DIR as the program opens it: the shared\n"
    "tables, every show in shows/ with its classes, judges and catalogue, the mailing\n"
    "lists (the index files are built anew, as the program does; nothing else is\n"
    "written). It prints how many records each holds, and lists what is wrong:\n"
    "  - a shared table or the settings file that is missing or cannot be read;\n"
    "  - a show whose club is not configured, that has no show-dates record, or whose\n"
    "    class table is missing;\n"
    "  - an entry (not marked deleted) naming more than six classes, naming no class or\n"
    "    a class its show does not have, or holding an exhibit number another entry\n"
    "    holds too.\n"
    "\n"
    "Exit status: 0 when nothing is wrong, 1 when something is, 2 for a wrong command\n"
    "line.\n";

int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string dir;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--data" && i + 1 < args.size()) {
            dir = args[++i];
        } else if (args[i].rfind("--data=", 0) == 0) {
            dir = args[i].substr(7);
        } else {
            err << "brindlewick-cli check: unexpected " << args[i] << "\n"
                << "usage: brindlewick-cli check --data DIR\n";
            return kExitUsage;
        }
    }
    if (dir.empty()) {
        err << "usage: brindlewick-cli check --data DIR\n";
        return kExitUsage;
    }
    const std::string root = bw::chooseDataRoot(dir);
    const bw::sample::CheckResult r = bw::sample::checkInstallation(root);
    out << root << "\n";
    for (const bw::sample::TableCount& c : r.counts) {
        out << "  " << c.table << ": " << c.records << (c.records == 1 ? " record" : " records");
        if (c.deleted) out << " (" << c.deleted << " marked deleted)";
        out << "\n";
    }
    if (r.problems.empty()) {
        out << "No problems found.\n";
        return kExitOk;
    }
    out << r.problems.size() << (r.problems.size() == 1 ? " problem:\n" : " problems:\n");
    for (const std::string& p : r.problems) out << "  " << p << "\n";
    return kExitFailed;
}

} // namespace bwcli
