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
// that leaves the handler is shown to the person in a report inside the window, beside that
// control, that takes neither the focus, nor a key or a click meant for anything else, and the
// program goes on. At most one report shows: a newer one replaces it, a click on it or an
// Escape that nothing else wants dismisses it, and a later handler that runs to its end takes
// it away. One that waits for typing to pause is kept from showing only by its own control's
// handler running to its end.
void runHandler(QWidget* control, const std::function<void()>& handler, ReportTiming timing = ReportTiming::AtOnce);

} // namespace platform
