// One running copy per store. Guards against: a start that runs without the
// lock, or does not say which file and why. Later starts beside a running or
// a closing copy are real processes in tests/e2e/test_secondstart.sh.
#include "app/singleinstance.h"
#include "storefile.h"

#include <QDir>
#include <QTest>

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void folderWhereTheLockGoes()
    {
        StoreFile file;
        const QString lockPath = file.path() + QStringLiteral(".lock");
        QVERIFY(QDir().mkpath(lockPath));
        SingleInstance instance(file.path());
        QCOMPARE(instance.acquire(), SingleInstance::Start::Refused);
        QVERIFY2(instance.problem().contains(lockPath + " (" + qt_error_string(EISDIR) + ')'),
                 qPrintable(instance.problem()));
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
