// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

#include <cstddef>

namespace platform {
class DrawingSurface;
}

namespace picture {

class History;

// The drawing on a surface as a document: the file it was opened from or last saved to, whether
// it has changes since (the window's title shows both), opening and saving it, and the question
// before changes would be lost. Every failure is told in a note; the drawing is kept.
class Drawing : public QObject {
    Q_OBJECT

public:
    enum class Purpose { Closing, Opening };

    Drawing(platform::DrawingSurface* surface, History* history);

    History& history() const { return *m_history; }
    const QString& fileName() const { return m_fileName; }
    bool isModified() const;
    // Whether the changes should be kept for the next start: unsaved, and not let go at closing.
    bool needsKeeping() const { return isModified() && !m_letGo; }

    // Asks about unsaved changes, then for a file, and opens it.
    void open();
    // Replaces the drawing with the file's; false where it was refused or cancelled.
    bool openFile(const QString& fileName);
    // Opens a drawing kept when the program ended, with its changes still unsaved; asks first.
    bool openKept(const QString& keptFile);
    // Saves to the drawing's file in that file's kind, or asks where when it has none.
    bool save();
    bool saveAs();
    bool saveTo(const QString& fileName);
    // Asks whether to save the changes that would be lost; true to go on.
    bool maybeSave(Purpose purpose);

    // Where a saved or printed picture goes first, its name in the person's language.
    QString proposedName(const QString& suffix) const;

Q_SIGNALS:
    // An open or save has got this far; seen before its progress bar.
    void progressed(std::size_t done, std::size_t total);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool read(const QString& fileName, bool kept);
    void setFile(const QString& fileName);
    void showModified();

    platform::DrawingSurface* m_surface;
    History* m_history;
    QString m_caption;
    QString m_fileName;
    bool m_letGo = false;
};

} // namespace picture
