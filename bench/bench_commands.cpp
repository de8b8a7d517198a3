// Figures, not a timed test: how long the window's event loop is held by an
// add, an update of one 10 KB note and a delete of the first note, with 500
// notes of 10 KB, and the time from the click until the change is committed
// (read back through a connection of its own, as another program would).
//   bench_commands [runs]   (default 15; runs on Qt's offscreen platform)
#include "core/desktop.h"
#include "core/session.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sqlite3.h>

namespace
{

// Every box answered OK, every title asked for given.
class AnsweringDesktop : public Desktop
{
public:
    Answer showMessage(const Message &) override { return Answer::Ok; }
    QString askText(const QString &, const QString &, const QString &) override
    {
        return QStringLiteral("added");
    }
    QString clipboardText() override { return {}; }
    void setClipboardText(const QString &) override {}
    QRect workArea() override { return {0, 0, 1024, 768}; }
    QString windowPlacementProblem() override { return {}; }
};

QString storedValue(sqlite3 *db, const char *key)
{
    sqlite3_stmt *stmt = nullptr;
    QString value;
    if (sqlite3_prepare_v2(db, "SELECT value FROM settings WHERE key = ?", -1, &stmt, nullptr) ==
        SQLITE_OK) {
        sqlite3_bind_text(stmt, 1, key, -1, SQLITE_STATIC);
        if (sqlite3_step(stmt) == SQLITE_ROW)
            value =
                QString::fromUtf16(static_cast<const char16_t *>(sqlite3_column_text16(stmt, 0)),
                                   sqlite3_column_bytes16(stmt, 0) / 2);
    }
    sqlite3_finalize(stmt);
    return value;
}

void report(const char *name, QList<double> held, QList<double> committed)
{
    std::sort(held.begin(), held.end());
    std::sort(committed.begin(), committed.end());
    std::printf("%-22s %9.2f %9.2f %13.1f %13.1f\n", name, held[held.size() / 2], held.last(),
                committed[committed.size() / 2], committed.last());
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.db"));
    {
        Session seed(path);
        seed.opening();
        Session::State state;
        // 499: each add makes 500, each delete takes one away again.
        for (int k = 1; k <= 499; ++k)
            state.notes.append(
                {QStringLiteral("Note %1").arg(k), QString(10240, QChar(u'a' + k % 26))});
        seed.write(state);
        seed.finish();
    }
    AnsweringDesktop desktop;
    Session session(path);
    session.open();
    MainWindow window(session, &desktop);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    session.waitForWrites();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("mainlist"));
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("maintextbox"));
    sqlite3 *reader = nullptr;
    sqlite3_open_v2(path.toUtf8().constData(), &reader, SQLITE_OPEN_READONLY, nullptr);

    // Clicks the button and times the click's handling, then the commit.
    auto measure = [&](const char *button, const std::function<bool()> &committed,
                       QList<double> &held, QList<double> &written) {
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(window.findChild<QWidget *>(QLatin1String(button)), Qt::LeftButton);
        held << double(timer.nsecsElapsed()) / 1e6;
        while (!committed() && timer.elapsed() < 5000)
            QThread::usleep(100);
        written << double(timer.nsecsElapsed()) / 1e6;
    };
    auto pickFirst = [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
    };
    QList<double> addHeld, addWritten, updateHeld, updateWritten, deleteHeld, deleteWritten;
    for (int run = 0; run < runs; ++run) {
        const QString count = storedValue(reader, "notetotal");
        text->setPlainText(QString(10240, QChar(u'A' + run % 26)));
        measure(
            "but3", [&] { return storedValue(reader, "notetotal") != count; }, addHeld, addWritten);
        pickFirst();
        const QString body = QString(10240, QChar(u'0' + run % 10)) + QString::number(run);
        text->setPlainText(body);
        measure(
            "but1", [&] { return storedValue(reader, "notecontent1") == body; }, updateHeld,
            updateWritten);
        pickFirst();
        const QString before = storedValue(reader, "notetotal");
        measure(
            "but2", [&] { return storedValue(reader, "notetotal") != before; }, deleteHeld,
            deleteWritten);
    }
    std::printf("bench_commands: %d runs, 500 notes of 10 KB\n%-22s %9s %9s %13s %13s\n", runs,
                "command", "held med", "held max", "committed med", "committed max");
    report("add a 10 KB note", addHeld, addWritten);
    report("update a 10 KB note", updateHeld, updateWritten);
    report("delete the first note", deleteHeld, deleteWritten);
    std::printf("(milliseconds from the click)\n");
    sqlite3_close(reader);
    return 0;
}
