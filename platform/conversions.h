// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/formserror.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Conversions between the texts people type and the numbers the program works with.
// All of them are independent of the user's locale. Texts are UTF-8.

// The first count characters of text (not bytes); all of it if it is shorter.
std::string leftChars(std::string_view text, int count);

// What the numbers read from text are for, and the ranges a refusal names, written as a person
// writes them: the ends of a range rounded towards zero, so that all it names is allowed.
inline constexpr NumberUse kAnyNumber{"number", "numbers from -1.79e308 to 1.79e308"};
inline constexpr NumberUse kAnyWholeNumber{"number", "whole numbers from -32768 to 32767"};
inline constexpr NumberUse kCoordinateUse{"coordinate", "coordinates from -3.4e38 to 3.4e38"};
inline constexpr NumberUse kPenWidthUse{"pen width", "pen widths from 1 to 32767"};

// Reads a number from the start of text: leading spaces and tabs, an optional sign, digits
// with at most one decimal point, an optional exponent. Reading stops at the first character
// that does not fit; text without digits reads as 0. Throws FormsError for a number too
// large for a double, naming it as typed and by its use.
double numberFromText(std::string_view text, const NumberUse& use = kAnyNumber);

// Whether text begins with a number as numberFromText reads one, rather than reading as 0
// for want of digits.
bool holdsNumber(std::string_view text);

// The nearest 16-bit integer, halves to the even one. Throws FormsError outside -32768..32767,
// naming the number by its use ("The pen width 40000 is too large: ...").
std::int16_t roundToInt16(double value, const NumberUse& use = kAnyWholeNumber);

// The single-precision value nearest to value, for a coordinate. Throws FormsError where it
// would not fit.
float narrowToSingle(double value);

// Shortest text that reads back as value, as a person writes numbers (100000, 0.5, -3), with a
// power of ten only for the very large and the very small (1e20, 1.5e-7); for messages.
std::string textFromNumber(double value);
std::string textFromNumber(float value);

} // namespace platform
