#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace bw {

// The data root holds everything that lives "beside the program": gendefs.ini and the
// folders below. Folder names keep their historic spelling.
namespace folders {
inline constexpr const char* kShows = "shows";
inline constexpr const char* kUserData = "userdata";
inline constexpr const char* kIndexs = "indexs";
inline constexpr const char* kCatData = "catdata";
inline constexpr const char* kMailData = "maildata";
inline constexpr const char* kPgmData = "pgmdata";
inline constexpr const char* kHelp = "help";
} // namespace folders

inline constexpr const char* kSettingsFileName = "gendefs.ini";

// A failure of the data module's own (a folder that cannot be created, a name that
// would leave its folder). what() is the message for the user.
class DataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "--data DIR" or "--data=DIR" among the program's arguments; nothing when absent.
std::optional<std::string> dataOption(int argc, char** argv);

// The data root: the command-line choice when given, else $BRINDLEWICK_DATA, else
// $XDG_DATA_HOME/brindlewick, else ~/.local/share/brindlewick. Made absolute; always
// ends without a "/" (unless it is "/").
std::string chooseDataRoot(const std::optional<std::string>& commandLine);

// folder + "/" + name, where name is looked up without regard to letter case when no
// file of exactly that name exists (tables copied from Windows may be "sections.dbf"
// as well as "Sections.dbf"). When neither exists the exact spelling is returned, so a
// file created there gets the program's own spelling.
std::string findFile(const std::string& folder, const std::string& name);

// Empty when text may be used as part of a file name inside its folder; otherwise a
// message for the user naming what (e.g. "club ID") and why. Refused: "/", "\", "..",
// and control characters.
std::string nameProblem(std::string_view what, std::string_view text);

// Throws DataError with nameProblem's message when text may not be used.
void requireSafeName(std::string_view what, std::string_view text);

// Makes folder when missing (one level, as the program always did). Throws DataError
// "Cannot create " + folder when that fails or something else is in the way.
void ensureFolder(const std::string& folder);

} // namespace bw
