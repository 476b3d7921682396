// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/picturemenu.h"

#include "picture/pictureprinter.h"
#include "picture/picturewriter.h"
#include "platform/drawingsurface.h"
#include "platform/notes/errorreport.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLibrary>
#include <QMenu>
#include <QPainter>
#include <QStandardPaths>

namespace picture {

using platform::DrawingSurface;
using platform::ReportedError;
using platform::runHandler;

namespace {

// Where a saved or printed picture goes first: the person's Pictures folder, or home where
// there is none.
QString startFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}

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
        const QString message = QCoreApplication::translate(
            "PictureMenu", "The picture could not be printed: the program's print module could not be loaded (%1).");
        throw ReportedError(message.arg(reason).toStdString());
    }
    return print;
}

} // namespace

PictureMenu::PictureMenu(DrawingSurface* surface) : QObject(surface), m_surface(surface), m_menu(new QMenu(surface))
{
    m_menu->setAccessibleName(QCoreApplication::translate("PictureMenu", "Picture"));
    surface->setAccessibleHelp(QCoreApplication::translate(
        "PictureMenu", "Shift+F10 or the Menu key opens a menu to copy, save, print or clear the picture."));
    connect(
        addAction(QCoreApplication::translate("PictureMenu", "&Copy picture"), QKeySequence::Copy, Qt::WidgetShortcut),
        &QAction::triggered, this, &PictureMenu::copy);
    connect(addAction(QCoreApplication::translate("PictureMenu", "&Save picture as…"),
                      QKeySequence(Qt::CTRL | Qt::Key_S), Qt::WindowShortcut),
            &QAction::triggered, this, &PictureMenu::saveAs);
    connect(addAction(QCoreApplication::translate("PictureMenu", "&Print…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                      Qt::WindowShortcut),
            &QAction::triggered, this, &PictureMenu::print);
    m_menu->addSeparator();
    m_clear = addAction(QCoreApplication::translate("PictureMenu", "C&lear"), QKeySequence(), Qt::WidgetShortcut);
    connect(m_clear, &QAction::triggered, surface, &DrawingSurface::clear);
    QAction* undo = addAction(QCoreApplication::translate("PictureMenu", "&Undo clear"),
                              QKeySequence(Qt::CTRL | Qt::Key_Z), Qt::WidgetShortcut);
    undo->setVisible(false);
    connect(undo, &QAction::triggered, surface, &DrawingSurface::undoClear);
    connect(surface, &DrawingSurface::undoClearChanged, undo, &QAction::setVisible);
    connect(m_menu, &QMenu::aboutToShow, this, [this] { m_clear->setEnabled(m_surface->pointsDrawn() > 0); });

    // The keys that open the menu without a mouse; it opens at the top-left of the sheet.
    auto* keys = new QAction(this);
    keys->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
    keys->setShortcutContext(Qt::WidgetShortcut);
    surface->addAction(keys);
    connect(keys, &QAction::triggered, this, [this] {
        popUp(m_surface->contentsRect().topLeft() + QPoint(m_surface->lineWidth(), m_surface->lineWidth()));
        // Opened from the keyboard, its first item is the one the keys move from, and the one a
        // screen reader names as the menu opens.
        m_menu->setActiveAction(m_menu->actions().constFirst());
    });
    surface->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(surface, &QWidget::customContextMenuRequested, this, &PictureMenu::popUp);
}

QAction* PictureMenu::addAction(const QString& text, const QKeySequence& keys, Qt::ShortcutContext context)
{
    QAction* action = m_menu->addAction(text);
    action->setShortcut(keys);
    action->setShortcutContext(context);
    action->setShortcutVisibleInContextMenu(true);
    // On the surface too, so that the keys work while the menu is closed.
    m_surface->addAction(action);
    return action;
}

void PictureMenu::popUp(const QPoint& where)
{
    m_menu->popup(m_surface->mapToGlobal(where));
}

void PictureMenu::copy()
{
    QGuiApplication::clipboard()->setImage(m_surface->picture());
}

void PictureMenu::saveAs()
{
    const QString png = QCoreApplication::translate("PictureMenu", "PNG image (*.png)");
    const QString svg = QCoreApplication::translate("PictureMenu", "SVG drawing (*.svg)");
    QFileDialog dialog(m_surface->window(), QCoreApplication::translate("PictureMenu", "Save picture as"),
                       QDir(startFolder()).filePath(QStringLiteral("Draw dots.png")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({png, svg});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, svg](const QString& filter) {
        dialog.setDefaultSuffix(filter == svg ? QStringLiteral("svg") : QStringLiteral("png"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    saveTo(dialog.selectedFiles().constFirst());
}

void PictureMenu::saveTo(const QString& fileName)
{
    runHandler(m_surface, [this, &fileName] {
        savePicture(fileName, m_surface->picture(), m_surface->dots(), m_surface->contentsRect().size());
    });
}

void PictureMenu::print()
{
    runHandler(m_surface, [this] {
        const QSize area = m_surface->contentsRect().size();
        const PrintJob job{m_surface->window(), area, QDir(startFolder()).filePath(QStringLiteral("Draw dots.pdf")),
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
