#pragma once

// Order statistics of a run of timings. Medians, not means: on a machine shared with
// other work a few slow samples say more about the neighbours than about the program.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

struct Summary {
    std::size_t count = 0;
    double min = 0, median = 0, p90 = 0, max = 0;
};

inline double quantile(const std::vector<double> &sorted, double q)
{
    if (sorted.empty())
        return 0;
    const double pos = q * double(sorted.size() - 1);
    const auto lower = std::size_t(pos);
    const auto upper = std::min(lower + 1, sorted.size() - 1);
    const double frac = pos - double(lower);
    return sorted[lower] + (sorted[upper] - sorted[lower]) * frac;
}

inline Summary summarize(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    Summary s;
    s.count = samples.size();
    if (samples.empty())
        return s;
    s.min = samples.front();
    s.median = quantile(samples, 0.5);
    s.p90 = quantile(samples, 0.9);
    s.max = samples.back();
    return s;
}

} // namespace bench
