// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dotstore.h"

#include <QSize>

class QImage;
class QPainter;
class QString;

namespace picture {

// Writes a drawing surface's picture: its pixels as PNG, or its dots as discs, either as SVG or
// painted at their true size (15 twips, or 1/96 inch, to a pixel) on any paint device.

// Saves the picture of an area of `area` logical pixels as PNG or SVG, as the name ends in ".png"
// or ".svg" (whatever the case), all or nothing: an existing file of that name is replaced only
// once the whole picture is written. Throws platform::ReportedError saying why not.
void savePicture(const QString& fileName, const QImage& pixels, const platform::DotStore& dots, QSize area);

// Paints the dots, clipped to the area, at their true size on a device of `dotsPerInch`, with
// the area's top-left corner at the painter's origin.
void paintPicture(QPainter& painter, const platform::DotStore& dots, QSize area, double dotsPerInch);

} // namespace picture
