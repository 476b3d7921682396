// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "bench/ratioreporter.h"

#include <QApplication>

#include <cstdio>
#include <unistd.h>

// In colour only on a terminal, as the library's own console output is.
RatioReporter::RatioReporter(Pairs pairs)
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Color : OO_None), m_pairs(std::move(pairs))
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median)
            continue;
        const std::string name =
            run.run_name.function_name + (run.run_name.args.empty() ? "" : "/") + run.run_name.args;
        Figure& figure = m_figures[name];
        if (median || !figure.median)
            figure = {run.GetAdjustedCPUTime(), benchmark::GetTimeUnitString(run.time_unit), median};
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\nProcessor time, second over first, in this run:\n");
    for (const auto& [first, second] : m_pairs) {
        const auto a = m_figures.find(first);
        const auto b = m_figures.find(second);
        if (a == m_figures.end() || b == m_figures.end() || a->second.cpuTime <= 0)
            continue;
        std::printf("  %-38s %8.3g %-2s  %-38s %8.3g %-2s  ratio %.3f%s\n", first.c_str(), a->second.cpuTime,
                    a->second.unit.c_str(), second.c_str(), b->second.cpuTime, b->second.unit.c_str(),
                    b->second.cpuTime / a->second.cpuTime, a->second.median && b->second.median ? " (medians)" : "");
    }
}

int runWidgetBenchmarks(int argc, char** argv, RatioReporter::Pairs pairs, const std::function<void()>& beforeExit)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(pairs));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (beforeExit)
        beforeExit();
    benchmark::Shutdown();
    return 0;
}
