#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// Chooses the program's language from the environment, as GNU programs do:
// LANGUAGE (a colon-separated list of preferences) first, then the locale of
// LC_ALL, LC_MESSAGES or LANG; the C (POSIX) locale means the program's own
// English texts whatever LANGUAGE says.
namespace Translations {

// The user's languages in order of preference ("de_DE", "en", ...); empty
// for the C locale. The arguments are the values of LANGUAGE, LC_ALL,
// LC_MESSAGES and LANG.
QStringList preferredLanguages(const QString& language, const QString& lcAll,
                               const QString& lcMessages, const QString& lang);

// Installs into `app` the translation of the first preferred language that has
// one, with Qt's own translations of the standard buttons for it. English, the
// language of the source texts, ends the search. Returns the chosen language
// ("de"), or an empty text when the program stays in English.
QString install(QCoreApplication& app);

} // namespace Translations
