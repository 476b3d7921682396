// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/palette.h"

#include "platform/conversions.h"
#include "platform/formserror.h"

#include <QCoreApplication>

#include <array>
#include <string>

namespace platform {

namespace {

std::string& colourSource()
{
    static std::string text;
    return text;
}

// Names a refused colour number as the person typed it, where it was read from what they typed.
QString refusalOf(std::int16_t colourNumber)
{
    const std::string& typed = colourSource();
    const std::string read = leftChars(typed, 2);
    const QString number = QString::number(colourNumber);
    if (roundToInt16(numberFromText(read)) != colourNumber) {
        return QCoreApplication::translate("Note", "The colour number %1 is not one of the colour numbers 0 to 15.")
            .arg(number);
    }
    const QString quoted = QString::fromStdString(quoteForMessage(typed));
    if (read == typed) {
        return QCoreApplication::translate("Note", "The colour %1 is not one of the colour numbers 0 to 15.")
            .arg(quoted);
    }
    return QCoreApplication::translate(
               "Note", "Only the first two characters of %1 count: %2 is not one of the colours 0 to 15.")
        .arg(quoted, number);
}

} // namespace

void setColourNumberSource(std::string_view text)
{
    colourSource() = text;
}

ColourValue paletteColor(std::int16_t colourNumber)
{
    static constexpr std::array<ColourValue, 16> kPalette{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    if (colourNumber < 0 || colourNumber >= static_cast<int>(kPalette.size())) {
        throw FormsError(refusalOf(colourNumber).toStdString());
    }
    return kPalette[static_cast<std::size_t>(colourNumber)];
}

} // namespace platform
