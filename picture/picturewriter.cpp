// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/picturewriter.h"

#include "picture/drawingreader.h"
#include "platform/formdescription.h"
#include "platform/notes/errorreport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <charconv>
#include <cmath>
#include <functional>

namespace picture {

using platform::ColourValue;
using platform::Dot;
using platform::DotStore;
using platform::kTwipsPerPixel;

namespace {

constexpr double kPixelsPerInch = 96;
// How many dots are written between two reports of progress.
constexpr std::size_t kProgressEvery = 4096;

enum class Outcome { Written, Failed, Cancelled };

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

// The shortest text that reads back as the same number.
template <typename Number> QString numberText(Number value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return QString::fromLatin1(text, end - text);
}

// The dots as discs that any SVG program draws, each also carrying its point in twips and its
// colour number in the program's own namespace, which other programs pass over; the drawing is
// read back from those.
Outcome writeSvg(QIODevice& device, const DotStore& dots, QSize area, const QString& belongsTo,
                 const Progress& progress)
{
    const QString ns = QString::fromLatin1(kDrawingNamespace);
    QXmlStreamWriter xml(&device);
    // An element a line, for a person who reads the file.
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(0);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("svg"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml.writeNamespace(ns, QStringLiteral("drawdots"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(area.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(area.height()));
    xml.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("0 0 %1 %2").arg(area.width()).arg(area.height()));
    xml.writeAttribute(ns, QStringLiteral("version"), QStringLiteral("1"));
    if (!belongsTo.isEmpty())
        xml.writeAttribute(ns, QStringLiteral("file"), belongsTo);
    xml.writeTextElement(QStringLiteral("title"), QStringLiteral("Draw dots"));
    xml.writeEmptyElement(QStringLiteral("rect"));
    xml.writeAttribute(QStringLiteral("width"), QString::number(area.width()));
    xml.writeAttribute(QStringLiteral("height"), QString::number(area.height()));
    xml.writeAttribute(QStringLiteral("fill"), QStringLiteral("#ffffff"));
    const QString x = QStringLiteral("x"), y = QStringLiteral("y"), colour = QStringLiteral("colour");
    for (std::size_t index = 0; index < dots.size(); ++index) {
        if (index % kProgressEvery == 0 && progress && !progress(index, dots.size()))
            return Outcome::Cancelled;
        const Dot& dot = dots[index];
        const QPointF centre = centreOf(dot);
        xml.writeEmptyElement(QStringLiteral("circle"));
        xml.writeAttribute(QStringLiteral("cx"), numberText(centre.x()));
        xml.writeAttribute(QStringLiteral("cy"), numberText(centre.y()));
        xml.writeAttribute(QStringLiteral("r"), numberText(dot.width / 2.0));
        xml.writeAttribute(QStringLiteral("fill"), colourName(dot.colour));
        xml.writeAttribute(ns, x, numberText(dot.x));
        xml.writeAttribute(ns, y, numberText(dot.y));
        if (const int number = colourNumber(dot.colour); number >= 0)
            xml.writeAttribute(ns, colour, QString::number(number));
    }
    xml.writeEndDocument();
    return xml.hasError() ? Outcome::Failed : Outcome::Written;
}

[[noreturn]] void failSaving(const QString& fileName, const QString& reason)
{
    const QString message =
        QCoreApplication::translate("PictureMenu", "The picture was not saved as \"%1\": %2. No file was changed.");
    throw platform::ReportedError(message.arg(nameForMessage(fileName), reason).toStdString());
}

// Why a file could not be written: in the person's words where the cause is plain to see, for
// the system's own words are English and may name the whole path, too long for a note.
QString whyNotWritten(const QString& fileName, QString systemReason)
{
    const QFileInfo file(fileName);
    const QFileInfo folder(file.absolutePath());
    const char* reason = file.isDir()           ? QT_TRANSLATE_NOOP("PictureMenu", "a folder has that name")
                         : !folder.isDir()      ? QT_TRANSLATE_NOOP("PictureMenu", "its folder does not exist")
                         : !folder.isWritable() ? QT_TRANSLATE_NOOP("PictureMenu", "its folder is write-protected")
                         : file.exists() && !file.isWritable()
                             ? QT_TRANSLATE_NOOP("PictureMenu", "the file is write-protected")
                             : nullptr;
    if (reason)
        return QCoreApplication::translate("PictureMenu", reason);
    return systemReason.replace(file.absoluteFilePath(), nameForMessage(fileName));
}

// Writes through a temporary file that takes the name only once all of it is on the disk.
// Every buffered byte is flushed and checked before the commit: a commit alone can report
// success for a last write that failed.
bool writeAtomically(const QString& fileName, const std::function<Outcome(QIODevice&)>& write, const Progress& progress)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        failSaving(fileName, whyNotWritten(fileName, file.errorString()));
    const Outcome outcome = write(file);
    if (outcome == Outcome::Cancelled || (progress && !progress(1, 1))) {
        file.cancelWriting();
        return false;
    }
    const bool written = outcome == Outcome::Written;
    // A write cut short on a full disk gives no reason; the rest, tried once more, gets the
    // system's. The flush comes before anything else, so that the reason is there to read.
    const bool flushed = file.flush() || (file.flush(), false);
    if (!flushed || !written || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        failSaving(fileName, whyNotWritten(fileName, reason));
    }
    if (!file.commit())
        failSaving(fileName, whyNotWritten(fileName, file.errorString()));
    return true;
}

} // namespace

QString nameForMessage(const QString& fileName)
{
    // Short enough for a note about the file to keep to two lines; the end keeps the suffix.
    constexpr qsizetype kHead = 6, kTail = 8;
    QString name = QFileInfo(fileName).fileName();
    for (QChar& c : name) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    if (name.size() <= kHead + 1 + kTail)
        return name;
    qsizetype head = kHead, tail = name.size() - kTail;
    // Never a character cut in half.
    if (name[head].isLowSurrogate())
        --head;
    if (name[tail].isLowSurrogate())
        ++tail;
    return name.left(head) + u'\u2026' + name.mid(tail);
}

int colourNumber(ColourValue colour)
{
    for (std::int16_t number = 0; number < 16; ++number) {
        if (platform::paletteColor(number) == colour)
            return number;
    }
    return -1;
}

bool savePicture(const QString& fileName, const QImage& pixels, const DotStore& dots, QSize area,
                 const Progress& progress)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("svg"))
        return writeAtomically(
            fileName, [&](QIODevice& device) { return writeSvg(device, dots, area, QString(), progress); }, progress);
    if (suffix == QLatin1String("png"))
        return writeAtomically(
            fileName,
            [&](QIODevice& device) { return pixels.save(&device, "PNG") ? Outcome::Written : Outcome::Failed; },
            progress);
    failSaving(fileName, QCoreApplication::translate("PictureMenu", "pictures are saved as .png or .svg"));
}

void keepDrawing(const QString& fileName, const DotStore& dots, QSize area, const QString& belongsTo)
{
    writeAtomically(fileName, [&](QIODevice& device) { return writeSvg(device, dots, area, belongsTo, {}); }, {});
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
