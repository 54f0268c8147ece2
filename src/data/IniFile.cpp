#include "data/IniFile.h"

// SimpleIni is a header library: its code is compiled here, once, without the wide
// character conversion (values are kept as the bytes of the file).
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "data/DataRoot.h"
#include "data/Text.h"

namespace bw {

struct IniFile::Impl {
    CSimpleIniA ini;
    Impl()
    {
        ini.SetUnicode(false);
        ini.SetSpaces(false);
        ini.SetMultiKey(false);
    }
};

IniFile::IniFile(std::string path) : d(std::make_unique<Impl>()), path_(std::move(path))
{
    // A missing or unreadable file is an empty one: every reader then gets its default.
    d->ini.LoadFile(path_.c_str());
}

IniFile::~IniFile() = default;

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& dflt) const
{
    const char* v = d->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return v ? trim(v) : dflt;
}

namespace {
bool parseWhole(const std::string& text, long* out)
{
    std::string t = trim(text);
    if (t.empty()) return false;
    int base = 10;
    size_t start = 0;
    bool negative = false;
    if (t[0] == '-' || t[0] == '+') {
        negative = t[0] == '-';
        start = 1;
    }
    if (t.size() > start + 2 && t[start] == '0' && (t[start + 1] == 'x' || t[start + 1] == 'X')) {
        base = 16;
        start += 2;
    }
    if (start >= t.size()) return false;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(t.c_str() + start, &end, base);
    if (errno != 0 || *end != '\0' || end == t.c_str() + start || t[start] == '-' || t[start] == '+')
        return false;
    *out = negative ? -v : v;
    return true;
}
} // namespace

long IniFile::readInteger(const std::string& section, const std::string& key, long dflt) const
{
    const char* v = d->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    long result;
    return v && parseWhole(v, &result) ? result : dflt;
}

bool IniFile::readBool(const std::string& section, const std::string& key, bool dflt) const
{
    return readInteger(section, key, dflt ? 1 : 0) != 0;
}

bool IniFile::sectionExists(const std::string& section) const
{
    return d->ini.GetSection(section.c_str()) != nullptr;
}

bool IniFile::valueExists(const std::string& section, const std::string& key) const
{
    return d->ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

std::vector<std::string> IniFile::keys(const std::string& section) const
{
    CSimpleIniA::TNamesDepend names;
    d->ini.GetAllKeys(section.c_str(), names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> out;
    for (const auto& e : names) out.emplace_back(e.pItem);
    return out;
}

void IniFile::writeString(const std::string& section, const std::string& key, const std::string& value)
{
    d->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
    dirty_ = true;
}

void IniFile::writeInteger(const std::string& section, const std::string& key, long value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(const std::string& section, const std::string& key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void IniFile::deleteKey(const std::string& section, const std::string& key)
{
    if (d->ini.Delete(section.c_str(), key.c_str())) dirty_ = true;
}

void IniFile::eraseSection(const std::string& section)
{
    if (d->ini.Delete(section.c_str(), nullptr)) dirty_ = true;
}

void IniFile::save()
{
    if (!dirty_) return;
    std::string data;
    if (d->ini.Save(data) < 0) throw DataError("Cannot write " + path_);

    std::string temp = path_ + ".XXXXXX";
    int fd = mkstemp(temp.data());
    if (fd < 0) throw DataError("Cannot write " + path_ + ": " + std::strerror(errno));
    // Keep the permissions of the file being replaced (mkstemp makes it private).
    struct stat st;
    fchmod(fd, ::stat(path_.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644);
    bool ok = true;
    for (size_t done = 0; ok && done < data.size();) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<size_t>(n);
    }
    int err = ok ? 0 : errno;
    if (ok && ::fsync(fd) != 0) ok = false, err = errno;
    if (::close(fd) != 0 && ok) ok = false, err = errno;
    if (ok && std::rename(temp.c_str(), path_.c_str()) != 0) ok = false, err = errno;
    if (!ok) {
        ::unlink(temp.c_str());
        throw DataError("Cannot write " + path_ + ": " + std::strerror(err ? err : EIO));
    }
    dirty_ = false;
}

} // namespace bw
