// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// What a press of Draw costs, and a full repaint of the drawing surface, with few and with a
// million points drawn before. Runs on Qt's offscreen platform unless told otherwise.

#include "bench/benchwindow.h"
#include "bench/ratioreporter.h"

#include "platform/drawingsurface.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr long kManyPoints = 1'000'000;

// The window with a million scattered points, built once: drawing them takes seconds, so
// they are painted a thousand at a time. Windows are taken down before the application.
std::unique_ptr<BenchWindow> g_crowded;

BenchWindow& crowdedWindow()
{
    if (!g_crowded) {
        g_crowded = std::make_unique<BenchWindow>();
        g_crowded->scatter(kManyPoints, 1000);
    }
    return *g_crowded;
}

// Arguments: pen width, points drawn before (0 or a million). A window with no points is
// built afresh for each run; the presses timed add their own points at one place.
void BM_PressDraw(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const bool crowded = state.range(1) != 0;
    std::unique_ptr<BenchWindow> fresh = crowded ? nullptr : std::make_unique<BenchWindow>();
    BenchWindow& window = crowded ? crowdedWindow() : *fresh;

    window.activate();
    window.setPoint(2130, 810);
    window.setPenWidth(width);
    window.setColour(12);
    window.paintPending();
    const long paintsBefore = window.surfacePaints();

    for (auto _ : state) {
        window.press();
        window.paintPending();
    }

    // Every press must have been painted, or the figure would not include the paint.
    const long paints = window.surfacePaints() - paintsBefore;
    if (paints < static_cast<long>(state.iterations()))
        state.SkipWithError("a press was not followed by a paint of the drawing surface");
    state.counters["paints_per_press"] = static_cast<double>(paints) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PressDraw)
    ->ArgNames({"width", "earlier"})
    ->ArgsProduct({{1, 3, 50}, {0, kManyPoints}})
    ->Unit(benchmark::kMicrosecond);

// The window with one point. Like the crowded one it is built once and lives on, so that the
// two are compared in the same circumstances: repaints add no points.
std::unique_ptr<BenchWindow> g_sparse;

BenchWindow& sparseWindow()
{
    if (!g_sparse) {
        g_sparse = std::make_unique<BenchWindow>();
        g_sparse->scatter(1, 1);
    }
    return *g_sparse;
}

// Argument: points drawn before (1 or a million).
void BM_FullRepaint(benchmark::State& state)
{
    BenchWindow& window = state.range(0) > 1 ? crowdedWindow() : sparseWindow();
    window.activate();
    const long paintsBefore = window.surfacePaints();

    for (auto _ : state)
        window.surface().repaint();

    if (window.surfacePaints() - paintsBefore < static_cast<long>(state.iterations()))
        state.SkipWithError("a repaint did not paint the drawing surface");
}
BENCHMARK(BM_FullRepaint)->ArgName("points")->Arg(1)->Arg(kManyPoints)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv,
                               {
                                   {"BM_PressDraw/width:1/earlier:0", "BM_PressDraw/width:1/earlier:1000000"},
                                   {"BM_PressDraw/width:3/earlier:0", "BM_PressDraw/width:3/earlier:1000000"},
                                   {"BM_PressDraw/width:50/earlier:0", "BM_PressDraw/width:50/earlier:1000000"},
                                   {"BM_FullRepaint/points:1", "BM_FullRepaint/points:1000000"},
                               },
                               [] {
                                   g_sparse.reset();
                                   g_crowded.reset();
                               });
}
