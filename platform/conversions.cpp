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

// Where the digits of a number begin and end after its leading blanks and sign.
struct Mantissa {
    bool negative = false;
    std::size_t begin = 0;
    std::size_t end = 0;
    bool anyDigit = false;
};

Mantissa readMantissa(std::string_view text)
{
    Mantissa read;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        read.negative = text[i++] == '-';
    read.begin = i;
    bool seenPoint = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            read.anyDigit = true;
        } else if (text[i] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    read.end = i;
    return read;
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

double numberFromText(std::string_view text, const NumberUse& use)
{
    const Mantissa read = readMantissa(text);
    if (!read.anyDigit)
        return 0.0;
    const std::string_view mantissa = text.substr(read.begin, read.end - read.begin);

    // An exponent counts only when at least one digit follows the e and its sign.
    long long exponent = 0;
    std::size_t i = read.end;
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

    const std::string_view number = text.substr(read.begin, end - read.begin);
    double value = 0.0;
    const auto [rest, error] =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (leadingDigitExponent(mantissa) + exponent < 0) {
            value = 0.0; // too small to tell from zero
        } else {
            throw FormsError(Refusal{use, shortenForMessage(text.substr(0, end)),
                                     read.negative ? Refusal::Fault::TooSmall : Refusal::Fault::TooLarge, true});
        }
    }
    return read.negative ? -value : value;
}

bool holdsNumber(std::string_view text)
{
    return readMantissa(text).anyDigit;
}

std::int16_t roundToInt16(double value, const NumberUse& use)
{
    // nearbyint follows the default rounding mode, which rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() && rounded <= std::numeric_limits<std::int16_t>::max())) {
        throw FormsError(Refusal{use, textFromNumber(value),
                                 rounded > 0   ? Refusal::Fault::TooLarge
                                 : rounded < 0 ? Refusal::Fault::TooSmall
                                               : Refusal::Fault::OutOfRange});
    }
    return static_cast<std::int16_t>(rounded);
}

float narrowToSingle(double value)
{
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) {
        throw FormsError(Refusal{kCoordinateUse, textFromNumber(value),
                                 value > 0   ? Refusal::Fault::TooLarge
                                 : value < 0 ? Refusal::Fault::TooSmall
                                             : Refusal::Fault::OutOfRange});
    }
    return static_cast<float>(value);
}

namespace {

template <typename Number> std::string writtenOut(Number value)
{
    const double magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= Number(1e-6) && magnitude < Number(1e16));
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

} // namespace

std::string textFromNumber(double value)
{
    return writtenOut(value);
}

std::string textFromNumber(float value)
{
    return writtenOut(value);
}

} // namespace platform
