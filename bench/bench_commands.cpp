// Figures, not a timed test: how long the window's event loop is held by an
// add, an update, a delete of the first note, a flush of them all, and the
// undo and redo of those, with 500 notes, and the time from the click or key
// until the change is committed (the session's writer is done with it).
//   bench_commands [runs] [KB per note]   (default 15 and 10; Qt's offscreen platform)
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
    const int kilobytes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    const int characters = kilobytes * 1024;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.db"));
    {
        Session seed(path);
        seed.opening();
        Session::State state;
        // 499: each add makes 500, each delete takes one away again.
        for (int k = 1; k <= 499; ++k)
            state.notes.append(
                {QStringLiteral("Note %1").arg(k), QString(characters, QChar(u'a' + k % 26))});
        seed.write(state);
        seed.finish();
    }
    AnsweringDesktop desktop;
    Session session(path);
    session.open();
    // The time the window spends taking an undo or a redo from the session:
    // between a slot connected before its own and one connected after.
    QElapsedTimer applying;
    QList<double> applied;
    QObject::connect(&session, &Session::historyMoved, [&] { applying.start(); });
    MainWindow window(session, &desktop);
    QObject::connect(&session, &Session::historyMoved,
                     [&] { applied << double(applying.nsecsElapsed()) / 1e6; });
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    session.waitForWrites();
    auto *list = window.findChild<QListWidget *>(QStringLiteral("mainlist"));
    auto *text = window.findChild<QPlainTextEdit *>(QStringLiteral("maintextbox"));

    // Runs the command and times its handling, then until it is committed,
    // then, for an undo or a redo, the window's taking of the result.
    struct Figures {
        QList<double> held, committed;
    };
    QMap<QString, Figures> figures;
    QStringList order;
    auto measure = [&](const QString &name, const std::function<void()> &command) {
        if (!order.contains(name))
            order << name;
        QElapsedTimer timer;
        timer.start();
        applied.clear();
        command();
        double held = double(timer.nsecsElapsed()) / 1e6;
        session.waitForWrites();
        figures[name].committed << double(timer.nsecsElapsed()) / 1e6;
        const bool movesHistory =
            name.startsWith(QLatin1String("undo")) || name.startsWith(QLatin1String("redo"));
        if (movesHistory && !QTest::qWaitFor([&] { return !applied.isEmpty(); }))
            std::fprintf(stderr, "%s: the window never took it\n", qPrintable(name));
        for (double part : std::as_const(applied))
            held = std::max(held, part);
        figures[name].held << held;
    };
    auto click = [&](const char *button) {
        QTest::mouseClick(window.findChild<QWidget *>(QLatin1String(button)), Qt::LeftButton);
    };
    auto pickFirst = [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(0)).center());
    };
    auto key = [&](const char *keys) {
        QTest::keySequence(list, QKeySequence(QLatin1String(keys)));
    };
    for (int run = 0; run < runs; ++run) {
        text->setPlainText(QString(characters, QChar(u'A' + run % 26)));
        measure(QStringLiteral("add a note"), [&] { click("but3"); });
        pickFirst();
        text->setPlainText(QString(characters, QChar(u'0' + run % 10)) + QString::number(run));
        measure(QStringLiteral("update a note"), [&] { click("but1"); });
        pickFirst();
        measure(QStringLiteral("delete the first note"), [&] { click("but2"); });
        measure(QStringLiteral("undo the delete"), [&] { key("Ctrl+Alt+Z"); });
        measure(QStringLiteral("redo the delete"), [&] { key("Ctrl+Alt+Shift+Z"); });
        measure(QStringLiteral("flush all notes"), [&] { click("icons2"); });
        measure(QStringLiteral("undo the flush"), [&] { key("Ctrl+Alt+Z"); });
    }
    std::printf("bench_commands: %d runs, 500 notes of %d KB\n%-22s %9s %9s %13s %13s\n", runs,
                kilobytes, "command", "held med", "held max", "committed med", "committed max");
    for (const QString &name : std::as_const(order))
        report(qPrintable(name), figures[name].held, figures[name].committed);
    std::printf("(milliseconds from the click or key; held includes the window taking an undo)\n");
    return 0;
}
