// The commands that work on one show of a data folder: its options and its opening.
#include "cli/ShowCommand.h"

#include "cli/Command.h"

#include <filesystem>

#include "data/DataRoot.h"
#include "data/Tdmod.h"
#include "entries/ShowLifecycle.h"

namespace bwcli {

bool takeShowOption(const std::vector<std::string>& args, size_t& i, ShowOptions& show)
{
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--data" && hasValue) show.dataDir = args[++i];
    else if (args[i] == "--show" && hasValue) show.showFile = args[++i];
    else return false;
    return true;
}

bool openShow(bw::Tdmod& m, const ShowOptions& options, bw::Prompter& prompter, std::ostream& err)
{
    m.setPrompter(&prompter);
    m.dmodCreate(bw::chooseDataRoot(options.dataDir));
    std::string path = options.showFile;
    if (path.empty()) {
        path = m.Get_LastShow();
        if (path.empty() || path == "Unknown") {
            err << "No show named, and no show was opened last: give one with --show FILE.\n";
            return false;
        }
    } else if (path.find('/') == std::string::npos) {
        path = m.ShowsPath + "/" + path;
    }
    if (!std::filesystem::exists(path)) {
        err << "No such show: " << path << "\n";
        return false;
    }
    m.Read_Preferences();
    return bw::Open_ExistingShow(m, path) == bw::OpenShowResult::Opened;
}

int runOnShow(const char* command, const ShowOptions& options, std::ostream& err,
              const std::function<int(bw::Tdmod&)>& work)
{
    try {
        StreamPrompter prompter(err);
        bw::Tdmod m;
        if (!openShow(m, options, prompter, err)) return kExitFailed;
        return work(m);
    } catch (const std::exception& e) {
        err << "brindlewick-cli " << command << ": " << e.what() << "\n";
        return kExitFailed;
    }
}

StreamPrompter::StreamPrompter(std::ostream& out) : out_(out) {}

char StreamPrompter::Show_Message(const std::string& caption, const std::string& icon, const std::string& text,
                                  const std::string& buttons)
{
    tell(caption, text);
    return SilentPrompter::Show_Message(caption, icon, text, buttons);
}

bw::BoxButton StreamPrompter::Message_Box(bw::BoxKind kind, const std::string& caption, const std::string& text,
                                          const std::vector<bw::BoxButton>& buttons)
{
    tell(caption, text);
    return SilentPrompter::Message_Box(kind, caption, text, buttons);
}

void StreamPrompter::tell(const std::string& caption, const std::string& text)
{
    std::string shown = text;
    for (char& c : shown)
        if (c == ';') c = '\n';
    if (!caption.empty()) out_ << caption << ": ";
    out_ << shown << "\n";
}

} // namespace bwcli
