// Power cuts while the session writes a run of commands, made by a SQLite file
// system that keeps, beside the real files, what a cut could leave of them.
// Guards against: a journal or sync setting that lets a cut tear the store,
// or undo a change whose write had returned (with FULL instead of EXTRA, a
// cut after a commit brings the deleted journal back, and the commit is
// rolled back).
#include "core/session.h"
#include "storefile.h"

#include <QDir>
#include <QTest>

#include <sqlite3.h>

#include <atomic>
#include <map>
#include <mutex>
#include <random>
#include <vector>

namespace
{

// One file a name pointed to: missing once the name was deleted; else what
// its last sync left, and what it held when it lost its name (the current
// one's is on the disk).
struct Life {
    bool exists = true;
    QByteArray synced;
    QByteArray written;
};

// An open file's name, and whether its first sync syncs its folder too, as
// the unix file system does for a journal or log it made.
struct OpenFile {
    QString path;
    bool syncsFolder;
};

// A file system that keeps, beside the real files, what a power cut could
// leave of them. Every write reaches the disk at once, but counts as durable
// only once its file is synced; a new or deleted name only once its folder is.
struct Model {
    sqlite3_vfs *base = nullptr;
    sqlite3_vfs vfs;
    // Ours over each of the unix file system's tables of calls (a journal is
    // not locked as the store is): the same, but for the sync.
    std::map<const sqlite3_io_methods *, sqlite3_io_methods> methods;
    // Called at the start of every sync and every delete, before it takes
    // effect, on the thread doing it. What it opens goes through "unix" by
    // name, or a recovery's own syncs would call it again.
    std::function<void()> syncHook = [] {};
    std::mutex mutex;
    // Per name, from the one its folder holds durably to the current one.
    std::map<QString, std::vector<Life>> files;
    std::map<sqlite3_file *, OpenFile> open; // replaced when SQLite opens one there again
} model;

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A synced folder holds durably what each of its names points to now.
void settleFolder(const QString &path)
{
    for (auto &[name, lives] : model.files)
        if (QFileInfo(name).path() == QFileInfo(path).path())
            lives.erase(lives.begin(), lives.end() - 1);
}

// The disk keeps nothing the cuts need, so syncs stop here.
int syncFile(sqlite3_file *f, int)
{
    model.syncHook();
    std::lock_guard lock(model.mutex);
    OpenFile &file = model.open[f];
    model.files[file.path].back().synced = contentOf(file.path);
    if (std::exchange(file.syncsFolder, false))
        settleFolder(file.path);
    return SQLITE_OK;
}

int openFile(sqlite3_vfs *, const char *name, sqlite3_file *file, int flags, int *out)
{
    // SQLite's nameless temporary files share the empty name.
    const QString path = QFile::decodeName(name);
    const bool existed = name && QFile::exists(path);
    const int rc = model.base->xOpen(model.base, name, file, flags, out);
    if (rc != SQLITE_OK)
        return rc;
    std::lock_guard lock(model.mutex);
    sqlite3_io_methods &ours =
        model.methods.try_emplace(file->pMethods, *file->pMethods).first->second;
    ours.xSync = syncFile;
    file->pMethods = &ours;
    const int journal = SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_SUPER_JOURNAL | SQLITE_OPEN_WAL;
    model.open[file] = {path, (flags & SQLITE_OPEN_CREATE) && (flags & journal)};
    std::vector<Life> &lives = model.files[path];
    if (lives.empty())
        lives.push_back({existed, contentOf(path), {}});
    if (!lives.back().exists)
        lives.push_back({});
    return rc;
}

int deleteFile(sqlite3_vfs *, const char *name, int syncFolder)
{
    const QString path = QFile::decodeName(name);
    model.syncHook();
    std::lock_guard lock(model.mutex);
    const QByteArray written = contentOf(path);
    const int rc = model.base->xDelete(model.base, name, 0); // the disk need not keep it
    if (rc == SQLITE_OK && model.files.count(path)) {
        model.files[path].back().written = written;
        model.files[path].push_back({false, {}, {}});
    }
    if (syncFolder)
        settleFolder(path);
    return rc;
}

// Writes into target, under the same names, one outcome of a power cut now
// for the files written in folder (as SQLite names it): for each name one of
// the files it could still point to, with any of the sectors written since
// its last sync.
void writeCut(const QString &folder, const QString &target, unsigned seed)
{
    std::mt19937 random(seed);
    std::lock_guard lock(model.mutex);
    for (const auto &[path, lives] : model.files) {
        const QFileInfo info(path);
        if (info.path() != folder)
            continue;
        const std::size_t pick = random() % lives.size();
        QFile out(target + u'/' + info.fileName());
        if (!lives[pick].exists) {
            out.remove();
            continue;
        }
        // Any of the 512-byte sectors written since the last sync may have
        // landed, and the file has its old length or its new one.
        const QByteArray written = pick + 1 < lives.size() ? lives[pick].written : contentOf(path);
        QByteArray image = lives[pick].synced;
        image.resize(random() % 2 ? written.size() : image.size(), '\0');
        for (qsizetype at = 0; at < std::min(image.size(), written.size()); at += 512) {
            const QByteArray sector = written.mid(at, std::min<qsizetype>(512, image.size() - at));
            if (random() % 2)
                image.replace(at, sector.size(), sector);
        }
        out.open(QIODevice::WriteOnly | QIODevice::Truncate);
        out.write(image);
    }
}

} // namespace

class tst_PowerCut : public QObject
{
    Q_OBJECT

private slots:
    // SQLite's default file system, so that the program's own code writes
    // through it unchanged.
    void initTestCase()
    {
        model.base = sqlite3_vfs_find(nullptr);
        model.vfs = *model.base;
        model.vfs.zName = "powercut";
        model.vfs.xOpen = openFile;
        model.vfs.xDelete = deleteFile;
        QCOMPARE(sqlite3_vfs_register(&model.vfs, 1), SQLITE_OK);
    }
    void cleanupTestCase() { sqlite3_vfs_register(model.base, 1); }

    // Several cuts at every sync and delete: each leaves the store whole,
    // holding the last state whose write had returned or the one under way.
    void cutsLeaveAWrittenState()
    {
        StoreFile file, cut;
        QVERIFY(QDir().mkpath(cut.folder()));
        Session session(file.path());
        session.opening();
        session.waitForWrites();
        // Add three notes of a few KB (their pages spill), update one, rename
        // one, delete the first (which moves the others), a font size, flush,
        // add again.
        const Note a{"a", QString(1500, u'a')}, b{"b", QString(2800, u'b')};
        const Note c{"c", QString(4100, u'c')}, u{"b", QString(5000, u'u')}, r{"r", c.body};
        // clang-format off
        const QList<Session::State> states = {{{a, b, c}}, {{a, u, c}}, {{a, u, r}}, {{u, r}},
                                              {{u, r}, 8, 12}, {{}, 8, 12}, {{{"again", "b"}}, 8, 12}};
        // clang-format on
        QList<QStringList> expected{file.rows()};
        for (const Session::State &state : states)
            expected << StoreFile::rowsOf({state.notes, 8, state.noteTextPoints, true});
        expected << StoreFile::rowsOf({states.last().notes, 8, 12, false});

        std::atomic<int> returned = 0;
        int images = 0, torn = 0, lost = 0;
        model.syncHook = [&] {
            for (int n = 0; n < 8; ++n, ++images) {
                writeCut(file.folder(), cut.folder(), unsigned(images));
                const bool whole = cut.query("PRAGMA integrity_check") == QStringList{"ok"};
                const QStringList rows = cut.rows();
                torn += !whole;
                lost += whole && rows != expected[returned] && rows != expected[returned + 1];
            }
        };
        for (const Session::State &state : states) {
            session.write(state);
            session.waitForWrites();
            QCOMPARE(file.rows(), expected[++returned]);
        }
        QVERIFY(session.finish());
        model.syncHook = [] {};
        qInfo("%d cut images: %d torn, %d lost a returned write", images, torn, lost);
        QVERIFY(images >= 8 * states.size()); // every write syncs
        QCOMPARE(torn + lost, 0);
    }
};

QTEST_GUILESS_MAIN(tst_PowerCut)
#include "tst_powercut.moc"
