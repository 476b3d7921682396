// SPDX-FileCopyrightText: 2026 Draw dots developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <string>
#include <string_view>

class QString;
class QLocale;
class QTranslator;
template <typename T> class QList;

namespace platform {

// The program's texts and the toolkit's own (a text box's menu, the standard dialogs) in the
// first of the person's languages that the program speaks; nothing is loaded where English
// (or the C locale) comes first. Installed while it lives; needs the application object.
class Translations {
public:
    // The person's languages as the environment gives them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
    Translations();
    // Languages as BCP 47 tags or locale names, the most wanted first: "de-CH", "fr_FR", "C".
    explicit Translations(const QList<QString>& languages);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_toolkit;
    std::unique_ptr<QLocale> m_previousLocale; // the default before the language's
};

// The text as the window named by context shows it in the person's language; the text itself
// where there is no translation.
std::string translated(std::string_view context, std::string_view text);

} // namespace platform
