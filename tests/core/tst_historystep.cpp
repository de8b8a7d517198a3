// Undo and redo of each note command through the session's store, as the
// window does them. Guards against: a note put back at the wrong place, with
// a wrong text or not at all, a listing that loses or misplaces its rows
// under a search, a step not written with its command or lost by a restart,
// a redo that does not do the command again, an undo past the limit of 500
// or over notes changed since, and a history that grows without end.
#include "core/notebook.h"
#include "core/notecommands.h"
#include "core/session.h"
#include "fakedesktop.h"
#include "storefile.h"

#include <QTest>

namespace
{

// The notes, their commands and a session on one store, as the window has them.
struct Keeper {
    explicit Keeper(const QList<Note> &notes)
    {
        file.seed(notes);
        start();
    }
    void start()
    {
        session = std::make_unique<Session>(file.path());
        notebook = session->opening().notebook;
        notebook.notes(); // the bodies, at once
        commands.showAll();
        session->waitForWrites();
    }
    void run(const NoteCommands::Outcome &outcome)
    {
        if (outcome.changed)
            session->write({notebook.notes(), 8, 8}, outcome.step);
        session->waitForWrites();
    }
    // Undoes or redoes in the store, then in the notebook and the listing;
    // what the status line says, or why it was refused.
    QString move(bool undo)
    {
        QString said;
        bool answered = false;
        const auto connection =
            QObject::connect(session.get(), &Session::historyMoved,
                             [&](const HistoryStep &step, bool undone, Session::Refusal refusal,
                                 const QString &why) {
                                 answered = true;
                                 said = refusal == Session::Refusal::None
                                            ? *commands.applyHistory(step, undone).status
                                            : QString("refused %1 %2").arg(int(refusal)).arg(why);
                             });
        undo ? session->undo() : session->redo();
        if (!QTest::qWaitFor([&] { return answered; }))
            return "no answer";
        QObject::disconnect(connection);
        return said;
    }
    QStringList stored() const { return file.rows().filter("|notes|note"); }
    QStringList expected() const
    {
        return StoreFile::rowsOf({notebook.notes(), 8, 8, true}).filter("|notes|note");
    }

    StoreFile file;
    FakeDesktop desktop;
    Notebook notebook;
    NoteCommands commands{notebook, desktop};
    std::unique_ptr<Session> session;
};

QList<Note> fiveNotes()
{
    QList<Note> notes;
    for (int k = 1; k <= 5; ++k)
        notes.append({QString("t%1").arg(k), QString("b%1").arg(k) + (k % 2 ? " odd" : "")});
    return notes;
}

} // namespace

class tst_HistoryStep : public QObject
{
    Q_OBJECT

private slots:
    void undoRedo_data()
    {
        for (const char *column : {"searched", "command", "input", "label"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("row");
        auto row = [](const char *name, const char *searched, const char *command, int row,
                      const char *input, const char *label) {
            QTest::newRow(name) << searched << command << input << label << row;
        };
        // clang-format off
        row("delete the first", "", "delete", 0, "", "Deleted \"t1\".");
        row("delete the middle under a search", "odd", "delete", 1, "", "Deleted \"t3\".");
        row("delete the last", "", "delete", 4, "", "Deleted \"t5\".");
        row("add under a search", "odd", "add", -1, "new\nbody", "Added \"new\".");
        row("add from the clipboard", "", "paste", -1, "pasted\ttext", "Added \"pasted\ttext\" from the clipboard.");
        row("update the last under a search", "odd", "update", 2, "\u00a0edited\u2028", "'t5' Updated!");
        row("rename the first", "", "rename", 0, "renamed", "Renamed \"t1\" to \"renamed\".");
        row("flush", "", "flush", -1, "", "Flushed 5 note(s).");
        row("a dropped edit", "", "drop", 1, "typed", "Dropped the text typed for \"t2\".");
        // clang-format on
    }

    // Each command, undone, leaves the notes exactly as before it, in the
    // store too, the listing as before and the restored note's row picked;
    // done again, exactly as after it. A new session on the same file can
    // still undo it.
    void undoRedo()
    {
        QFETCH(QString, searched);
        QFETCH(QString, command);
        QFETCH(QString, input);
        QFETCH(int, row);
        Keeper keeper(fiveNotes());
        if (!searched.isEmpty())
            keeper.commands.search(searched);
        const QStringList listedBefore = keeper.commands.listedTitles();
        keeper.desktop.typedTexts = {input.section('\n', 0, 0)};
        keeper.desktop.clipboard = input;
        keeper.desktop.answers = {Desktop::Answer::Ok};
        const QMap<QString, std::function<NoteCommands::Outcome()>> commands = {
            {"delete", [&] { return keeper.commands.deleteNote(row); }},
            {"add", [&] { return keeper.commands.addNote(input); }},
            {"paste", [&] { return keeper.commands.addNoteFromClipboard(); }},
            {"update", [&] { return keeper.commands.updateNote(row, input); }},
            {"rename", [&] { return keeper.commands.renameNote(row); }},
            {"flush", [&] { return keeper.commands.flushAll(); }},
            {"drop", [&] {
                 keeper.session->dropEdit(row, input, "Dropped the text typed for \"t2\".");
                 return NoteCommands::Outcome();
             }}};
        keeper.run(commands[command]());
        const QList<Note> after = keeper.notebook.notes();
        const QStringList listedAfter = keeper.commands.listedTitles();
        QFETCH(QString, label);
        for (int restart = 0; restart < 2; ++restart) {
            QCOMPARE(keeper.move(true), "Undone: " + label);
            QCOMPARE(keeper.notebook.notes(), fiveNotes());
            QCOMPARE(keeper.commands.listedTitles(), listedBefore);
            QCOMPARE(keeper.stored(), keeper.expected());
            QCOMPARE(keeper.move(false), "Redone: " + label);
            QCOMPARE(keeper.notebook.notes(), after);
            QCOMPARE(keeper.commands.listedTitles(), listedAfter);
            QCOMPARE(keeper.stored(), keeper.expected());
            keeper.session.reset();
            keeper.start();
            if (!searched.isEmpty())
                keeper.commands.search(searched);
            QCOMPARE(keeper.notebook.notes(), after);
        }
        // A new command drops what could be redone.
        QCOMPARE(keeper.move(true), "Undone: " + label);
        keeper.run(keeper.commands.deleteNote(0));
        QCOMPARE(keeper.move(false), "refused 1 ");
    }

    // An undo refuses, changing nothing, when it would pass the limit or
    // when the notes it would take back were changed since (here by
    // another program, between two sessions).
    void refusals()
    {
        Keeper keeper(numberedNotes(Notebook::maxNotes));
        keeper.run(keeper.commands.deleteNote(0));
        keeper.session.reset();
        QVERIFY(keeper.file.exec("UPDATE settings SET value = '500' WHERE key = 'notetotal'"));
        keeper.file.unlock();
        keeper.start();
        QCOMPARE(keeper.move(true), "refused 2 ");
        QCOMPARE(keeper.notebook.count(), Notebook::maxNotes);
        keeper.desktop.typedTexts = {"renamed"};
        keeper.run(keeper.commands.renameNote(1));
        keeper.session.reset();
        QVERIFY(keeper.file.exec("UPDATE settings SET value = 'x' WHERE key = 'notetitle2'"));
        keeper.file.unlock();
        keeper.start();
        QCOMPARE(keeper.move(true), "refused 4 the notes have changed since");
    }

    // The newest 100 steps are kept, and of them those within the bound of
    // characters, counted from the newest, which always stays: flushing
    // large notes again and again never grows the store without end.
    void bounded()
    {
        StoreFile file;
        SettingsStore store(file.path());
        QCOMPARE(store.open(), SettingsStore::Opened::Opened);
        const auto append = [&store](int characters, qint64 bound) {
            HistoryStep step;
            step.label = "s";
            step.inserted = {{"t", QString(characters, u'x')}};
            return store.begin() &&
                   store.appendHistory({step}, SettingsStore::maxHistorySteps, bound) &&
                   store.commit();
        };
        const auto kept = [&file] { return file.query("SELECT count(*) FROM history"); };
        for (int k = 0; k < 105; ++k)
            QVERIFY(append(1, SettingsStore::maxHistoryCharacters));
        QCOMPARE(kept(), QStringList{"100"});
        for (int k = 0; k < 3; ++k)
            QVERIFY(append(40, 100)); // 42 characters a step
        QCOMPARE(kept(), QStringList{"2"});
        QVERIFY(append(150, 100));
        QCOMPARE(kept(), QStringList{"1"});
    }
};

QTEST_GUILESS_MAIN(tst_HistoryStep)
#include "tst_historystep.moc"
