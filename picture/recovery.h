// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;

namespace platform {
class DrawingSurface;
}

namespace picture {

class Drawing;
class PictureMenu;

// Keeps a drawing with unsaved changes where the program ends with no chance to ask (another
// program destroys the window, SIGTERM, SIGHUP at the end of the desktop session) in a file of
// its own, and offers the newest one kept back at the next start: in a note, and in the drawing
// area's menu, which opens it or lets it go.
class Recovery : public QObject {
    Q_OBJECT

public:
    Recovery(PictureMenu* menu, const QString& folder);

    // $XDG_STATE_HOME/drawdots, or ~/.local/state/drawdots where that is not set.
    static QString defaultFolder();

    // Writes the drawing to a new file in the folder where it has unsaved changes.
    void keep();
    // Offers the newest drawing kept in the folder, if there is one.
    void offer();
    void openOffered();
    void letGo();

private:
    void offerNone();

    Drawing* m_drawing;
    platform::DrawingSurface* m_surface;
    QString m_folder;
    QString m_offered;
    QAction* m_open;
    QAction* m_letGo;
};

// What only the running program does, never a test's window: keeps an unsaved drawing when the
// program is ended, and at start offers back one kept before and opens the file named on the
// command line (the first of `files`).
void attachToProgram(platform::DrawingSurface* surface, const QStringList& files);

} // namespace picture
