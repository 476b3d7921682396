// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#include "platform/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace platform {

Translations::Translations() : Translations(QLocale().uiLanguages()) {}

Translations::Translations(const QStringList& languages)
{
    for (QString language : languages) {
        language.replace(u'-', u'_');
        // The program's own texts are English: a person who puts English first gets them as they are.
        const QString code = language.section(u'_', 0, 0).section(u'.', 0, 0);
        if (code == QLatin1String("C") || code == QLatin1String("POSIX") ||
            QLocale::codeToLanguage(code) == QLocale::English)
            return;
        auto program = std::make_unique<QTranslator>();
        if (!program->load(QStringLiteral("drawdots_") + language, QStringLiteral(":/i18n")))
            continue;
        QCoreApplication::installTranslator(program.get());
        // Numbers are still read with a point; the language's own decimal sign is what a
        // note about a refused number with a comma in it goes by.
        m_previousLocale = std::make_unique<QLocale>();
        QLocale::setDefault(QLocale(program->language()));
        m_program = std::move(program);
        // The toolkit's texts in the same language, where Debian's translations are installed.
        auto toolkit = std::make_unique<QTranslator>();
        if (toolkit->load(QStringLiteral("qtbase_") + m_program->language(),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(toolkit.get());
            m_toolkit = std::move(toolkit);
        }
        return;
    }
}

// A translator takes itself out of the application as it goes.
Translations::~Translations()
{
    if (m_previousLocale)
        QLocale::setDefault(*m_previousLocale);
}

std::string translated(std::string_view context, std::string_view text)
{
    const std::string key(context);
    const std::string source(text);
    return QCoreApplication::translate(key.c_str(), source.c_str()).toStdString();
}

} // namespace platform
