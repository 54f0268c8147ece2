// brindlewick-cli number: Auto Assign of exhibit numbers on a show, without the window.
#include "cli/Command.h"
#include "cli/ShowCommand.h"

#include "data/Tdmod.h"
#include "data/Text.h"
#include "numbering/ExhibitNumbers.h"
#include "xbase/Error.h"

namespace bwcli {

const char* const kNumberHelp =
    "Gives every entry of a show that is not marked deleted its exhibit number, as Auto\n"
    "Assign does in the exhibit number window: the entries are numbered start, start + 1,\n"
    "... in the chosen order; entries marked deleted keep the numbers they have. Every\n"
    "number is replaced, typed ones included. The show's index file is rebuilt.\n"
    "\n"
    "  --data DIR     the data folder (holding gendefs.ini, shows/, ...)\n"
    "  --show FILE    the show's entries file (a name alone is looked for in shows/);\n"
    "                 without it, the show opened last in the program\n"
    "  --start N      the first number, read as the start box reads it (default 101)\n"
    "  --order NAME   clnumlast (catalogue order by exhibitor, the default), classnum\n"
    "                 (catalogue order by input), regnum (ATC number), armband (exhibit\n"
    "                 number) or input (input order)\n"
    "\n"
    "The show is opened as the program opens it, and so becomes the show opened last.\n"
    "Messages the program would show are written to standard error.\n"
    "Exit status: 0 when the numbers were given, 1 when the show cannot be opened, 2 for a\n"
    "wrong command line.\n";

int runNumber(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ShowOptions show;
    std::string start = "101";
    std::string orderName = "clnumlast";
    const char* usage = "usage: brindlewick-cli number --data DIR [--show FILE] [--start N] [--order NAME]\n";
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (takeShowOption(args, i, show)) continue;
        if (args[i] == "--start" && hasValue) start = args[++i];
        else if (args[i] == "--order" && hasValue) orderName = args[++i];
        else {
            err << "brindlewick-cli number: unexpected " << args[i] << "\n" << usage;
            return kExitUsage;
        }
    }
    const bw::ExhibitOrder* order = bw::findExhibitOrder(orderName);
    if (show.dataDir.empty() || !order) {
        if (!order) err << "brindlewick-cli number: no order named " << orderName << "\n";
        err << usage;
        return kExitUsage;
    }

    return runOnShow("number", show, err, [&](bw::Tdmod& m) {
        const int first = bw::Lenient_Int(start);
        m.TzDbf1.setOrder(order->tag);
        const int given = bw::AssignExhibitNumbers(m.TzDbf1, first);
        out << "Numbered " << given << (given == 1 ? " exhibit" : " exhibits");
        if (given > 0) out << " from " << bw::exhibitNumberText(first) << " to " << bw::exhibitNumberText(first + given - 1);
        out << " in the order " << order->menuText << ".\n";
        return kExitOk;
    });
}

} // namespace bwcli
