#pragma once

#include <benchmark/benchmark.h>
#include <vector>

// Each timed step on its own: the counters median_ms, p90_ms and max_ms of
// the steps' times in seconds. The goals are on the median.
void reportTimings(benchmark::State &state, const std::vector<double> &seconds);
