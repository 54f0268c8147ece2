#pragma once

#include <stdexcept>
#include <string>

namespace xbase {

// Every failure of the table engine: a file that cannot be opened, created, read or
// written, a damaged file, a field or tag that does not exist, an expression that does
// not compile. what() is a complete sentence for the user and names the file (and the
// record and field where there is one).
class DbfError : public std::runtime_error {
public:
    DbfError(const std::string& file, const std::string& message)
        : std::runtime_error(message), file_(file) {}
    const std::string& file() const { return file_; }

private:
    std::string file_;
};

} // namespace xbase
