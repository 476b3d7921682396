// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// The usual console table, followed by how pairs of benchmarks compare in this one run: the
// second's median processor time over the first's (single runs without repetitions).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Benchmarks are named with their arguments, as in "BM_FullRepaint/points:1".
    using Pairs = std::vector<std::pair<std::string, std::string>>;

    explicit RatioReporter(Pairs pairs);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Figure {
        double cpuTime = 0;
        std::string unit;
        bool median = false;
    };

    Pairs m_pairs;
    std::map<std::string, Figure> m_figures;
};

// The main of a benchmark program that needs widgets: runs its benchmarks in a QApplication,
// on Qt's offscreen platform unless another is named, and reports how the pairs compare.
// beforeExit runs while the application is still there, to let go of widgets.
int runWidgetBenchmarks(int argc, char** argv, RatioReporter::Pairs pairs,
                        const std::function<void()>& beforeExit = {});
