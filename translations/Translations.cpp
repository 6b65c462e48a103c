#include "translations/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Translations {

namespace {

// "de_DE.UTF-8@euro" -> "de_DE".
QString localeName(const QString& value) {
    QString name = value.section(u'.', 0, 0);
    return name.section(u'@', 0, 0);
}

bool isCLocale(const QString& name) {
    return name.isEmpty() || name == u"C" || name == u"POSIX";
}

} // namespace

QStringList preferredLanguages(const QString& language, const QString& lcAll,
                               const QString& lcMessages, const QString& lang) {
    // The first of these that is set is the locale for messages.
    const QString locale = localeName(!lcAll.isEmpty()        ? lcAll
                                      : !lcMessages.isEmpty() ? lcMessages
                                                              : lang);
    if (isCLocale(locale))
        return {};
    QStringList languages;
    for (const QString& entry : language.split(u':', Qt::SkipEmptyParts)) {
        const QString name = localeName(entry);
        if (!isCLocale(name) && !languages.contains(name))
            languages << name;
    }
    if (!languages.contains(locale))
        languages << locale;
    return languages;
}

QString install(QCoreApplication& app) {
    const QStringList languages =
        preferredLanguages(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                           qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
    for (const QString& name : languages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English)
            return {};
        if (locale.language() == QLocale::C) // not a language Qt knows
            continue;
        auto* own = new QTranslator(&app);
        if (!own->load(locale, QStringLiteral("tallowmere"), QStringLiteral("_"),
                       QStringLiteral(":/i18n"))) {
            delete own;
            continue;
        }
        QCoreApplication::installTranslator(own);
        // The standard dialog buttons; Qt's translations are a separate package.
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return QLocale::languageToCode(locale.language());
    }
    return {};
}

} // namespace Translations
