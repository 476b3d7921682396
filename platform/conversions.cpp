// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/conversions.h"

#include "platform/formserror.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal exponent of the first significant digit of a mantissa such as "0.0012" (-3);
// the smallest value for a mantissa of zeros. It only tells an overflow from an underflow.
long long leadingDigitExponent(std::string_view mantissa)
{
    const auto point = mantissa.find('.');
    // Exponent of the digit about to be read.
    long long position = static_cast<long long>(point == std::string_view::npos ? mantissa.size() : point) - 1;
    for (const char c : mantissa) {
        if (c == '.')
            continue;
        if (c != '0')
            return position;
        --position;
    }
    return std::numeric_limits<long long>::min() / 2;
}

} // namespace

std::string leftChars(std::string_view text, int count)
{
    std::size_t end = 0;
    for (int taken = 0; taken < count && end < text.size(); ++taken) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
    }
    return std::string(text.substr(0, end));
}

double numberFromText(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    const std::size_t mantissaBegin = i;
    bool anyDigit = false;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            anyDigit = true;
        } else if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    const std::string_view mantissa = text.substr(mantissaBegin, i - mantissaBegin);

    // An exponent counts only when at least one digit follows the e and its sign.
    long long exponent = 0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            negativeExponent = text[j++] == '-';
        if (j < text.size() && isDigit(text[j])) {
            for (; j < text.size() && isDigit(text[j]); ++j) {
                if (exponent < 1'000'000'000)
                    exponent = exponent * 10 + (text[j] - '0');
            }
            if (negativeExponent)
                exponent = -exponent;
            end = j;
        }
    }

    const std::string_view number = text.substr(mantissaBegin, end - mantissaBegin);
    double value = 0.0;
    const auto [rest, error] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (leadingDigitExponent(mantissa) + exponent < 0) {
            value = 0.0; // too small to tell from zero
        } else {
            const std::string largest = textFromNumber(std::numeric_limits<double>::max());
            throw FormsError("The number " + quoteForMessage(text.substr(0, end)) +
                             " is too large: numbers must lie between -" + largest + " and " + largest + ".");
        }
    }
    return negative ? -value : value;
}

std::int16_t roundToInt16(double value, const WholeNumberUse& use)
{
    // nearbyint follows the default rounding mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max())) {
        const char* wrong = rounded > 0 ? " is too large: " : rounded < 0 ? " is too small: " : " is out of range: ";
        throw FormsError("The " + std::string(use.name) + " " + textFromNumber(value) + wrong +
                         std::string(use.allowed) + " are allowed.");
    }
    return static_cast<std::int16_t>(rounded);
}

float narrowToSingle(double value)
{
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) {
        const std::string largest = textFromNumber(FLT_MAX);
        throw FormsError("The coordinate " + textFromNumber(value) + " is too large: coordinates must lie between -" +
                         largest + " and " + largest + ".");
    }
    return static_cast<float>(value);
}

std::string textFromNumber(double value)
{
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= 1e-6 && magnitude < 1e16);
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                            plain ? std::chars_format::fixed : std::chars_format::scientific);
    if (error != std::errc())
        return "?";
    std::string text(buffer, end);
    // "1e+20" and "1.5e-07" as a person writes them: "1e20", "1.5e-7".
    if (const auto e = text.find('e'); e != std::string::npos) {
        std::size_t digits = e + 1;
        if (text[digits] == '+')
            text.erase(digits, 1);
        else if (text[digits] == '-')
            ++digits;
        while (digits + 1 < text.size() && text[digits] == '0')
            text.erase(digits, 1);
    }
    return text;
}

} // namespace platform
