// The session's language for every text the program shows: its own
// translations and Qt's (standard buttons, the command-line parser's texts).
#pragma once

#include <QTranslator>

// Installed for as long as it lives, on the running application object. A
// language with no translation, and the C locale, keep the English texts.
class Translations
{
public:
    Translations();
    Q_DISABLE_COPY_MOVE(Translations)

private:
    QTranslator m_qt;
    QTranslator m_program;
};
