#include "notes/textrules.h"

#include <QTest>

class TestTextRules : public QObject
{
    Q_OBJECT

private slots:
    void derivedTitle_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");

        const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
        QTest::newRow("short single line") << "shopping"
                                           << "shopping";
        QTest::newRow("exactly 30") << thirty << thirty;
        QTest::newRow("31 is cut to 27 and dots")
            << thirty + "4" << QStringLiteral("abcdefghijklmnopqrstuvwxyz0...");
        QTest::newRow("30 then more lines") << thirty + "\nsecond" << thirty;
        QTest::newRow("leading blanks kept") << "  milk\nbread"
                                             << "  milk";
        QTest::newRow("blanks before the break kept") << "milk  \nbread"
                                                      << "milk  ";
        QTest::newRow("begins with LF") << "\nmilk"
                                        << "";
        QTest::newRow("begins with CR") << "\rmilk"
                                        << "";
        QTest::newRow("CR LF") << "milk\r\nbread"
                               << "milk";
        QTest::newRow("LF alone") << "milk\nbread"
                                  << "milk";
        QTest::newRow("CR alone") << "milk\rbread"
                                  << "milk";
        QTest::newRow("LF before CR") << "a\nb\rc"
                                      << "a";
        QTest::newRow("tab kept") << "\tx"
                                  << "\tx";
        QTest::newRow("empty") << ""
                               << "";
        // 26 letters and a family emoji (one character of 11 code units) at
        // the 27th place: kept whole before the dots.
        const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467");
        QTest::newRow("emoji at the cut")
            << QStringLiteral("abcdefghijklmnopqrstuvwxyz") + family + "12345"
            << QStringLiteral("abcdefghijklmnopqrstuvwxyz") + family + "...";
        QTest::newRow("emoji count as one each") << QString(30, QChar(u'x')).replace(0, 1, family)
                                                 << QString(30, QChar(u'x')).replace(0, 1, family);
        const QString eAcute = QStringLiteral("e\u0301");
        QString accents;
        for (int i = 0; i < 31; ++i)
            accents += eAcute;
        QTest::newRow("combining accents") << accents << accents.left(27 * 2) + "...";
    }

    void derivedTitle()
    {
        QFETCH(QString, text);
        QFETCH(QString, title);
        QCOMPARE(derivedtitle(text), title);
    }

    void trimBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks") << "  a b  "
                                << "a b";
        QTest::newRow("tabs stay") << "\t a \t"
                                   << "\t a \t";
        QTest::newRow("line breaks stay") << " \na\n "
                                          << "\na\n";
        QTest::newRow("only blanks") << "    "
                                     << "";
        QTest::newRow("no-break space stays") << "\u00a0a"
                                              << "\u00a0a";
    }

    void trimBlanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimblanks(text), trimmed);
    }
};

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
