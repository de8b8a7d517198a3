#include "commands/notesearch.h"

#include <QRandomGenerator>
#include <QTest>

// The search matches bodies exactly as comparing their full Unicode upper
// case would, titles as they stand; checked against that plain rule over
// random notes drawn from characters whose upper case is unusual.
class TestNoteSearch : public QObject
{
    Q_OBJECT

private:
    static QList<int> reference(const NoteCollection &notes, const QString &s)
    {
        QList<int> matches;
        for (int k = 1; k <= notes.notecount; ++k) {
            if (notes.notecontents[k].toUpper().contains(s.toUpper()) ||
                notes.notetitles[k].contains(s))
                matches.append(k);
        }
        return matches;
    }

private slots:
    void matchesTheUpperCaseRule_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::newRow("sharp s matches SS") << "Hauptstraße"
                                            << "STRASSE" << true;
        QTest::newRow("SS matches sharp s") << "HAUPTSTRASSE"
                                            << "straße" << true;
        QTest::newRow("ligature fi") << "\uFB01nal"
                                     << "FINAL" << true;
        QTest::newRow("dotless i") << "\u0131l"
                                   << "IL" << true;
        QTest::newRow("Greek") << "αβγ"
                               << "ΑΒΓ" << true;
        QTest::newRow("Deseret outside the BMP") << "\U00010428"
                                                 << "\U00010400" << true;
        QTest::newRow("emoji") << "I \U0001F600 it"
                               << "\U0001F600 IT" << true;
        QTest::newRow("lone surrogate kept")
            << QString(QChar(0xD800)) + "a" << QString(QChar(0xD800)) + "A" << true;
        QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << QString("A") + QChar(0) + "B"
                             << true;
        // Long bodies are upper-cased a piece at a time: a text across the
        // seams of the pieces must still be found.
        for (int at : {2040, 2044, 2046, 2047, 2048, 4093}) {
            const QString pad = QString(at, QChar(u'x'));
            QTest::newRow(qPrintable(QStringLiteral("across a seam at %1").arg(at)))
                << pad + QStringLiteral("straße and more") + QString(3000, QChar(u'y'))
                << "STRASSE AND" << true;
            QTest::newRow(qPrintable(QStringLiteral("emoji on a seam at %1").arg(at)))
                << QString(at - 1, QChar(u'ß')) + QStringLiteral("\U0001F600end") << "\U0001F600END"
                << true;
        }
        QTest::newRow("no match") << "apple"
                                  << "pear" << false;
        QTest::newRow("longer than the body") << "ab"
                                              << "abc" << false;
    }

    void matchesTheUpperCaseRule()
    {
        QFETCH(QString, body);
        QFETCH(QString, text);
        QFETCH(bool, found);
        NoteCollection notes;
        notes.insertnotenow(QStringLiteral("title"), body);
        QCOMPARE(findnotes(notes, text), found ? QList<int>{1} : QList<int>{});
        QCOMPARE(findnotes(notes, text), reference(notes, text));
    }

    void titlesMatchInTheSameCaseOnly()
    {
        NoteCollection notes;
        notes.insertnotenow(QStringLiteral("Groceries"), QStringLiteral("milk"));
        QCOMPARE(findnotes(notes, QStringLiteral("Groc")), QList<int>{1});
        QVERIFY(findnotes(notes, QStringLiteral("groc")).isEmpty());
        QVERIFY(findnotes(notes, QString()).isEmpty());
    }

    // Lone surrogates are left out here: QString::toUpper turns some of them
    // into U+FFFD depending on what stands before them, and the search
    // compares them as they are.
    void randomNotesAgreeWithTheRule()
    {
        const quint32 seed = 20261206;
        QRandomGenerator random(seed);
        const QList<QString> alphabet = {
            "a",          "A",          "s",          "S", "ß",  "ẞ", "i", "I", "ı", "İ", "\uFB00",
            "\uFB01",     "f",          "F",          "σ", "ς",  "Σ", "ŉ", "N", "ǰ", "J", "\u0301",
            "\U00010428", "\U00010400", "\U0001F600", " ", "\n", "é", "É", "ÿ", "Ÿ", "k", "\u212A"};
        auto randomText = [&](int maxLength) {
            QString text;
            const int length = random.bounded(maxLength + 1);
            for (int i = 0; i < length; ++i)
                text += alphabet[random.bounded(int(alphabet.size()))];
            return text;
        };
        for (int round = 0; round < 300; ++round) {
            NoteCollection notes;
            for (int k = 0; k < 20; ++k)
                notes.insertnotenow(randomText(6) + "x", randomText(60));
            const QString needle = randomText(3) + alphabet[random.bounded(int(alphabet.size()))];
            QVERIFY2(findnotes(notes, needle) == reference(notes, needle),
                     qPrintable(QStringLiteral("seed %1, round %2").arg(seed).arg(round)));
        }
    }
};

QTEST_GUILESS_MAIN(TestNoteSearch)
#include "tst_notesearch.moc"
