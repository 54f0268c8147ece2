// Speed of the table engine, each figure beside a reference measured in the same run.
//
//   tablebench DATA_FOLDER
//
// Generates (once) a 100,000-dog master file and a 25,000-entry show under the folder,
// then prints one "name: value unit" line per figure, each the median of several runs
// with the files in the page cache, in CPU milliseconds (see nowMs):
//   master_open_ms   open the dog master, rebuild its three tags and .mdx, order, first
//   master_floor_ms  read that file into memory and std::sort its already-made keys
//   show_open_ms     the same for the entries file with its six tags
//   show_floor_ms    its floor
//   scan_ms          open the dog master and read every field of every record
//   pgdbf_scan_ms    pgdbf converting the same file (output thrown away)
//   seek10k_ms       10,000 seeks on DOGNAME, half of them for keys that are not there
//   pack_ms          pack of the dog master with every tenth record marked
#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "SampleData.h"
#include "xbase/CodePage.h"
#include "xbase/Table.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// Figures are CPU time (user + system) of the work by default: the machine is shared,
// and CPU time of page-cache-hot work is what a quiet machine shows as elapsed time,
// while elapsed time on a busy machine mostly measures the others. (Waiting for the disk
// is not CPU time: pack's sync to disk is left out.) BW_BENCH_CLOCK=wall measures
// elapsed time instead.
bool wallClock() {
    static const bool wall = [] {
        const char* c = std::getenv("BW_BENCH_CLOCK");
        return c && std::string(c) == "wall";
    }();
    return wall;
}

double nowMs() {
    timespec ts{};
    clock_gettime(wallClock() ? CLOCK_MONOTONIC : CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

struct Stopwatch {
    double start = nowMs();
    double ms() const { return nowMs() - start; }
};

constexpr size_t kDogs = 100000;
constexpr size_t kEntries = 25000;
constexpr const char* kDataVersion = "generated-1";


// Median of `runs` measurements; each call of `once` returns its own elapsed time, so
// it can leave its preparation out.
template <class F>
double median(int runs, F&& once) {
    std::vector<double> v;
    for (int i = 0; i < runs; ++i) v.push_back(once());
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

struct TableFile {
    std::string dbf, mdx;
    xbase::FieldList fields;
    xbase::TagList tags;
};

void generate(const fs::path& root, const TableFile& master, const TableFile& show) {
    if (fs::exists(root / kDataVersion)) return;
    fs::create_directories(root / "userdata");
    fs::create_directories(root / "shows");
    fs::create_directories(root / "indexs");
    std::cerr << "generating test tables in " << root << " ...\n";
    bwsample::ClubDataGen dogs(20030614);
    bwsample::writeTable(master.dbf, master.fields, dogs.records(master.fields, kDogs));
    bwsample::ClubDataGen entries(12);
    bwsample::writeTable(show.dbf, show.fields, entries.records(show.fields, kEntries));
    std::ofstream(root / kDataVersion) << "done\n";
}

// Opening as the program does it: exclusive, rebuild the index file, first tag, first record.
void openAsTheProgramDoes(xbase::Table& table, const TableFile& t) {
    table.setFileName(t.dbf);
    table.setExclusive(true);
    table.open();
    table.makeIndex(t.mdx, t.tags);
    table.setOrder(t.tags.front().name);
    table.first();
}

double openIndexed(const TableFile& t) {
    xbase::Table table(t.fields);
    Stopwatch watch;
    openAsTheProgramDoes(table, t);
    double ms = watch.ms();
    table.close();
    return ms;
}

// The keys of every tag in record order, as stored (in the table's code page), taken
// from the engine's own order walk so that the floor sorts exactly the same keys.
struct MadeKeys {
    size_t width = 0;
    std::string bytes;                  // width bytes per record, in record order
};

std::vector<MadeKeys> makeKeys(const TableFile& t) {
    xbase::Table table(t.fields);
    table.setFileName(t.dbf);
    table.open();
    table.makeIndex("", t.tags);
    std::vector<MadeKeys> out;
    for (const auto& tag : t.tags) {
        table.setOrder(tag.name);
        std::vector<std::pair<uint32_t, std::string>> rows;
        for (table.first(); !table.eof(); table.next())
            rows.push_back({table.recNo(), xbase::fromUtf8(table.currentKey(), table.codePage())});
        std::sort(rows.begin(), rows.end());
        MadeKeys k;
        for (auto& r : rows) k.width = std::max(k.width, r.second.size());
        for (auto& r : rows) {
            r.second.resize(k.width, ' ');
            k.bytes += r.second;
        }
        out.push_back(std::move(k));
    }
    table.close();
    return out;
}

// Reading the file into memory and sorting already-made keys: what no index build can beat.
double floorOnce(const std::string& dbf, const std::vector<MadeKeys>& keys) {
    struct Item {
        const char* key;
        uint32_t recno;
    };
    Stopwatch watch;
    size_t size = fs::file_size(dbf);
    std::unique_ptr<char[]> file(new char[size]);   // not zeroed: read() fills it
    int fd = ::open(dbf.c_str(), O_RDONLY);
    size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(fd, file.get() + got, size - got);
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    for (const MadeKeys& k : keys) {
        std::vector<Item> items;
        size_t count = k.width ? k.bytes.size() / k.width : 0;
        items.reserve(count);
        for (size_t i = 0; i < count; ++i) items.push_back({k.bytes.data() + i * k.width, uint32_t(i + 1)});
        size_t w = k.width;
        std::sort(items.begin(), items.end(), [w](const Item& a, const Item& b) {
            int c = std::memcmp(a.key, b.key, w);
            return c != 0 ? c < 0 : a.recno < b.recno;
        });
    }
    return watch.ms();
}

double scanOnce(const TableFile& t) {
    Stopwatch watch;
    xbase::Table table;
    table.setFileName(t.dbf);
    table.setExclusive(true);
    table.open();
    std::vector<std::string> names;
    for (int i = 1; i <= table.fieldCount(); ++i) names.push_back(table.fieldName(i));
    size_t total = 0;
    for (table.first(); !table.eof(); table.next())
        for (const auto& n : names) total += table.fieldText(n).size();
    table.close();
    double ms = watch.ms();
    if (total == 0) std::cerr << "scan read nothing\n";
    return ms;
}

double pgdbfOnce(const std::string& dbf) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"pgdbf", "-P", "-s", "cp850", dbf.c_str(), nullptr};
    Stopwatch watch;
    pid_t pid;
    if (posix_spawnp(&pid, "pgdbf", &actions, nullptr, const_cast<char**>(argv), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return -1;
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    auto tvMs = [](const timeval& tv) { return double(tv.tv_sec) * 1e3 + double(tv.tv_usec) / 1e3; };
    double ms = wallClock() ? watch.ms() : tvMs(usage.ru_utime) + tvMs(usage.ru_stime);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

double seekRun(const TableFile& t) {
    xbase::Table table(t.fields);
    openAsTheProgramDoes(table, t);   // ordered by DOGNAME
    std::vector<std::string> names;
    for (table.first(); !table.eof(); table.next()) {
        std::string key = table.currentKey();
        key.resize(key.size() - 5);   // the record number at the end
        while (!key.empty() && key.back() == ' ') key.pop_back();
        if (!key.empty()) names.push_back(key);
    }
    bwsample::Random rnd(7);
    std::vector<std::string> probes;
    for (int i = 0; i < 10000; ++i) {
        std::string k = names[rnd.below(names.size())];
        probes.push_back(i % 2 ? k : k + "ZQ");   // ZQ makes a name that is not there
    }
    double ms = median(11, [&] {
        size_t found = 0;
        Stopwatch watch;
        for (const auto& p : probes) found += table.seek(p);
        double ms = watch.ms();
        if (found != probes.size() / 2) std::cerr << "seek found " << found << " of 5000\n";
        return ms;
    });
    table.close();
    return ms;
}

double packOnce(const TableFile& t, const fs::path& work) {
    TableFile copy = t;
    copy.dbf = (work / "packdb.dbf").string();
    copy.mdx = (work / "packdb.mdx").string();
    fs::copy_file(t.dbf, copy.dbf, fs::copy_options::overwrite_existing);
    xbase::Table table(copy.fields);
    openAsTheProgramDoes(table, copy);
    for (uint32_t rec = 1; rec <= table.recordCount(); rec += 10) table.poke("*", 0, rec);
    Stopwatch watch;
    table.pack();
    double ms = watch.ms();
    table.close();
    return ms;
}

void print(const char* name, double value, const char* unit = "ms") {
    std::printf("%s: %.1f %s\n", name, value, unit);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tablebench DATA_FOLDER\n";
        return 2;
    }
    try {
        fs::path root = argv[1];
        TableFile master{(root / "userdata/masterdb.dbf").string(), (root / "indexs/masterdb.mdx").string(),
                         bwsample::dogsFields(), bwsample::dogsTags()};
        std::string showKey = "KCC-00012-14-06-2003";
        TableFile show{(root / "shows" / (showKey + ".dbf")).string(),
                       (root / "indexs" / (showKey + ".mdx")).string(), bwsample::entryFields(),
                       bwsample::entryTags()};
        generate(root, master, show);
        fs::create_directories(root / "work");

        openIndexed(master);   // warms the page cache
        print("master_open_ms", median(11, [&] { return openIndexed(master); }));
        auto masterKeys = makeKeys(master);
        print("master_floor_ms", median(11, [&] { return floorOnce(master.dbf, masterKeys); }));
        print("show_open_ms", median(21, [&] { return openIndexed(show); }));
        auto showKeys = makeKeys(show);
        print("show_floor_ms", median(21, [&] { return floorOnce(show.dbf, showKeys); }));
        print("scan_ms", median(11, [&] { return scanOnce(master); }));
        print("pgdbf_scan_ms", median(11, [&] { return pgdbfOnce(master.dbf); }));
        print("seek10k_ms", seekRun(master));
        print("pack_ms", median(5, [&] { return packOnce(master, root / "work"); }));
    } catch (const std::exception& e) {
        std::cerr << "tablebench: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
