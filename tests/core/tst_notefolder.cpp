// Notes out to a folder of files and back. Guards against: a title or body changed on the way,
// a lone surrogate kept or dropped without a word, an unsafe file name, reading past the room, a
// re-export that keeps a gone note's file or removes one it did not write, writing into a folder
// of the user's, a file not UTF-8 or too large read as a note, plain files out of byte order.
#include "core/notefolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using Outcome = NoteFolder::Outcome;

class tst_NoteFolder : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("fileName");
        const QString mix = QStringLiteral("e\u0301\U0001F600").repeated(250);
        // clang-format off
        QTest::newRow("slash, colon, backslash") << "a/b:c\\d*" << "x" << "002 a_b_c_d_.txt";
        QTest::newRow("NUL and line breaks") << QStringLiteral("one\0two\nthree\rfour") << QStringLiteral("cr\r\ntab\tnul\0end") << "002 one_two_three_four.txt";
        QTest::newRow("leading dots and blanks, empty body") << " . .hidden" << "" << "002 hidden.txt";
        QTest::newRow("nothing left for a name") << "..." << "dots" << "002 note.txt";
        QTest::newRow("1,000 characters, cut at 100 bytes") << mix << mix << "002 " + mix.left(56) + ".txt";
        QTest::newRow("byte order mark in the body") << "mark" << QStringLiteral("\uFEFFtext") << "002 mark.txt";
        QTest::newRow("emoji") << "Family \U0001F468\u200D\U0001F469\u200D\U0001F467" << "\U0001F389\n" << "002 Family \U0001F468\u200D\U0001F469\u200D\U0001F467.txt";
        QTest::newRow("right-to-left, an override") << "\u05E9\u05DC\u05D5\u05DD \u202Eabc" << "\u0645\u0631\u062D\u0628\u0627" << "002 \u05E9\u05DC\u05D5\u05DD _abc.txt";
        QTest::newRow("lone surrogate") << QStringLiteral("a\xDC00" "b") << QStringLiteral("x\xDC00") << "002 a\uFFFDb.txt";
        // clang-format on
    }

    void roundTrip()
    {
        QFETCH(QString, title);
        QFETCH(QString, body);
        QFETCH(QString, fileName);
        const bool lone = title.contains(QChar(0xDC00));
        const auto valid = [](QString text) { return text.replace(QChar(0xDC00), QChar(0xFFFD)); };
        const QList<Note> back = {{"First", "one"}, {valid(title), valid(body)}, {"Last", ""}};
        QTemporaryDir dir;
        const QString path = dir.filePath("made/out");
        const auto exported = NoteFolder(path).exportNotes({back[0], {title, body}, back[2]});
        QCOMPARE(exported.outcome, lone ? Outcome::Reported : Outcome::Done);
        QCOMPARE(exported.reported.value(0).index, lone ? 1 : -1);
        QVERIFY(!(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther)));
        QCOMPARE(exported.fileNames.value(1), fileName);
        QFile file(QDir(path).filePath(fileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), back[1].body.toUtf8());
        QCOMPARE(NoteFolder(path).importNotes(500).notes, back);
    }

    void roomAndReExport()
    {
        QTemporaryDir dir;
        NoteFolder folder(dir.path());
        QList<Note> notes = {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}};
        QCOMPARE(folder.exportNotes(notes).outcome, Outcome::Done);
        const auto imported = folder.importNotes(3);
        QCOMPARE(imported.notes, notes.mid(0, 3));
        QVERIFY(imported.leftOut == 2 && imported.outcome == Outcome::Reported);
        QVERIFY(QFile::copy(dir.filePath(NoteFolder::indexFileName), dir.filePath("mine.txt")));
        notes.removeAt(1);
        const auto again = folder.exportNotes(notes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
                 (again.fileNames + QStringList{"mine.txt", NoteFolder::indexFileName}));
        QCOMPARE(folder.importNotes(500).notes, notes);
    }

    void folderOfTheUsers()
    {
        QTemporaryDir dir;
        // clang-format off
        const QMap<QString, QByteArray> files = {{"a.TXT", "\nfirst"}, {"Z.txt", "Milk\neggs"},
            {"c.txt", "\xe9"}, {"huge.txt", ""}, {"d.md", ""}};
        // clang-format on
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            QFile out(dir.filePath(file.key()));
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(*file) == file->size());
        }
        QVERIFY(QFile::resize(dir.filePath("huge.txt"), NoteFolder::largestFile + 1));
        const auto exported = NoteFolder(dir.path()).exportNotes({{"a", "1"}});
        QVERIFY(exported.outcome == Outcome::Refused && exported.message.contains(dir.path()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), files.size());
        const auto imported = NoteFolder(dir.path()).importNotes(500);
        QCOMPARE(imported.notes, (QList<Note>{{"Milk", "Milk\neggs"}, {"a", "\nfirst"}}));
        QVERIFY(imported.outcome == Outcome::Reported && imported.reported.size() == 2);
        QVERIFY(imported.message.contains("c.txt: ") && imported.message.contains("huge.txt: "));
    }
};

QTEST_GUILESS_MAIN(tst_NoteFolder)
#include "tst_notefolder.moc"
