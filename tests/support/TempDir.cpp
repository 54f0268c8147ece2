#include "support/TempDir.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace bwtest {

TempDir::TempDir()
{
    std::string templ = (std::filesystem::temp_directory_path() / "bwtest-XXXXXX").string();
    if (!mkdtemp(templ.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = templ;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string runCommand(const std::string& command, int* status)
{
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        if (status) *status = -1;
        return out;
    }
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), pipe)) > 0)
        out.append(buf.data(), n);
    int rc = pclose(pipe);
    if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

bool haveProgram(const std::string& name)
{
    if (!name.empty() && name[0] == '/')
        return access(name.c_str(), X_OK) == 0;
    int status = 0;
    runCommand("command -v '" + name + "' >/dev/null 2>&1", &status);
    return status == 0;
}

} // namespace bwtest
