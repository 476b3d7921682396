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
    const Dot dot{x, y, colour, m_drawWidth};
    const double ratio = m_sheet.image().devicePixelRatio();
    const Disc disc = discOf(dot, ratio);

    // A disc that misses what the area shows leaves the person seeing nothing: say where it went.
    const QSize shown = contentsRect().size() * ratio;
    if (disc.cx + disc.radius <= 0 || disc.cy + disc.radius <= 0 || disc.cx - disc.radius >= shown.width() ||
        disc.cy - disc.radius >= shown.height()) {
        tell(this, QCoreApplication::translate("Note", "The point at %1, %2 lies outside the drawing area.")
                       .arg(QString::fromStdString(textFromNumber(x)), QString::fromStdString(textFromNumber(y))));
    }
    if (m_sheet.reach(dot).isEmpty())
        return;
    updateSheet(m_sheet.plot(dot));
    countChanged();
    Q_EMIT plotted();
}

void DrawingSurface::updateSheet(const QRect& pixels)
{
    const double ratio = m_sheet.image().devicePixelRatio();
    const QRectF touched(pixels.left() / ratio, pixels.top() / ratio, pixels.width() / ratio, pixels.height() / ratio);
    update(touched.toAlignedRect().adjusted(-1, -1, 1, 1).translated(contentsRect().topLeft()));
}

std::optional<ColourValue> DrawingSurface::inkAt(QPoint pixel) const
{
    // The device pixel under the logical pixel's middle, which a dot plotted there always covers.
    const QImage& image = m_sheet.image();
    const double ratio = image.devicePixelRatio();
    const QPoint device(int(std::floor((pixel.x() + 0.5) * ratio)), int(std::floor((pixel.y() + 0.5) * ratio)));
    if (!m_sheet.inked(device))
        return std::nullopt;
    return image.pixel(device) & 0xFFFFFFu;
}

// At scale 1 the sheet itself; at any other the dots drawn again as they are drawn at scale 1,
// so that a copied or saved picture is the same, in exact palette colours, at every scale.
QImage DrawingSurface::picture()
{
    fitImage();
    const QSize size = contentsRect().size();
    if (m_sheet.image().devicePixelRatio() == 1)
        return m_sheet.image().copy(QRect(QPoint(0, 0), size));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    m_sheet.dots().forEach([&picture](const Dot& dot) { paintDisc(picture, discOf(dot, 1), dot.colour); });
    return picture;
}

Sheet DrawingSurface::clear()
{
    Sheet cleared = std::exchange(m_sheet, Sheet());
    fitImage();
    update();
    countChanged();
    return cleared;
}

void DrawingSurface::restore(Sheet sheet)
{
    m_sheet = std::move(sheet);
    fitImage();
    update();
    countChanged();
}

Dot DrawingSurface::takeLastDot()
{
    const Dot dot = m_sheet.dots().back();
    updateSheet(m_sheet.removeLast());
    countChanged();
    return dot;
}

void DrawingSurface::restoreDot(const Dot& dot)
{
    fitImage();
    updateSheet(m_sheet.plot(dot));
    countChanged();
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
    const double ratio = m_sheet.image().devicePixelRatio();
    const QRectF source = QRectF(dirty.translated(-area.topLeft()));
    QPainter painter(this);
    painter.drawImage(QRectF(dirty), m_sheet.image(),
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

// Keeps the backing image at least as large as the drawing area, in device pixels. At a new
// screen scale the dots are drawn anew at that scale rather than lost.
void DrawingSurface::fitImage()
{
    const double ratio = devicePixelRatioF();
    m_sheet.fit(contentsRect().size() * ratio, ratio);
}

} // namespace platform
