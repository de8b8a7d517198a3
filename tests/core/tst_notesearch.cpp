// The search rule against its plain statement (both texts upper-cased
// whole). Guards the upper-case table and the piece-by-piece pass against a
// character mapped wrong, a text split across two pieces, and a title
// compared in any case.
#include "core/notesearch.h"

#include <QRandomGenerator>
#include <QTest>

class tst_NoteSearch : public QObject
{
    Q_OBJECT

private slots:
    // Bodies are upper-cased 2048 characters at a time.
    void acrossThePieces_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("text");
        for (int at : {2044, 2047, 2048, 4093}) {
            QTest::addRow("sharp s across a seam at %d", at)
                << QString(at, u'x') + "straße and" + QString(3000, u'y') << "STRASSE AND";
            QTest::addRow("a letter beyond the BMP on a seam at %d", at)
                << QString(at - 1, u'x') + "\U00010428end"
                << "\U00010400END";
        }
    }

    void acrossThePieces()
    {
        QFETCH(QString, body);
        QFETCH(QString, text);
        QCOMPARE(findNotes({{"title", body}}, text), QList<int>{0});
        QCOMPARE(findNotes({{"title", body}}, text + "!"), QList<int>());
    }

    void randomNotesAgreeWithThePlainRule()
    {
        const quint32 seed = 20261206;
        QRandomGenerator random(seed);
        const QStringList alphabet =
            QStringLiteral("a A s S ß ẞ i I ı İ \uFB00 f σ ς Σ ŉ N ǰ \u0301 "
                           "\U00010428 \U00010400 \U0001F600 é É k \u212A")
                .split(' ') +
            QStringList{" ", "\n", QString(QChar(0))};
        auto randomText = [&](int longest) {
            QString text;
            for (int i = random.bounded(longest + 1); i > 0; --i)
                text += alphabet[random.bounded(int(alphabet.size()))];
            return text;
        };
        for (int round = 0; round < 300; ++round) {
            QList<Note> notes;
            QList<int> expected;
            const QString text = randomText(3) + alphabet[random.bounded(int(alphabet.size()))];
            for (int k = 0; k < 20; ++k) {
                notes.append({randomText(6), randomText(60)});
                if (notes[k].body.toUpper().contains(text.toUpper()) ||
                    notes[k].title.contains(text))
                    expected.append(k);
            }
            QVERIFY2(findNotes(notes, text) == expected,
                     qPrintable(QStringLiteral("seed %1, round %2").arg(seed).arg(round)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_NoteSearch)
#include "tst_notesearch.moc"
