// brindlewick-cli counts: the class counts listing of a show, without the window.
#include "cli/Command.h"
#include "cli/ShowCommand.h"

#include "catalogue/Catalogue.h"
#include "data/Tdmod.h"
#include "numbering/ClassCounts.h"
#include "print/RichDoc.h"
#include "print/Rtf.h"

namespace bwcli {

const char* const kCountsHelp =
    "Compiles the show's catalogue from its entries, as the class counts window does,\n"
    "which stores the number of entries of every class in the show's class table, and\n"
    "prints the class counts listing as plain text: every class with its count, and the\n"
    "exhibit and entry totals of each show section.\n"
    "\n"
    "  --data DIR     the data folder (holding gendefs.ini, shows/, ...)\n"
    "  --show FILE    the show's entries file (a name alone is looked for in shows/);\n"
    "                 without it, the show opened last in the program\n"
    "  --rtf FILE     also save the listing as rich text, as the window's Save As does\n"
    "\n"
    "The show is opened as the program opens it, and so becomes the show opened last.\n"
    "Messages the program would show are written to standard error.\n"
    "Exit status: 0 when the listing was made, 1 when the show cannot be opened, has no\n"
    "entries or the file cannot be written, 2 for a wrong command line.\n";

int runCounts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    ShowOptions show;
    std::string rtf;
    const char* usage = "usage: brindlewick-cli counts --data DIR [--show FILE] [--rtf FILE]\n";
    for (size_t i = 0; i < args.size(); ++i) {
        if (takeShowOption(args, i, show)) continue;
        if (args[i] == "--rtf" && i + 1 < args.size()) {
            rtf = args[++i];
        } else {
            err << "brindlewick-cli counts: unexpected " << args[i] << "\n" << usage;
            return kExitUsage;
        }
    }
    if (show.dataDir.empty()) {
        err << usage;
        return kExitUsage;
    }

    return runOnShow("counts", show, err, [&](bw::Tdmod& m) {
        if (m.TzDbf1.recordCount() == 0) {
            m.prompter().Message_Box(bw::BoxKind::Information, "", "You need some entries first!");
            return kExitFailed;
        }
        bw::Build_Catalog(m, m.show.clubId, m.show.showNum);
        bw::print::RichDoc doc;
        bw::Build_ClassCountsListing(m, doc);
        out << doc.plainText() << "\n";
        std::string error;
        if (!rtf.empty() && !bw::print::saveRtfFile(doc, rtf, &error)) {
            err << "brindlewick-cli counts: " << error << "\n";
            return kExitFailed;
        }
        return kExitOk;
    });
}

} // namespace bwcli
