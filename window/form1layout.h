// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/formdescription.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace window {

// The layout of the program's one window, written once. All numbers are twips,
// measured from the top-left corner of the client area.
struct ControlLayout {
    std::string_view name;
    platform::ControlKind kind;
    std::string_view caption;
    std::int16_t left;
    std::int16_t top;
    std::int16_t width;
    std::int16_t height;
    std::int16_t tabIndex;
};

struct FormLayout {
    std::string_view name;
    std::string_view caption;
    std::int32_t clientLeft;
    std::int32_t clientTop;
    std::int32_t clientWidth;
    std::int32_t clientHeight;
    std::uint8_t startUpPosition;
};

using platform::ControlKind;

inline constexpr FormLayout kForm1{"Form1", "Draw dots", 60, 345, 4680, 3420, 3};

// In stored order, which is also the order the controls are numbered 1 to 9.
inline constexpr std::array<ControlLayout, 9> kForm1Controls{{
    {"cmdDraw", ControlKind::CommandButton, "Draw", 1200, 3120, 2295, 255, 5},
    {"Text3", ControlKind::TextBox, "", 3360, 840, 1095, 285, 4},
    {"txty", ControlKind::TextBox, "", 960, 840, 1215, 285, 3},
    {"txtx", ControlKind::TextBox, "", 960, 240, 1215, 285, 2},
    {"Combo1", ControlKind::ComboBox, "", 2400, 240, 2055, 315, 1},
    {"Picture1", ControlKind::PictureBox, "", 120, 1320, 4335, 1695, 0},
    {"Label3", ControlKind::Label, "Thickness", 2520, 840, 1215, 255, 8},
    {"Label2", ControlKind::Label, "Y coor", 240, 840, 1215, 375, 7},
    {"Label1", ControlKind::Label, "X coor", 240, 240, 1215, 375, 6},
}};

} // namespace window
