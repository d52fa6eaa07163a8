// Console output of Google Benchmark plus one summary line per pair of an
// operation and its plain baseline, as a ratio that survives a noisy machine.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace tome::bench {

struct RatioPair {
    std::string operation;  // benchmark function names, e.g. "BM_Load"
    std::string baseline;
    std::string label;      // e.g. "load = N x plain read"; the N before " x" is replaced
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, as the library's own reporter does by default.
    explicit RatioReporter(std::vector<RatioPair> pairs);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    bool anyError() const { return anyError_; }

private:
    std::vector<RatioPair> pairs_;
    std::map<std::string, double> secondsPerIteration_;
    bool anyError_ = false;
};

// A benchmark program's main: runs the benchmarks chosen on the command line
// with the ratio lines of pairs; 2 for unknown arguments, 1 when a run failed.
int RunWithRatios(int& argc, char** argv, std::vector<RatioPair> pairs);

}  // namespace tome::bench
