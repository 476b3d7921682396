// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

class QWidget;

namespace platform {

// Runs one event handler of control (the window itself for the window's own events). Anything
// that leaves the handler is shown to the person at once, in a report beside that control that
// takes neither the focus nor the keyboard, and the program goes on. At most one report shows:
// a newer one replaces it, a click on it or Escape dismisses it, and a later handler that runs
// to its end takes it away.
void runHandler(QWidget* control, const std::function<void()>& handler);

} // namespace platform
