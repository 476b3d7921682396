// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// Start-up: the time from creating the process to its first painted frame, and peak resident
// memory, of the program against a floor, a plain window with the same standard widgets and
// no logic of ours. Both are built with the first-frame probe and started in turn on the X
// display in DISPLAY (bench/run.sh starts a private one).

#include "bench/childrun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

struct Sample {
    bool ok = false;
    double milliseconds = 0;
    double cpuMilliseconds = 0;
    double peakMiB = 0;
};

struct Program {
    const char* path;
    std::vector<double> milliseconds;
    std::vector<double> cpuMilliseconds;
    std::vector<double> peakMiB;
};

// Either can be replaced, to compare another build: STARTUP_FLOOR=path, STARTUP_PROGRAM=path.
const char* pathOf(const char* variable, const char* built)
{
    const char* given = std::getenv(variable);
    return given && *given ? given : built;
}

Program g_floor{pathOf("STARTUP_FLOOR", DRAWDOTS_STARTUP_FLOOR), {}, {}, {}};
Program g_program{pathOf("STARTUP_PROGRAM", DRAWDOTS_PROBED), {}, {}, {}};

Sample startOnce(const Program& program)
{
    // A moment's rest between runs, so that one run's ending does not overlap the next's start.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const ChildRun run =
        runChild(program.path, {}, {"QT_QPA_PLATFORM=xcb", "DRAWDOTS_EXIT_AT_FIRST_FRAME=1"}, std::chrono::seconds(20));
    Sample sample;
    std::istringstream output(run.output);
    std::string word;
    long long frameNs = 0;
    long long cpuNs = 0;
    while (output >> word) {
        if (word == "first-frame" && output >> frameNs >> cpuNs)
            break;
    }
    if (!run.succeeded || frameNs <= run.startedNs)
        return sample;
    sample.ok = true;
    sample.milliseconds = static_cast<double>(frameNs - run.startedNs) / 1e6;
    sample.cpuMilliseconds = static_cast<double>(cpuNs) / 1e6;
    sample.peakMiB = static_cast<double>(run.peakKiB) / 1024;
    return sample;
}

// One iteration starts both programs, in turn first, so that whatever else the machine is
// doing weighs on both alike.
void BM_StartUp(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs an X display; bench/run.sh starts one");
        return;
    }
    static bool warm = false;
    if (!warm) {
        // Fills the file and font caches; not counted.
        for (int i = 0; i < 2; ++i) {
            startOnce(g_floor);
            startOnce(g_program);
        }
        warm = true;
    }

    static int pairs = 0;
    Sample floor;
    Sample ours;
    for (auto _ : state) {
        if (pairs++ % 2 == 0) {
            floor = startOnce(g_floor);
            ours = startOnce(g_program);
        } else {
            ours = startOnce(g_program);
            floor = startOnce(g_floor);
        }
        state.SetIterationTime(ours.milliseconds / 1e3);
    }
    if (!floor.ok || !ours.ok) {
        state.SkipWithError("a program did not report its first frame");
        return;
    }
    for (auto [program, sample] : {std::pair{&g_floor, &floor}, std::pair{&g_program, &ours}}) {
        program->milliseconds.push_back(sample->milliseconds);
        program->cpuMilliseconds.push_back(sample->cpuMilliseconds);
        program->peakMiB.push_back(sample->peakMiB);
    }
    state.counters["floor_ms"] = floor.milliseconds;
    state.counters["drawdots_ms"] = ours.milliseconds;
    state.counters["ratio"] = ours.milliseconds / floor.milliseconds;
    state.counters["floor_cpu_ms"] = floor.cpuMilliseconds;
    state.counters["drawdots_cpu_ms"] = ours.cpuMilliseconds;
    state.counters["floor_MiB"] = floor.peakMiB;
    state.counters["drawdots_MiB"] = ours.peakMiB;
}
// The fastest run is reported too: on a busy machine it is the steadier figure.
BENCHMARK(BM_StartUp)
    ->Iterations(1)
    ->Repetitions(20)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", [](const std::vector<double>& values) {
        return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
    });

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    if (!g_program.milliseconds.empty()) {
        const auto fastest = [](const std::vector<double>& values) {
            return *std::min_element(values.begin(), values.end());
        };
        const auto line = [](const char* what, double floor, double ours) {
            std::printf("%-34s floor %6.1f ms   drawdots %6.1f ms   ratio %.3f\n", what, floor, ours, ours / floor);
        };
        std::printf("\nFrom process creation to the first painted frame, %zu runs each:\n",
                    g_program.milliseconds.size());
        line("median", median(g_floor.milliseconds), median(g_program.milliseconds));
        line("fastest", fastest(g_floor.milliseconds), fastest(g_program.milliseconds));
        line("processor time used, median", median(g_floor.cpuMilliseconds), median(g_program.cpuMilliseconds));
        const double floorMiB = median(g_floor.peakMiB);
        const double oursMiB = median(g_program.peakMiB);
        std::printf("Peak resident memory, median: floor %.2f MiB, drawdots %.2f MiB, %+.2f MiB apart\n", floorMiB,
                    oursMiB, oursMiB - floorMiB);
    }
    return 0;
}
