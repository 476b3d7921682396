// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// What a press of Draw costs, a move of the point picked on the drawing surface and a full repaint
// of it, with few and with a million points drawn before, on the window as the tests open it; an
// undo and a redo among a million points; opening and saving a million points against the
// toolkit's XML stream reader and writer merely reading and writing the same file; and what
// building the window costs against building the floor's plain widgets. Runs on Qt's offscreen
// platform unless told otherwise. With --presses=N [--save=FILE] it only presses Draw N times in a
// new window, each press painted, and saves the drawing; with --open=FILE it only opens one; then
// it exits, for bench/run.sh to measure the process.

#include "bench/floorwindow.h"
#include "picture/drawing.h"
#include "picture/history.h"
#include "picture/picturemenu.h"
#include "platform/drawingsurface.h"
#include "platform/form.h"
#include "platform/surfaceaccessible.h"
#include "tests/windowfixture.h"
#include "window/form1window.h"
#include "window/storedrecord.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

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
    picture::PictureMenu& menu() const { return *surface().findChild<picture::PictureMenu*>(); }
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

// The 99th percentile of the durations, in milliseconds.
double percentile99(std::vector<double> durations)
{
    std::sort(durations.begin(), durations.end());
    return durations[durations.size() * 99 / 100] * 1e3;
}

// Argument: the pen width of the dot undone and redone among a million points. Each iteration
// presses Draw once at a new place (not timed), then takes the dot back and draws it again, each
// painted, and takes it back once more (not timed): every dot taken back lies over the million
// points alone, never over an earlier one of its own.
void BM_UndoRedo(benchmark::State& state)
{
    BenchWindow& window = crowdedWindow();
    window.activate();
    window.setPenWidth(static_cast<int>(state.range(0)));
    window.setColour(12);
    QCoreApplication::processEvents();
    picture::History& history = window.menu().history();
    std::vector<double> undos, redos;
    const long paintsBefore = window.paints;
    int place = 0;
    for (auto _ : state) {
        ++place;
        window.setPoint(150 + place * 397 % 4000, 150 + place * 211 % 1500);
        window.press();
        QCoreApplication::processEvents();
        const auto started = std::chrono::steady_clock::now();
        history.undo();
        QCoreApplication::processEvents();
        const auto undone = std::chrono::steady_clock::now();
        history.redo();
        QCoreApplication::processEvents();
        const auto redone = std::chrono::steady_clock::now();
        undos.push_back(std::chrono::duration<double>(undone - started).count());
        redos.push_back(std::chrono::duration<double>(redone - undone).count());
        state.SetIterationTime(std::chrono::duration<double>(redone - started).count());
        history.undo();
    }
    state.counters["undo_p99_ms"] = percentile99(undos);
    state.counters["redo_p99_ms"] = percentile99(redos);
    if (window.paints - paintsBefore < 3 * static_cast<long>(state.iterations()))
        state.SkipWithError("an undo or a redo was not followed by a paint of the drawing surface");
}
BENCHMARK(BM_UndoRedo)
    ->ArgName("width")
    ->Arg(1)
    ->Arg(3)
    ->Arg(50)
    ->Arg(32767)
    ->Iterations(300)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The million points saved once, for the benchmarks that read or write such a file.
QString savedMillion()
{
    static QTemporaryDir folder;
    static const QString name = folder.filePath(QStringLiteral("million.svg"));
    if (!QFile::exists(name) && !crowdedWindow().menu().drawing().saveTo(name))
        std::fprintf(stderr, "bench: the million points could not be saved\n");
    return name;
}

// Opened into a window of its own, replacing its drawing, painted.
void BM_OpenMillion(benchmark::State& state)
{
    const QString name = savedMillion();
    BenchWindow window;
    for (auto _ : state) {
        if (!window.menu().drawing().openFile(name))
            state.SkipWithError("the file was not opened");
        window.surface().repaint();
    }
}
BENCHMARK(BM_OpenMillion)->Iterations(2)->Unit(benchmark::kMillisecond);

// The floor: the toolkit's XML stream reader reading the same file, every attribute of every element.
void BM_ReadMillionFloor(benchmark::State& state)
{
    const QString name = savedMillion();
    for (auto _ : state) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            state.SkipWithError("the file could not be read");
        QXmlStreamReader xml(&file);
        qsizetype characters = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                for (const QXmlStreamAttribute& attribute : xml.attributes())
                    characters += attribute.value().size();
            }
        }
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_ReadMillionFloor)->Iterations(2)->Unit(benchmark::kMillisecond);

void BM_SaveMillion(benchmark::State& state)
{
    const QString name = savedMillion() + QStringLiteral(".again.svg");
    for (auto _ : state) {
        if (!crowdedWindow().menu().drawing().saveTo(name))
            state.SkipWithError("the file was not saved");
    }
}
BENCHMARK(BM_SaveMillion)->Iterations(2)->Unit(benchmark::kMillisecond);

// The floor: the toolkit's XML stream writer writing the same elements and attributes, the
// numbers written by the toolkit's own QString::number, to a file replaced as the save replaces it.
void BM_WriteMillionFloor(benchmark::State& state)
{
    const QString name = savedMillion() + QStringLiteral(".floor.svg");
    const platform::DotStore& dots = crowdedWindow().surface().dots();
    const QString ns = QStringLiteral("https://drawdots.github.io/ns/drawing");
    for (auto _ : state) {
        QSaveFile file(name);
        file.open(QIODevice::WriteOnly);
        QXmlStreamWriter xml(&file);
        xml.setAutoFormatting(true);
        xml.setAutoFormattingIndent(0);
        xml.writeStartDocument();
        xml.writeStartElement(QStringLiteral("svg"));
        xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
        xml.writeNamespace(ns, QStringLiteral("drawdots"));
        dots.forEach([&](const platform::Dot& dot) {
            xml.writeEmptyElement(QStringLiteral("circle"));
            xml.writeAttribute(QStringLiteral("cx"), QString::number(dot.x / 15));
            xml.writeAttribute(QStringLiteral("cy"), QString::number(dot.y / 15));
            xml.writeAttribute(QStringLiteral("r"), QString::number(dot.width / 2.0));
            xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("#%1").arg(dot.colour, 6, 16, QLatin1Char('0')));
            xml.writeAttribute(ns, QStringLiteral("x"), QString::number(dot.x));
            xml.writeAttribute(ns, QStringLiteral("y"), QString::number(dot.y));
            xml.writeAttribute(ns, QStringLiteral("colour"), QString::number(dot.colour % 16));
        });
        xml.writeEndDocument();
        if (!file.commit())
            state.SkipWithError("the floor's file could not be written");
    }
}
BENCHMARK(BM_WriteMillionFloor)->Iterations(2)->Unit(benchmark::kMillisecond);

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
    constexpr const char* kSave = "--save=";
    constexpr const char* kOpen = "--open=";
    if (argc >= 2 && std::strncmp(argv[1], kPresses, std::strlen(kPresses)) == 0) {
        const long count = std::atol(argv[1] + std::strlen(kPresses));
        BenchWindow window;
        window.scatter(count, 1);
        if (argc == 3 && std::strncmp(argv[2], kSave, std::strlen(kSave)) == 0 &&
            !window.menu().drawing().saveTo(QString::fromLocal8Bit(argv[2] + std::strlen(kSave))))
            return EXIT_FAILURE;
        // Every press must have been painted, or the peak would leave out what painting costs.
        return window.paints >= count ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    if (argc == 2 && std::strncmp(argv[1], kOpen, std::strlen(kOpen)) == 0) {
        BenchWindow window;
        const bool opened = window.menu().drawing().openFile(QString::fromLocal8Bit(argv[1] + std::strlen(kOpen)));
        window.surface().repaint();
        return opened ? EXIT_SUCCESS : EXIT_FAILURE;
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
