// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/errorreport.h"

#include "platform/formserror.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <deque>

namespace platform {

namespace {

void showMessageBox(const std::string& message)
{
    QWidget* parent = QApplication::activeWindow();
    if (!parent) {
        const auto windows = QApplication::topLevelWidgets();
        const auto shown =
            std::find_if(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
        parent = shown == windows.end() ? nullptr : *shown;
    }
    QMessageBox box(QMessageBox::Warning, parent ? parent->windowTitle() : QString(), QString::fromStdString(message),
                    QMessageBox::Ok, parent);
    box.exec();
}

// Holds reports until they can be shown: after the handler that raised them has ended and
// while no mouse button is held.
class ReportQueue : public QObject {
public:
    void add(std::string message)
    {
        m_pending.push_back(std::move(message));
        schedule();
    }

    ErrorReporter reporter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && m_waitingForRelease) {
            m_waitingForRelease = false;
            qApp->removeEventFilter(this);
            // Queued, so the release reaches its widget (and its click handler) first.
            schedule();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void schedule() { QMetaObject::invokeMethod(this, &ReportQueue::showNext, Qt::QueuedConnection); }

    void showNext()
    {
        if (m_pending.empty() || m_showing || m_waitingForRelease)
            return;
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            m_waitingForRelease = true;
            qApp->installEventFilter(this);
            return;
        }
        const std::string message = std::move(m_pending.front());
        m_pending.pop_front();
        m_showing = true;
        (reporter ? reporter : showMessageBox)(message);
        m_showing = false;
        if (!m_pending.empty())
            schedule();
    }

    std::deque<std::string> m_pending;
    bool m_showing = false;
    bool m_waitingForRelease = false;
};

ReportQueue& reportQueue()
{
    // Parented to the application so it goes away with it.
    static QPointer<ReportQueue> queue;
    if (!queue) {
        queue = new ReportQueue;
        queue->setParent(qApp);
    }
    return *queue;
}

} // namespace

void setErrorReporter(ErrorReporter reporter)
{
    reportQueue().reporter = std::move(reporter);
}

void runHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const FormsError& error) {
        reportQueue().add(error.what());
    } catch (const std::bad_alloc&) {
        reportQueue().add("The program ran out of memory; what was drawn so far is kept.");
    } catch (const std::exception& error) {
        reportQueue().add(std::string("Something went wrong inside the program: ") + error.what());
    }
}

} // namespace platform
