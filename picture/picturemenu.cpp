// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/picturemenu.h"

#include "picture/drawing.h"
#include "picture/history.h"
#include "picture/pictureprinter.h"
#include "picture/picturewriter.h"
#include "platform/drawingsurface.h"
#include "platform/notes/errorreport.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QMenu>
#include <QPainter>

namespace picture {

using platform::DrawingSurface;
using platform::ReportedError;
using platform::runHandler;

namespace {

// The print module: beside the program in the build tree, in its own folder where it is installed.
PrintFunction printFunction()
{
    static PrintFunction print = nullptr;
    QString reason;
    for (const QString& folder : {QStringLiteral("."), QStringLiteral(DRAWDOTS_MODULE_DIR)}) {
        if (print)
            break;
        QLibrary module(
            QDir(QCoreApplication::applicationDirPath()).filePath(folder + QStringLiteral("/drawdots-print")));
        print = reinterpret_cast<PrintFunction>(module.resolve(kPrintFunctionName));
        reason = module.errorString();
    }
    if (!print) {
        // The loader's words name whole paths: for whoever installed the program, not for a note.
        qWarning("drawdots: %s", qPrintable(reason));
        throw ReportedError(
            QCoreApplication::translate("PictureMenu",
                                        "The picture was not printed: the program's print module could not be loaded.")
                .toStdString());
    }
    return print;
}

} // namespace

PictureMenu::PictureMenu(DrawingSurface* surface)
    : QObject(surface), m_surface(surface), m_history(new History(surface)), m_drawing(new Drawing(surface, m_history)),
      m_menu(new QMenu(surface))
{
    const auto said = [](const char* text) { return QCoreApplication::translate("PictureMenu", text); };
    m_menu->setAccessibleName(said(QT_TRANSLATE_NOOP("PictureMenu", "Picture")));
    surface->setAccessibleHelp(said(QT_TRANSLATE_NOOP(
        "PictureMenu",
        "Shift+F10 or the Menu key opens a menu to undo, copy, open, save, print or clear the picture.")));
    m_undo = addAction(QString(), {QKeySequence(Qt::CTRL | Qt::Key_Z)}, Qt::WindowShortcut);
    connect(m_undo, &QAction::triggered, m_history, &History::undo);
    m_redo = addAction(QString(), {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                       Qt::WindowShortcut);
    connect(m_redo, &QAction::triggered, m_history, &History::redo);
    m_menu->addSeparator();
    connect(addAction(said(QT_TRANSLATE_NOOP("PictureMenu", "&Copy picture")), {QKeySequence(Qt::CTRL | Qt::Key_C)},
                      Qt::WidgetShortcut),
            &QAction::triggered, this, &PictureMenu::copy);
    m_menu->addSeparator();
    connect(addAction(said(QT_TRANSLATE_NOOP("PictureMenu", "&Open…")), {QKeySequence(Qt::CTRL | Qt::Key_O)},
                      Qt::WindowShortcut),
            &QAction::triggered, m_drawing, &Drawing::open);
    connect(addAction(said(QT_TRANSLATE_NOOP("PictureMenu", "&Save")), {QKeySequence(Qt::CTRL | Qt::Key_S)},
                      Qt::WindowShortcut),
            &QAction::triggered, m_drawing, &Drawing::save);
    connect(addAction(said(QT_TRANSLATE_NOOP("PictureMenu", "Save &as…")),
                      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, Qt::WindowShortcut),
            &QAction::triggered, m_drawing, &Drawing::saveAs);
    connect(addAction(said(QT_TRANSLATE_NOOP("PictureMenu", "&Print…")), {QKeySequence(Qt::CTRL | Qt::Key_P)},
                      Qt::WindowShortcut),
            &QAction::triggered, this, &PictureMenu::print);
    m_menu->addSeparator();
    m_clear = addAction(said(QT_TRANSLATE_NOOP("PictureMenu", "C&lear")), {}, Qt::WidgetShortcut);
    connect(m_clear, &QAction::triggered, m_history, &History::clear);
    connect(m_history, &History::changed, this, &PictureMenu::stepsChanged);
    stepsChanged();

    // The keys that open the menu without a mouse; it opens at the top-left of the sheet. The
    // window system may also send the Menu key as a request for a menu, which opens it alike.
    auto* keys = new QAction(this);
    keys->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    keys->setShortcutContext(Qt::WidgetShortcut);
    surface->addAction(keys);
    connect(keys, &QAction::triggered, this, &PictureMenu::popUpFromKeyboard);
    surface->setContextMenuPolicy(Qt::CustomContextMenu);
    surface->installEventFilter(this);
}

QAction* PictureMenu::addAction(const QString& text, const QList<QKeySequence>& keys, Qt::ShortcutContext context)
{
    QAction* action = m_menu->addAction(text);
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    action->setShortcutVisibleInContextMenu(true);
    // On the surface too, so that the keys work while the menu is closed.
    m_surface->addAction(action);
    return action;
}

void PictureMenu::stepsChanged()
{
    const auto said = [](const char* text) { return QCoreApplication::translate("PictureMenu", text); };
    const std::optional<History::Step> undo = m_history->undoStep();
    const std::optional<History::Step> redo = m_history->redoStep();
    m_undo->setVisible(undo.has_value());
    m_undo->setText(undo == History::Step::Clear ? said(QT_TRANSLATE_NOOP("PictureMenu", "&Undo clear"))
                                                 : said(QT_TRANSLATE_NOOP("PictureMenu", "&Undo dot")));
    m_redo->setVisible(redo.has_value());
    m_redo->setText(redo == History::Step::Clear ? said(QT_TRANSLATE_NOOP("PictureMenu", "&Redo clear"))
                                                 : said(QT_TRANSLATE_NOOP("PictureMenu", "&Redo dot")));
    m_clear->setEnabled(m_surface->pointsDrawn() > 0);
}

bool PictureMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_surface || event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    const auto* request = static_cast<QContextMenuEvent*>(event);
    if (request->reason() == QContextMenuEvent::Keyboard)
        popUpFromKeyboard();
    else
        popUp(request->pos());
    return true;
}

void PictureMenu::popUp(const QPoint& where)
{
    m_menu->popup(m_surface->mapToGlobal(where));
}

void PictureMenu::popUpFromKeyboard()
{
    if (!m_menu->isVisible())
        popUp(m_surface->contentsRect().topLeft() + QPoint(m_surface->lineWidth(), m_surface->lineWidth()));
    // Opened from the keyboard, its first item is the one the keys move from, and the one a
    // screen reader names as the menu opens.
    for (QAction* action : m_menu->actions()) {
        if (action->isVisible() && !action->isSeparator()) {
            m_menu->setActiveAction(action);
            break;
        }
    }
}

void PictureMenu::copy()
{
    QGuiApplication::clipboard()->setImage(m_surface->picture());
}

void PictureMenu::print()
{
    runHandler(m_surface, [this] {
        const QSize area = m_surface->contentsRect().size();
        const PrintJob job{m_surface->window(), area, m_drawing->proposedName(QStringLiteral("pdf")),
                           [this, area](QPainter& painter, double dotsPerInch) {
                               paintPicture(painter, m_surface->dots(), area, dotsPerInch);
                           }};
        if (printFunction()(job) == PrintOutcome::Failed)
            throw ReportedError(QCoreApplication::translate("PictureMenu",
                                                            "The picture could not be printed: the printer "
                                                            "or its file could not be opened. The drawing is kept.")
                                    .toStdString());
    });
}

} // namespace picture
