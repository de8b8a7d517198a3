// The session's language for every text the program shows.
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

Translations::Translations()
{
    // The program's translations are built into it, under :/i18n.
    Q_INIT_RESOURCE(i18n);
    // The system locale follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, read
    // by Qt itself, so a language the C library lacks still applies.
    const QLocale locale;
    // The C locale keeps the English texts whatever LANGUAGE lists, as in
    // every other program of the desktop.
    if (locale.language() == QLocale::C)
        return;
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    if (m_program.load(locale, QStringLiteral("quillbox"), QStringLiteral("_"),
                       QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&m_program);
}
