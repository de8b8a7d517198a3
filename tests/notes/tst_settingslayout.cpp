// The stored layout of the program: loadsettings and savesettings against a
// real store in a temporary folder.
#include "notes/settingslayout.h"
#include "notes/settingsstore.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace
{

const QString app = QStringLiteral("qbxlm120");
const QString general = QStringLiteral("general");
const QString notes = QStringLiteral("notes");

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

} // namespace

class tst_SettingsLayout : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    // A new connection to the store of this test.
    std::unique_ptr<SettingsStore> connect()
    {
        auto store = std::make_unique<SettingsStore>(
            dir.path() + QStringLiteral("/%1/settings.db").arg(QTest::currentTestFunction()));
        if (store->open() != SettingsStore::OpenResult::Opened)
            qWarning() << "cannot open" << store->error();
        return store;
    }

    QStringList keysOf(SettingsStore &store, const QString &section)
    {
        QStringList keys;
        for (const auto &row : store.readSection(app, section))
            keys << row.first;
        std::sort(keys.begin(), keys.end());
        return keys;
    }

private slots:
    void firstRunOnAnEmptyStore()
    {
        auto store = connect();
        const StoredSettings loaded = loadsettings(*store, app, 500);
        QCOMPARE(loaded.titles.size(), 0);
        QCOMPARE(loaded.contents.size(), 0);
        QCOMPARE(loaded.mainlistsize, 8.0f);
        QCOMPARE(loaded.maintextboxsize, 8.0f);
        QCOMPARE(store->readSection(app, notes),
                 (QList<std::pair<QString, QString>>{{"temp", "-"}}));
        QVERIFY(keysOf(*store, general).isEmpty());
        QVERIFY(savesettings(*store, app, loaded));
        QVERIFY(keysOf(*store, notes).isEmpty());
        QCOMPARE(keysOf(*store, general),
                 (QStringList{"mainlistsize", "maintextboxsize", "notetotal"}));
        QCOMPARE(store->read(app, general, "notetotal", "?"), QStringLiteral("0"));
        QCOMPARE(store->read(app, general, "mainlistsize", "?"), QStringLiteral("8"));
        QCOMPARE(store->read(app, general, "maintextboxsize", "?"), QStringLiteral("8"));
    }

    // Three notes, then two: exactly the keys of two remain; bodies keep
    // every kind of line break.
    void savesReplaceTheNotes()
    {
        const QString lines = QStringLiteral("first line\nsecond line\r\nthird\rfourth\n\n");
        QVERIFY(
            savesettings(*connect(), app, notesOf({{"one", "1"}, {"two", "2"}, {"three", lines}})));
        {
            auto store = connect();
            StoredSettings loaded = loadsettings(*store, app, 500);
            QCOMPARE(loaded.titles, (QList<QString>{"one", "two", "three"}));
            QCOMPARE(loaded.contents, (QList<QString>{"1", "2", lines}));
            loaded.titles.removeAt(1);
            loaded.contents.removeAt(1);
            QVERIFY(savesettings(*store, app, loaded));
        }
        auto store = connect();
        QCOMPARE(keysOf(*store, notes),
                 (QStringList{"notecontent1", "notecontent2", "notetitle1", "notetitle2"}));
        QCOMPARE(store->read(app, general, "notetotal", "?"), QStringLiteral("2"));
        QCOMPARE(store->read(app, notes, "notetitle2", "?"), QStringLiteral("three"));
        QCOMPARE(store->read(app, notes, "notecontent2", "?"), lines);
        // Saved again with the section gone meanwhile: still written whole.
        QVERIFY(store->deleteSection(app, notes));
        QVERIFY(savesettings(*store, app, notesOf({{"a", "b"}})));
        QCOMPARE(keysOf(*store, notes), (QStringList{"notecontent1", "notetitle1"}));
    }

    // The one-pass load gives what a look-up per key gives; missing notes
    // read as "Your note" / "note".
    void loadEqualsPointLookups()
    {
        auto store = connect();
        QVERIFY(store->write(app, general, "notetotal", "40"));
        QRandomGenerator rng(7);
        for (int k = 1; k <= 45; ++k) { // some present, some missing, some beyond the count
            if (rng.bounded(3))
                QVERIFY(store->write(app, notes, QStringLiteral("notetitle%1").arg(k),
                                     QStringLiteral("t%1").arg(k)));
            if (rng.bounded(3))
                QVERIFY(store->write(app, notes, QStringLiteral("notecontent%1").arg(k),
                                     QStringLiteral("c%1").arg(k)));
        }
        QVERIFY(store->write(app, notes, "notetitle01", "leading zero, never read"));
        QVERIFY(store->write("otherapp", notes, "notetitle1", "other app"));
        const StoredSettings loaded = loadsettings(*store, app, 500);
        QCOMPARE(loaded.titles.size(), 40);
        QVERIFY(loaded.titles.contains("Your note") && loaded.contents.contains("note"));
        for (int k = 1; k <= 40; ++k) {
            QCOMPARE(loaded.titles[k - 1],
                     store->read(app, notes, QStringLiteral("notetitle%1").arg(k), "Your note"));
            QCOMPARE(loaded.contents[k - 1],
                     store->read(app, notes, QStringLiteral("notecontent%1").arg(k), "note"));
        }
    }

    void sizeText_data()
    {
        QTest::addColumn<float>("size");
        QTest::addColumn<QString>("text");
        QTest::newRow("8") << 8.0f << QStringLiteral("8");
        QTest::newRow("9.75") << 9.75f << QStringLiteral("9.75");
        QTest::newRow("100") << 100.0f << QStringLiteral("100");
        QTest::newRow("8.1, no float noise") << 8.1f << QStringLiteral("8.1");
        QTest::newRow("1/3, seven digits") << 1.0f / 3 << QStringLiteral("0.3333333");
    }

    void sizeText()
    {
        QFETCH(float, size);
        QFETCH(QString, text);
        QCOMPARE(sizetotext(size), text);
    }

    // Under a locale with a decimal comma sizes are still stored with a full
    // stop, and sizes stored with a comma by older programs read back.
    void germanLocale()
    {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(saved); });
        for (int q = 4; q <= 400; ++q)
            QCOMPARE(texttosize(sizetotext(q / 4.0f), -1), q / 4.0f);
        auto store = connect();
        QVERIFY(savesettings(*store, app, notesOf({}, 9.75f, 12.0f)));
        QCOMPARE(store->read(app, general, "mainlistsize", "?"), QStringLiteral("9.75"));
        QCOMPARE(store->read(app, general, "maintextboxsize", "?"), QStringLiteral("12"));
        QCOMPARE(loadsettings(*connect(), app, 500).mainlistsize, 9.75f);
        QVERIFY(store->write(app, general, "mainlistsize", "9,75"));
        QVERIFY(store->write(app, general, "maintextboxsize", "8,25"));
        const StoredSettings loaded = loadsettings(*store, app, 500);
        QCOMPARE(loaded.mainlistsize, 9.75f);
        QCOMPARE(loaded.maintextboxsize, 8.25f);
    }

    void garbageStored_data()
    {
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("size");
        QTest::addColumn<int>("wantCount");
        QTest::addColumn<float>("wantSize");
        auto row = [](const char *name, const QString &count, const QString &size, int wantCount,
                      float wantSize) {
            QTest::newRow(name) << count << size << wantCount << wantSize;
        };
        row("sound", "3", "10.5", 3, 10.5f);
        row("blanks around", " 3 ", " 10.5 ", 3, 10.5f);
        row("plus sign", "+3", "+10", 3, 10.0f);
        row("empty", "", "", 0, 8.0f);
        row("words", "three", "big", 0, 8.0f);
        row("fraction count", "2.5", "8", 0, 8.0f);
        row("trailing junk", "3x", "9pt", 0, 8.0f);
        row("hex", "0x10", "0x10", 0, 8.0f);
        row("negative", "-5", "-9", 0, 8.0f);
        row("minus zero", "-0", "-0", 0, 8.0f);
        row("above limit", "501", "100.25", 500, 8.0f);
        row("huge", "99999999999999999999999999", "1e300", 500, 8.0f);
        row("leading zeros", "007", "0009.75", 7, 9.75f);
        row("too small size", "1", "0.5", 1, 8.0f);
        row("zero size", "1", "0", 1, 8.0f);
        row("bottom edge", "500", "1", 500, 1.0f);
        row("top edge", "500", "100", 500, 100.0f);
        row("nan", "1", "nan", 1, 8.0f);
        row("inf", "1", "inf", 1, 8.0f);
        row("exponent", "1", "1.2e1", 1, 12.0f);
        row("NUL inside", QStringLiteral("1") + QChar(0) + "2", QStringLiteral("9") + QChar(0), 0,
            8.0f);
        row("full-width digits", QString(QChar(0xFF13)), "8", 0, 8.0f);
        row("lone surrogate", QString(QChar(0xD800)), QString(QChar(0xDC00)), 0, 8.0f);
    }

    void garbageStored()
    {
        QFETCH(QString, count);
        QFETCH(QString, size);
        QFETCH(int, wantCount);
        QFETCH(float, wantSize);
        auto store = connect();
        QVERIFY(store->write(app, general, "notetotal", count));
        QVERIFY(store->write(app, general, "mainlistsize", size));
        QVERIFY(store->write(app, general, "maintextboxsize", size));
        const StoredSettings loaded = loadsettings(*store, app, 500);
        QCOMPARE(loaded.titles.size(), wantCount);
        QCOMPARE(loaded.contents.size(), wantCount);
        QCOMPARE(loaded.mainlistsize, wantSize);
        QCOMPARE(loaded.maintextboxsize, wantSize);
    }

    // Thousands of nasty values, and a few of a megabyte, read back exactly
    // through a fresh connection. QUILLBOX_SEED replays a run.
    void randomRoundTrip()
    {
        quint32 seed = 20261206;
        if (qEnvironmentVariableIsSet("QUILLBOX_SEED"))
            seed = qEnvironmentVariable("QUILLBOX_SEED").toUInt();
        qInfo("randomRoundTrip seed %u (replay with QUILLBOX_SEED=%u)", seed, seed);
        QRandomGenerator rng(seed);
        QList<QString> alphabet =
            u"\r\n|  |%1|note|notetitle1|\U0001F600|\U0001F469\u200D\U0001F4BB"
            u"|\u05E9\u05DC\u05D5\u05DD"_s.split(u'|');
        for (QChar c : u"\r\n\t \"'\\=[];,#@%aZ0e\u0301"_s)
            alphabet << QString(c);
        for (int c : {0, 0x1B, 0x7F, 0x200F, 0x202E, 0x2028, 0x2029, 0xD800, 0xDBFF, 0xDC00, 0xDFFF,
                      0xFEFF, 0xFFFE, 0xFFFF})
            alphabet << QString(QChar(c));
        auto randomText = [&](int pieces) {
            QString s;
            for (int i = 0, n = int(rng.bounded(pieces + 1)); i < n; ++i)
                s += alphabet[rng.bounded(int(alphabet.size()))];
            return rng.bounded(4) ? s : QStringLiteral("  ") + s + QStringLiteral(" \t ");
        };

        int values = 0;
        qint64 differences = 0;
        for (int round = 0; round < 4; ++round) {
            const int count = round == 3 ? 20 : 500;
            StoredSettings want;
            for (int k = 0; k < count; ++k) {
                want.titles << randomText(8);
                want.contents << randomText(60);
            }
            for (int i = 0; round == 3 && i < 3; ++i) { // a few values of a megabyte
                QString big;
                while (big.size() < 1024 * 1024)
                    big += randomText(200);
                want.contents[int(rng.bounded(count))] = big;
            }
            want.mainlistsize = float(rng.bounded(4, 401)) / 4;
            want.maintextboxsize = float(rng.bounded(4, 401)) / 4;
            {
                auto store = connect();
                loadsettings(*store, app, 500);
                QVERIFY2(savesettings(*store, app, want), qPrintable(store->error()));
            }
            const StoredSettings got = loadsettings(*connect(), app, 500);
            QCOMPARE(got.titles.size(), count);
            QCOMPARE(got.contents.size(), count);
            for (int k = 0; k < count; ++k) {
                differences +=
                    (got.titles[k] != want.titles[k]) + (got.contents[k] != want.contents[k]);
                if (got.titles[k] != want.titles[k] || got.contents[k] != want.contents[k])
                    qWarning("seed %u round %d: note %d differs", seed, round, k + 1);
            }
            values += 2 * count;
            QCOMPARE(got.mainlistsize, want.mainlistsize);
            QCOMPARE(got.maintextboxsize, want.maintextboxsize);
        }
        qInfo("randomRoundTrip: %d values, %lld differences", values, differences);
        QCOMPARE(differences, 0);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsLayout)
#include "tst_settingslayout.moc"
