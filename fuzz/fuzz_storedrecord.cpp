// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "window/storedrecord.h"

#include <algorithm>
#include <cstdlib>

// Any input must either decode, and then write back to the very same bytes, or
// be refused with a RecordError that points inside the input or at its end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    try {
        const window::StoredForm form = window::decodeFormRecord(bytes);
        const std::vector<std::uint8_t> again = window::encodeFormRecord(form);
        if (!std::equal(again.begin(), again.end(), bytes.begin(), bytes.end())) {
            std::abort();
        }
    } catch (const window::RecordError& error) {
        if (error.offset() > size) {
            std::abort();
        }
    }
    return 0;
}
