// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/notes/errorreport.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <vector>

class QTimer;

namespace platform {

class Note;

// The notes a window shows, and how long each one lives:
// - A control whose handler fails raises a note beside it. One about a value still being typed
//   waits until typing pauses, then shows.
// - A control has one note at most: a newer one from it takes the place of the older.
// - Notes of different controls stand side by side, clear of one another and of every control,
//   the newest on top. Each is announced to screen readers once, as it shows.
// - A note ends only when its own control's handler next runs to its end (what was refused is
//   mended; a note told during that run stays), or when the person dismisses it: a click on
//   it, or an Escape that nothing else in the window wants, which takes the newest first.
class NoteBoard : public QObject {
public:
    static NoteBoard& of(QWidget* window);

    // A handler of control starts; it then either ends, or fails with a refusal (or anything
    // else that went wrong). Returns what handlerEnded needs.
    std::uint64_t handlerStarts(QWidget* control);
    void handlerEnded(QWidget* control, std::uint64_t started);
    void refuse(QWidget* control, const QString& text, ReportTiming timing);
    // Something the person should know that is not an error, about what the running handler
    // did; about `fallback` when no handler runs.
    void tell(QWidget* fallback, const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        QPointer<Note> note;
        QTimer* pause = nullptr; // until typing pauses; null once shown
        std::uint64_t serial = 0;
    };

    explicit NoteBoard(QWidget* window);
    void add(QWidget* control, const QString& text, bool refusal, ReportTiming timing);
    void show(Note* note);
    void remove(Note* note);
    void placeAll();

    QWidget* m_window;
    std::vector<Entry> m_entries; // in the order told, each moved last as it shows
    std::uint64_t m_serial = 0;
    std::vector<QWidget*> m_running; // the handlers running, innermost last
};

} // namespace platform
