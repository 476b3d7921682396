// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "window/storedrecord.h"

#include <cstdlib>

// Any input must either decode to a window that is written and read back unchanged, or be
// refused with a RecordError that points inside the input or at its end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const platform::FormDescription form = window::decodeFormRecord({data, size});
        if (window::decodeFormRecord(window::encodeFormRecord(form)) != form)
            std::abort();
    } catch (const window::RecordError& error) {
        if (error.offset() > size)
            std::abort();
    }
    return 0;
}
