#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "xbase/DbfLayout.h"

namespace xbase {

// The open .dbf file underneath a Table: locking, reading, and writing through.
//
// Records are read through a shared read-only mapping of the file, populated at open
// (no copy, no per-record reads); every change is a pwrite, which the mapping shows at
// once because both are the same page cache. A pwrite has reached the OS when the call
// returns, so a process killed afterwards loses nothing. The mapping reserves room
// beyond the end of the file for appends and is made larger when they outgrow it.
// (The lock keeps every cooperating program from cutting the file short underneath the
// mapping.) Failures throw DbfError naming the file.
class DbfFile {
public:
    DbfFile() = default;
    ~DbfFile();
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;

    // Opens path and takes the lock (exclusive, or shared so that exclusive openers are
    // refused). A missing file is created from fields when createWhenMissing. The lock is
    // an flock on this open file: it conflicts with every other open of the file, in this
    // process too, and the kernel drops it when the process dies.
    void open(const std::string& path, bool exclusive, bool readOnly, bool createWhenMissing,
              const FieldList& fields, CodePage cp);
    void close();
    bool isOpen() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }
    const dbf::Header& header() const { return header_; }
    bool readOnly() const { return readOnly_; }

    // The record area: recordCount * recordLength bytes, record 1 first.
    const char* records() const { return map_ + header_.headerLength; }
    const char* record(uint32_t recNo) const { return records() + size_t(recNo - 1) * header_.recordLength; }

    void replaceRecord(uint32_t recNo, const char* bytes);
    // Writes the record and the end-of-file mark, then the new count in the header.
    void appendRecord(const char* bytes);
    void setMdxFlag(bool on);
    // Replaces the file by one holding only these records (pack): written beside it,
    // synced, locked and renamed over the old one, so a crash leaves either file whole.
    void rewrite(std::vector<char> records);
    // Removes every record (zap).
    void truncate();
    void requireWritable() const; // throws when opened for reading only

private:
    [[noreturn]] void fail(const std::string& doing, int error) const;
    void writeAt(uint64_t offset, const char* bytes, size_t size);
    void writeHeaderFields();
    void map(uint64_t bytesNeeded);
    void unmap();

    int fd_ = -1;
    std::string path_;
    bool readOnly_ = false;
    bool exclusive_ = true;
    dbf::Header header_;
    char headerBlock_[dbf::header::kSize] = {};
    char* map_ = nullptr;
    size_t mapLength_ = 0;
    std::vector<char> appendBuffer_;
};

} // namespace xbase
