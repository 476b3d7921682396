// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Conversions between the texts people type and the numbers the program works with.
// All of them are independent of the user's locale. Texts are UTF-8.

// The first count characters of text (not bytes); all of it if it is shorter.
std::string leftChars(std::string_view text, int count);

// Reads a number from the start of text: leading spaces and tabs, an optional sign, digits
// with at most one decimal point, an optional exponent. Reading stops at the first character
// that does not fit; text without digits reads as 0. Throws FormsError for a number too
// large for a double.
double numberFromText(std::string_view text);

// What a whole number is for and which values it may take, as a refusal names them.
struct WholeNumberUse {
    std::string_view name;    // "number"
    std::string_view allowed; // "whole numbers from -32768 to 32767"
};
inline constexpr WholeNumberUse kAnyWholeNumber{"number", "whole numbers from -32768 to 32767"};

// The nearest 16-bit integer, halves to the even one. Throws FormsError outside -32768..32767,
// naming the number by its use ("The pen width 40000 is too large: ...").
std::int16_t roundToInt16(double value, const WholeNumberUse& use = kAnyWholeNumber);

// The single-precision value nearest to value. Throws FormsError where it would not fit.
float narrowToSingle(double value);

// Shortest text that reads back as value, as a person writes numbers (100000, 0.5, -3), with a
// power of ten only for the very large and the very small (1e20, 1.5e-7); for messages.
std::string textFromNumber(double value);

} // namespace platform
