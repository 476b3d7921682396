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

// The nearest 16-bit integer, halves to the even one. Throws FormsError outside -32768..32767.
std::int16_t roundToInt16(double value);

// The single-precision value nearest to value. Throws FormsError where it would not fit.
float narrowToSingle(double value);

// Shortest text that reads back as value, for messages.
std::string textFromNumber(double value);

} // namespace platform
