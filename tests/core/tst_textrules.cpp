// The title cut and the blank trim. Guards against: a cut that splits an
// emoji or an accented letter, a title that runs past a carriage return or
// a line feed, trimming that eats tabs or blanks before a line break.
#include "core/textrules.h"

#include <QTest>

class tst_TextRules : public QObject
{
    Q_OBJECT

private slots:
    void titleFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
        const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
        const QString eAcute = QStringLiteral("e\u0301");
        QTest::newRow("exactly 30 kept whole") << thirty << thirty;
        QTest::newRow("31 cut to 27 and dots")
            << thirty + "4" << QStringLiteral("abcdefghijklmnopqrstuvwxyz0...");
        QTest::newRow("ends at a line feed") << thirty + "\nsecond" << thirty;
        QTest::newRow("ends at a carriage return") << "milk\rbread"
                                                   << "milk";
        QTest::newRow("the first break counts") << "a\nb\rc"
                                                << "a";
        QTest::newRow("blanks before the break kept") << "  milk  \r\nbread"
                                                      << "  milk  ";
        QTest::newRow("begins with a break") << "\nmilk"
                                             << "";
        QTest::newRow("emoji at the cut kept whole")
            << QStringLiteral("abcdefghijklmnopqrstuvwxyz") + family + "12345"
            << QStringLiteral("abcdefghijklmnopqrstuvwxyz") + family + "...";
        QTest::newRow("an emoji counts as one")
            << QString(29, u'x') + family << QString(29, u'x') + family;
        QTest::newRow("combining accents") << eAcute.repeated(31) << eAcute.repeated(27) + "...";
    }

    void titleFromText()
    {
        QFETCH(QString, text);
        QTEST(::titleFromText(text), "title");
    }

    void trimBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks both ends") << "  a b  "
                                          << "a b";
        QTest::newRow("tabs and breaks stay") << "\t a \n"
                                              << "\t a \n";
        QTest::newRow("blanks only") << "   "
                                     << "";
    }

    void trimBlanks()
    {
        QFETCH(QString, text);
        QTEST(::trimBlanks(text), "trimmed");
    }
};

QTEST_GUILESS_MAIN(tst_TextRules)
#include "tst_textrules.moc"
