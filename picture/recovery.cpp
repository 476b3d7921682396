// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/recovery.h"

#include "picture/drawing.h"
#include "picture/picturemenu.h"
#include "picture/picturewriter.h"
#include "platform/drawingsurface.h"
#include "platform/notes/errorreport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QMenu>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

namespace picture {

using platform::runHandler;

namespace {

// Written by the signal handler, read by the event loop: all a handler may safely do.
int g_endSignal[2] = {-1, -1};

void endSignalled(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_endSignal[1], &byte, 1);
}

// Ends the program on SIGTERM and SIGHUP as if its last window had closed, without asking:
// the event loop ends, and what is to be kept is kept on the way out.
void quitOnEndSignals(QObject* owner)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_endSignal) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_endSignal[0], QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(g_endSignal[0], &byte, 1);
        QCoreApplication::exit(0);
    });
    struct sigaction action = {};
    action.sa_handler = endSignalled;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace

Recovery::Recovery(PictureMenu* menu, const QString& folder)
    : QObject(menu), m_drawing(&menu->drawing()), m_surface(menu->surface()), m_folder(folder),
      m_open(new QAction(QCoreApplication::translate("Recovery", "Open the &kept drawing"), this)),
      m_letGo(new QAction(QCoreApplication::translate("Recovery", "Let the kept drawing &go"), this))
{
    QMenu* shown = menu->menu();
    QAction* first = shown->actions().constFirst();
    shown->insertActions(first, {m_open, m_letGo});
    shown->insertSeparator(first);
    connect(m_open, &QAction::triggered, this, &Recovery::openOffered);
    connect(m_letGo, &QAction::triggered, this, &Recovery::letGo);
    offerNone();
}

QString Recovery::defaultFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::home().filePath(QStringLiteral(".local/state"));
    return QDir(state).filePath(QStringLiteral("drawdots"));
}

void Recovery::keep()
{
    if (!m_drawing->needsKeeping())
        return;
    const QString name =
        QDir(m_folder).filePath(QStringLiteral("drawing-%1-%2.svg")
                                    .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")))
                                    .arg(QCoreApplication::applicationPid()));
    try {
        if (!QDir().mkpath(m_folder))
            throw platform::ReportedError("the folder " + m_folder.toStdString() + " could not be made");
        keepDrawing(name, m_surface->dots(), m_surface->contentsRect().size(), m_drawing->fileName());
    } catch (const std::exception& error) {
        // The window is gone: the terminal, or the session's log, is all that is left to tell.
        std::fprintf(stderr, "The unsaved drawing could not be kept as %s: %s\n", qPrintable(name), error.what());
    }
}

void Recovery::offer()
{
    const QStringList kept = QDir(m_folder).entryList({QStringLiteral("drawing-*.svg")}, QDir::Files, QDir::Time);
    if (kept.isEmpty())
        return offerNone();
    m_offered = QDir(m_folder).filePath(kept.constFirst());
    m_open->setVisible(true);
    m_letGo->setVisible(true);
    platform::tell(m_surface, QCoreApplication::translate("Recovery", "A drawing not saved when Draw dots last ended "
                                                                      "was kept: open it or let it go from the "
                                                                      "drawing area's menu."));
}

void Recovery::offerNone()
{
    m_offered.clear();
    m_open->setVisible(false);
    m_letGo->setVisible(false);
}

void Recovery::openOffered()
{
    if (m_offered.isEmpty() || !m_drawing->openKept(m_offered))
        return;
    QFile::remove(m_offered);
    offer();
}

void Recovery::letGo()
{
    if (m_offered.isEmpty())
        return;
    runHandler(m_surface, [this] { QFile::remove(m_offered); });
    offer();
}

void attachToProgram(platform::DrawingSurface* surface, const QStringList& files)
{
    auto* menu = surface->findChild<PictureMenu*>();
    auto* recovery = new Recovery(menu, Recovery::defaultFolder());
    quitOnEndSignals(recovery);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, recovery, &Recovery::keep);
    QTimer::singleShot(0, recovery, [recovery, menu, files] {
        recovery->offer();
        if (!files.isEmpty())
            menu->drawing().openFile(files.constFirst());
    });
}

} // namespace picture
