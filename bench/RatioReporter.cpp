#include "RatioReporter.h"

#include <cstdio>

RatioReporter::RatioReporter(std::map<std::string, std::string> baselines)
    : m_baselines(std::move(baselines))
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        const std::string name = run.run_name.function_name;
        if (!m_seconds.count(name))
            m_order.push_back(name);
        m_seconds[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-44s %12s  %-30s %8s\n", "benchmark", "ms", "baseline", "ratio");
    for (const std::string& name : m_order) {
        const double seconds = m_seconds[name];
        const auto baseline = m_baselines.find(name);
        if (baseline == m_baselines.end() || !m_seconds.count(baseline->second)) {
            std::printf("%-44s %12.3f\n", name.c_str(), seconds * 1e3);
            continue;
        }
        std::printf("%-44s %12.3f  %-30s %8.2f\n", name.c_str(), seconds * 1e3, baseline->second.c_str(),
                    seconds / m_seconds[baseline->second]);
    }
}

int RunWithRatios(int argc, char** argv, std::map<std::string, std::string> baselines)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(baselines));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
