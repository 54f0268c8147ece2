// brindlewick-cli: the program's files without windows. Each subcommand is one entry of
// the table below and one function in a file of its own.
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Command.h"
#include "data/Version.h"

namespace {

const bwcli::Command kCommands[] = {
    {"dump", "[--header] FILE.dbf", "print a dBase table, one line per record", bwcli::kDumpHelp, bwcli::runDump},
    {"sample", "--data DIR [--dogs N] [--entries N] [--classes N]", "make a sample club to try the program on",
     bwcli::kSampleHelp, bwcli::runSample},
    {"check", "--data DIR", "count the tables of an installation and report what is wrong", bwcli::kCheckHelp,
     bwcli::runCheck},
    {"number", "--data DIR [--show FILE] [--start N] [--order NAME]", "give a show's entries their exhibit numbers",
     bwcli::kNumberHelp, bwcli::runNumber},
    {"counts", "--data DIR [--show FILE] [--rtf FILE]", "compile a show's catalogue and print its class counts",
     bwcli::kCountsHelp, bwcli::runCounts},
};

void overview(std::ostream& out)
{
    out << "brindlewick-cli " << bw::programVersion() << "\n\n"
        << "usage: brindlewick-cli COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const bwcli::Command& c : kCommands) out << "  " << c.name << " " << c.arguments << "\n      " << c.summary << "\n";
    out << "\n  help COMMAND   describe a command\n  --version      print the version\n";
}

const bwcli::Command* find(const std::string& name)
{
    for (const bwcli::Command& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        overview(std::cerr);
        return bwcli::kExitUsage;
    }
    const std::string& name = args[0];
    if (name == "--version") {
        std::cout << "brindlewick-cli " << bw::programVersion() << "\n";
        return bwcli::kExitOk;
    }
    if (name == "help" || name == "--help" || name == "-h") {
        if (args.size() > 1) {
            const bwcli::Command* c = find(args[1]);
            if (!c) {
                std::cerr << "brindlewick-cli: no command named " << args[1] << "\n";
                return bwcli::kExitUsage;
            }
            std::cout << "usage: brindlewick-cli " << c->name << " " << c->arguments << "\n\n" << c->help;
            return bwcli::kExitOk;
        }
        overview(std::cout);
        return bwcli::kExitOk;
    }
    const bwcli::Command* c = find(name);
    if (!c) {
        std::cerr << "brindlewick-cli: no command named " << name << " (see brindlewick-cli help)\n";
        return bwcli::kExitUsage;
    }
    return c->run(std::vector<std::string>(args.begin() + 1, args.end()), std::cout, std::cerr);
}
