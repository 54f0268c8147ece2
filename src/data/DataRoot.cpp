#include "data/DataRoot.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "data/Text.h"

namespace fs = std::filesystem;

namespace bw {

std::optional<std::string> dataOption(int argc, char** argv)
{
    std::optional<std::string> result;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc)
            result = argv[++i];
        else if (std::strncmp(argv[i], "--data=", 7) == 0)
            result = argv[i] + 7;
    }
    return result;
}

std::string chooseDataRoot(const std::optional<std::string>& commandLine)
{
    fs::path root;
    const char* env = nullptr;
    if (commandLine && !commandLine->empty())
        root = *commandLine;
    else if ((env = std::getenv("BRINDLEWICK_DATA")) && *env)
        root = env;
    else if ((env = std::getenv("XDG_DATA_HOME")) && *env)
        root = fs::path(env) / "brindlewick";
    else {
        const char* home = std::getenv("HOME");
        root = fs::path(home && *home ? home : ".") / ".local" / "share" / "brindlewick";
    }
    std::error_code ec;
    fs::path absolute = fs::absolute(root, ec);
    std::string s = (ec ? root : absolute).lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') s.pop_back();
    return s;
}

std::string findFile(const std::string& folder, const std::string& name)
{
    fs::path exact = fs::path(folder) / name;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact.string();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (equalsNoCase(it->path().filename().string(), name)) return it->path().string();
    return exact.string();
}

std::string nameProblem(std::string_view what, std::string_view text)
{
    const char* why = nullptr;
    if (text.find('/') != std::string_view::npos || text.find('\\') != std::string_view::npos)
        why = "it may not contain \"/\" or \"\\\".";
    else if (text.find("..") != std::string_view::npos)
        why = "it may not contain \"..\".";
    else
        for (char c : text)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) {
                why = "it may not contain control characters.";
                break;
            }
    if (!why) return {};
    std::string shown;
    for (char c : text) shown += (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) ? '?' : c;
    return "The " + std::string(what) + " \"" + shown + "\" cannot be used in a file name: " + why;
}

void requireSafeName(std::string_view what, std::string_view text)
{
    std::string problem = nameProblem(what, text);
    if (!problem.empty()) throw DataError(problem);
}

void ensureFolder(const std::string& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return;
    if (!fs::create_directory(folder, ec) || ec) {
        if (!fs::is_directory(folder, ec)) throw DataError("Cannot create " + folder + "/");
    }
}

} // namespace bw
