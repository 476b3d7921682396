// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "bench/benchwindow.h"

#include "platform/drawingsurface.h"
#include "platform/form.h"
#include "plotting/form1.h"
#include "window/form1window.h"
#include "window/storedrecord.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QPushButton>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

class PaintCounter : public QObject {
public:
    using QObject::QObject;
    long paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "bench: %s\n", what);
    std::exit(EXIT_FAILURE);
}

} // namespace

BenchWindow::BenchWindow()
    : m_form(std::make_unique<platform::Form>(window::form1Description())),
      m_form1(std::static_pointer_cast<plotting::Form1>(window::attachForm1(*m_form)))
{
    m_form->load();
    m_form->show();
    m_surface = m_form->widget()->findChild<platform::DrawingSurface*>("Picture1");
    m_draw = m_form->widget()->findChild<QPushButton*>("cmdDraw");
    if (!m_surface || !m_draw)
        fail("the window has no Picture1 or no cmdDraw");
    m_paintCounter = new PaintCounter(m_surface);
    m_surface->installEventFilter(m_paintCounter);

    const QDeadlineTimer deadline(10'000);
    while (!(m_form->widget()->windowHandle() && m_form->widget()->windowHandle()->isExposed())) {
        if (deadline.hasExpired())
            fail("the window was not shown within 10 s");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    activate();
}

BenchWindow::~BenchWindow()
{
    m_form1.reset();
    m_form.reset();
}

void BenchWindow::activate()
{
    QWidget* window = m_form->widget();
    window->activateWindow();
    const QDeadlineTimer deadline(10'000);
    while (QApplication::activeWindow() != window) {
        if (deadline.hasExpired())
            fail("the window did not become active within 10 s");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    paintPending();
}

void BenchWindow::setPoint(int xTwips, int yTwips)
{
    m_form->textBox("txtx").setText(std::to_string(xTwips));
    m_form->textBox("txty").setText(std::to_string(yTwips));
}

void BenchWindow::setPenWidth(int pixels)
{
    m_form->textBox("Text3").setText(std::to_string(pixels));
}

void BenchWindow::setColour(std::int16_t number)
{
    m_form1->colorIndex = number;
}

void BenchWindow::press()
{
    m_draw->click();
}

void BenchWindow::paintPending()
{
    QCoreApplication::processEvents();
}

void BenchWindow::scatter(long count, long paintEvery)
{
    // A fixed seed, so every run draws the same points.
    std::mt19937 random(20240601);
    const QRect area = m_surface->contentsRect();
    std::uniform_int_distribution<int> x(0, area.width() * 15 - 1);
    std::uniform_int_distribution<int> y(0, area.height() * 15 - 1);
    for (long i = 0; i < count; ++i) {
        setPoint(x(random), y(random));
        if (i % 1000 == 0)
            setPenWidth(1 + static_cast<int>(i / 1000 % 5));
        setColour(static_cast<std::int16_t>(i % 16));
        press();
        if ((i + 1) % paintEvery == 0)
            paintPending();
    }
    paintPending();
}

long BenchWindow::surfacePaints() const
{
    return static_cast<PaintCounter*>(m_paintCounter)->paints;
}
