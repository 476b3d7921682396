// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string_view>

namespace plotting {

// The entries of the colour list. Each begins with its colour number, which is also its position.
inline constexpr std::array<std::string_view, 16> kColourList{
    "0 Black",      "1 Blue",           "2 Green",         "3 Cyan",          "4 Red",          "5 Magenta",
    "6 Yellow",     "7 White",          "8 Gray",          "9 Light Blue",    "10 Light Green", "11 Light Cyan",
    "12 Light Red", "13 Light Magenta", "14 Light Yellow", "15 Bright White",
};

} // namespace plotting
