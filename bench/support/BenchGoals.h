#pragma once

#include <vector>

// One line of the table bench.sh prints: a headline figure of one benchmark
// and the goal it is held to.
struct BenchGoal
{
    const char *measure;   // as the table shows it
    const char *bench;     // the results file, <bench>.json
    const char *run;       // the benchmark's name, up to its first '/' options
    const char *aggregate; // "median" for a repeated run, nullptr for a single one
    const char *field;     // "real_time" or one of the run's counters
    const char *unit;      // the unit the value and the limit are in
    double limit;          // the value must stay below it (or at most it)
    bool atMost;           // true: value <= limit (a count that must not grow)
    bool informational;    // shown without a goal
};

const std::vector<BenchGoal> &benchGoals();
