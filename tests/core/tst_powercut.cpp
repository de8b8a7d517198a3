// Power cuts while the session writes a run of commands, made by a file
// system that keeps what a cut could leave of each file. Guards against: a
// journal or sync setting that lets a cut tear the store, or undo a change
// whose write had returned (with FULL instead of EXTRA, a cut after a commit
// brings the deleted journal back, and the commit is rolled back).
#include "core/session.h"
#include "powercutvfs.h"
#include "storefile.h"

#include <QTest>

#include <atomic>
#include <optional>

namespace
{

// The rows of the store at path, opened as after a restart with the plain
// file system (a hot journal rolled back); nothing when missing or damaged.
std::optional<QStringList> rowsAfterRestart(const QString &path)
{
    sqlite3 *db = nullptr;
    QStringList rows;
    const auto append = [](void *rows, int, char **values, char **) {
        static_cast<QStringList *>(rows)->append(QString::fromUtf8(values[0]));
        return 0;
    };
    const bool whole =
        sqlite3_open_v2(QFile::encodeName(path), &db, SQLITE_OPEN_READWRITE, "unix") == SQLITE_OK &&
        sqlite3_exec(db, "PRAGMA integrity_check", append, &rows, nullptr) == SQLITE_OK &&
        rows.takeFirst() == "ok" &&
        sqlite3_exec(db,
                     "SELECT app || '|' || section || '|' || key || '|' || value FROM settings "
                     "ORDER BY app, section, key",
                     append, &rows, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return whole ? std::optional(rows) : std::nullopt;
}

// Add three notes of a few KB (their pages spill), update one, rename one,
// delete the first (which moves the others), a font size, flush, add again.
QList<Session::State> commands()
{
    QList<Session::State> states;
    Session::State state;
    for (int k = 0; k < 3; ++k)
        state.notes.append({QString("t%1").arg(k), QString(1500 + 1300 * k, QChar('a' + k))});
    states << state;
    state.notes[1].body = QString(5000, u'u');
    states << state;
    state.notes[2].title = "renamed";
    states << state;
    state.notes.removeFirst();
    states << state;
    state.noteTextPoints = 12;
    states << state;
    state.notes.clear();
    states << state;
    state.notes.append(Note{"again", "b"});
    return states << state;
}

} // namespace

class tst_PowerCut : public QObject
{
    Q_OBJECT

private slots:
    // Several cuts at every sync and delete: each leaves the store whole,
    // holding the last state whose write had returned or the one under way.
    void cutsLeaveAWrittenState()
    {
        PowerCutVfs vfs;
        StoreFile file;
        QTemporaryDir cut;
        Session session(file.path());
        session.opening();
        session.waitForWrites();
        const QList<Session::State> states = commands();
        QList<QStringList> expected{*rowsAfterRestart(file.path())};
        for (const Session::State &state : states)
            expected << StoreFile::rowsOf({state.notes, 8, state.noteTextPoints, true});
        expected << StoreFile::rowsOf({states.last().notes, 8, 12, false});

        std::atomic<int> returned = 0;
        int images = 0, torn = 0, lost = 0;
        vfs.setSyncHook([&] {
            for (int n = 0; n < 8; ++n, ++images) {
                vfs.writeCut(file.folder(), cut.path(), unsigned(images));
                const auto rows = rowsAfterRestart(cut.filePath("settings.db"));
                torn += !rows;
                lost += rows && rows != expected[returned] && rows != expected[returned + 1];
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
