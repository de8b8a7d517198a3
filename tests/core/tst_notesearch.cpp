// The search rule against its plain statement (both texts upper-cased
// whole): guards the upper-case table and the piece-by-piece pass against
// a character mapped wrong, a text split across two pieces, and a title
// compared in any case.
#include "core/notesearch.h"

#include <QRandomGenerator>
#include <QTest>

namespace
{

QList<int> plainRule(const QList<Note> &notes, const QString &text)
{
    QList<int> matches;
    for (int i = 0; i < notes.size(); ++i) {
        if (notes[i].body.toUpper().contains(text.toUpper()) || notes[i].title.contains(text))
            matches.append(i);
    }
    return matches;
}

} // namespace

class tst_NoteSearch : public QObject
{
    Q_OBJECT

private slots:
    void unusualUpperCases_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("text");
        QTest::newRow("sharp s") << "Hauptstraße"
                                 << "STRASSE";
        QTest::newRow("ligature fi") << "\uFB01nal"
                                     << "FINAL";
        QTest::newRow("dotless i") << "\u0131l"
                                   << "IL";
        QTest::newRow("outside the BMP") << "\U00010428"
                                         << "\U00010400";
        QTest::newRow("NUL") << QString("a") + QChar(0) + "b" << QString("A") + QChar(0) + "B";
        // Bodies are upper-cased 2048 characters at a time.
        for (int at : {2044, 2047, 2048, 4093}) {
            QTest::addRow("across a seam at %d", at)
                << QString(at, u'x') + "straße and more" + QString(3000, u'y') << "STRASSE AND";
            QTest::addRow("emoji on a seam at %d", at) << QString(at - 1, u'ß') + "\U0001F600end"
                                                       << "\U0001F600END";
        }
    }

    void unusualUpperCases()
    {
        QFETCH(QString, body);
        QFETCH(QString, text);
        const QList<Note> notes{{"title", body}};
        QCOMPARE(findNotes(notes, text), QList<int>{0});
        QCOMPARE(findNotes(notes, text + "!"), QList<int>());
    }

    void randomNotesAgreeWithThePlainRule()
    {
        const quint32 seed = 20261206;
        QRandomGenerator random(seed);
        const QStringList alphabet = {
            "a",          "A",          "s", "S",  "ß", "ẞ", "i", "I",     "ı",      "İ",
            "\uFB00",     "f",          "σ", "ς",  "Σ", "ŉ", "N", "ǰ",     "\u0301", "\U00010428",
            "\U00010400", "\U0001F600", " ", "\n", "é", "É", "k", "\u212A"};
        auto randomText = [&](int longest) {
            QString text;
            for (int i = random.bounded(longest + 1); i > 0; --i)
                text += alphabet[random.bounded(int(alphabet.size()))];
            return text;
        };
        for (int round = 0; round < 300; ++round) {
            QList<Note> notes;
            for (int k = 0; k < 20; ++k)
                notes.append({randomText(6), randomText(60)});
            const QString text = randomText(3) + alphabet[random.bounded(int(alphabet.size()))];
            QVERIFY2(findNotes(notes, text) == plainRule(notes, text),
                     qPrintable(QStringLiteral("seed %1, round %2").arg(seed).arg(round)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_NoteSearch)
#include "tst_notesearch.moc"
