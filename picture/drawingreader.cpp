// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "picture/drawingreader.h"

#include "picture/picturewriter.h"
#include "platform/formdescription.h"
#include "platform/formserror.h"
#include "platform/notes/errorreport.h"
#include "platform/palette.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <cmath>

namespace picture {

using platform::Dot;
using platform::ReportedError;

namespace {

// How far from the area's corner a dot may lie, in twips either way: further than any screen
// reaches with the widest pen.
constexpr double kFarthest = 1'000'000;
constexpr std::size_t kProgressEvery = 4096;

QString said(const char* text)
{
    return QCoreApplication::translate("Drawing", text);
}

[[noreturn]] void refuse(const QString& reason)
{
    throw ReportedError(reason.toStdString());
}

// A value read from the file, short enough for a note.
QString shown(QStringView value)
{
    return QString::fromStdString(platform::shortenForMessage(value.toString().toStdString(), 10));
}

[[noreturn]] void notOurs()
{
    refuse(said(QT_TRANSLATE_NOOP("Drawing", "it is not a drawing saved by Draw dots")));
}

// Thrown where progress cancelled the reading.
struct Cancelled {};

class Reader {
public:
    Reader(QIODevice& device, qint64 size, const Progress& progress, const ReadLimits& limits)
        : m_xml(&device), m_device(device), m_size(size), m_progress(progress), m_limits(limits)
    {
    }

    std::optional<OpenedDrawing> read();

private:
    void root();
    void element();
    void circle();
    double number(QStringView text, const char* what) const;
    [[noreturn]] void refuseValue(const QString& value) const;

    QXmlStreamReader m_xml;
    QIODevice& m_device;
    qint64 m_size;
    const Progress& m_progress;
    const ReadLimits& m_limits;
    const QString m_namespace = QString::fromLatin1(kDrawingNamespace);
    OpenedDrawing m_drawing;
    int m_depth = 0;
    bool m_ownData = false; // saved with each dot's twips and colour number
    bool m_titled = false;  // saved before that, known by its title
};

std::optional<OpenedDrawing> Reader::read()
{
    if (m_progress && !m_progress(0, std::size_t(m_size)))
        return std::nullopt;
    while (!m_xml.atEnd()) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            notOurs(); // entities are never expanded, nor read from elsewhere
        case QXmlStreamReader::StartElement:
            element();
            break;
        case QXmlStreamReader::EndElement:
            --m_depth;
            break;
        case QXmlStreamReader::Characters:
            if (!m_xml.isWhitespace())
                notOurs();
            break;
        default:
            break;
        }
        if (m_device.pos() > m_limits.bytes)
            refuse(said(QT_TRANSLATE_NOOP("Drawing", "it is too large: files of up to %1 MB are opened"))
                       .arg(m_limits.bytes >> 20));
    }
    if (m_xml.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        refuse(said(QT_TRANSLATE_NOOP("Drawing", "it is cut short")));
    if (m_xml.hasError() && !m_ownData && !m_titled)
        notOurs();
    if (m_xml.hasError())
        refuse(said(QT_TRANSLATE_NOOP("Drawing", "it is damaged (%1)")).arg(m_xml.errorString()));
    if (m_progress && !m_progress(std::size_t(m_size), std::size_t(m_size)))
        return std::nullopt;
    return std::move(m_drawing);
}

void Reader::element()
{
    const bool svg = m_xml.namespaceUri() == QLatin1String("http://www.w3.org/2000/svg");
    if (m_depth == 0 && svg && m_xml.name() == QLatin1String("svg")) {
        root();
    } else if (m_depth != 1 || !svg) {
        notOurs();
    } else if (m_xml.name() == QLatin1String("title")) {
        // Saved before the program had a namespace, a drawing was told from others by this first.
        const bool first = !m_ownData && !m_titled;
        m_titled = m_xml.readElementText() == QLatin1String("Draw dots") || !first;
        if (!m_titled)
            notOurs();
        return;
    } else if (!m_ownData && !m_titled) {
        notOurs();
    } else if (m_xml.name() == QLatin1String("circle")) {
        circle();
    } else if (m_xml.name() != QLatin1String("rect")) {
        notOurs();
    }
    ++m_depth;
}

void Reader::root()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    if (attributes.hasAttribute(m_namespace, QStringLiteral("version"))) {
        if (attributes.value(m_namespace, QStringLiteral("version")) != QLatin1String("1"))
            notOurs();
        m_ownData = true;
        m_drawing.belongsTo = attributes.value(m_namespace, QStringLiteral("file")).toString();
    }
}

void Reader::circle()
{
    if (m_drawing.dots.size() >= m_limits.dots)
        refuse(
            said(QT_TRANSLATE_NOOP("Drawing", "it holds more dots than the %1 a drawing may hold")).arg(m_limits.dots));
    if (m_drawing.dots.size() % kProgressEvery == 0 && m_progress &&
        !m_progress(std::size_t(m_device.pos()), std::size_t(m_size)))
        throw Cancelled();

    const QXmlStreamAttributes attributes = m_xml.attributes();
    const double width = 2 * number(attributes.value(QLatin1String("r")), "r");
    if (width != std::floor(width) || width < 1 || width > 32767)
        refuseValue(said(QT_TRANSLATE_NOOP("Drawing", "pen width %1 (allowed: 1 to 32767)")).arg(width));
    Dot dot;
    dot.width = static_cast<std::int16_t>(width);

    double x = 0, y = 0;
    int colour = -1;
    if (m_ownData) {
        x = number(attributes.value(m_namespace, QLatin1String("x")), "x");
        y = number(attributes.value(m_namespace, QLatin1String("y")), "y");
        bool whole = false;
        const QStringView text = attributes.value(m_namespace, QLatin1String("colour"));
        colour = text.toInt(&whole);
        if (!whole || colour < 0 || colour > 15)
            refuseValue(said(QT_TRANSLATE_NOOP("Drawing", "colour number %1 (allowed: 0 to 15)")).arg(shown(text)));
    } else {
        // Each dot at the pixel it was drawn on: the disc's centre is that pixel's middle for an odd
        // width, its lower right corner for an even one.
        const double shift = dot.width % 2 == 1 ? 0.5 : 1.0;
        x = (number(attributes.value(QLatin1String("cx")), "cx") - shift) * platform::kTwipsPerPixel;
        y = (number(attributes.value(QLatin1String("cy")), "cy") - shift) * platform::kTwipsPerPixel;
        if (x != std::floor(x) || y != std::floor(y))
            notOurs();
        const QStringView fill = attributes.value(QLatin1String("fill"));
        bool hex = fill.size() == 7 && fill.startsWith(u'#');
        const uint rgb = hex ? fill.mid(1).toUInt(&hex, 16) : 0;
        colour = hex ? colourNumber(rgb) : -1;
        if (colour < 0)
            refuseValue(said(QT_TRANSLATE_NOOP("Drawing", "colour %1, not one of the sixteen")).arg(shown(fill)));
    }
    for (const double coordinate : {x, y}) {
        if (!(std::fabs(coordinate) <= kFarthest))
            refuseValue(said(QT_TRANSLATE_NOOP("Drawing", "coordinate %1 (allowed: ±1000000)"))
                            .arg(QString::number(coordinate)));
    }
    dot.x = static_cast<float>(x);
    dot.y = static_cast<float>(y);
    dot.colour = platform::paletteColor(static_cast<std::int16_t>(colour));
    m_drawing.dots.append(dot);
}

double Reader::number(QStringView text, const char* what) const
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // A number too large for a double reads as infinite.
    if (!ok && !std::isinf(value))
        notOurs();
    if (!std::isfinite(value))
        refuseValue(
            said(QT_TRANSLATE_NOOP("Drawing", "%1 = %2, not a finite number")).arg(QLatin1String(what), shown(text)));
    return value;
}

void Reader::refuseValue(const QString& value) const
{
    refuse(said(QT_TRANSLATE_NOOP("Drawing", "dot %1: %2")).arg(m_drawing.dots.size() + 1).arg(value));
}

} // namespace

std::optional<OpenedDrawing> readDrawing(QIODevice& device, qint64 size, const Progress& progress,
                                         const ReadLimits& limits)
{
    try {
        return Reader(device, size, progress, limits).read();
    } catch (Cancelled) {
        return std::nullopt;
    }
}

std::optional<OpenedDrawing> readDrawing(const QString& fileName, const Progress& progress, const ReadLimits& limits)
{
    const QFileInfo before(fileName);
    const auto changed = [&] {
        const QFileInfo now(fileName);
        return now.size() != before.size() || now.lastModified() != before.lastModified();
    };
    try {
        if (!before.exists())
            refuse(said(QT_TRANSLATE_NOOP("Drawing", "there is no file of that name")));
        if (before.isDir())
            refuse(said(QT_TRANSLATE_NOOP("Drawing", "it is a folder")));
        if (!before.isFile())
            notOurs();
        if (before.size() > limits.bytes)
            refuse(said(QT_TRANSLATE_NOOP("Drawing", "it is too large: files of up to %1 MB are opened"))
                       .arg(limits.bytes >> 20));
        if (before.size() == 0)
            refuse(said(QT_TRANSLATE_NOOP("Drawing", "it is empty")));
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            refuse(said(QT_TRANSLATE_NOOP("Drawing", "it could not be read (%1)")).arg(file.errorString()));
        std::optional<OpenedDrawing> read;
        try {
            read = readDrawing(file, before.size(), progress, limits);
        } catch (const ReportedError&) {
            if (changed())
                refuse(said(QT_TRANSLATE_NOOP("Drawing", "it changed while it was being read")));
            throw;
        }
        if (read && changed())
            refuse(said(QT_TRANSLATE_NOOP("Drawing", "it changed while it was being read")));
        return read;
    } catch (const ReportedError& error) {
        const QString message = QCoreApplication::translate("Drawing", "The drawing \"%1\" was not opened: %2.");
        throw ReportedError(message.arg(nameForMessage(fileName), QString::fromStdString(error.what())).toStdString());
    }
}

} // namespace picture
