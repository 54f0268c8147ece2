#include "xbase/DbfFile.h"

#include "xbase/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xbase {

namespace {

// Reads exactly size bytes at offset; false on a short file or an error.
bool readAt(int fd, uint64_t offset, char* out, size_t size)
{
    while (size > 0) {
        ssize_t n = ::pread(fd, out, size, off_t(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        out += n;
        size -= size_t(n);
        offset += uint64_t(n);
    }
    return true;
}

bool writeAll(int fd, uint64_t offset, const char* bytes, size_t size)
{
    while (size > 0) {
        ssize_t n = ::pwrite(fd, bytes, size, off_t(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= size_t(n);
        offset += uint64_t(n);
    }
    return true;
}

} // namespace

DbfFile::~DbfFile()
{
    close();
}

void DbfFile::fail(const std::string& doing, int error) const
{
    throw DbfError(path_, "Could not " + doing + " the table " + path_ + ": " + std::strerror(error) + ".");
}

void DbfFile::open(const std::string& path, bool exclusive, bool readOnly, bool createWhenMissing,
                   const FieldList& fields, CodePage cp)
{
    close();
    path_ = path;
    readOnly_ = readOnly;
    exclusive_ = exclusive;
    if (path.empty()) throw DbfError(path, "The table has no file name.");

    int fd = ::open(path.c_str(), (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    bool created = false;
    if (fd < 0 && errno == ENOENT && createWhenMissing && !readOnly) {
        dbf::checkFields(fields, path);
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            throw DbfError(path, "Could not create the table " + path + ": " + std::strerror(errno) + ".");
        if (fd < 0) fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC); // someone else just made it
        else created = true;
    }
    if (fd < 0) fail("open", errno);

    if (::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) {
        int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            throw DbfError(path, "The table " + path + " is already in use (open in this or another program).");
        fail("lock", err);
    }
    fd_ = fd;

    try {
        if (created) {
            std::string h = dbf::buildHeader(fields, cp, 0, false);
            h += dbf::kEndOfFile;
            writeAt(0, h.data(), h.size());
        }
        struct stat st{};
        if (::fstat(fd_, &st) != 0) fail("read", errno);
        uint64_t fileSize = uint64_t(st.st_size);
        // The header is at most 64 KiB (its length is a 16-bit number).
        std::vector<char> head(size_t(std::min<uint64_t>(fileSize, 0x10000)));
        if (!readAt(fd_, 0, head.data(), head.size())) fail("read", errno ? errno : EIO);
        header_ = dbf::parseHeader(head.data(), head.size(), fileSize, path);
        std::memcpy(headerBlock_, head.data(), dbf::header::kSize);

        map(fileSize);
        for (uint32_t r = 1; r <= header_.recordCount; ++r) {
            char mark = record(r)[0];
            if (mark != dbf::kLive && mark != dbf::kDeleted)
                throw DbfError(path, "The table " + path + " is damaged: record " + std::to_string(r) +
                                         " has no valid deletion mark.");
        }
    } catch (...) {
        close();
        throw;
    }
}

void DbfFile::close()
{
    unmap();
    if (fd_ >= 0) ::close(fd_); // drops the lock
    fd_ = -1;
    header_ = {};
}

void DbfFile::map(uint64_t bytesNeeded)
{
    // Room for appends: as much again as the file holds, at least 1 MiB. Pages past
    // the end of the file are never touched until a pwrite has put a record there.
    size_t length = size_t(bytesNeeded + std::max<uint64_t>(bytesNeeded, 1u << 20));
    void* p = ::mmap(nullptr, length, PROT_READ, MAP_SHARED | MAP_POPULATE, fd_, 0);
    if (p == MAP_FAILED) fail("read", errno);
    unmap();
    map_ = static_cast<char*>(p);
    mapLength_ = length;
}

void DbfFile::unmap()
{
    if (map_) ::munmap(map_, mapLength_);
    map_ = nullptr;
    mapLength_ = 0;
}

void DbfFile::requireWritable() const
{
    if (readOnly_) throw DbfError(path_, "The table " + path_ + " is open for reading only.");
}

void DbfFile::writeAt(uint64_t offset, const char* bytes, size_t size)
{
    if (!writeAll(fd_, offset, bytes, size)) fail("write to", errno ? errno : EIO);
}

void DbfFile::writeHeaderFields()
{
    dbf::stampToday(headerBlock_);
    dbf::put(headerBlock_, dbf::header::recordCount, header_.recordCount);
    // Bytes 1..7: the date of the last update and the record count.
    writeAt(1, headerBlock_ + 1, 7);
}

void DbfFile::replaceRecord(uint32_t recNo, const char* bytes)
{
    requireWritable();
    size_t len = header_.recordLength;
    writeAt(uint64_t(header_.headerLength) + uint64_t(recNo - 1) * len, bytes, len);
    char before[3];
    std::memcpy(before, headerBlock_ + 1, 3);
    dbf::stampToday(headerBlock_);
    if (std::memcmp(before, headerBlock_ + 1, 3) != 0) writeAt(1, headerBlock_ + 1, 3);
}

void DbfFile::appendRecord(const char* bytes)
{
    requireWritable();
    size_t len = header_.recordLength;
    std::vector<char>& out = appendBuffer_;
    out.assign(bytes, bytes + len);
    out.push_back(dbf::kEndOfFile);
    // The record first, then the count: a crash in between leaves the old count, and
    // the table opens with the records it had.
    uint64_t end = uint64_t(header_.headerLength) + uint64_t(header_.recordCount) * len;
    writeAt(end, out.data(), out.size());
    if (end + out.size() > mapLength_) map(end + out.size());
    ++header_.recordCount;
    writeHeaderFields();
}

void DbfFile::setMdxFlag(bool on)
{
    if (header_.mdxFlag == on || readOnly_) return;
    header_.mdxFlag = on;
    dbf::put(headerBlock_, dbf::header::mdxFlag, on ? 1 : 0);
    writeAt(dbf::header::mdxFlag.offset, headerBlock_ + dbf::header::mdxFlag.offset, 1);
}

void DbfFile::rewrite(std::vector<char> records)
{
    requireWritable();
    size_t len = header_.recordLength;
    uint32_t count = uint32_t(records.size() / len);

    std::vector<char> head(header_.headerLength);
    if (!readAt(fd_, 0, head.data(), head.size())) fail("read", errno ? errno : EIO);
    dbf::put(head.data(), dbf::header::recordCount, count);
    dbf::stampToday(head.data());

    std::string tmp = path_ + ".packXXXXXX";
    int fd = ::mkostemp(tmp.data(), O_CLOEXEC);
    if (fd < 0) fail("pack", errno);
    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        fail("pack", err);
    };
    struct stat st{};
    if (::fstat(fd_, &st) == 0) ::fchmod(fd, st.st_mode & 07777);
    // Locked before it takes the name, so no other opener ever sees it unlocked.
    if (::flock(fd, (exclusive_ ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0) abandon(errno);
    records.push_back(dbf::kEndOfFile);
    if (!writeAll(fd, 0, head.data(), head.size()) ||
        !writeAll(fd, head.size(), records.data(), records.size()))
        abandon(errno ? errno : EIO);
    records.pop_back();
    if (::fsync(fd) != 0) abandon(errno);
    if (::rename(tmp.c_str(), path_.c_str()) != 0) abandon(errno);

    unmap();
    ::close(fd_);
    fd_ = fd;
    std::memcpy(headerBlock_, head.data(), dbf::header::kSize);
    header_.recordCount = count;
    map(head.size() + records.size());
}

void DbfFile::truncate()
{
    requireWritable();
    header_.recordCount = 0;
    // The count first: from then on the records beyond the header are ignored anyway.
    writeHeaderFields();
    char eof = dbf::kEndOfFile;
    writeAt(header_.headerLength, &eof, 1);
    if (::ftruncate(fd_, off_t(header_.headerLength) + 1) != 0) fail("empty", errno);
}

} // namespace xbase
