// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/sheet.h"

#include "platform/formdescription.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace platform {

QRect Disc::within(const QRect& area) const
{
    // Clipped in floating point first, so that far-away dots cannot overflow an int.
    const double left = std::max<double>(area.left(), std::ceil(cx - radius - 0.5));
    const double right = std::min<double>(area.right(), std::floor(cx + radius - 0.5));
    const double top = std::max<double>(area.top(), std::ceil(cy - radius - 0.5));
    const double bottom = std::min<double>(area.bottom(), std::floor(cy + radius - 0.5));
    if (left > right || top > bottom)
        return {};
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}

std::pair<int, int> Disc::run(int row, const QRect& within) const
{
    const double left = across(row);
    if (left < 0)
        return {1, 0};
    // Found by the square root, then settled by the exact test, which decides every pixel.
    const double half = std::sqrt(left);
    auto first = static_cast<int>(std::ceil(cx - half - 0.5));
    auto last = static_cast<int>(std::floor(cx + half - 0.5));
    while (first <= last && !covers(first, left))
        ++first;
    while (covers(first - 1, left))
        --first;
    while (last >= first && !covers(last, left))
        --last;
    while (covers(last + 1, left))
        ++last;
    return {std::max(first, within.left()), std::min(last, within.right())};
}

Disc discOf(const Dot& dot, double ratio)
{
    const double diameter = std::max(1.0, std::round(dot.width * ratio));
    // Centred on the logical pixel that holds the point; an even diameter centres on a pixel
    // corner so the disc stays symmetric.
    const bool odd = static_cast<long long>(diameter) % 2 == 1;
    const auto centreOf = [&](float twips) {
        const double inDevice = (std::floor(twips / kTwipsPerPixel) + 0.5) * ratio;
        return odd ? std::floor(inDevice) + 0.5 : std::round(inDevice);
    };
    return {centreOf(dot.x), centreOf(dot.y), diameter / 2};
}

void Sheet::fit(QSize size, double ratio)
{
    const double before = m_image.devicePixelRatio();
    if (!m_image.isNull() && before == ratio && m_image.width() >= size.width() && m_image.height() >= size.height())
        return;
    // At a new scale the sheet keeps the part of the area it covered, drawn anew at that scale.
    const QSize kept = m_image.isNull() || before == ratio ? m_image.size() : m_image.size() / before * ratio;
    QImage grown(size.expandedTo(kept), QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    if (m_image.isNull() || before != ratio) {
        m_image = grown;
        m_inked = QImage(grown.size(), QImage::Format_Alpha8);
        draw(m_image.rect(), m_dots.size());
        return;
    }
    const auto rowBytes = static_cast<std::size_t>(m_image.bytesPerLine());
    for (int row = 0; row < m_image.height(); ++row)
        std::memcpy(grown.scanLine(row), m_image.constScanLine(row), rowBytes);
    const QRect old = m_image.rect();
    m_image = grown;
    m_inked = m_inked.copy(grown.rect()); // what it gains is drawn below
    draw(QRect(old.right() + 1, 0, m_image.width() - old.width(), old.height()), m_dots.size());
    draw(QRect(0, old.bottom() + 1, m_image.width(), m_image.height() - old.height()), m_dots.size());
}

QRect Sheet::reach(const Dot& dot) const
{
    return discOf(dot, m_image.devicePixelRatio()).within(m_image.rect());
}

QRect paintDisc(QImage& image, const Disc& disc, ColourValue colour)
{
    const QRect touched = disc.within(image.rect());
    const QRgb rgb = 0xFF000000u | colour;
    for (int row = touched.top(); row <= touched.bottom(); ++row) {
        const auto [first, last] = disc.run(row, touched);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        if (first <= last)
            std::fill(line + first, line + last + 1, rgb);
    }
    return touched;
}

QRect Sheet::plot(const Dot& dot)
{
    const Disc disc = discOf(dot, m_image.devicePixelRatio());
    const QRect touched = paintDisc(m_image, disc, dot.colour);
    for (int row = touched.top(); row <= touched.bottom(); ++row) {
        const auto [first, last] = disc.run(row, touched);
        if (first <= last)
            std::fill(m_inked.scanLine(row) + first, m_inked.scanLine(row) + last + 1, 1);
    }
    m_dots.append(dot);
    return touched;
}

QRect Sheet::removeLast()
{
    const Disc disc = discOf(m_dots.back(), m_image.devicePixelRatio());
    const QRect touched = disc.within(m_image.rect());
    m_dots.removeLast();
    draw(touched, m_dots.size(), &disc);
    return touched;
}

// Newest dot first, each pixel taken by the first dot that covers it; the search ends once every
// pixel of the region is taken, which in a crowded picture is long before the oldest dot. Rows
// already whole are passed over, and dots that miss the rows still open are passed at once.
void Sheet::draw(const QRect& region, std::size_t count, const Disc* only)
{
    const QRect area = region & m_image.rect();
    if (area.isEmpty())
        return;
    const double ratio = m_image.devicePixelRatio();
    const auto width = static_cast<std::size_t>(area.width());
    std::vector<unsigned char> taken(width * static_cast<std::size_t>(area.height()));
    std::vector<int> open(static_cast<std::size_t>(area.height()), area.width()); // pixels left, by row
    const auto at = [&](int row, int column) {
        return static_cast<std::size_t>(row - area.top()) * width + static_cast<std::size_t>(column - area.left());
    };
    const auto take = [&](int row, int column) {
        taken[at(row, column)] = 1;
        --open[static_cast<std::size_t>(row - area.top())];
    };
    // Within a disc only: the rest of the region is as it was.
    for (int row = area.top(); only && row <= area.bottom(); ++row) {
        const auto [first, last] = only->run(row, area);
        for (int column = area.left(); column <= area.right(); ++column) {
            if (column < first || column > last)
                take(row, column);
        }
    }
    const auto whole = [&](int row) { return open[static_cast<std::size_t>(row - area.top())] == 0; };
    int top = area.top(), bottom = area.bottom();
    for (std::size_t index = count; index-- > 0;) {
        while (top <= bottom && whole(top))
            ++top;
        while (bottom >= top && whole(bottom))
            --bottom;
        if (top > bottom)
            break;
        const Dot& dot = m_dots[index];
        const Disc disc = discOf(dot, ratio);
        const QRect covered = disc.within(QRect(QPoint(area.left(), top), QPoint(area.right(), bottom)));
        const QRgb rgb = 0xFF000000u | dot.colour;
        for (int row = covered.top(); row <= covered.bottom(); ++row) {
            if (whole(row))
                continue;
            auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(row));
            uchar* ink = m_inked.scanLine(row);
            const auto [first, last] = disc.run(row, covered);
            for (int column = first; column <= last; ++column) {
                if (!taken[at(row, column)]) {
                    take(row, column);
                    line[column] = rgb;
                    ink[column] = 1;
                }
            }
        }
    }
    // What no dot covers is the white of the sheet.
    for (int row = top; row <= bottom; ++row) {
        if (whole(row))
            continue;
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(row));
        uchar* ink = m_inked.scanLine(row);
        for (int column = area.left(); column <= area.right(); ++column) {
            if (!taken[at(row, column)]) {
                line[column] = 0xFFFFFFFFu;
                ink[column] = 0;
            }
        }
    }
}

} // namespace platform
