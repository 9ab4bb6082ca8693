#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

// Prints Google Benchmark's usual table, then each benchmark's time as a
// ratio to the baseline it names, measured in the same run. Timings on these
// machines drift between runs; ratios against a copy of the same bytes are
// what stays comparable.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // benchmark name (without arguments) -> baseline benchmark name
    explicit RatioReporter(std::map<std::string, std::string> baselines);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::map<std::string, std::string> m_baselines;
    std::map<std::string, double> m_seconds; // per iteration, by name
    std::vector<std::string> m_order;
};

// Runs every registered benchmark with the reporter and prints the ratios.
int RunWithRatios(int argc, char** argv, std::map<std::string, std::string> baselines);
