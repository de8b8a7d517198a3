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

#include <QSignalSpy>
#include <QTest>

namespace
{

// The notes, their commands and a session on one store, as the window has them.
struct Keeper {
    explicit Keeper(const QList<Note> &notes, const QString &searched = QString())
    {
        file.seed(notes);
        start(searched);
    }
    // A new session, as after a restart (after another program ran sql on
    // the store, if any), and the listing it shows.
    void start(const QString &searched, const char *sql = nullptr)
    {
        session.reset();
        if (sql && file.exec(sql))
            file.unlock();
        session = std::make_unique<Session>(file.path());
        notebook = session->opening().notebook;
        notebook.notes(); // the bodies, at once
        commands.showAll();
        if (!searched.isEmpty())
            commands.search(searched);
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
        QSignalSpy moved(session.get(), &Session::historyMoved);
        undo ? session->undo() : session->redo();
        if (!moved.wait(5000))
            return "no answer";
        const auto refusal = moved[0][2].value<Session::Refusal>();
        if (refusal != Session::Refusal::None)
            return QString("refused %1 %2").arg(int(refusal)).arg(moved[0][3].toString());
        return *commands.applyHistory(moved[0][0].value<HistoryStep>(), moved[0][1].toBool())
                    .status;
    }
    // The notes (as a store holds them), the title list, and whether the
    // store holds just those notes.
    QString seen() const
    {
        const QStringList notes = StoreFile::rowsOf({notebook.notes(), 8, 8, true});
        return notes.join(' ') + " | " + commands.listedTitles().join(' ') +
               (file.rows() == notes ? "" : " | not stored");
    }

    StoreFile file;
    FakeDesktop desktop;
    Notebook notebook;
    NoteCommands commands{notebook, desktop};
    std::unique_ptr<Session> session;
};

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
    // store too, and the listing as before; done again, exactly as after it.
    // A new session on the same file can still undo it.
    void undoRedo()
    {
        QFETCH(QString, searched);
        QFETCH(QString, command);
        QFETCH(QString, input);
        QFETCH(int, row);
        QFETCH(QString, label);
        QList<Note> notes = numberedNotes(5);
        for (int k : {0, 2, 4})
            notes[k].body += " odd";
        Keeper keeper(notes, searched);
        const QString before = keeper.seen();
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
                 keeper.session->dropEdit(row, input, label);
                 return NoteCommands::Outcome();
             }}};
        keeper.run(commands[command]());
        const QString after = keeper.seen();
        for (int restart = 0; restart < 2; ++restart) {
            QCOMPARE(keeper.move(true), "Undone: " + label);
            QCOMPARE(keeper.seen(), before);
            QCOMPARE(keeper.move(false), "Redone: " + label);
            QCOMPARE(keeper.seen(), after);
            keeper.start(searched);
            QCOMPARE(keeper.seen().section(" | ", 0, 0), after.section(" | ", 0, 0));
        }
        // A new command drops what could be redone.
        QCOMPARE(keeper.move(true), "Undone: " + label);
        keeper.run(keeper.commands.deleteNote(0));
        QCOMPARE(keeper.move(false), "refused 1 ");
    }

    // An undo refuses when it would pass the limit or when the notes it
    // would take back were changed since (here by another program, between
    // two sessions).
    void refusals()
    {
        Keeper keeper(numberedNotes(Notebook::maxNotes));
        keeper.run(keeper.commands.deleteNote(0));
        keeper.start({}, "UPDATE settings SET value = '500' WHERE key = 'notetotal'");
        QCOMPARE(keeper.move(true), "refused 2 ");
        keeper.desktop.typedTexts = {"renamed"};
        keeper.run(keeper.commands.renameNote(1));
        keeper.start({}, "UPDATE settings SET value = 'x' WHERE key = 'notetitle2'");
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
        // Appends steps of 2 + characters characters; how many are kept then.
        const auto kept = [&](int steps, int characters, qint64 bound) {
            const HistoryStep step{0, "s", 0, {}, {{"t", QString(characters, u'x')}}, {}};
            for (int k = 0; k < steps; ++k) {
                if (!store.begin() ||
                    !store.appendHistory({step}, SettingsStore::maxHistorySteps, bound) ||
                    !store.commit())
                    return QString("failed");
            }
            return file.query("SELECT count(*) FROM history").join(' ');
        };
        const QStringList counts = {kept(105, 1, SettingsStore::maxHistoryCharacters),
                                    kept(3, 40, 100), kept(1, 150, 100)};
        QCOMPARE(counts, (QStringList{"100", "2", "1"}));
    }
};

QTEST_GUILESS_MAIN(tst_HistoryStep)
#include "tst_historystep.moc"
