// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The error a failing forms operation raises. Its message is shown to the person as it
// stands, so it says in plain words what was wrong and what is allowed.
class FormsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Outcome of one control call: empty when it succeeded, otherwise why it failed.
struct Status {
    std::string failure;

    bool failed() const { return !failure.empty(); }
    static Status ok() { return {}; }
};

// Turns a failing control call into a FormsError at once.
void checkStatus(const Status& status);

// A short, printable rendering of text the person typed, for quoting in messages.
std::string quoteForMessage(std::string_view text);

} // namespace platform
