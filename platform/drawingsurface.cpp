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

// A dot as it lands on an image of a given scale, in that image's pixels.
struct Disc {
    double cx = 0;
    double cy = 0;
    double radius = 0;
};

// Centred on the logical pixel that holds the point; an even diameter centres on a pixel corner
// so that the disc stays symmetric.
Disc discOf(float x, float y, std::int16_t width, double ratio)
{
    const double diameter = std::max(1.0, std::round(width * ratio));
    const auto centreOf = [&](float twips) {
        const double inDevice = (std::floor(twips / kTwipsPerPixel) + 0.5) * ratio;
        return std::fmod(diameter, 2.0) == 1.0 ? std::floor(inDevice) + 0.5 : std::round(inDevice);
    };
    return {centreOf(x), centreOf(y), diameter / 2};
}

// Sets the pixels of image that the disc covers, and marks them in inked where it is given;
// returns them as a rectangle, empty where the disc misses the image.
QRect paint(QImage& image, const Disc& disc, ColourValue colour, QImage* inked = nullptr)
{
    // Clip in floating point first, so far-away points cannot overflow an int.
    const double left = std::max(0.0, std::ceil(disc.cx - disc.radius - 0.5));
    const double right = std::min(image.width() - 1.0, std::floor(disc.cx + disc.radius - 0.5));
    const double top = std::max(0.0, std::ceil(disc.cy - disc.radius - 0.5));
    const double bottom = std::min(image.height() - 1.0, std::floor(disc.cy + disc.radius - 0.5));
    if (left > right || top > bottom)
        return {};

    const QRgb rgb = 0xFF000000u | colour;
    for (int row = int(top); row <= int(bottom); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        uchar* marks = inked ? inked->scanLine(row) : nullptr;
        const double dy = row + 0.5 - disc.cy;
        for (int column = int(left); column <= int(right); ++column) {
            const double dx = column + 0.5 - disc.cx;
            if (dx * dx + dy * dy <= disc.radius * disc.radius) {
                line[column] = rgb;
                if (marks)
                    marks[column] = 1;
            }
        }
    }
    return QRect(QPoint(int(left), int(top)), QPoint(int(right), int(bottom)));
}

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
    const Disc disc = discOf(x, y, m_drawWidth, ratio);

    // A disc that misses what the area shows leaves the person seeing nothing: say where it went.
    const QSize shown = contentsRect().size() * ratio;
    if (disc.cx + disc.radius <= 0 || disc.cy + disc.radius <= 0 || disc.cx - disc.radius >= shown.width() ||
        disc.cy - disc.radius >= shown.height()) {
        tell(this, QCoreApplication::translate("Note", "The point at %1, %2 lies outside the drawing area.")
                       .arg(QString::fromStdString(textFromNumber(x)), QString::fromStdString(textFromNumber(y))));
    }

    const QRect painted = paint(m_image, disc, colour, &m_inked);
    if (painted.isEmpty())
        return;

    m_dots.append({x, y, colour, m_drawWidth});
    if (m_cleared) {
        m_cleared.reset();
        Q_EMIT undoClearChanged(false);
    }
    countChanged();

    const QRectF touched(painted.x() / ratio, painted.y() / ratio, painted.width() / ratio, painted.height() / ratio);
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

// At scale 1 the sheet itself; at any other the dots drawn again as they are drawn at scale 1,
// so that a copied or saved picture is the same, in exact palette colours, at every scale.
QImage DrawingSurface::picture()
{
    fitImage();
    const QSize size = contentsRect().size();
    if (m_image.devicePixelRatio() == 1)
        return m_image.copy(QRect(QPoint(0, 0), size));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    m_dots.forEach([&picture](const Dot& dot) { paint(picture, discOf(dot.x, dot.y, dot.width, 1), dot.colour); });
    return picture;
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
