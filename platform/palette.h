// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// A colour as 0xRRGGBB.
using ColourValue = std::uint32_t;

// The colour of one of the sixteen palette entries 0 to 15. Throws FormsError for any other number.
ColourValue paletteColor(std::int16_t colourNumber);

// The text a colour number is read from next, so that a refusal can quote what was typed.
void setColourNumberSource(std::string_view text);

} // namespace platform
