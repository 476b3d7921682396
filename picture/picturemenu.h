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

class Drawing;
class History;

// The drawing surface's menu, opened by a right click on it or by Shift+F10 or the Menu key while
// it has the focus: undo and redo each step, copy, open, save, print or clear the picture. It
// offers only the steps there are, each named. Ctrl+C works while the surface has the focus, so
// that the boxes keep their own; the other keys anywhere in the window, but Ctrl+Z and its redo
// keys in a text box are the box's own.
class PictureMenu : public QObject {
    Q_OBJECT

public:
    explicit PictureMenu(platform::DrawingSurface* surface);

    QMenu* menu() const { return m_menu; }
    platform::DrawingSurface* surface() const { return m_surface; }
    Drawing& drawing() const { return *m_drawing; }
    History& history() const { return *m_history; }

    void copy();
    void print();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addAction(const QString& text, const QList<QKeySequence>& keys, Qt::ShortcutContext context);
    void popUp(const QPoint& where);
    void popUpFromKeyboard();
    void stepsChanged();

    platform::DrawingSurface* m_surface;
    History* m_history;
    Drawing* m_drawing;
    QMenu* m_menu;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_clear = nullptr;
};

} // namespace picture
