#include "ratio_reporter.h"

#include <cstdio>
#include <ostream>
#include <utility>

#include <unistd.h>

namespace tome::bench {

RatioReporter::RatioReporter(std::vector<RatioPair> pairs)
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular), pairs_(std::move(pairs)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            anyError_ = true;
            continue;
        }
        // With repetitions the median stands for the function; otherwise its one run.
        const bool usable = run.run_type == Run::RT_Iteration || run.aggregate_name == "median";
        if (!usable) continue;
        secondsPerIteration_[run.run_name.function_name] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    for (const RatioPair& pair : pairs_) {
        const auto operation = secondsPerIteration_.find(pair.operation);
        const auto baseline = secondsPerIteration_.find(pair.baseline);
        if (operation == secondsPerIteration_.end() || baseline == secondsPerIteration_.end()) continue;
        char ratio[32];
        std::snprintf(ratio, sizeof ratio, "%.2f", operation->second / baseline->second);
        std::string line = pair.label;
        line.replace(line.find("N x"), 1, ratio);
        char times[96];
        std::snprintf(times, sizeof times, "  (%.3f ms against %.3f ms)", operation->second * 1e3,
                      baseline->second * 1e3);
        out << line << times << "\n";
    }
}

int RunWithRatios(int& argc, char** argv, std::vector<RatioPair> pairs) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    RatioReporter reporter(std::move(pairs));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.anyError() ? 1 : 0;
}

}  // namespace tome::bench
