// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/formserror.h"

#include "platform/conversions.h"

#include <QCoreApplication>
#include <QLocale>

namespace platform {

namespace {

// What numbers are for and which they may take, as conversions.h names them, for translators.
[[maybe_unused]] constexpr const char* kNumberUses[] = {
    QT_TRANSLATE_NOOP("Note", "number"),
    QT_TRANSLATE_NOOP("Note", "numbers from -1.79e308 to 1.79e308"),
    QT_TRANSLATE_NOOP("Note", "whole numbers from -32768 to 32767"),
    QT_TRANSLATE_NOOP("Note", "coordinate"),
    QT_TRANSLATE_NOOP("Note", "coordinates from -3.4e38 to 3.4e38"),
    QT_TRANSLATE_NOOP("Note", "pen width"),
    QT_TRANSLATE_NOOP("Note", "pen widths from 1 to 32767"),
};

QString translated(std::string_view text)
{
    return QCoreApplication::translate("Note", std::string(text).c_str());
}

QString inQuotes(const std::string& text)
{
    //: Quotation marks around what the person typed, as the language writes them.
    return QCoreApplication::translate("Note", "\"%1\"").arg(QString::fromStdString(text));
}

} // namespace

std::string Refusal::message() const
{
    const QString name = translated(use.name);
    const QString allowed = translated(use.allowed);
    if (shown.empty())
        return QCoreApplication::translate("Note", "The %1 is missing: %2 are allowed.")
            .arg(name, allowed)
            .toStdString();
    const char* wrong =
        fault == Fault::TooSmall     ? QT_TRANSLATE_NOOP("Note", "The %1 %2 is too small: %3 are allowed.")
        : fault == Fault::TooLarge   ? QT_TRANSLATE_NOOP("Note", "The %1 %2 is too large: %3 are allowed.")
        : fault == Fault::NotANumber ? QT_TRANSLATE_NOOP("Note", "The %1 %2 is not a number: %3 are allowed.")
                                     : QT_TRANSLATE_NOOP("Note", "The %1 %2 is out of range: %3 are allowed.");
    return QCoreApplication::translate("Note", wrong).arg(name, inQuotes(shown), allowed).toStdString();
}

std::string FormsError::wordedFor(std::string_view typed) const
{
    // A number already named as typed (one too large to read) needs nothing more.
    if (!m_refusal || m_refusal->typed)
        return what();
    const std::size_t start = typed.find_first_not_of(" \t");
    typed = start == std::string_view::npos ? std::string_view() : typed.substr(start);
    if (typed == m_refusal->shown)
        return what();
    Refusal asTyped = *m_refusal;
    asTyped.shown = typed.empty() ? std::string() : shortenForMessage(typed);
    asTyped.typed = true;
    if (!typed.empty() && !holdsNumber(typed))
        asTyped.fault = Refusal::Fault::NotANumber;
    return asTyped.message();
}

std::string FormsError::messageFor(std::string_view typed) const
{
    const std::string message = wordedFor(typed);
    // Where the person's language writes a decimal comma, say that numbers take a point.
    QString text = QString::fromUtf8(typed.data(), qsizetype(typed.size()));
    if (!text.contains(u',') || QLocale().decimalPoint() != u',')
        return message;
    return QCoreApplication::translate("Note", "%1 Write %2 with a point.")
        .arg(QString::fromStdString(message),
             QString::fromStdString(quoteForMessage(text.replace(u',', u'.').trimmed().toStdString())))
        .toStdString();
}

void checkStatus(const Status& status)
{
    if (status.refusal)
        throw FormsError(*status.refusal);
    if (status.failed())
        throw FormsError(status.failure);
}

std::string shortenForMessage(std::string_view text, std::size_t maxShown)
{
    // Short enough for any note to keep to two lines.
    std::string shown;
    std::size_t i = 0;
    for (; i < text.size() && shown.size() < maxShown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        shown += c < 0x20 || c == 0x7f ? '?' : static_cast<char>(c);
    }
    // Never cut a multi-byte character in half.
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
        shown += text[i++];
    if (i < text.size())
        shown += "...";
    return shown;
}

std::string quoteForMessage(std::string_view text)
{
    return inQuotes(shortenForMessage(text)).toStdString();
}

} // namespace platform
