#pragma once

#include <ostream>
#include <string>
#include <vector>

// The subcommands of brindlewick-cli. Each lives in a file of its own and is listed once
// in the command table of main.cpp.
namespace bwcli {

// Exit statuses shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitFailed = 1; // the work could not be done (a bad or missing file ...)
constexpr int kExitUsage = 2;  // the command line was wrong

struct Command {
    const char* name;
    const char* arguments; // e.g. "[--header] FILE.dbf"
    const char* summary;   // one line for the overview
    const char* help;      // the full description, for "brindlewick-cli help NAME"
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

int runDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
extern const char* const kDumpHelp;
int runSample(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
extern const char* const kSampleHelp;
int runCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
extern const char* const kCheckHelp;
int runNumber(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
extern const char* const kNumberHelp;
int runCounts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
extern const char* const kCountsHelp;

} // namespace bwcli
