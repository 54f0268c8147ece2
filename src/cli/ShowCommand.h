#pragma once

// What the commands that work on one show share: the options --data DIR and --show FILE,
// opening the show as the program opens it, and a prompter that writes the program's
// messages to a stream and answers every question with its first button.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "data/Prompter.h"

namespace bw {
class Tdmod;
}

namespace bwcli {

struct ShowOptions {
    std::string dataDir;   // --data DIR
    std::string showFile;  // --show FILE; empty: the show opened last
};

// Takes --data DIR or --show FILE at args[i] (moving i past the value); false when
// args[i] is neither.
bool takeShowOption(const std::vector<std::string>& args, size_t& i, ShowOptions& show);

// Starts the data module on the data folder and opens the show (a file name alone is
// looked for in shows/). False, with the reason written to err or told through the
// prompter, when there is no show to open or it cannot be opened.
bool openShow(bw::Tdmod& m, const ShowOptions& options, bw::Prompter& prompter, std::ostream& err);

// Opens the show (its messages written to err) and runs work on the data module; the
// exit status is work's, or kExitFailed when the show cannot be opened or an error ends
// the work (written to err after the command's name).
int runOnShow(const char* command, const ShowOptions& options, std::ostream& err,
              const std::function<int(bw::Tdmod&)>& work);

class StreamPrompter : public bw::SilentPrompter {
public:
    explicit StreamPrompter(std::ostream& out);
    char Show_Message(const std::string& caption, const std::string& icon, const std::string& text,
                      const std::string& buttons = "") override;
    bw::BoxButton Message_Box(bw::BoxKind kind, const std::string& caption, const std::string& text,
                              const std::vector<bw::BoxButton>& buttons = {bw::BoxButton::Ok}) override;

private:
    void tell(const std::string& caption, const std::string& text);
    std::ostream& out_;
};

} // namespace bwcli
