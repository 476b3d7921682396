// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/startup.h"

#include <memory>

namespace platform {
class Form;
}

namespace window {

// Creates the program's object for a built Form1 and routes the window's events to its handlers.
std::shared_ptr<void> attachForm1(platform::Form& form);
// The same for the running program, which also opens the file named on its command line and
// keeps a drawing left unsaved when it is ended.
std::shared_ptr<void> startForm1(platform::Form& form);

// The program: it starts with Form1, its only window.
extern const platform::ProjectDescription kProject;

} // namespace window
