#pragma once

#include <memory>
#include <string>
#include <vector>

namespace bw {

// One reading or writing of a Windows INI file (gendefs.ini): the file is read when the
// object is made and written only by save(). Section and key names are compared
// without regard to case. Comments, unknown sections and keys, their spelling and their
// order survive a save. A missing file reads as empty, so every reader gets its default.
class IniFile {
public:
    explicit IniFile(std::string path);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const std::string& path() const { return path_; }

    // The value with blanks around it removed; dflt when the key is missing.
    std::string readString(const std::string& section, const std::string& key,
                           const std::string& dflt) const;
    // A whole number written in decimal (or 0x hex); dflt when the key is missing or its
    // value is not a whole number.
    long readInteger(const std::string& section, const std::string& key, long dflt) const;
    // A logical written as 1 or 0: any number other than 0 is true; dflt when the key is
    // missing or not a number.
    bool readBool(const std::string& section, const std::string& key, bool dflt) const;

    bool sectionExists(const std::string& section) const;
    bool valueExists(const std::string& section, const std::string& key) const;
    // The key names of a section in file order.
    std::vector<std::string> keys(const std::string& section) const;

    void writeString(const std::string& section, const std::string& key, const std::string& value);
    void writeInteger(const std::string& section, const std::string& key, long value);
    void writeBool(const std::string& section, const std::string& key, bool value);  // 1 / 0
    void deleteKey(const std::string& section, const std::string& key);
    void eraseSection(const std::string& section);

    // Writes the file when anything was changed: a new file beside it, renamed over the
    // old one, so a crash mid-write leaves the previous settings. Throws DataError
    // naming the file when it cannot be written.
    void save();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    std::string path_;
    bool dirty_ = false;
};

} // namespace bw
