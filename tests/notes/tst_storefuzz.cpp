// Randomised robustness of the loader: damaged database files and odd values
// in a sound table. Opening and loading must never crash, hang or give a
// result outside the rules (count 0..maxnotes, sizes 1..100, defaults).
// The seed is printed; QUILLBOX_SEED replays a run, QUILLBOX_FUZZ_SECONDS
// changes the time budget.
#include "notes/settingslayout.h"
#include "notes/settingsstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <cmath>

namespace
{

const QString app = QStringLiteral("qbxlm120");
constexpr int maxnotes = 500;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Tmpfs when there is one: thousands of fsyncs on a disk would take minutes.
QString scratchBase()
{
    const QString shm = QStringLiteral("/dev/shm");
    return QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
}

bool sane(const StoredSettings &s)
{
    auto sizeOk = [](float f) { return std::isfinite(f) && f >= 1 && f <= 100; };
    return s.titles.size() == s.contents.size() && s.titles.size() <= maxnotes &&
           sizeOk(s.mainlistsize) && sizeOk(s.maintextboxsize);
}

} // namespace

class tst_StoreFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void damagedFiles();
    void oddValues();

private:
    quint32 seed = 20261207;
    int budgetMs = 25000;
};

void tst_StoreFuzz::initTestCase()
{
    if (qEnvironmentVariableIsSet("QUILLBOX_SEED"))
        seed = qEnvironmentVariable("QUILLBOX_SEED").toUInt();
    if (qEnvironmentVariableIsSet("QUILLBOX_FUZZ_SECONDS"))
        budgetMs = qEnvironmentVariable("QUILLBOX_FUZZ_SECONDS").toInt() * 1000;
    qInfo("store fuzz seed %u (replay with QUILLBOX_SEED=%u), budget %d ms per test", seed, seed,
          budgetMs);
}

void tst_StoreFuzz::damagedFiles()
{
    QRandomGenerator rng(seed);
    QTemporaryDir dir(scratchBase() + QStringLiteral("/qbxfuzz-XXXXXX"));
    QVERIFY(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/settings.db");

    // A valid store with short notes, long ones (overflow pages) and a few hundred keys.
    {
        SettingsStore store(path);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        StoredSettings s;
        for (int k = 1; k <= 120; ++k) {
            s.titles << QStringLiteral("title %1").arg(k);
            s.contents << QStringLiteral("body %1 ").arg(k).repeated(k % 7 == 0 ? 4000 : 3);
        }
        s.mainlistsize = 9.75f;
        QVERIFY(savesettings(store, app, s));
        loadsettings(store, app, maxnotes); // leaves "temp" as a run would
    }
    const QByteArray pristine = readAll(path);
    QVERIFY(pristine.size() > 65536);
    const int pageSize = (uchar(pristine[16]) << 8 | uchar(pristine[17])) == 1
                             ? 65536
                             : (uchar(pristine[16]) << 8 | uchar(pristine[17]));
    const int pages = int(pristine.size() / pageSize);

    QElapsedTimer total;
    total.start();
    int runs = 0;
    QHash<int, int> results;
    qint64 slowest = 0;
    while (runs < 5000 && total.elapsed() < budgetMs) {
        QByteArray bytes = pristine;
        const int kind = int(rng.bounded(7));
        switch (kind) {
        case 0: // flip a few bytes anywhere
            for (int i = 0, n = int(rng.bounded(1, 20)); i < n; ++i)
                bytes[int(rng.bounded(int(bytes.size())))] ^= char(rng.bounded(1, 256));
            break;
        case 1: // flip bytes in the header and the first page, where structure lives
            for (int i = 0, n = int(rng.bounded(1, 6)); i < n; ++i)
                bytes[int(rng.bounded(std::min<int>(bytes.size(), pageSize)))] ^=
                    char(rng.bounded(1, 256));
            break;
        case 2: // truncate anywhere
            bytes.truncate(int(rng.bounded(int(bytes.size()))));
            break;
        case 3: { // a page of random bytes
            const int page = int(rng.bounded(pages));
            for (int i = 0; i < pageSize; ++i)
                bytes[page * pageSize + i] = char(rng.bounded(256));
            break;
        }
        case 4: { // one page copied over another
            const int from = int(rng.bounded(pages)), to = int(rng.bounded(pages));
            bytes.replace(to * pageSize, pageSize, pristine.mid(from * pageSize, pageSize));
            break;
        }
        case 5: { // a page zeroed
            const int page = int(rng.bounded(pages));
            bytes.replace(page * pageSize, pageSize, QByteArray(pageSize, '\0'));
            break;
        }
        default: // random garbage of random length, sometimes with a valid header
            bytes = QByteArray(int(rng.bounded(1, 3 * pageSize)), '\0');
            for (char &c : bytes)
                c = char(rng.bounded(256));
            if (rng.bounded(2))
                bytes.replace(0, 100, pristine.left(100));
            break;
        }
        // Start every run from a clean folder.
        for (const QString &f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.path() + u'/' + f);
        QVERIFY(writeAll(path, bytes));

        QElapsedTimer one;
        one.start();
        SettingsStore store(path);
        const SettingsStore::OpenResult result = store.open();
        results[int(result)]++;
        if (result == SettingsStore::OpenResult::Quarantined) {
            QVERIFY2(readAll(store.quarantinedPath()) == bytes,
                     "the damaged file is kept as it was");
        }
        if (result != SettingsStore::OpenResult::Failed) {
            QVERIFY(store.isOpen());
            const StoredSettings loaded = loadsettings(store, app, maxnotes);
            if (!sane(loaded))
                QFAIL(qPrintable(QStringLiteral("seed %1 run %2 kind %3: result out of rules")
                                     .arg(seed)
                                     .arg(runs)
                                     .arg(kind)));
            if (rng.bounded(4) == 0) // sometimes save over it as well
                savesettings(store, app, loaded);
        } else {
            QVERIFY(!store.error().isEmpty());
        }
        slowest = std::max(slowest, one.elapsed());
        QVERIFY2(one.elapsed() < 10000,
                 qPrintable(QStringLiteral("seed %1 run %2 kind %3 took %4 ms")
                                .arg(seed)
                                .arg(runs)
                                .arg(kind)
                                .arg(one.elapsed())));
        ++runs;
    }
    qInfo(
        "damagedFiles: %d runs in %lld ms (slowest %lld ms): opened %d, quarantined %d, failed %d",
        runs, total.elapsed(), slowest, results.value(0), results.value(1), results.value(2));
    QVERIFY(runs >= 200);
}

void tst_StoreFuzz::oddValues()
{
    QRandomGenerator rng(seed ^ 0x5eed);
    QTemporaryDir dir(scratchBase() + QStringLiteral("/qbxfuzz-XXXXXX"));
    QVERIFY(dir.isValid());
    const QString path = dir.path() + QStringLiteral("/settings.db");
    {
        SettingsStore store(path);
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    }
    const QList<QString> counts = {
        "0",
        "1",
        "3",
        "500",
        "501",
        "-1",
        "-32768",
        "32767",
        "65536",
        "4294967297",
        "999999999999999999999999",
        "abc",
        "",
        " 5",
        "5 ",
        "1e3",
        "0x1f",
        "12.0",
        "+7",
        "--3",
        "٣",
        QString(QChar(0)),
        QStringLiteral("2") + QChar(0xD800),
    };
    const QList<QString> sizes = {
        "8",        "8.25",
        "9,75",     "0",
        "-8",       "101",
        "100.0001", "1e2",
        "1e-300",   "1e400",
        "nan",      "NaN",
        "inf",      "-inf",
        "",         " ",
        "12pt",     "1,000",
        "1.000",    "٣",
        "0x10",     QString(QChar(0xDC00)),
    };

    sqlite3 *raw = nullptr;
    QCOMPARE(
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr),
        SQLITE_OK);
    sqlite3_stmt *put = nullptr;
    QCOMPARE(sqlite3_prepare_v2(raw,
                                "INSERT OR REPLACE INTO settings VALUES ('qbxlm120', ?1, ?2, ?3)",
                                -1, &put, nullptr),
             SQLITE_OK);
    // Values of every SQLite type, stored straight through the C API.
    auto store = [&](const QString &section, const QString &key) {
        sqlite3_bind_text16(put, 1, section.utf16(), int(section.size() * 2), SQLITE_TRANSIENT);
        sqlite3_bind_text16(put, 2, key.utf16(), int(key.size() * 2), SQLITE_TRANSIENT);
        switch (rng.bounded(6)) {
        case 0:
            sqlite3_bind_int64(put, 3, qint64(rng.generate64()));
            break;
        case 1:
            sqlite3_bind_double(put, 3, rng.generateDouble() * 1e6 - 5e5);
            break;
        case 2: {
            QByteArray blob(int(rng.bounded(0, 40)), '\0'); // odd lengths too
            for (char &c : blob)
                c = char(rng.bounded(256));
            sqlite3_bind_blob(put, 3, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
            break;
        }
        case 3: {
            const QString v = counts[rng.bounded(int(counts.size()))];
            sqlite3_bind_text16(put, 3, v.utf16(), int(v.size() * 2), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const QString v = sizes[rng.bounded(int(sizes.size()))];
            sqlite3_bind_text16(put, 3, v.utf16(), int(v.size() * 2), SQLITE_TRANSIENT);
            break;
        }
        }
        sqlite3_step(put);
        sqlite3_reset(put);
    };

    QElapsedTimer total;
    total.start();
    int runs = 0;
    while (runs < 3000 && total.elapsed() < budgetMs) {
        sqlite3_exec(raw, "BEGIN; DELETE FROM settings", nullptr, nullptr, nullptr);
        const QString general = QStringLiteral("general");
        // The three general values: a chosen text or any type at all.
        for (const char *key : {"notetotal", "mainlistsize", "maintextboxsize"})
            store(general, QString::fromLatin1(key));
        if (rng.bounded(2)) {
            const QString c = counts[rng.bounded(int(counts.size()))];
            sqlite3_exec(
                raw,
                qPrintable(
                    QStringLiteral("UPDATE settings SET value = '%1' WHERE key = 'notetotal'")
                        .arg(QString(c).replace(u'\'', QStringLiteral("''")).remove(QChar(0)))),
                nullptr, nullptr, nullptr);
        }
        for (int i = 0, n = int(rng.bounded(30)); i < n; ++i)
            store(QStringLiteral("notes"),
                  (rng.bounded(2) ? QStringLiteral("notetitle") : QStringLiteral("notecontent")) +
                      QString::number(rng.bounded(1, 40)));
        sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);

        SettingsStore s(path);
        QCOMPARE(s.open(), SettingsStore::OpenResult::Opened);
        const StoredSettings loaded = loadsettings(s, app, maxnotes);
        if (!sane(loaded))
            QFAIL(qPrintable(
                QStringLiteral("seed %1 run %2: result out of rules").arg(seed).arg(runs)));
        // The one-pass load equals point look-ups with defaults.
        for (int k = 1; k <= loaded.titles.size() && k <= 40; ++k) {
            QCOMPARE(loaded.titles[k - 1],
                     s.read(app, "notes", QStringLiteral("notetitle%1").arg(k), "Your note"));
            QCOMPARE(loaded.contents[k - 1],
                     s.read(app, "notes", QStringLiteral("notecontent%1").arg(k), "note"));
        }
        ++runs;
    }
    sqlite3_finalize(put);
    sqlite3_close_v2(raw);
    qInfo("oddValues: %d runs in %lld ms", runs, total.elapsed());
    QVERIFY(runs >= 200);
}

QTEST_GUILESS_MAIN(tst_StoreFuzz)
#include "tst_storefuzz.moc"
