// Power cuts while the session writes a run of commands, made by a file
// system that keeps what a cut could leave of each file. Guards against: a
// journal or sync setting that lets a cut tear the store, or undo a change
// whose write had returned (with FULL instead of EXTRA, a cut after a commit
// brings the deleted journal back, and the commit is rolled back).
#include "core/session.h"
#include "powercutvfs.h"
#include "storefile.h"

#include <QDir>
#include <QTest>

#include <atomic>

class tst_PowerCut : public QObject
{
    Q_OBJECT

private slots:
    // Several cuts at every sync and delete: each leaves the store whole,
    // holding the last state whose write had returned or the one under way.
    void cutsLeaveAWrittenState()
    {
        PowerCutVfs vfs;
        StoreFile file, cut;
        QVERIFY(QDir().mkpath(cut.folder()));
        Session session(file.path());
        session.opening();
        session.waitForWrites();
        // Add three notes of a few KB (their pages spill), update one, rename
        // one, delete the first (which moves the others), a font size, flush,
        // add again.
        QList<Session::State> states(1);
        for (int k = 0; k < 3; ++k)
            states[0].notes.append({QString::number(k), QString(1500 + 1300 * k, QChar('a' + k))});
        states << states.last();
        states.last().notes[1].body = QString(5000, u'u');
        states << states.last();
        states.last().notes[2].title = "renamed";
        states << states.last();
        states.last().notes.removeFirst();
        states << states.last();
        states.last().noteTextPoints = 12;
        states << Session::State{{}, 8, 12};
        states << Session::State{{{"again", "b"}}, 8, 12};
        QList<QStringList> expected{file.rows()};
        for (const Session::State &state : states)
            expected << StoreFile::rowsOf({state.notes, 8, state.noteTextPoints, true});
        expected << StoreFile::rowsOf({states.last().notes, 8, 12, false});

        std::atomic<int> returned = 0;
        int images = 0, torn = 0, lost = 0;
        vfs.setSyncHook([&] {
            for (int n = 0; n < 8; ++n, ++images) {
                vfs.writeCut(file.folder(), cut.folder(), unsigned(images));
                const bool whole = cut.query("PRAGMA integrity_check") == QStringList{"ok"};
                const QStringList rows = cut.rows();
                torn += !whole;
                lost += whole && rows != expected[returned] && rows != expected[returned + 1];
            }
        });
        for (const Session::State &state : states) {
            session.write(state);
            session.waitForWrites();
            QCOMPARE(file.rows(), expected[++returned]);
        }
        QVERIFY(session.finish());
        vfs.setSyncHook([] {});
        qInfo("%d cut images: %d torn, %d lost a returned write", images, torn, lost);
        QVERIFY(images >= 8 * states.size()); // every write syncs
        QCOMPARE(torn + lost, 0);
    }
};

QTEST_GUILESS_MAIN(tst_PowerCut)
#include "tst_powercut.moc"
