// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

class QWidget;

namespace platform {

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

} // namespace platform
