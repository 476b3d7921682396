// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// What a press of Draw costs, a move of the point picked on the drawing surface and a full repaint
// of it, with few and with a million points drawn before, on the window as the tests open it; and what building the
// window costs against building the floor's plain widgets. Runs on Qt's offscreen platform
// unless told otherwise. With --presses=N it only presses Draw N times in a new window, each
// press painted, and exits, for bench/run.sh to measure the process.

#include "bench/floorwindow.h"
#include "platform/drawingsurface.h"
#include "platform/form.h"
#include "platform/surfaceaccessible.h"
#include "tests/windowfixture.h"
#include "window/form1window.h"
#include "window/storedrecord.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr long kManyPoints = 1'000'000;

// The program's window as the tests open it, with what the benchmarks need to drive it and a
// count of the drawing surface's paints.
class BenchWindow : public QObject {
public:
    BenchWindow()
    {
        if (!m_window.open()) {
            std::fprintf(stderr, "bench: the window was not shown and activated\n");
            std::exit(EXIT_FAILURE);
        }
        m_draw = m_window.find<QPushButton>("cmdDraw");
        m_window.surface()->installEventFilter(this);
    }
    ~BenchWindow() override { m_window.close(); }

    // Makes this the active window again, as it is in use: the drawing surface then has the
    // focus and paints it. Windows opened later take the activation away.
    void activate()
    {
        m_window.window()->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.window()))
            std::fprintf(stderr, "bench: the window did not become active again\n");
        QCoreApplication::processEvents();
    }

    // Typed as the text boxes' text; the pen width takes effect at once.
    void setPoint(int xTwips, int yTwips)
    {
        m_window.form().textBox("txtx").setText(std::to_string(xTwips));
        m_window.form().textBox("txty").setText(std::to_string(yTwips));
    }
    void setPenWidth(int pixels) { m_window.form().textBox("Text3").setText(std::to_string(pixels)); }
    void setColour(std::int16_t number) { m_window.form1().colorIndex = number; }
    // Presses Draw as a mouse click does: the button's clicked signal through the forms layer.
    void press() { m_draw->click(); }

    // Presses Draw count times at points, colours and pen widths spread over the drawing
    // area, delivering the paints after every paintEvery presses and at the end.
    void scatter(long count, long paintEvery)
    {
        std::mt19937 random(20240601); // the same points in every run
        const QRect area = surface().contentsRect();
        std::uniform_int_distribution<int> x(0, static_cast<int>(area.width() * platform::kTwipsPerPixel) - 1);
        std::uniform_int_distribution<int> y(0, static_cast<int>(area.height() * platform::kTwipsPerPixel) - 1);
        for (long i = 0; i < count; ++i) {
            setPoint(x(random), y(random));
            if (i % 1000 == 0)
                setPenWidth(1 + static_cast<int>(i / 1000 % 5));
            setColour(static_cast<std::int16_t>(i % 16));
            press();
            if ((i + 1) % paintEvery == 0)
                QCoreApplication::processEvents();
        }
        QCoreApplication::processEvents();
    }

    platform::DrawingSurface& surface() const { return *m_window.surface(); }
    QString told() const { return m_window.toldOfTheArea(); }
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }

private:
    WindowFixture m_window;
    QPushButton* m_draw = nullptr;
};

// Runs body once per iteration and reports the 99th percentile of the single runs' wall-clock
// times, in microseconds, as the counter p99_us: what a person waits for the slowest of them.
template <typename Body> void timeEach(benchmark::State& state, Body body)
{
    std::vector<double> micros;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    if (micros.empty())
        return;
    const auto p99 = micros.begin() + static_cast<std::ptrdiff_t>(0.99 * static_cast<double>(micros.size() - 1));
    std::nth_element(micros.begin(), p99, micros.end());
    state.counters["p99_us"] = *p99;
}

// Built once each, as drawing a million points takes seconds; painted a thousand at a time.
// They are taken down before the application.
std::unique_ptr<BenchWindow> g_crowded;
std::unique_ptr<BenchWindow> g_sparse;

BenchWindow& crowdedWindow()
{
    if (!g_crowded) {
        g_crowded = std::make_unique<BenchWindow>();
        g_crowded->scatter(kManyPoints, 1000);
    }
    return *g_crowded;
}

// Arguments: pen width, points drawn before (0 or a million). A window with no points is
// opened afresh for each run; the presses timed add their own points at one place.
void BM_PressDraw(benchmark::State& state)
{
    const bool crowded = state.range(1) != 0;
    const std::unique_ptr<BenchWindow> fresh = crowded ? nullptr : std::make_unique<BenchWindow>();
    BenchWindow& window = crowded ? crowdedWindow() : *fresh;
    window.activate();
    window.setPoint(2130, 810);
    window.setPenWidth(static_cast<int>(state.range(0)));
    window.setColour(12);
    QCoreApplication::processEvents();
    const long paintsBefore = window.paints;

    timeEach(state, [&window] {
        window.press();
        QCoreApplication::processEvents();
    });

    // Every press must have been painted, or the figure would not include the paint.
    if (window.paints - paintsBefore < static_cast<long>(state.iterations()))
        state.SkipWithError("a press was not followed by a paint of the drawing surface");
}
BENCHMARK(BM_PressDraw)
    ->ArgNames({"width", "earlier"})
    ->ArgsProduct({{1, 3, 50}, {0, kManyPoints}})
    ->Unit(benchmark::kMicrosecond);

// Argument: points drawn before (0 or a million). A move of the picked point by an arrow key on
// the drawing surface, Right and Left in turn: the boxes follow, the cross is painted at its new
// place and what lies there is told to assistive technology, here at once rather than once the
// moves pause.
void BM_MovePickedPoint(benchmark::State& state)
{
    const bool crowded = state.range(0) != 0;
    const std::unique_ptr<BenchWindow> fresh = crowded ? nullptr : std::make_unique<BenchWindow>();
    BenchWindow& window = crowded ? crowdedWindow() : *fresh;
    window.activate();
    window.setPoint(2130, 810);
    window.surface().findChild<QTimer*>("AnnouncementPause")->setInterval(0);
    QCoreApplication::processEvents();
    const long paintsBefore = window.paints;
    platform::announce(&window.surface(), QString());

    bool right = true;
    timeEach(state, [&window, &right] {
        QKeyEvent key(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(&window.surface(), &key);
        right = !right;
        QCoreApplication::processEvents();
    });

    if (window.paints - paintsBefore < static_cast<long>(state.iterations()))
        state.SkipWithError("a move was not followed by a paint of the drawing surface");
    if (window.told().isEmpty())
        state.SkipWithError("no move was told");
}
BENCHMARK(BM_MovePickedPoint)->ArgName("earlier")->Arg(0)->Arg(kManyPoints)->Unit(benchmark::kMicrosecond);

// Argument: points drawn before (1 or a million). Both windows live on, so that they are
// compared in the same circumstances: repaints add no points.
void BM_FullRepaint(benchmark::State& state)
{
    if (!g_sparse) {
        g_sparse = std::make_unique<BenchWindow>();
        g_sparse->scatter(1, 1);
    }
    BenchWindow& window = state.range(0) > 1 ? crowdedWindow() : *g_sparse;
    window.activate();
    const long paintsBefore = window.paints;

    for (auto _ : state)
        window.surface().repaint();

    if (window.paints - paintsBefore < static_cast<long>(state.iterations()))
        state.SkipWithError("a repaint did not paint the drawing surface");
}
BENCHMARK(BM_FullRepaint)->ArgName("points")->Arg(1)->Arg(kManyPoints)->Unit(benchmark::kMicrosecond);

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    constexpr const char* kPresses = "--presses=";
    if (argc == 2 && std::strncmp(argv[1], kPresses, std::strlen(kPresses)) == 0) {
        const long count = std::atol(argv[1] + std::strlen(kPresses));
        BenchWindow window;
        window.scatter(count, 1);
        // Every press must have been painted, or the peak would leave out what painting costs.
        return window.paints >= count ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    g_crowded.reset();
    g_sparse.reset();
    benchmark::Shutdown();
    return 0;
}
