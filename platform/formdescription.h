// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Kinds of control a window can hold; the values are the kind bytes of the stored record.
enum class ControlKind : std::uint8_t {
    PictureBox = 0x00,
    Label = 0x01,
    TextBox = 0x02,
    CommandButton = 0x04,
    ComboBox = 0x07,
    Form = 0x0D,
};

// One control of a window: everything needed to build it. Numbers are twips.
struct ControlDescription {
    std::string name;
    ControlKind kind = ControlKind::Label;
    std::string caption;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = 0;

    bool operator==(const ControlDescription&) const = default;
};

// A whole window: its caption, client area (twips) and controls in stored order.
struct FormDescription {
    std::string name;
    std::string caption;
    int clientLeft = 0;
    int clientTop = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    // Chosen by the window system when 3; the only placement this platform offers.
    int startUpPosition = 3;
    std::vector<ControlDescription> controls;

    bool operator==(const FormDescription&) const = default;
};

} // namespace platform
