// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/dotstore.h"
#include "platform/palette.h"

#include <QImage>
#include <QRect>

#include <utility>

namespace platform {

// Where a dot lands on an image of device pixels: the centre and radius of its disc.
struct Disc {
    double cx = 0;
    double cy = 0;
    double radius = 0;

    // The pixels of `area` the disc may cover; empty where it misses the area.
    QRect within(const QRect& area) const;
    // What is left of the radius, squared, on a row of pixels; a pixel is covered where the square
    // of its distance across from the centre is at most that. Centres, radii and pixel middles
    // lie on half pixels, so all of it is exact.
    double across(int row) const
    {
        const double dy = row + 0.5 - cy;
        return radius * radius - dy * dy;
    }
    bool covers(int column, double across) const
    {
        const double dx = column + 0.5 - cx;
        return dx * dx <= across;
    }
    // The pixels of a row that the disc covers within those columns, as a run from `first` to
    // `last`; empty where first > last.
    std::pair<int, int> run(int row, const QRect& within) const;
};
Disc discOf(const Dot& dot, double ratio);
// Paints the pixels of image that the disc covers; returns them as a rectangle, empty where the
// disc misses the image.
QRect paintDisc(QImage& image, const Disc& disc, ColourValue colour);

// The pixels of a drawing surface and the dots that made them. Each pixel has the colour of the
// newest dot whose disc covers it, white where none does; so a dot can be taken away again, the
// pixels under it drawn anew from the dots before it, and the sheet can grow or change its scale
// with every dot drawn whole.
class Sheet {
public:
    Sheet() = default;
    // A sheet of these dots; its pixels are drawn when it is first fitted to a surface.
    explicit Sheet(DotStore dots) : m_dots(std::move(dots)) {}

    const QImage& image() const { return m_image; }
    const DotStore& dots() const { return m_dots; }
    // Whether a dot covers the device pixel: a white dot is ink, the white sheet is not.
    bool inked(QPoint device) const
    {
        return m_inked.valid(device) && m_inked.constScanLine(device.y())[device.x()] != 0;
    }

    // Makes the image cover at least `size` device pixels at `ratio`.
    void fit(QSize size, double ratio);
    // The pixels of the image the dot would cover; empty where it misses them all.
    QRect reach(const Dot& dot) const;
    // Paints the dot over the image and keeps it as the newest; returns the pixels it covered.
    QRect plot(const Dot& dot);
    // Takes the newest dot away and draws the pixels it covered anew; returns those pixels.
    QRect removeLast();

private:
    // Draws the pixels of region, or of that disc within it, from the oldest `count` dots.
    void draw(const QRect& region, std::size_t count, const Disc* only = nullptr);

    QImage m_image;
    // Which pixels of m_image hold ink (non-zero) rather than the white of the sheet.
    QImage m_inked;
    DotStore m_dots;
};

} // namespace platform
