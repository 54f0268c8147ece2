// brindlewick-cli sample: a made-up club to try the program on.
#include "cli/Command.h"

#include <chrono>

#include "data/DataRoot.h"
#include "data/Text.h"
#include "sample/SampleClub.h"
#include "xbase/Error.h"

namespace bwcli {

const char* const kSampleHelp =
    "Makes a complete sample club in the data folder DIR (created when missing): the\n"
    "secretary and the club in gendefs.ini, show sections, catalogue groups, a class\n"
    "library, the breeds list, salutations, a judges register, a dog master, and one show\n"
    "with its classes, judges and entries, all written by the program's own routines.\n"
    "Start the program on it with  brindlewick --data DIR.\n"
    "\n"
    "  --dogs N      dog master records when done (default 400; at least the entries)\n"
    "  --entries N   entries of the show, a few marked deleted (default 150)\n"
    "  --classes N   classes of the show (default 40; 8 to 903, as three-digit class\n"
    "                numbers allow)\n"
    "\n"
    "The same options always give the same data. The largest show in the world:\n"
    "    brindlewick-cli sample --data DIR --dogs 100000 --entries 25000 --classes 903\n"
    "\n"
    "A folder that already holds settings or tables is refused: no club is written over.\n"
    "Exit status: 0 when the sample was made, 1 when it could not be, 2 for a wrong\n"
    "command line.\n";

namespace {

bool readCount(const std::string& text, int& out)
{
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 7) return false;
    out = std::stoi(text);
    return true;
}

} // namespace

int runSample(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    bw::sample::SampleOptions options;
    std::string dir;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        int* target = a == "--dogs" ? &options.dogs : a == "--entries" ? &options.entries
                    : a == "--classes" ? &options.classes : nullptr;
        if (a == "--data" && hasValue) {
            dir = args[++i];
        } else if (a.rfind("--data=", 0) == 0) {
            dir = a.substr(7);
        } else if (target && hasValue) {
            if (!readCount(args[++i], *target)) {
                err << "brindlewick-cli sample: " << a << " takes a whole number, not " << args[i] << "\n";
                return kExitUsage;
            }
        } else {
            err << "brindlewick-cli sample: unexpected " << a << "\n"
                << "usage: brindlewick-cli sample --data DIR [--dogs N] [--entries N] [--classes N]\n";
            return kExitUsage;
        }
    }
    if (dir.empty()) {
        err << "usage: brindlewick-cli sample --data DIR [--dogs N] [--entries N] [--classes N]\n";
        return kExitUsage;
    }

    try {
        const std::string root = bw::chooseDataRoot(dir);
        const auto start = std::chrono::steady_clock::now();
        const bw::sample::SampleSummary s = bw::sample::makeSampleClub(root, options);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        for (const std::string& note : s.notes) err << "brindlewick-cli sample: note: " << note << "\n";
        out << "Sample club " << s.clubId << " (" << s.clubName << ") made in " << root << "\n"
            << "  show " << s.showNum << ": " << s.entriesPath << "\n"
            << "  " << s.classes << " classes (" << s.breedsShown << " breeds), " << s.entries << " entries ("
            << s.deletedEntries << " marked deleted)\n"
            << "  " << s.dogs << " dogs in the master, " << s.breeds << " breeds, " << s.libraryClasses
            << " library classes, " << s.judges << " judges\n";
        char took[32];
        std::snprintf(took, sizeof took, "%.2f", seconds);
        out << "  in " << took << " s\n";
    } catch (const bw::DataError& e) {
        std::string text = e.what();
        for (char& c : text)
            if (c == ';') c = '\n';
        err << "brindlewick-cli sample: " << text << "\n";
        return kExitFailed;
    } catch (const xbase::DbfError& e) {
        err << "brindlewick-cli sample: " << e.what() << "\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace bwcli
