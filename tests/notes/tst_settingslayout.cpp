// The stored layout of the program: loadsettings and savesettings against a
// real store in a temporary folder.
#include "notes/settingslayout.h"
#include "notes/settingsstore.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

#include <algorithm>

namespace
{

const QString app = QStringLiteral("qbxlm120");
const QString general = QStringLiteral("general");
const QString notes = QStringLiteral("notes");

struct TempStore {
    QTemporaryDir dir;
    QString path() const { return dir.path() + QStringLiteral("/quillbox/settings.db"); }
};

QStringList keysOf(SettingsStore &store, const QString &section)
{
    QStringList keys;
    for (const auto &row : store.readSection(app, section))
        keys << row.first;
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Sections that exist for the app, read through a separate plain connection.
QStringList sectionsOf(const QString &path)
{
    sqlite3 *db = nullptr;
    QStringList result;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *stmt = nullptr;
    sqlite3_prepare_v2(
        db, "SELECT DISTINCT section FROM settings WHERE app = 'qbxlm120' ORDER BY section", -1,
        &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        result << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    sqlite3_close_v2(db);
    return result;
}

StoredSettings notesOf(const QList<std::pair<QString, QString>> &list, float a = 8, float b = 8)
{
    StoredSettings s;
    for (const auto &[t, c] : list) {
        s.titles << t;
        s.contents << c;
    }
    s.mainlistsize = a;
    s.maintextboxsize = b;
    return s;
}

class LocaleGuard
{
public:
    LocaleGuard() : saved(QLocale()) {}
    ~LocaleGuard() { QLocale::setDefault(saved); }

private:
    QLocale saved;
};

} // namespace

class tst_SettingsLayout : public QObject
{
    Q_OBJECT

private slots:
    void firstRunEmptyStore();
    void savesReplaceNotesSection();
    void multiLineBody();
    void missingNotesGetDefaults();
    void loadEqualsPointLookups();
    void sizeRoundTrip();
    void germanLocale();
    void sizeText_data();
    void sizeText();
    void garbageStored_data();
    void garbageStored();
    void missingNotesSectionAtSave();
    void randomRoundTrip();
};

void tst_SettingsLayout::firstRunEmptyStore()
{
    TempStore t;
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    const StoredSettings loaded = loadsettings(store, app, 500);
    QCOMPARE(loaded.titles.size(), 0);
    QCOMPARE(loaded.contents.size(), 0);
    QCOMPARE(loaded.mainlistsize, 8.0f);
    QCOMPARE(loaded.maintextboxsize, 8.0f);
    // After the load: only notes/temp = "-".
    QCOMPARE(sectionsOf(t.path()), QStringList{notes});
    QCOMPARE(store.readSection(app, notes), (QList<std::pair<QString, QString>>{{"temp", "-"}}));

    QVERIFY(savesettings(store, app, loaded));
    QCOMPARE(sectionsOf(t.path()), QStringList{general});
    QCOMPARE(store.read(app, general, "notetotal", "?"), QStringLiteral("0"));
    QCOMPARE(store.read(app, general, "mainlistsize", "?"), QStringLiteral("8"));
    QCOMPARE(store.read(app, general, "maintextboxsize", "?"), QStringLiteral("8"));
    QCOMPARE(keysOf(store, general), (QStringList{"mainlistsize", "maintextboxsize", "notetotal"}));
}

void tst_SettingsLayout::savesReplaceNotesSection()
{
    TempStore t;
    {
        SettingsStore store(t.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        loadsettings(store, app, 500);
        QVERIFY(savesettings(store, app, notesOf({{"one", "1"}, {"two", "2"}, {"three", "3"}})));
    }
    {
        SettingsStore store(t.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        StoredSettings loaded = loadsettings(store, app, 500);
        QCOMPARE(loaded.titles, (QList<QString>{"one", "two", "three"}));
        QVERIFY(store.read(app, notes, "temp", QString()) == QStringLiteral("-"));
        loaded.titles.removeAt(1);
        loaded.contents.removeAt(1);
        QVERIFY(savesettings(store, app, loaded));
    }
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QCOMPARE(keysOf(store, notes),
             (QStringList{"notecontent1", "notecontent2", "notetitle1", "notetitle2"}));
    QCOMPARE(store.read(app, general, "notetotal", "?"), QStringLiteral("2"));
    QCOMPARE(store.read(app, notes, "notetitle2", "?"), QStringLiteral("three"));
    QCOMPARE(store.read(app, notes, "notecontent2", "?"), QStringLiteral("3"));
}

void tst_SettingsLayout::multiLineBody()
{
    TempStore t;
    const QString body = QStringLiteral("first line\nsecond line\r\nthird\rfourth\n\n");
    {
        SettingsStore store(t.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        QVERIFY(savesettings(store, app, notesOf({{"lines", body}})));
    }
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QCOMPARE(loadsettings(store, app, 500).contents, QList<QString>{body});
}

void tst_SettingsLayout::missingNotesGetDefaults()
{
    TempStore t;
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.write(app, general, "notetotal", "2"));
    QVERIFY(store.write(app, notes, "notetitle1", "only"));
    QVERIFY(store.write(app, notes, "notecontent1", "body"));
    const StoredSettings loaded = loadsettings(store, app, 500);
    QCOMPARE(loaded.titles, (QList<QString>{"only", "Your note"}));
    QCOMPARE(loaded.contents, (QList<QString>{"body", "note"}));
}

void tst_SettingsLayout::loadEqualsPointLookups()
{
    TempStore t;
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.write(app, general, "notetotal", "40"));
    QRandomGenerator rng(7);
    for (int k = 1; k <= 45; ++k) { // some present, some missing, some beyond the count
        if (rng.bounded(3))
            QVERIFY(store.write(app, notes, QStringLiteral("notetitle%1").arg(k),
                                QStringLiteral("t%1").arg(k)));
        if (rng.bounded(3))
            QVERIFY(store.write(app, notes, QStringLiteral("notecontent%1").arg(k),
                                QStringLiteral("c%1").arg(k)));
    }
    QVERIFY(store.write(app, notes, "notetitle01", "leading zero, never read"));
    QVERIFY(store.write("otherapp", notes, "notetitle1", "other app"));
    const StoredSettings loaded = loadsettings(store, app, 500);
    QCOMPARE(loaded.titles.size(), 40);
    for (int k = 1; k <= 40; ++k) {
        QCOMPARE(loaded.titles[k - 1],
                 store.read(app, notes, QStringLiteral("notetitle%1").arg(k), "Your note"));
        QCOMPARE(loaded.contents[k - 1],
                 store.read(app, notes, QStringLiteral("notecontent%1").arg(k), "note"));
    }
}

void tst_SettingsLayout::sizeRoundTrip()
{
    TempStore t;
    {
        SettingsStore store(t.path());
        QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
        QVERIFY(savesettings(store, app, notesOf({}, 9.75f, 8.25f)));
        QCOMPARE(store.read(app, general, "mainlistsize", "?"), QStringLiteral("9.75"));
        QCOMPARE(store.read(app, general, "maintextboxsize", "?"), QStringLiteral("8.25"));
    }
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    const StoredSettings loaded = loadsettings(store, app, 500);
    QCOMPARE(loaded.mainlistsize, 9.75f);
    QCOMPARE(loaded.maintextboxsize, 8.25f);
    // Every quarter point from 1 to 100 reads back as itself.
    for (int q = 4; q <= 400; ++q) {
        const float size = q / 4.0f;
        QCOMPARE(texttosize(sizetotext(size), -1), size);
    }
}

void tst_SettingsLayout::germanLocale()
{
    LocaleGuard guard;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TempStore t;
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(savesettings(store, app, notesOf({}, 9.75f, 12.0f)));
    QCOMPARE(store.read(app, general, "mainlistsize", "?"), QStringLiteral("9.75"));
    QCOMPARE(store.read(app, general, "maintextboxsize", "?"), QStringLiteral("12"));
    QCOMPARE(loadsettings(store, app, 500).mainlistsize, 9.75f);
    // A size written by a German program of old, with a decimal comma.
    QVERIFY(store.write(app, general, "mainlistsize", "9,75"));
    QVERIFY(store.write(app, general, "maintextboxsize", "8,25"));
    const StoredSettings loaded = loadsettings(store, app, 500);
    QCOMPARE(loaded.mainlistsize, 9.75f);
    QCOMPARE(loaded.maintextboxsize, 8.25f);
}

void tst_SettingsLayout::sizeText_data()
{
    QTest::addColumn<float>("size");
    QTest::addColumn<QString>("text");
    QTest::newRow("8") << 8.0f << "8";
    QTest::newRow("8.25") << 8.25f << "8.25";
    QTest::newRow("9.75") << 9.75f << "9.75";
    QTest::newRow("12") << 12.0f << "12";
    QTest::newRow("100") << 100.0f << "100";
    QTest::newRow("8.1 (seven digits, no float noise)") << 8.1f << "8.1";
    QTest::newRow("1/3") << 1.0f / 3 << "0.3333333";
}

void tst_SettingsLayout::sizeText()
{
    QFETCH(float, size);
    QFETCH(QString, text);
    QCOMPARE(sizetotext(size), text);
}

void tst_SettingsLayout::garbageStored_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("wantCount");
    QTest::addColumn<float>("wantSize");
    QTest::newRow("sound") << "3"
                           << "10.5" << 3 << 10.5f;
    QTest::newRow("blanks around") << " 3 "
                                   << " 10.5 " << 3 << 10.5f;
    QTest::newRow("plus sign") << "+3"
                               << "+10" << 3 << 10.0f;
    QTest::newRow("empty") << ""
                           << "" << 0 << 8.0f;
    QTest::newRow("words") << "three"
                           << "big" << 0 << 8.0f;
    QTest::newRow("fraction count") << "2.5"
                                    << "8" << 0 << 8.0f;
    QTest::newRow("trailing junk") << "3x"
                                   << "9pt" << 0 << 8.0f;
    QTest::newRow("hex") << "0x10"
                         << "0x10" << 0 << 8.0f;
    QTest::newRow("negative") << "-5"
                              << "-9" << 0 << 8.0f;
    QTest::newRow("minus zero") << "-0"
                                << "-0" << 0 << 8.0f;
    QTest::newRow("above limit") << "501"
                                 << "100.25" << 500 << 8.0f;
    QTest::newRow("huge") << "99999999999999999999999999"
                          << "1e300" << 500 << 8.0f;
    QTest::newRow("leading zeros") << "007"
                                   << "0009.75" << 7 << 9.75f;
    QTest::newRow("too small size") << "1"
                                    << "0.5" << 1 << 8.0f;
    QTest::newRow("zero size") << "1"
                               << "0" << 1 << 8.0f;
    QTest::newRow("edges") << "500"
                           << "1" << 500 << 1.0f;
    QTest::newRow("top edge") << "500"
                              << "100" << 500 << 100.0f;
    QTest::newRow("nan") << "1"
                         << "nan" << 1 << 8.0f;
    QTest::newRow("inf") << "1"
                         << "inf" << 1 << 8.0f;
    QTest::newRow("exponent") << "1"
                              << "1.2e1" << 1 << 12.0f;
    QTest::newRow("NUL inside") << QStringLiteral("1") + QChar(0) + "2"
                                << QStringLiteral("9") + QChar(0) << 0 << 8.0f;
    QTest::newRow("full-width digits") << QString::fromUtf8("\xEF\xBC\x93") << "8" << 0 << 8.0f;
    QTest::newRow("lone surrogate")
        << QString(QChar(0xD800)) << QString(QChar(0xDC00)) << 0 << 8.0f;
}

void tst_SettingsLayout::garbageStored()
{
    QFETCH(QString, count);
    QFETCH(QString, size);
    QFETCH(int, wantCount);
    QFETCH(float, wantSize);
    TempStore t;
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    QVERIFY(store.write(app, general, "notetotal", count));
    QVERIFY(store.write(app, general, "mainlistsize", size));
    QVERIFY(store.write(app, general, "maintextboxsize", size));
    const StoredSettings loaded = loadsettings(store, app, 500);
    QCOMPARE(loaded.titles.size(), wantCount);
    QCOMPARE(loaded.contents.size(), wantCount);
    QCOMPARE(loaded.mainlistsize, wantSize);
    QCOMPARE(loaded.maintextboxsize, wantSize);
    if (wantCount > 0)
        QCOMPARE(loaded.titles.last(), QStringLiteral("Your note"));
}

void tst_SettingsLayout::missingNotesSectionAtSave()
{
    TempStore t;
    SettingsStore store(t.path());
    QCOMPARE(store.open(), SettingsStore::OpenResult::Opened);
    loadsettings(store, app, 500);
    QVERIFY(store.deleteSection(app, notes)); // someone else removed it during the run
    QVERIFY(savesettings(store, app, notesOf({{"a", "b"}})));
    QCOMPARE(keysOf(store, notes), (QStringList{"notecontent1", "notetitle1"}));
}

void tst_SettingsLayout::randomRoundTrip()
{
    quint32 seed = 20261206;
    if (qEnvironmentVariableIsSet("QUILLBOX_SEED"))
        seed = qEnvironmentVariable("QUILLBOX_SEED").toUInt();
    qInfo("randomRoundTrip seed %u (replay with QUILLBOX_SEED=%u)", seed, seed);
    QRandomGenerator rng(seed);

    const QList<QString> alphabet = {
        QStringLiteral("\r"),
        QStringLiteral("\n"),
        QStringLiteral("\r\n"),
        QString(QChar(0x2028)),
        QString(QChar(0x2029)),
        QStringLiteral("\t"),
        QStringLiteral(" "),
        QStringLiteral("  "),
        QStringLiteral("\""),
        QStringLiteral("'"),
        QStringLiteral("\\"),
        QStringLiteral("="),
        QStringLiteral("["),
        QStringLiteral("]"),
        QStringLiteral(";"),
        QStringLiteral(","),
        QStringLiteral("#"),
        QStringLiteral("@"),
        QString(QChar(0xFEFF)),
        QString(QChar(0xFFFE)),
        QString(QChar(0)),
        QString(QChar(0xD800)),
        QString(QChar(0xDBFF)),
        QString(QChar(0xDC00)),
        QString(QChar(0xDFFF)),
        QString::fromUtf8("\xF0\x9F\x98\x80"),
        QString::fromUtf8("\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x92\xBB"),
        QStringLiteral("e") + QChar(0x0301),
        QStringLiteral("a") + QChar(0x0308) + QChar(0x0323),
        QString::fromUtf8("\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D"),
        QString::fromUtf8("\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7"),
        QString(QChar(0x202E)),
        QString(QChar(0x200F)),
        QStringLiteral("note"),
        QStringLiteral("notetitle1"),
        QStringLiteral("%1"),
        QStringLiteral("%"),
        QStringLiteral("a"),
        QStringLiteral("Z"),
        QStringLiteral("0"),
        QString(QChar(0xFFFF)),
        QString(QChar(0x7F)),
        QString(QChar(0x1B)),
    };
    auto randomText = [&](int pieces) {
        QString s;
        const int n = int(rng.bounded(pieces + 1));
        for (int i = 0; i < n; ++i)
            s += alphabet[rng.bounded(int(alphabet.size()))];
        if (rng.bounded(4) == 0)
            s = QStringLiteral("  ") + s + QStringLiteral(" \t ");
        return s;
    };

    int values = 0;
    qint64 differences = 0;
    const int rounds = 4;
    TempStore t;
    for (int round = 0; round < rounds; ++round) {
        StoredSettings want;
        const int count = round == rounds - 1 ? 20 : 500;
        for (int k = 0; k < count; ++k) {
            want.titles << randomText(8);
            want.contents << randomText(60);
        }
        if (round == rounds - 1) {
            // A few values of a megabyte each.
            for (int i = 0; i < 3; ++i) {
                QString big;
                while (big.size() < 1024 * 1024)
                    big += randomText(200);
                want.contents[int(rng.bounded(count))] = big;
            }
        }
        want.mainlistsize = float(rng.bounded(4, 401)) / 4;
        want.maintextboxsize = float(rng.bounded(4, 401)) / 4;
        {
            SettingsStore store(t.path());
            QVERIFY(store.open() != SettingsStore::OpenResult::Failed);
            loadsettings(store, app, 500);
            QVERIFY2(savesettings(store, app, want), qPrintable(store.error()));
        }
        SettingsStore fresh(t.path()); // a new connection reads it back
        QCOMPARE(fresh.open(), SettingsStore::OpenResult::Opened);
        const StoredSettings got = loadsettings(fresh, app, 500);
        QCOMPARE(got.titles.size(), want.titles.size());
        QCOMPARE(got.contents.size(), want.contents.size());
        for (int k = 0; k < count; ++k) {
            if (got.titles[k] != want.titles[k]) {
                ++differences;
                qWarning("seed %u round %d: title %d differs", seed, round, k + 1);
            }
            if (got.contents[k] != want.contents[k]) {
                ++differences;
                qWarning("seed %u round %d: body %d differs", seed, round, k + 1);
            }
        }
        values += 2 * count;
        QCOMPARE(got.mainlistsize, want.mainlistsize);
        QCOMPARE(got.maintextboxsize, want.maintextboxsize);
    }
    qInfo("randomRoundTrip: %d values, %lld differences", values, differences);
    QCOMPARE(differences, 0);
}

QTEST_GUILESS_MAIN(tst_SettingsLayout)
#include "tst_settingslayout.moc"
