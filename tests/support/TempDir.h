#pragma once

#include <filesystem>
#include <cstdlib>
#include <string>

namespace bwtest {

// A fresh folder under the system's temporary folder, removed with everything in it
// when the object goes out of scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Runs a shell command and returns what it printed on standard output; the exit
// status is stored in *status when given.
std::string runCommand(const std::string& command, int* status = nullptr);

// True when a program is found on PATH (or as an absolute path).
bool haveProgram(const std::string& name);

// Interoperability tests call outside readers. On a developer's machine a missing
// reader skips the test; under CI (CI=true) it fails, so a missing install is seen.
#define BW_REQUIRE_PROGRAM(name)                                                   \
    do {                                                                           \
        if (!::bwtest::haveProgram(name)) {                                        \
            if (std::getenv("CI")) FAIL() << "missing program: " << (name);        \
            GTEST_SKIP() << "missing program: " << (name);                         \
        }                                                                          \
    } while (0)

} // namespace bwtest
