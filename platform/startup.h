// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/formdescription.h"

#include <memory>
#include <span>
#include <string_view>

namespace platform {

class Form;

// One window of a program: how to read its description and how to attach the program's
// own object to the built window (the object lives as long as the window).
struct FormEntry {
    std::string_view name;
    FormDescription (*describe)();
    std::shared_ptr<void> (*attach)(Form& form);
};

// What a program is: the window it starts with, the windows it has, and its application id,
// which names its desktop entry and icon.
struct ProjectDescription {
    std::string_view startUpObject;
    std::span<const FormEntry> forms;
    std::string_view applicationId;
};

// Builds the start-up window, delivers its Load, shows it and delivers events until it is
// closed; then ends the program. argc and argv carry only the toolkit's own options.
[[noreturn]] void startProgram(int& argc, char** argv, const ProjectDescription& project);

} // namespace platform
