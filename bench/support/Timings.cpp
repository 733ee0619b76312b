#include "bench/support/Timings.h"

#include <algorithm>

namespace {

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[size_t(p * double(values.size() - 1) + 0.5)];
}

} // namespace

void reportTimings(benchmark::State &state, const std::vector<double> &seconds)
{
    if (seconds.empty())
        return;
    state.counters["median_ms"] = percentile(seconds, 0.5) * 1000;
    state.counters["p90_ms"] = percentile(seconds, 0.9) * 1000;
    state.counters["max_ms"] = *std::max_element(seconds.begin(), seconds.end()) * 1000;
}
