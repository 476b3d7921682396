// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "picture/progress.h"
#include "platform/dotstore.h"
#include "platform/palette.h"

#include <QSize>

class QImage;
class QPainter;
class QString;

namespace picture {

// Writes a drawing surface's picture: its pixels as PNG, or its dots as discs, either as SVG or
// painted at their true size (15 twips, or 1/96 inch, to a pixel) on any paint device.

// Saves the picture of an area of `area` logical pixels as PNG or SVG, as the name ends in ".png"
// or ".svg" (whatever the case), all or nothing: an existing file of that name is replaced only
// once the whole picture is written. Throws platform::ReportedError saying why not; returns false
// where progress cancelled it, the old file left as it was.
bool savePicture(const QString& fileName, const QImage& pixels, const platform::DotStore& dots, QSize area,
                 const Progress& progress = {});

// Saves the dots as SVG, noting the file the drawing belongs to, for a drawing kept when the
// program ended without saving it.
void keepDrawing(const QString& fileName, const platform::DotStore& dots, QSize area, const QString& belongsTo);

// A file's name for a note: its start and its end with the suffix, cut short in the middle.
QString nameForMessage(const QString& fileName);

// The number of a colour among the sixteen, -1 for any other.
int colourNumber(platform::ColourValue colour);

// Paints the dots, clipped to the area, at their true size on a device of `dotsPerInch`, with
// the area's top-left corner at the painter's origin.
void paintPicture(QPainter& painter, const platform::DotStore& dots, QSize area, double dotsPerInch);

} // namespace picture
