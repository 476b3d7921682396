// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Layout numbers are twips: 1440 to the inch, 15 to a pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;

// Kinds of control a window can hold; the values are the kind bytes of the stored record.
enum class ControlKind : std::uint8_t {
    PictureBox = 0x00,
    Label = 0x01,
    TextBox = 0x02,
    CommandButton = 0x04,
    ComboBox = 0x07,
    Form = 0x0D,
};

// One control of a window: everything needed to build it. Numbers are twips. Text is
// std::string, or std::string_view in a description written out at compile time.
template <typename Text> struct BasicControlDescription {
    Text name{};
    ControlKind kind = ControlKind::Label;
    Text caption{};
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = 0;
    // For a label: the control it names, to assistive technology and by its access key.
    Text buddy{};

    bool operator==(const BasicControlDescription&) const = default;
};

// A whole window: its caption, client area (twips) and controls in stored order.
template <typename Text, typename Controls> struct BasicFormDescription {
    Text name{};
    Text caption{};
    int clientLeft = 0;
    int clientTop = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    // Chosen by the window system when 3; the only placement this platform offers.
    int startUpPosition = 3;
    Controls controls{};

    bool operator==(const BasicFormDescription&) const = default;
};

using ControlDescription = BasicControlDescription<std::string>;
using FormDescription = BasicFormDescription<std::string, std::vector<ControlDescription>>;

} // namespace platform
