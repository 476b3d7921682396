// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// Linked into the start-up benchmark's programs. When DRAWDOTS_EXIT_AT_FIRST_FRAME is set,
// the program prints "first-frame NS CPU" once its first frame has been painted and handed to
// the window system, and then quits. NS is the wall clock (CLOCK_REALTIME, which bench/run.sh
// reads too), CPU the processor time the process has used so far, both in nanoseconds.

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A window's first paint begins its first frame; the queued call runs once the whole
        // frame has been painted and flushed.
        if (!m_painted && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_painted = true;
            QMetaObject::invokeMethod(this, &FirstFrameProbe::report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void report()
    {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        timespec used{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
        const auto nanoseconds = [](const timespec& t) { return t.tv_sec * 1'000'000'000LL + t.tv_nsec; };
        std::printf("first-frame %lld %lld\n", nanoseconds(now), nanoseconds(used));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool m_painted = false;
};

void installProbe()
{
    if (qEnvironmentVariableIsSet("DRAWDOTS_EXIT_AT_FIRST_FRAME"))
        QCoreApplication::instance()->installEventFilter(new FirstFrameProbe(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
