// Guards against two backups a day or none the next, an eighth kept or a file not ours removed,
// files others may read, and restores not exact, losing the store, or of a damaged or foreign file.
#include "core/backups.h"
#include "core/settingsstore.h"
#include "storefile.h"

#include <QDir>
#include <QTest>

#include <sys/stat.h>

class tst_Backups : public QObject
{
    Q_OBJECT

    // The rights of owner, group and others as Qt gives them: 0x6000 is 0600.
    static int rights(const QString &path) { return QFile::permissions(path).toInt() & 0x7077; }

private slots:
    void initTestCase() { ::umask(0); } // takes no right away: ours must

    void backups_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a day's backup") << "backup";
        QTest::newRow("a backup with a damaged page") << "damaged";
        QTest::newRow("another program's database") << "foreign";
    }

    // One a day, known from the folder alone, seven kept; the newest put back, or refused if bad.
    void backups()
    {
        QFETCH(QString, kind);
        StoreFile file, current;
        file.seed(numberedNotes(400)); // sixteen pages
        current.seed(numberedNotes(2));
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::Opened::Opened);
        QVERIFY(kind != "foreign" || file.exec("ALTER TABLE settings RENAME TO notes"));
        Backups backups(file.path());
        QStringList names = {"notes.txt", "settings-2021-01-01.db.old", "settings-2021-02-30.db"};
        QVERIFY(QDir().mkpath(backups.folder()));
        for (const QString &name : names)
            QVERIFY(QFile(backups.folder() + '/' + name).open(QIODevice::WriteOnly));
        for (int day = 8; day >= 0; --day) { // nine days: the two oldest go
            names << QDate::currentDate().addDays(-day).toString("'settings-'yyyy-MM-dd'.db'");
            QCOMPARE(backups.make(store, QDate::currentDate().addDays(-day)), Backups::Made::Made);
        }
        QCOMPARE(Backups(file.path()).make(store), Backups::Made::NotDue);
        QCOMPARE(QDir(backups.folder()).entryList(QDir::Files), names.mid(0, 3) + names.mid(5));
        const QString path = backups.newest();
        QFile backup(path); // a page of notes, not one the store's shape is read from
        QVERIFY(kind != "damaged" || (backup.open(QIODevice::ReadWrite) && backup.seek(9 * 4096) &&
                                      backup.write("damage") == 6 && backup.flush()));
        const QStringList before = current.rows();
        const auto restored = Backups(current.path()).restore(path);
        const QStringList aside = QDir(current.folder()).entryList({"settings.db.*"});
        QVERIFY2(restored.done == (kind == "backup") && aside.size() == int(restored.done) &&
                     restored.message.contains(path) && restored.message.contains(aside.value(0)),
                 qPrintable(restored.message));
        QCOMPARE(current.rows(), restored.done ? file.rows() : before);
        QCOMPARE(rights(path) + rights(current.path()) + rights(backups.folder()),
                 0x6000 * 2 + 0x7000);
    }
};

QTEST_GUILESS_MAIN(tst_Backups)
#include "tst_backups.moc"
