// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

namespace platform {
class ComboBox;
class Form;
class PictureBox;
class TextBox;
} // namespace platform

namespace plotting {

// The program's one window as its handlers see it: the controls they use, the selected
// colour number, and one handler for each event the program answers.
class Form1 {
public:
    explicit Form1(platform::Form& form);

    void Form_Load();
    void Combo1_LostFocus();
    void Text3_Change();
    void cmdDraw_Click();

    std::int16_t colorIndex = 0;

private:
    platform::TextBox& txtx;
    platform::TextBox& txty;
    platform::TextBox& Text3;
    platform::ComboBox& Combo1;
    platform::PictureBox& Picture1;
};

} // namespace plotting
