// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/notes/errorreport.h"

#include "platform/notes/note.h"
#include "platform/notes/noteboard.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <cstdio>
#include <new>

namespace platform {

void runHandler(QWidget* control, const std::function<void()>& handler, ReportTiming timing)
{
    NoteBoard& board = NoteBoard::of(control);
    const std::uint64_t started = board.handlerStarts(control);
    QString failure;
    try {
        handler();
        board.handlerEnded(control, started);
        return;
    } catch (const ReportedError& error) {
        // A refusal in a box's own handler is of the number typed into that box.
        const auto* box = qobject_cast<const QLineEdit*>(control);
        failure = QString::fromStdString(box ? error.messageFor(box->text().toStdString()) : error.what());
    } catch (const std::bad_alloc&) {
        failure = QCoreApplication::translate("Note", "The program ran out of memory; what was drawn so far is kept.");
    } catch (const std::exception& error) {
        failure = QCoreApplication::translate("Note", "Something went wrong inside the program: %1")
                      .arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        failure = QCoreApplication::translate(
            "Note", "Something went wrong inside the program; what was drawn so far is kept.");
    }
    try {
        board.refuse(control, failure, timing);
    } catch (...) {
        // Too little memory even for the note: say it where it can still be said.
        std::fprintf(stderr, "%s\n", failure.toLocal8Bit().constData());
    }
}

void tell(QWidget* fallback, const QString& text)
{
    NoteBoard::of(fallback).tell(fallback, text);
}

void letNotesCover(QWidget* area)
{
    area->setProperty(Note::kMayCover, true);
}

} // namespace platform
