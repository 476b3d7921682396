// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// Peak resident memory of the program's window after one press of Draw and after a million,
// each measured in a fresh process of its own: this program started again with --presses=N.
// Runs on Qt's offscreen platform unless told otherwise.

#include "bench/benchwindow.h"
#include "bench/childrun.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr long kManyPresses = 1'000'000;
constexpr const char* kPressesOption = "--presses=";

std::vector<double> g_fewKiB;
std::vector<double> g_manyKiB;

// Builds the window as the program does at start and presses Draw count times, each press
// at a newly typed point and followed by its paint, as when a person presses.
int pressAndExit(int argc, char** argv, long count)
{
    QApplication application(argc, argv);
    BenchWindow window;
    window.scatter(count, 1);
    // Every press must have been painted, or the peak would leave out what painting costs.
    return window.surfacePaints() >= count ? EXIT_SUCCESS : EXIT_FAILURE;
}

long peakAfter(long presses)
{
    const ChildRun run =
        runChild("/proc/self/exe", {kPressesOption + std::to_string(presses)}, {}, std::chrono::minutes(5));
    return run.succeeded ? run.peakKiB : -1;
}

// One iteration measures both counts, in turn first, so that whatever the machine is doing
// weighs on both alike.
void BM_PeakMemory(benchmark::State& state)
{
    static int pairs = 0;
    long few = 0;
    long many = 0;
    for (auto _ : state) {
        if (pairs++ % 2 == 0) {
            few = peakAfter(1);
            many = peakAfter(kManyPresses);
        } else {
            many = peakAfter(kManyPresses);
            few = peakAfter(1);
        }
    }
    if (few < 0 || many < 0) {
        state.SkipWithError("a press process failed");
        return;
    }
    g_fewKiB.push_back(static_cast<double>(few));
    g_manyKiB.push_back(static_cast<double>(many));
    state.counters["after_1_KiB"] = static_cast<double>(few);
    state.counters["after_1M_KiB"] = static_cast<double>(many);
    state.counters["growth_KiB"] = static_cast<double>(many - few);
}
BENCHMARK(BM_PeakMemory)->Iterations(1)->Repetitions(3)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && std::strncmp(argv[1], kPressesOption, std::strlen(kPressesOption)) == 0)
        return pressAndExit(argc, argv, std::atol(argv[1] + std::strlen(kPressesOption)));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (!g_fewKiB.empty()) {
        const double few = median(g_fewKiB);
        const double many = median(g_manyKiB);
        std::printf("\nPeak resident memory, median of %zu: after 1 press %.0f KiB, after %ld presses %.0f KiB, "
                    "%+.0f KiB apart\n",
                    g_fewKiB.size(), few, kManyPresses, many, many - few);
    }
    return 0;
}
