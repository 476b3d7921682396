// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "picture/progress.h"
#include "platform/dotstore.h"

#include <QString>

#include <cstddef>
#include <optional>

class QIODevice;

namespace picture {

// The program's own namespace in the SVG files it saves: each dot's point in twips and its
// colour number, which other programs pass over.
inline constexpr char kDrawingNamespace[] = "https://drawdots.github.io/ns/drawing";

struct OpenedDrawing {
    platform::DotStore dots;
    // For a drawing kept when the program ended: the file it belonged to, if any.
    QString belongsTo;
};

// How much a file may hold before it is refused rather than read.
struct ReadLimits {
    qint64 bytes = qint64{256} << 20;
    std::size_t dots = 4'000'000;
};

// Reads a drawing saved by this program, as SVG: with each dot's twips and colour number in the
// program's namespace, or, as saved before it had one, each dot at the pixel it was drawn on.
// Trusts nothing in the file: anything else is refused with platform::ReportedError naming the
// file and saying why. Returns nothing where progress cancelled the reading.
std::optional<OpenedDrawing> readDrawing(const QString& fileName, const Progress& progress = {},
                                         const ReadLimits& limits = {});

// The same from a device of `size` bytes; the error says only why.
std::optional<OpenedDrawing> readDrawing(QIODevice& device, qint64 size, const Progress& progress,
                                         const ReadLimits& limits);

} // namespace picture
