// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class QAction;
class QMenu;
class QPoint;

namespace platform {
class DrawingSurface;
}

namespace picture {

// The drawing surface's menu, opened by a right click on it or by Shift+F10 or the Menu key while
// it has the focus: copy, save, print or clear the picture, and take a clear back. Ctrl+C and
// Ctrl+Z work while the surface has the focus, so that the boxes keep their own; Ctrl+S and
// Ctrl+P anywhere in the window.
class PictureMenu : public QObject {
    Q_OBJECT

public:
    explicit PictureMenu(platform::DrawingSurface* surface);

    QMenu* menu() const { return m_menu; }

    void copy();
    void saveAs();
    // Saves the picture as fileName; a failure is told to the person in a note.
    void saveTo(const QString& fileName);
    void print();

private:
    QAction* addAction(const QString& text, const QKeySequence& keys, Qt::ShortcutContext context);
    void popUp(const QPoint& where);

    platform::DrawingSurface* m_surface;
    QMenu* m_menu;
    QAction* m_clear = nullptr;
};

} // namespace picture
