// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/conversions.h"
#include "platform/formserror.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <string>
#include <string_view>

// Reading numbers from typed text, checked against the C library's own reader in the "C"
// locale: any input must give the value strtod gives for the longest prefix in the accepted
// grammar, never infinity or NaN, and an error in plain words only where that value overflows.
// The 16-bit rounding and the first-characters cut are checked against independent rules.

namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "fuzz_numbers: %s\n  input (%zu bytes): \"", what, text.size());
    for (const char c : text.substr(0, 200)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '"' && byte != '\\')
            std::fputc(byte, stderr);
        else
            std::fprintf(stderr, "\\x%02x", byte);
    }
    std::fprintf(stderr, "%s\"\n", text.size() > 200 ? "..." : "");
    std::abort();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}

struct Reference {
    std::size_t begin = 0;  // where the number starts, after spaces and tabs
    std::size_t length = 0; // 0 when the text holds no number
};

// The longest prefix, after spaces and tabs, made of an optional sign, digits with at most one
// point and at least one digit, and an optional exponent with at least one digit.
Reference acceptedPrefix(std::string_view text)
{
    Reference ref;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    ref.begin = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return ref;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    ref.length = i - ref.begin;
    return ref;
}

bool startsWithNoCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if ((text[i] | 0x20) != word[i])
            return false;
    }
    return true;
}

// Forms strtod reads that the program must not: other leading white space, hexadecimal,
// infinity and NaN.
bool isFormOnlyStrtodReads(std::string_view rest)
{
    if (!rest.empty() && (rest[0] == '\n' || rest[0] == '\v' || rest[0] == '\f' || rest[0] == '\r'))
        return true;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-'))
        rest.remove_prefix(1);
    return startsWithNoCase(rest, "0x") || startsWithNoCase(rest, "inf") || startsWithNoCase(rest, "nan");
}

// Checks the grammar above against what strtod takes from the same text: they agree except
// for the forms only strtod reads. Guards the reference itself.
void checkReferenceAgainstStrtod(std::string_view text, const Reference& ref)
{
    const std::string rest(text.substr(ref.begin)); // stops at the first NUL, as strtod does
    char* end = nullptr;
    strtod_l(rest.c_str(), &end, cLocale());
    const auto used = static_cast<std::size_t>(end - rest.c_str());
    if (used != ref.length && !isFormOnlyStrtodReads(text.substr(ref.begin)))
        fail("the reference grammar and strtod disagree on where the number ends", text);
}

void checkNumberFromText(std::string_view text)
{
    const Reference ref = acceptedPrefix(text);
    checkReferenceAgainstStrtod(text, ref);

    double expected = 0.0;
    bool overflows = false;
    if (ref.length > 0) {
        const std::string prefix(text.substr(ref.begin, ref.length));
        char* end = nullptr;
        errno = 0;
        expected = strtod_l(prefix.c_str(), &end, cLocale());
        if (end != prefix.c_str() + prefix.size())
            fail("strtod did not read the whole accepted prefix", text);
        overflows = errno == ERANGE && std::isinf(expected);
    }

    double value = 0.0;
    try {
        value = platform::numberFromText(text);
    } catch (const platform::FormsError& error) {
        if (!overflows)
            fail("numberFromText refused a number strtod reads", text);
        const std::string_view message = error.what();
        if (message.find("too large") == std::string_view::npos || message.size() > 200)
            fail("the refusal of a huge number does not say so briefly", text);
        return;
    }
    if (overflows)
        fail("numberFromText accepted a number too large for a double", text);
    if (!std::isfinite(value))
        fail("numberFromText gave infinity or NaN", text);
    if (value != expected)
        fail("numberFromText differs from strtod on the accepted prefix", text);

    // Nearest integer, halves to the even one, in range only from -32768 to 32767.
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double nearest = floor;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(floor, 2.0) != 0.0))
        nearest = floor + 1.0;
    const bool inRange = nearest >= -32768.0 && nearest <= 32767.0;
    try {
        const std::int16_t rounded = platform::roundToInt16(value);
        if (!inRange || rounded != nearest)
            fail("roundToInt16 gave the wrong whole number", text);
    } catch (const platform::FormsError& error) {
        if (inRange)
            fail("roundToInt16 refused a number in range", text);
        if (std::string_view(error.what()).find("-32768 to 32767") == std::string_view::npos)
            fail("the refusal of a number out of range does not give the range", text);
    }
}

// leftChars must cut at a character boundary after exactly count characters, where a
// character is a byte that does not continue another with the bytes that continue it.
void checkLeftChars(std::string_view text, int count)
{
    const std::string left = platform::leftChars(text, count);
    if (text.substr(0, left.size()) != left)
        fail("leftChars did not return a prefix", text);
    if (!left.empty() && left.size() < text.size() && isContinuationByte(text[left.size()]))
        fail("leftChars cut a character in half", text);
    int characters = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (i == 0 || !isContinuationByte(left[i]))
            ++characters;
    }
    const bool shortened = left.size() < text.size();
    if (characters > std::max(count, 0) || (shortened && characters != std::max(count, 0)))
        fail("leftChars took the wrong number of characters", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkNumberFromText(text);
    for (const int count : {-1, 0, 1, 2, 3, 64})
        checkLeftChars(text, count);
    // The colour list reads its first two characters.
    checkNumberFromText(platform::leftChars(text, 2));
    return 0;
}
