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
// pixel of the region is taken, which in a crowded picture is long before the oldest dot.
void Sheet::draw(const QRect& region, std::size_t count, const Disc* only)
{
    const QRect area = region & m_image.rect();
    if (area.isEmpty())
        return;
    const double ratio = m_image.devicePixelRatio();
    const auto width = static_cast<std::size_t>(area.width());
    std::vector<bool> taken(width * static_cast<std::size_t>(area.height()));
    std::size_t left = taken.size();
    // Within a disc only: the rest of the region is as it was.
    for (int row = area.top(); only && row <= area.bottom(); ++row) {
        const auto [first, last] = only->run(row, area);
        for (int column = area.left(); column <= area.right(); ++column) {
            if (column < first || column > last) {
                taken[static_cast<std::size_t>(row - area.top()) * width +
                      static_cast<std::size_t>(column - area.left())] = true;
                --left;
            }
        }
    }
    for (std::size_t index = count; index-- > 0 && left > 0;) {
        const Dot& dot = m_dots[index];
        const Disc disc = discOf(dot, ratio);
        const QRect covered = disc.within(area);
        const QRgb rgb = 0xFF000000u | dot.colour;
        for (int row = covered.top(); row <= covered.bottom(); ++row) {
            auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(row));
            uchar* ink = m_inked.scanLine(row);
            const std::size_t start = static_cast<std::size_t>(row - area.top()) * width;
            const auto [first, last] = disc.run(row, covered);
            for (int column = first; column <= last; ++column) {
                const std::size_t at = start + static_cast<std::size_t>(column - area.left());
                if (!taken[at]) {
                    taken[at] = true;
                    line[column] = rgb;
                    ink[column] = 1;
                    --left;
                }
            }
        }
    }
    for (int row = area.top(); left > 0 && row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(row));
        uchar* ink = m_inked.scanLine(row);
        const std::size_t first = static_cast<std::size_t>(row - area.top()) * width;
        for (int column = area.left(); column <= area.right(); ++column) {
            if (!taken[first + static_cast<std::size_t>(column - area.left())]) {
                line[column] = 0xFFFFFFFFu;
                ink[column] = 0;
            }
        }
    }
}

} // namespace platform
