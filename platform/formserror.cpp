// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/formserror.h"

#include "platform/conversions.h"

namespace platform {

std::string Refusal::message() const
{
    const std::string allowedPart = ": " + std::string(use.allowed) + " are allowed.";
    if (shown.empty())
        return "The " + std::string(use.name) + " is missing" + allowedPart;
    const char* wrong = fault == Fault::TooSmall     ? " is too small"
                        : fault == Fault::TooLarge   ? " is too large"
                        : fault == Fault::NotANumber ? " is not a number"
                                                     : " is out of range";
    return "The " + std::string(use.name) + " " + shown + wrong + allowedPart;
}

std::string FormsError::messageFor(std::string_view typed) const
{
    // A number already quoted as typed (one too large to read) needs nothing more.
    if (!m_refusal || m_refusal->shown.starts_with('"'))
        return what();
    const std::size_t start = typed.find_first_not_of(" \t");
    typed = start == std::string_view::npos ? std::string_view() : typed.substr(start);
    if (typed == m_refusal->shown)
        return what();
    Refusal asTyped = *m_refusal;
    asTyped.shown = typed.empty() ? std::string() : quoteForMessage(typed);
    if (!typed.empty() && !holdsNumber(typed))
        asTyped.fault = Refusal::Fault::NotANumber;
    return asTyped.message();
}

void checkStatus(const Status& status)
{
    if (status.refusal)
        throw FormsError(*status.refusal);
    if (status.failed())
        throw FormsError(status.failure);
}

std::string quoteForMessage(std::string_view text)
{
    // Short enough for any note to keep to two lines.
    constexpr std::size_t kMaxShown = 14;
    std::string shown;
    std::size_t i = 0;
    for (; i < text.size() && shown.size() < kMaxShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        shown += c < 0x20 || c == 0x7f ? '?' : static_cast<char>(c);
    }
    // Never cut a multi-byte character in half.
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        shown += text[i++];
    if (i < text.size())
        shown += "...";
    return "\"" + shown + "\"";
}

} // namespace platform
