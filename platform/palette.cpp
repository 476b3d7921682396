// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/palette.h"

#include "platform/formserror.h"

#include <array>
#include <string>

namespace platform {

ColourValue paletteColor(std::int16_t colourNumber)
{
    static constexpr std::array<ColourValue, 16> kPalette{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    if (colourNumber < 0 || colourNumber >= static_cast<int>(kPalette.size())) {
        throw FormsError("The colour number " + std::to_string(colourNumber) +
                         " is not one of the colour numbers 0 to 15.");
    }
    return kPalette[static_cast<std::size_t>(colourNumber)];
}

} // namespace platform
