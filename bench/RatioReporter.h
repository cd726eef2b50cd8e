#pragma once
// Remembers each benchmark's median processor time over its repetitions
// (steadier than wall time on a busy machine) so that a benchmark of ours
// can be set against its reference and the ratio printed.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    }
    void PrintRatio(const char* what, const std::string& ours, const std::string& reference,
                    double goal) const
    {
        const auto a = times_.find(ours), b = times_.find(reference);
        if (a == times_.end() || b == times_.end() || b->second <= 0)
            return;
        std::printf("%-40s %.3f (goal %.1f or below)\n", what, a->second / b->second, goal);
    }

private:
    std::map<std::string, double> times_;
};
