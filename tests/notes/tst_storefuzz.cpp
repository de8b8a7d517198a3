// Randomised robustness of the loader: damaged database files and odd values
// in a sound table. Opening and loading must never crash, hang or give a
// result outside the rules (count 0..maxnotes, sizes 1..100). The seed is
// printed; QUILLBOX_SEED replays a run, QUILLBOX_FUZZ_SECONDS sets the time
// budget of each test.
#include "notes/settingslayout.h"
#include "notes/settingsstore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

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

QByteArray randomBytes(QRandomGenerator &rng, int n)
{
    QByteArray bytes(n, '\0');
    for (char &c : bytes)
        c = char(rng.bounded(256));
    return bytes;
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

    quint32 seed = 20261207;
    int budgetMs = 7000;
    // Tmpfs when there is one: thousands of fsyncs on a disk take minutes.
    QTemporaryDir dir{QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                          ? QStringLiteral("/dev/shm/qbxfuzz-XXXXXX")
                          : QDir::tempPath() + QStringLiteral("/qbxfuzz-XXXXXX")};
    QString path() const { return dir.path() + QStringLiteral("/settings.db"); }
    void clear()
    {
        for (const QString &f : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(dir.filePath(f));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        if (qEnvironmentVariableIsSet("QUILLBOX_SEED"))
            seed = qEnvironmentVariable("QUILLBOX_SEED").toUInt();
        if (qEnvironmentVariableIsSet("QUILLBOX_FUZZ_SECONDS"))
            budgetMs = qEnvironmentVariable("QUILLBOX_FUZZ_SECONDS").toInt() * 1000;
        qInfo("store fuzz seed %u (replay with QUILLBOX_SEED=%u), %d ms per test", seed, seed,
              budgetMs);
    }

    void damagedFiles()
    {
        QRandomGenerator rng(seed);
        // Short notes, long ones (overflow pages) and a few hundred keys.
        {
            SettingsStore store(path());
            QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
            StoredSettings s;
            for (int k = 1; k <= 120; ++k) {
                s.titles << QStringLiteral("title %1").arg(k);
                s.contents << QStringLiteral("body %1 ").arg(k).repeated(k % 7 ? 3 : 4000);
            }
            QVERIFY(savesettings(store, app, s));
            loadsettings(store, app, maxnotes); // leaves "temp" as a run would
        }
        const QByteArray pristine = readAll(path());
        const int pageSize = qFromBigEndian<quint16>(pristine.constData() + 16) == 1
                                 ? 65536
                                 : qFromBigEndian<quint16>(pristine.constData() + 16);
        const int pages = int(pristine.size() / pageSize);
        QVERIFY(pages > 8);

        QElapsedTimer total;
        total.start();
        int runs = 0;
        int results[3] = {};
        for (; runs < 5000 && total.elapsed() < budgetMs; ++runs) {
            QByteArray bytes = pristine;
            const int kind = int(rng.bounded(7));
            const int page = int(rng.bounded(pages)) * pageSize;
            if (kind == 0) // flip a few bytes anywhere
                for (int i = 0, n = int(rng.bounded(1, 20)); i < n; ++i)
                    bytes[int(rng.bounded(int(bytes.size())))] ^= char(rng.bounded(1, 256));
            if (kind == 1) // flip bytes in the first page, where the structure lives
                for (int i = 0, n = int(rng.bounded(1, 6)); i < n; ++i)
                    bytes[int(rng.bounded(pageSize))] ^= char(rng.bounded(1, 256));
            if (kind == 2)
                bytes.truncate(int(rng.bounded(int(bytes.size()))));
            if (kind == 3)
                bytes.replace(page, pageSize, randomBytes(rng, pageSize));
            if (kind == 4) // one page copied over another
                bytes.replace(page, pageSize,
                              pristine.mid(int(rng.bounded(pages)) * pageSize, pageSize));
            if (kind == 5)
                bytes.replace(page, pageSize, QByteArray(pageSize, '\0'));
            if (kind == 6) { // garbage, sometimes behind a valid header
                bytes = randomBytes(rng, int(rng.bounded(1, 3 * pageSize)));
                if (rng.bounded(2))
                    bytes.replace(0, 100, pristine.left(100));
            }
            clear();
            QFile file(path());
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();

            QElapsedTimer one;
            one.start();
            SettingsStore store(path());
            const auto result = store.open();
            ++results[int(result)];
            const QString where =
                QStringLiteral("seed %1 run %2 kind %3").arg(seed).arg(runs).arg(kind);
            if (result == SettingsStore::OpenResult::Quarantined)
                QVERIFY2(readAll(store.quarantinedPath()) == bytes, qPrintable(where));
            if (result == SettingsStore::OpenResult::Failed) {
                QVERIFY2(!store.error().isEmpty(), qPrintable(where));
            } else {
                QVERIFY2(store.isOpen(), qPrintable(where));
                const StoredSettings loaded = loadsettings(store, app, maxnotes);
                QVERIFY2(sane(loaded), qPrintable(where));
                if (rng.bounded(4) == 0) // sometimes save over it as well
                    savesettings(store, app, loaded);
            }
            QVERIFY2(one.elapsed() < 10000, qPrintable(where + QStringLiteral(" took too long")));
        }
        qInfo("damagedFiles: %d runs in %lld ms: opened %d, quarantined %d, failed %d", runs,
              total.elapsed(), results[0], results[1], results[2]);
        QVERIFY(runs >= 100);
    }

    // Values of every SQLite type and odd texts, stored straight through the C API.
    void oddValues()
    {
        QRandomGenerator rng(seed ^ 0x5eed);
        clear();
        {
            SettingsStore store(path());
            QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        }
        // clang-format off
        const QStringList counts = {
            "0", "1", "3", "500", "501", "-1", "-32768", "32767", "65536", "4294967297",
            "999999999999999999999999", "abc", "", " 5", "5 ", "1e3", "0x1f", "12.0", "+7", "--3",
            QString(QChar(0x663)), QString(QChar(0)), QStringLiteral("2") + QChar(0xD800)};
        const QStringList sizes = {
            "8", "8.25", "9,75", "0", "-8", "101", "100.0001", "1e2", "1e-300", "1e400", "nan",
            "NaN", "inf", "-inf", "", " ", "12pt", "1,000", "1.000", "0x10", QString(QChar(0xDC00))};
        // clang-format on
        sqlite3 *raw = nullptr;
        QCOMPARE(sqlite3_open_v2(QFile::encodeName(path()).constData(), &raw, SQLITE_OPEN_READWRITE,
                                 nullptr),
                 SQLITE_OK);
        sqlite3_stmt *put = nullptr;
        QCOMPARE(sqlite3_prepare_v2(
                     raw, "INSERT OR REPLACE INTO settings VALUES ('qbxlm120', ?1, ?2, ?3)", -1,
                     &put, nullptr),
                 SQLITE_OK);
        auto bindText = [&](int column, const QString &text) {
            sqlite3_bind_text16(put, column, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
        };
        auto store = [&](const QString &section, const QString &key, const QStringList &texts) {
            bindText(1, section);
            bindText(2, key);
            const int type = int(rng.bounded(5));
            if (type == 0)
                sqlite3_bind_int64(put, 3, qint64(rng.generate64()));
            if (type == 1)
                sqlite3_bind_double(put, 3, rng.generateDouble() * 1e6 - 5e5);
            const QByteArray blob = randomBytes(rng, int(rng.bounded(40))); // odd lengths too
            if (type == 2)
                sqlite3_bind_blob(put, 3, blob.constData(), int(blob.size()), SQLITE_TRANSIENT);
            if (type >= 3)
                bindText(3, texts[rng.bounded(int(texts.size()))]);
            sqlite3_step(put);
            sqlite3_reset(put);
        };

        QElapsedTimer total;
        total.start();
        int runs = 0;
        for (; runs < 3000 && total.elapsed() < budgetMs; ++runs) {
            sqlite3_exec(raw, "BEGIN; DELETE FROM settings", nullptr, nullptr, nullptr);
            for (const char *key : {"notetotal", "mainlistsize", "maintextboxsize"})
                store(QStringLiteral("general"), QString::fromLatin1(key),
                      key[1] == 'o' ? counts : sizes);
            for (int i = 0, n = int(rng.bounded(30)); i < n; ++i)
                store(
                    QStringLiteral("notes"),
                    (rng.bounded(2) ? QStringLiteral("notetitle") : QStringLiteral("notecontent")) +
                        QString::number(rng.bounded(1, 40)),
                    rng.bounded(2) ? counts : sizes);
            sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);

            SettingsStore s(path());
            QCOMPARE(s.open(), SettingsStore::OpenResult::Opened);
            const StoredSettings loaded = loadsettings(s, app, maxnotes);
            QVERIFY2(sane(loaded),
                     qPrintable(QStringLiteral("seed %1 run %2").arg(seed).arg(runs)));
            // The one-pass load equals point look-ups with defaults.
            for (int k = 1; k <= loaded.titles.size() && k <= 40; ++k) {
                QCOMPARE(loaded.titles[k - 1],
                         s.read(app, "notes", QStringLiteral("notetitle%1").arg(k), "Your note"));
                QCOMPARE(loaded.contents[k - 1],
                         s.read(app, "notes", QStringLiteral("notecontent%1").arg(k), "note"));
            }
        }
        sqlite3_finalize(put);
        sqlite3_close_v2(raw);
        qInfo("oddValues: %d runs in %lld ms", runs, total.elapsed());
        QVERIFY(runs >= 100);
    }
};

QTEST_GUILESS_MAIN(tst_StoreFuzz)
#include "tst_storefuzz.moc"
