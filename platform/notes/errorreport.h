// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

class QString;
class QWidget;

namespace platform {

// An error whose message is written for the person: it says in plain words what was wrong and
// what is allowed, and is shown as it stands. Anything else that leaves a handler is told as
// something that went wrong inside the program.
class ReportedError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    // The message for a person who typed `typed` into the text box whose handler failed.
    virtual std::string messageFor(std::string_view /*typed*/) const { return what(); }
};

// When the report of a failed handler shows.
enum class ReportTiming {
    AtOnce,
    // Once typing has paused for a moment, for a handler that runs at every keystroke: a value
    // that is still being typed is not refused in passing.
    WhenTypingPauses,
};

// Runs one event handler of control (the window itself for the window's own events). Anything
// that leaves the handler is shown to the person in a note inside the window, beside that
// control, and the program goes on; how long the note shows is the window's NoteBoard's rule.
void runHandler(QWidget* control, const std::function<void()>& handler, ReportTiming timing = ReportTiming::AtOnce);

// Tells the person something that is not an error about what the running handler did, in a note
// beside its control; beside `fallback` when no handler runs.
void tell(QWidget* fallback, const QString& text);

// Lets notes lie over `area` where the window has no room beside it, hiding as thin a strip of it
// as they can; every other widget of the window they keep clear of.
void letNotesCover(QWidget* area);

} // namespace platform
