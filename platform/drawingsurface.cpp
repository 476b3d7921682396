// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/drawingsurface.h"

#include "platform/conversions.h"
#include "platform/formdescription.h"
#include "platform/notes/errorreport.h"
#include "platform/surfaceaccessible.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace platform {

namespace {

constexpr int kBorderWidth = 2;

} // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QFrame(parent)
{
    // First of all: while assistive technology listens, the first change announced (such as
    // the name below) makes the interface it reads, and the toolkit keeps it for good.
    installSurfaceAccessibility();
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QCoreApplication::translate("DrawingSurface", "Drawing area"));
    letNotesCover(this);
}

Status DrawingSurface::setDrawWidth(std::int16_t width)
{
    if (width < 1)
        return Status::refused({kPenWidthUse, std::to_string(width), Refusal::Fault::TooSmall});
    m_drawWidth = width;
    return Status::ok();
}

void DrawingSurface::plot(float x, float y, ColourValue colour)
{
    fitImage();
    const double ratio = m_image.devicePixelRatio();
    const double diameter = std::max(1.0, std::round(m_drawWidth * ratio));
    const double radius = diameter / 2;

    // Centre on the logical pixel that holds the point; an even diameter centres on a
    // pixel corner so the disc stays symmetric.
    const auto centreOf = [&](float twips) {
        const double inDevice = (std::floor(twips / kTwipsPerPixel) + 0.5) * ratio;
        return std::fmod(diameter, 2.0) == 1.0 ? std::floor(inDevice) + 0.5 : std::round(inDevice);
    };
    const double cx = centreOf(x);
    const double cy = centreOf(y);

    // A disc that misses what the area shows leaves the person seeing nothing: say where it went.
    const QSize shown = contentsRect().size() * ratio;
    if (cx + radius <= 0 || cy + radius <= 0 || cx - radius >= shown.width() || cy - radius >= shown.height()) {
        tell(this, QCoreApplication::translate("Note", "The point at %1, %2 lies outside the drawing area.")
                       .arg(QString::fromStdString(textFromNumber(x)), QString::fromStdString(textFromNumber(y))));
    }

    // Clip in floating point first, so far-away points cannot overflow an int.
    const double left = std::max(0.0, std::ceil(cx - radius - 0.5));
    const double right = std::min(m_image.width() - 1.0, std::floor(cx + radius - 0.5));
    const double top = std::max(0.0, std::ceil(cy - radius - 0.5));
    const double bottom = std::min(m_image.height() - 1.0, std::floor(cy + radius - 0.5));
    if (left > right || top > bottom)
        return;

    const QRgb rgb = 0xFF000000u | colour;
    for (int row = int(top); row <= int(bottom); ++row) {
        auto* line = reinterpret_cast<QRgb*>(m_image.scanLine(row));
        uchar* inked = m_inked.scanLine(row);
        const double dy = row + 0.5 - cy;
        for (int column = int(left); column <= int(right); ++column) {
            const double dx = column + 0.5 - cx;
            if (dx * dx + dy * dy <= radius * radius) {
                line[column] = rgb;
                inked[column] = 1;
            }
        }
    }

    m_dots.append({x, y, colour, m_drawWidth});
    if (m_cleared) {
        m_cleared.reset();
        Q_EMIT undoClearChanged(false);
    }
    countChanged();

    const QRectF touched(left / ratio, top / ratio, (right - left + 1) / ratio, (bottom - top + 1) / ratio);
    update(touched.toAlignedRect().adjusted(-1, -1, 1, 1).translated(contentsRect().topLeft()));
}

std::optional<ColourValue> DrawingSurface::inkAt(QPoint pixel) const
{
    // The device pixel under the logical pixel's middle, which a dot plotted there always covers.
    const double ratio = m_image.devicePixelRatio();
    const QPoint device(int(std::floor((pixel.x() + 0.5) * ratio)), int(std::floor((pixel.y() + 0.5) * ratio)));
    if (!m_inked.valid(device) || m_inked.constScanLine(device.y())[device.x()] == 0)
        return std::nullopt;
    return m_image.pixel(device) & 0xFFFFFFu;
}

QImage DrawingSurface::picture()
{
    fitImage();
    const QSize size = contentsRect().size();
    const double ratio = m_image.devicePixelRatio();
    QImage shown = m_image.copy(QRect(QPoint(0, 0), size * ratio));
    if (shown.size() != size)
        shown = shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(1);
    return shown;
}

void DrawingSurface::clear()
{
    if (m_dots.empty())
        return;
    m_cleared =
        Sheet{std::exchange(m_image, QImage()), std::exchange(m_inked, QImage()), std::exchange(m_dots, DotStore())};
    fitImage();
    update();
    countChanged();
    Q_EMIT undoClearChanged(true);
}

void DrawingSurface::undoClear()
{
    if (!m_cleared)
        return;
    m_image = std::move(m_cleared->image);
    m_inked = std::move(m_cleared->inked);
    m_dots = std::move(m_cleared->dots);
    m_cleared.reset();
    fitImage();
    update();
    countChanged();
    Q_EMIT undoClearChanged(false);
}

void DrawingSurface::countChanged()
{
    announceCount(this);
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    {
        // A sunken border whose lower edges are grey rather than white, so it stays visible
        // beside the white sheet. It also shows the focus; the sheet is never painted over.
        QPainter frame(this);
        QPalette shades = palette();
        shades.setColor(QPalette::Light, shades.color(QPalette::Mid));
        qDrawShadePanel(&frame, rect(), shades, true, lineWidth());
        if (hasFocus()) {
            frame.setPen(QPen(palette().color(QPalette::Highlight), 1));
            frame.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    fitImage();
    const QRect area = contentsRect();
    const QRect dirty = event->rect() & area;
    if (dirty.isEmpty())
        return;
    const double ratio = m_image.devicePixelRatio();
    const QRectF source = QRectF(dirty.translated(-area.topLeft()));
    QPainter painter(this);
    painter.drawImage(QRectF(dirty), m_image,
                      QRectF(source.x() * ratio, source.y() * ratio, source.width() * ratio, source.height() * ratio));
}

void DrawingSurface::focusInEvent(QFocusEvent* event)
{
    QFrame::focusInEvent(event);
    update();
}

void DrawingSurface::focusOutEvent(QFocusEvent* event)
{
    QFrame::focusOutEvent(event);
    update();
}

void DrawingSurface::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitImage();
}

// Keeps the backing image at least as large as the drawing area, in device pixels. A change
// of screen scale rescales what is drawn rather than losing it.
void DrawingSurface::fitImage()
{
    const double ratio = devicePixelRatioF();
    const QSize wanted = contentsRect().size() * ratio;
    if (!m_image.isNull() && m_image.devicePixelRatio() != ratio) {
        m_image = m_image.scaled(m_image.size() / m_image.devicePixelRatio() * ratio);
        m_image.setDevicePixelRatio(ratio);
        m_inked = m_inked.scaled(m_image.size());
    }
    if (!m_image.isNull() && m_image.width() >= wanted.width() && m_image.height() >= wanted.height())
        return;

    QImage grown(wanted.expandedTo(m_image.size()), QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(Qt::white);
    if (!m_image.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPoint(0, 0), m_image);
    }
    m_image = grown;
    if (m_inked.isNull()) {
        m_inked = QImage(grown.size(), QImage::Format_Alpha8);
        m_inked.fill(0);
    } else {
        m_inked = m_inked.copy(grown.rect()); // the pixels it gains are 0: no ink
    }
}

} // namespace platform
