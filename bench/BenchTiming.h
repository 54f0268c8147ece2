#pragma once

// How the benchmarks time their work: CPU time (user + system) of this process by
// default, because on a shared machine elapsed time mostly measures the others;
// BW_BENCH_CLOCK=wall measures elapsed time instead. Each figure is the median of runs.

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace bwbench {

inline double nowMs()
{
    static const bool wall = [] {
        const char* c = std::getenv("BW_BENCH_CLOCK");
        return c && std::string(c) == "wall";
    }();
    timespec ts{};
    clock_gettime(wall ? CLOCK_MONOTONIC : CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

// Median of `runs` measurements; each call of `once` returns its own elapsed time, so it
// can leave its preparation out.
template <class F>
double median(int runs, F&& once)
{
    std::vector<double> v;
    for (int i = 0; i < runs; ++i) v.push_back(once());
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F>
double timed(F&& work)
{
    const double start = nowMs();
    work();
    return nowMs() - start;
}

} // namespace bwbench
