// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

// The texts Form1 shows, for the translation tools to find: the window's stored record and the
// colour list hold them in English, and they are translated as they are shown. Nothing reads
// this list at run time.

#include <QtGlobal>

namespace {

[[maybe_unused]] constexpr const char* kForm1Texts[] = {
    QT_TRANSLATE_NOOP("Form1", "Draw dots"),
    QT_TRANSLATE_NOOP("Form1", "Draw"),
    QT_TRANSLATE_NOOP("Form1", "Thickness"),
    QT_TRANSLATE_NOOP("Form1", "Y coor"),
    QT_TRANSLATE_NOOP("Form1", "X coor"),
    //: The colour list's name for assistive technology; it has no label on screen.
    QT_TRANSLATE_NOOP("Form1", "Colour"),
    //: Colour list entries: keep the leading number and its space, which pick the colour.
    QT_TRANSLATE_NOOP("Form1", "0 Black"),
    QT_TRANSLATE_NOOP("Form1", "1 Blue"),
    QT_TRANSLATE_NOOP("Form1", "2 Green"),
    QT_TRANSLATE_NOOP("Form1", "3 Cyan"),
    QT_TRANSLATE_NOOP("Form1", "4 Red"),
    QT_TRANSLATE_NOOP("Form1", "5 Magenta"),
    QT_TRANSLATE_NOOP("Form1", "6 Yellow"),
    QT_TRANSLATE_NOOP("Form1", "7 White"),
    QT_TRANSLATE_NOOP("Form1", "8 Gray"),
    QT_TRANSLATE_NOOP("Form1", "9 Light Blue"),
    QT_TRANSLATE_NOOP("Form1", "10 Light Green"),
    QT_TRANSLATE_NOOP("Form1", "11 Light Cyan"),
    QT_TRANSLATE_NOOP("Form1", "12 Light Red"),
    QT_TRANSLATE_NOOP("Form1", "13 Light Magenta"),
    QT_TRANSLATE_NOOP("Form1", "14 Light Yellow"),
    QT_TRANSLATE_NOOP("Form1", "15 Bright White"),
};

} // namespace
