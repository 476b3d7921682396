// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <string>

namespace platform {

// Shows the person an error that ended a handler.
using ErrorReporter = std::function<void(const std::string& message)>;

// Replaces how errors are shown (tests capture them); an empty reporter restores the message box.
void setErrorReporter(ErrorReporter reporter);

// Runs one event handler. An error that leaves it is reported once the handler has ended and
// no mouse button is held, so a report never swallows the click that follows a press.
void runHandler(const std::function<void()>& handler);

} // namespace platform
