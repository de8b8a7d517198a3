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
        // clang-format off
        QTest::newRow("exactly 30 kept whole") << thirty << thirty;
        QTest::newRow("31 cut to 27 and dots") << thirty + "4" << thirty.left(27) + "...";
        QTest::newRow("ends at a line feed") << thirty + "\nsecond" << thirty;
        QTest::newRow("ends at a carriage return") << "milk\rbread" << "milk";
        QTest::newRow("the first break counts") << "a\nb\rc" << "a";
        QTest::newRow("blanks before the break kept") << "  milk  \r\nbread" << "  milk  ";
        QTest::newRow("begins with a break") << "\nmilk" << "";
        QTest::newRow("emoji at the cut kept whole") << thirty.left(26) + family + "12345" << thirty.left(26) + family + "...";
        QTest::newRow("an emoji counts as one") << QString(29, u'x') + family << QString(29, u'x') + family;
        QTest::newRow("combining accents") << eAcute.repeated(31) << eAcute.repeated(27) + "...";
        // clang-format on
    }

    void titleFromText()
    {
        QFETCH(QString, text);
        QTEST(::titleFromText(text), "title");
    }

    void trimBlanks()
    {
        QCOMPARE(::trimBlanks("  a b  "), QStringLiteral("a b"));
        QCOMPARE(::trimBlanks("\t a \n"), QStringLiteral("\t a \n"));
        QCOMPARE(::trimBlanks("   "), QString());
    }
};

QTEST_GUILESS_MAIN(tst_TextRules)
#include "tst_textrules.moc"
