// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/drawing.h"

#include "picture/drawingreader.h"
#include "picture/history.h"
#include "picture/picturewriter.h"
#include "picture/progress.h"
#include "picture/savedialog.h"
#include "platform/drawingsurface.h"
#include "platform/notes/errorreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace picture {

using platform::DrawingSurface;
using platform::runHandler;

Drawing::Drawing(DrawingSurface* surface, History* history)
    : QObject(surface), m_surface(surface), m_history(history), m_caption(surface->window()->windowTitle())
{
    // The title names the file, then the program: "dots.svg* — Draw dots".
    QGuiApplication::setApplicationDisplayName(m_caption);
    connect(history, &History::cleanChanged, this, &Drawing::showModified);
    surface->window()->installEventFilter(this);
}

bool Drawing::isModified() const
{
    return !m_history->isClean();
}

QString Drawing::proposedName(const QString& suffix) const
{
    if (!m_fileName.isEmpty()) {
        const QFileInfo file(m_fileName);
        return file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QDir folder(!pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath());
    return folder.filePath(m_caption + QLatin1Char('.') + suffix);
}

void Drawing::open()
{
    if (!maybeSave(Purpose::Opening))
        return;
    const QString folder = QFileInfo(proposedName(QStringLiteral("svg"))).absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(
        m_surface->window(), QCoreApplication::translate("Drawing", "Open drawing"), folder,
        QCoreApplication::translate("Drawing", "SVG drawing (*.svg);;All files (*)"));
    if (!chosen.isEmpty())
        openFile(chosen);
}

bool Drawing::openFile(const QString& fileName)
{
    return read(fileName, false);
}

bool Drawing::openKept(const QString& keptFile)
{
    return maybeSave(Purpose::Opening) && read(keptFile, true);
}

bool Drawing::read(const QString& fileName, bool kept)
{
    std::optional<OpenedDrawing> opened;
    runHandler(m_surface, [&] {
        ProgressBar bar(m_surface->window(),
                        QCoreApplication::translate("Drawing", "Opening \"%1\"…").arg(QFileInfo(fileName).fileName()));
        opened = readDrawing(fileName, [&](std::size_t done, std::size_t total) {
            Q_EMIT progressed(done, total);
            return bar(done, total);
        });
    });
    if (!opened)
        return false;
    m_surface->restore(platform::Sheet(std::move(opened->dots)));
    setFile(kept ? opened->belongsTo : fileName);
    m_letGo = false;
    m_history->reset(!kept);
    return true;
}

bool Drawing::save()
{
    return m_fileName.isEmpty() ? saveAs() : saveTo(m_fileName);
}

bool Drawing::saveAs()
{
    const QString chosen =
        SaveDialog::ask(m_surface->window(),
                        proposedName(m_fileName.isEmpty() ? QStringLiteral("png") : QFileInfo(m_fileName).suffix()));
    return !chosen.isEmpty() && saveTo(chosen);
}

bool Drawing::saveTo(const QString& fileName)
{
    bool saved = false;
    runHandler(m_surface, [&] {
        ProgressBar bar(m_surface->window(),
                        QCoreApplication::translate("Drawing", "Saving \"%1\"…").arg(QFileInfo(fileName).fileName()));
        saved = savePicture(fileName, m_surface->picture(), m_surface->dots(), m_surface->contentsRect().size(),
                            [&](std::size_t done, std::size_t total) {
                                Q_EMIT progressed(done, total);
                                return bar(done, total);
                            });
    });
    if (!saved)
        return false;
    setFile(fileName);
    m_history->setClean();
    return true;
}

bool Drawing::maybeSave(Purpose purpose)
{
    if (!isModified())
        return true;
    QMessageBox box(QMessageBox::Warning, m_caption,
                    purpose == Purpose::Closing
                        ? QCoreApplication::translate("Drawing", "The drawing has changes that are not saved. "
                                                                 "Save them before closing?")
                        : QCoreApplication::translate("Drawing", "The drawing has changes that are not saved. "
                                                                 "Save them before opening another drawing?"),
                    QMessageBox::Save | QMessageBox::Cancel, m_surface->window());
    QPushButton* discard =
        box.addButton(purpose == Purpose::Closing ? QCoreApplication::translate("Drawing", "Close &without saving")
                                                  : QCoreApplication::translate("Drawing", "Open &without saving"),
                      QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Save);
    box.exec();
    if (box.clickedButton() == discard) {
        m_letGo = purpose == Purpose::Closing;
        return true;
    }
    return box.clickedButton() == box.button(QMessageBox::Save) && save();
}

bool Drawing::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == m_surface->window() && !maybeSave(Purpose::Closing)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Drawing::setFile(const QString& fileName)
{
    m_fileName = fileName;
    QWidget* window = m_surface->window();
    window->setWindowFilePath(fileName);
    // The toolkit makes the title from the file's name where the window has none of its own.
    window->setWindowTitle(fileName.isEmpty() ? m_caption : QString());
    showModified();
}

void Drawing::showModified()
{
    // Without a file the title is the program's name alone, with no mark.
    if (!m_fileName.isEmpty())
        m_surface->window()->setWindowModified(isModified());
}

} // namespace picture
