#include "notes/notecollection.h"

#include <QTest>

// The collection and its listing, driven directly: indices, compaction on
// delete, and the listing arithmetic under a narrowed listing.
class TestNoteCollection : public QObject
{
    Q_OBJECT

private:
    static NoteCollection withNotes(int n)
    {
        NoteCollection c;
        for (int k = 1; k <= n; ++k)
            c.insertnotenow(QStringLiteral("t%1").arg(k), QStringLiteral("b%1").arg(k));
        c.listall();
        return c;
    }

    static QList<int> listing(const NoteCollection &c) { return c.listmap.mid(1, c.listtotal); }

private slots:
    void insertAppendsToNotesAndListing()
    {
        NoteCollection c = withNotes(10);
        c.listnotes({2, 5, 9});
        QVERIFY(c.insertnotenow(QStringLiteral("new"), QStringLiteral("body")));
        QCOMPARE(c.notecount, 11);
        QCOMPARE(listing(c), (QList<int>{2, 5, 9, 11}));
        QCOMPARE(c.notetitles[11], QStringLiteral("new"));
        QCOMPARE(c.notecontents[11], QStringLiteral("body"));
    }

    void emptyTitleAddsNothing()
    {
        NoteCollection c = withNotes(2);
        QVERIFY(!c.insertnotenow(QString(), QStringLiteral("body")));
        QCOMPARE(c.notecount, 2);
        QCOMPARE(c.listtotal, 2);
    }

    void deletePicked_data()
    {
        QTest::addColumn<int>("notes");
        QTest::addColumn<QList<int>>("listed");
        QTest::addColumn<int>("curpos");
        QTest::addColumn<QStringList>("titlesAfter");
        QTest::addColumn<QList<int>>("listingAfter");

        QTest::newRow("third of five, all listed")
            << 5 << QList<int>{1, 2, 3, 4, 5} << 3 << QStringList{"t1", "t2", "t4", "t5"}
            << QList<int>{1, 2, 3, 4};
        QTest::newRow("last listed")
            << 5 << QList<int>{1, 2, 3, 4, 5} << 5 << QStringList{"t1", "t2", "t3", "t4"}
            << QList<int>{1, 2, 3, 4};
        QTest::newRow("only note") << 1 << QList<int>{1} << 1 << QStringList{} << QList<int>{};
        QTest::newRow("second of 2, 5, 9 of ten")
            << 10 << QList<int>{2, 5, 9} << 2
            << QStringList{"t1", "t2", "t3", "t4", "t6", "t7", "t8", "t9", "t10"}
            << QList<int>{2, 8};
        QTest::newRow("first of 2, 5, 9 of ten")
            << 10 << QList<int>{2, 5, 9} << 1
            << QStringList{"t1", "t3", "t4", "t5", "t6", "t7", "t8", "t9", "t10"}
            << QList<int>{4, 8};
    }

    void deletePicked()
    {
        QFETCH(int, notes);
        QFETCH(QList<int>, listed);
        QFETCH(int, curpos);
        QFETCH(QStringList, titlesAfter);
        QFETCH(QList<int>, listingAfter);

        NoteCollection c = withNotes(notes);
        c.listnotes(listed);
        c.curpos = curpos;
        QCOMPARE(c.deletepicked(), curpos - 1);
        QCOMPARE(c.titles(), titlesAfter);
        QCOMPARE(listing(c), listingAfter);
        QCOMPARE(c.curpos, 0);
        // Bodies move with their titles.
        for (int k = 1; k <= c.notecount; ++k)
            QCOMPARE(c.notecontents[k].mid(1), c.notetitles[k].mid(1));
    }

    void deleteWithoutPickDoesNothing()
    {
        NoteCollection c = withNotes(3);
        QCOMPARE(c.deletepicked(), -1);
        QCOMPARE(c.notecount, 3);
        c.curpos = 2;
        c.deletepicked();
        QCOMPARE(c.deletepicked(), -1); // a delete right after a delete
        QCOMPARE(c.notecount, 2);
    }

    void refillForgetsThePick()
    {
        NoteCollection c = withNotes(10);
        c.curpos = 7;
        c.listnotes({2, 5});
        QCOMPARE(c.curpos, 0);
        QCOMPARE(c.pickednote(), 0);
        QCOMPARE(c.deletepicked(), -1);
        QCOMPARE(c.notecount, 10);
        c.curpos = 2;
        c.listall();
        QCOMPARE(c.pickednote(), 0);
    }

    void pickedNoteGoesThroughTheListing()
    {
        NoteCollection c = withNotes(10);
        c.listnotes({2, 5, 9});
        c.curpos = 2;
        QCOMPARE(c.pickednote(), 5);
        QVERIFY(c.notecontents[c.pickednote()] == QStringLiteral("b5"));
        // Nothing picked reads as the empty note in slot 0.
        c.curpos = 0;
        QVERIFY(c.notecontents[c.pickednote()].isEmpty());
    }

    void flushForgetsEverything()
    {
        NoteCollection c = withNotes(4);
        c.curpos = 1;
        c.flush();
        QCOMPARE(c.notecount, 0);
        QCOMPARE(c.listtotal, 0);
        QCOMPARE(c.curpos, 0);
        QVERIFY(c.titles().isEmpty());
    }

    void holdsFiveHundred()
    {
        NoteCollection c = withNotes(499);
        QVERIFY(!c.isFull());
        QVERIFY(c.insertnotenow(QStringLiteral("500th"), QString()));
        QVERIFY(c.isFull());
        // No slot beyond the last: a further append is refused, not written.
        QVERIFY(!c.insertnotenow(QStringLiteral("501st"), QString()));
        QCOMPARE(c.notecount, 500);
    }

    void assignKeepsOrderAndLimit()
    {
        NoteCollection c;
        QStringList titles, bodies;
        for (int k = 1; k <= 600; ++k) {
            titles << QString::number(k);
            bodies << QString::number(-k);
        }
        c.assign(titles, bodies);
        QCOMPARE(c.notecount, 500);
        QCOMPARE(c.notetitles[500], QStringLiteral("500"));
        QCOMPARE(c.contents().first(), QStringLiteral("-1"));
    }
};

QTEST_GUILESS_MAIN(TestNoteCollection)
#include "tst_notecollection.moc"
