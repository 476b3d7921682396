// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/formdescription.h"

#include <array>
#include <span>
#include <string_view>

namespace window {

using ControlLayout = platform::BasicControlDescription<std::string_view>;
using platform::ControlKind;

// The program's one window, written once: its stored record is made from this table at
// compile time. Numbers are twips from the top-left corner of the client area; the controls
// stand in stored order, which numbers them 1 to 9.
inline constexpr std::array<ControlLayout, 9> kForm1Controls{{
    // name, kind, caption, left, top, width, height, tab index, the control a label names
    {"cmdDraw", ControlKind::CommandButton, "Draw", 1200, 3120, 2295, 255, 5, ""},
    {"Text3", ControlKind::TextBox, "", 3360, 840, 1095, 285, 4, ""},
    {"txty", ControlKind::TextBox, "", 960, 840, 1215, 285, 3, ""},
    {"txtx", ControlKind::TextBox, "", 960, 240, 1215, 285, 2, ""},
    {"Combo1", ControlKind::ComboBox, "", 2400, 240, 2055, 315, 1, ""},
    {"Picture1", ControlKind::PictureBox, "", 120, 1320, 4335, 1695, 0, ""},
    {"Label3", ControlKind::Label, "Thickness", 2520, 840, 1215, 255, 8, "Text3"},
    {"Label2", ControlKind::Label, "Y coor", 240, 840, 1215, 375, 7, "txty"},
    {"Label1", ControlKind::Label, "X coor", 240, 240, 1215, 375, 6, "txtx"},
}};

// Name, caption, client area left, top, width and height, start-up position, controls.
inline constexpr platform::BasicFormDescription<std::string_view, std::span<const ControlLayout>> kForm1{
    "Form1", "Draw dots", 60, 345, 4680, 3420, 3, kForm1Controls};

} // namespace window
