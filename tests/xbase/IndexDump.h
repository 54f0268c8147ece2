#pragma once

// Reads .mdx files through Perl's independent reader (index_dump, from
// libdbd-xbase-perl), so tests compare our files with what another program sees.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace bwtest {

struct DumpedKey {
    std::string key;      // exactly the key's bytes, trailing blanks included
    uint32_t recno = 0;
    bool operator==(const DumpedKey&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const DumpedKey& k) {
    return os << '"' << k.key << "\" " << k.recno;
}

inline std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') q += "'\\''";
        else q += c;
    }
    return q + "'";
}

// The tag names the reader lists (it sorts them).
inline std::vector<std::string> indexDumpTags(const std::string& mdx) {
    int status = 0;
    std::string out = runCommand("index_dump " + shellQuote(mdx) + " 2>&1", &status);
    EXPECT_EQ(status, 0) << out;
    std::vector<std::string> tags;
    size_t pos = 0, nl;
    while ((nl = out.find('\n', pos)) != std::string::npos) {
        tags.push_back(out.substr(pos, nl - pos));
        pos = nl + 1;
    }
    return tags;
}

// Every key of a tag in the reader's order, or from the first key >= start. The reader
// prints each key's raw bytes, a blank and the record number, so the output is cut by
// the key length (keys of N and D tags are binary and may hold any byte).
inline std::vector<DumpedKey> indexDump(const std::string& mdx, const std::string& tag,
                                        size_t keyLength,
                                        const std::optional<std::string>& start = {}) {
    std::string cmd = "index_dump -n ";
    if (start) cmd += "--start=" + shellQuote(*start) + " ";
    int status = 0;
    std::string out = runCommand(cmd + shellQuote(mdx) + " " + shellQuote(tag) + " 2>&1", &status);
    EXPECT_EQ(status, 0) << out;

    std::vector<DumpedKey> keys;
    const std::string total = "Total records: ";
    size_t pos = 0;
    while (pos < out.size() && out.compare(pos, total.size(), total) != 0) {
        if (pos + keyLength + 2 > out.size() || out[pos + keyLength] != ' ') {
            ADD_FAILURE() << "unexpected index_dump output at byte " << pos << ": "
                          << out.substr(pos, 200);
            return keys;
        }
        DumpedKey k;
        k.key = out.substr(pos, keyLength);
        size_t nl = out.find('\n', pos + keyLength);
        k.recno = static_cast<uint32_t>(std::stoul(out.substr(pos + keyLength + 1, nl - pos - keyLength - 1)));
        keys.push_back(std::move(k));
        pos = nl + 1;
    }
    EXPECT_EQ(out.substr(pos), total + std::to_string(keys.size()) + "\n");
    return keys;
}

} // namespace bwtest
