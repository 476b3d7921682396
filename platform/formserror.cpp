// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/formserror.h"

namespace platform {

void checkStatus(const Status& status)
{
    if (status.failed())
        throw FormsError(status.failure);
}

std::string quoteForMessage(std::string_view text)
{
    constexpr std::size_t kMaxShown = 24;
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
