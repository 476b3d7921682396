// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// What building the window costs, without the process and the window system around it:
// decoding the stored record, building the program's window from it, and building the floor
// window's widgets directly. Runs on Qt's offscreen platform unless told otherwise.

#include "bench/floorwindow.h"
#include "bench/ratioreporter.h"

#include "platform/form.h"
#include "window/form1window.h"
#include "window/storedrecord.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

void BM_DecodeStoredRecord(benchmark::State& state)
{
    for (auto _ : state) {
        platform::FormDescription description = window::form1Description();
        benchmark::DoNotOptimize(description);
    }
}
BENCHMARK(BM_DecodeStoredRecord)->Unit(benchmark::kMicrosecond);

// As the program does before showing its window: decode, build, attach its object, load.
// Taking the window down again is timed too, as it is for the floor.
void BM_BuildProgramWindow(benchmark::State& state)
{
    for (auto _ : state) {
        platform::Form form(window::form1Description());
        const std::shared_ptr<void> program = window::attachForm1(form);
        form.load();
        benchmark::DoNotOptimize(form.widget());
    }
}
BENCHMARK(BM_BuildProgramWindow)->Unit(benchmark::kMicrosecond);

void BM_BuildFloorWindow(benchmark::State& state)
{
    for (auto _ : state) {
        const std::unique_ptr<QWidget> window = buildFloorWindow();
        benchmark::DoNotOptimize(window.get());
    }
}
BENCHMARK(BM_BuildFloorWindow)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv, {{"BM_BuildFloorWindow", "BM_BuildProgramWindow"}});
}
