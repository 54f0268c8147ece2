#pragma once

#include <string>
#include <vector>

namespace bw {
class Prompter;
}

namespace bw::sample {

// A complete club made up for trying the program, for benchmarks and for end-to-end
// tests: settings, the shared tables and one show with its classes, judges and entries,
// all written through the program's own routines (the new-show logic, the entry rules,
// the dog master upkeep), so the result is what a secretary would have typed.
//
// The same options always give the same data: every name comes from a fixed seed.
struct SampleOptions {
    int dogs = 400;      // records of the dog master when the sample is made (at least entries)
    int entries = 150;   // entries of the show, a few of them marked deleted
    int classes = 40;    // classes of the show, the sweepstakes, NFC and junior classes included
};

// A show's class numbers have three digits, junior handling classes take 901 and up and
// the Not For Competition class 999: a show holds at most this many classes.
inline constexpr int kMaxShowClasses = 903;
// The fewest classes a sample show is made with: sweepstakes, junior handling, NFC and
// at least one breed class.
inline constexpr int kMinShowClasses = 8;

struct SampleSummary {
    std::string clubId;
    std::string clubName;
    int showNum = 0;
    std::string entriesPath;
    int classes = 0;         // classes of the show
    int libraryClasses = 0;  // classes of the class library
    int breedsShown = 0;     // breeds with classes at the show
    int breeds = 0;          // records of the breeds table
    int judges = 0;          // records of the judges register
    int dogs = 0;            // records of the dog master
    int entries = 0;         // records of the entries table, marked ones included
    int deletedEntries = 0;
    std::vector<std::string> notes;  // options that had to be changed, said why
};

// Makes the sample club in dataRoot (created when missing). A folder that already holds
// settings or tables is refused with DataError: the sample never writes over a club.
// Messages the program's routines would show go to prompter (none are expected).
SampleSummary makeSampleClub(const std::string& dataRoot, const SampleOptions& options,
                             Prompter* prompter = nullptr);

// True when dataRoot holds no club yet: no settings file and no table. A folder that does
// not exist counts as empty.
bool isEmptyDataRoot(const std::string& dataRoot);

} // namespace bw::sample
