// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/notes/errorreport.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// What a number is for and which values it may take, as a refusal names them.
struct NumberUse {
    std::string_view name;    // "pen width"
    std::string_view allowed; // "pen widths from 1 to 32767"
};

// A number refused for its use: "The pen width 0 is too small: pen widths from 1 to 32767 are
// allowed." Which way it is wrong follows its sign, whichever step refused it.
struct Refusal {
    enum class Fault { TooSmall, TooLarge, OutOfRange, NotANumber };

    NumberUse use;
    std::string shown; // the number as a person writes it, or the text it was typed as, shortened
    Fault fault = Fault::OutOfRange;
    bool typed = false; // shown is the text as typed rather than the number read from it

    std::string message() const;
};

// The error a failing forms operation raises. Its message is shown to the person as it
// stands, so it says in plain words what was wrong and what is allowed.
class FormsError : public ReportedError {
public:
    explicit FormsError(const std::string& message) : ReportedError(message) {}
    explicit FormsError(const Refusal& refusal) : ReportedError(refusal.message()), m_refusal(refusal) {}

    // The number refused, where the error is a refusal of one.
    const std::optional<Refusal>& refusal() const { return m_refusal; }

    // The message for a person who typed `typed` into the box the refused number was read
    // from: it names the number as typed where that differs from the number itself ("0.5"
    // refused as a pen width of 0), and where the person's language writes a decimal comma
    // and the text holds one, says that numbers take a point.
    std::string messageFor(std::string_view typed) const override;

private:
    // The refusal reworded for what was typed; the message as it stands otherwise.
    std::string wordedFor(std::string_view typed) const;

    std::optional<Refusal> m_refusal;
};

// Outcome of one control call: empty when it succeeded, otherwise why it failed.
struct Status {
    std::string failure;
    std::optional<Refusal> refusal;

    bool failed() const { return !failure.empty(); }
    static Status ok() { return {}; }
    static Status refused(const Refusal& refusal) { return {refusal.message(), refusal}; }
};

// Turns a failing control call into a FormsError at once.
void checkStatus(const Status& status);

// A short, printable rendering of text the person typed or a file held, for quoting in messages.
std::string shortenForMessage(std::string_view text, std::size_t maxShown = 14);
// That rendering in the quotation marks of the person's language: "0.5", „0.5“, « 0.5 ».
std::string quoteForMessage(std::string_view text);

} // namespace platform
