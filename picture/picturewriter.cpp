// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/picturewriter.h"

#include "platform/formdescription.h"
#include "platform/notes/errorreport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <cmath>
#include <functional>

namespace picture {

using platform::ColourValue;
using platform::Dot;
using platform::DotStore;
using platform::kTwipsPerPixel;

namespace {

constexpr double kPixelsPerInch = 96;

// Where the screen puts a dot's centre, in logical pixels: in the middle of the pixel that holds
// the point when its diameter is odd, on that pixel's lower right corner when it is even.
QPointF centreOf(const Dot& dot)
{
    const double shift = dot.width % 2 == 1 ? 0.5 : 1.0;
    return {std::floor(dot.x / kTwipsPerPixel) + shift, std::floor(dot.y / kTwipsPerPixel) + shift};
}

QString colourName(ColourValue colour)
{
    return QStringLiteral("#%1").arg(colour & 0xFFFFFFu, 6, 16, QLatin1Char('0'));
}

bool writeSvg(QIODevice& device, const DotStore& dots, QSize area)
{
    QXmlStreamWriter xml(&device);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(area.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(area.height()));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(area.width()).arg(area.height()));
    xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Draw dots"));
    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(area.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(area.height()));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("#ffffff"));
    dots.forEach([&](const Dot& dot) {
        const QPointF centre = centreOf(dot);
        xml.writeEmptyElement(QStringLiteral("circle"));
        xml.writeAttribute(QStringLiteral("cx"), QString::number(centre.x()));
        xml.writeAttribute(QStringLiteral("cy"), QString::number(centre.y()));
        xml.writeAttribute(QStringLiteral("r"), QString::number(dot.width / 2.0));
        xml.writeAttribute(QStringLiteral("fill"), colourName(dot.colour));
    });
    xml.writeEndDocument();
    return !xml.hasError();
}

[[noreturn]] void failSaving(const QString& fileName, const QString& reason)
{
    const QString message = QCoreApplication::translate(
        "PictureMenu", "The picture could not be saved as \"%1\": %2. The drawing is kept, and no file was changed.");
    throw platform::ReportedError(message.arg(QFileInfo(fileName).fileName(), reason).toStdString());
}

// Writes through a temporary file that takes the name only once all of it is on the disk.
// Every buffered byte is flushed and checked before the commit: a commit alone can report
// success for a last write that failed.
void writeAtomically(const QString& fileName, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        failSaving(fileName, file.errorString());
    const bool written = write(file);
    // A write cut short on a full disk gives no reason; the rest, tried once more, gets the
    // system's. The flush comes before anything else, so that the reason is there to read.
    const bool flushed = file.flush() || (file.flush(), false);
    if (!flushed || !written || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        failSaving(fileName, reason);
    }
    if (!file.commit())
        failSaving(fileName, file.errorString());
}

} // namespace

void savePicture(const QString& fileName, const QImage& pixels, const DotStore& dots, QSize area)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        writeAtomically(fileName, [&](QIODevice& device) { return writeSvg(device, dots, area); });
    else if (suffix == QLatin1String("png"))
        writeAtomically(fileName, [&](QIODevice& device) { return pixels.save(&device, "PNG"); });
    else
        failSaving(fileName,
                   QCoreApplication::translate("PictureMenu", "pictures are saved as PNG (.png) or SVG (.svg)"));
}

void paintPicture(QPainter& painter, const DotStore& dots, QSize area, double dotsPerInch)
{
    const double scale = dotsPerInch / kPixelsPerInch;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(QRectF(0, 0, area.width() * scale, area.height() * scale));
    painter.setPen(Qt::NoPen);
    dots.forEach([&](const Dot& dot) {
        const double radius = dot.width / 2.0 * scale;
        painter.setBrush(QColor::fromRgb(0xFF000000u | dot.colour));
        painter.drawEllipse(centreOf(dot) * scale, radius, radius);
    });
    painter.restore();
}

} // namespace picture
