// The note commands with no widget: which notes they change, what the title
// list must show row for row, the status texts and the boxes they ask.
// Guards against: a row mapped to the wrong note under a search, a command
// acting with no pick, a refused command changing anything, the limit of 500
// not holding on either insert path, a search rule that ignores case in
// titles or keeps it in bodies, and an outcome that names the wrong rows.
#include "core/notebook.h"
#include "core/notecommands.h"
#include "fakedesktop.h"
#include "storefile.h"

#include <QTest>

namespace
{

using Rows = NoteCommands::Outcome::Rows;

// Ten notes t1..t10 with bodies b1..b10; those of notes 2, 5 and 9 hold "Match".
QList<Note> tenNotes()
{
    QList<Note> notes = numberedNotes(10);
    for (int k : {1, 4, 8})
        notes[k].body += " Match";
    return notes;
}

QStringList titlesOf(const Notebook &notebook)
{
    QStringList titles;
    for (const Note &note : notebook.notes())
        titles.append(note.title);
    return titles;
}

} // namespace

class tst_NoteCommands : public QObject
{
    Q_OBJECT

private slots:
    void commands_data()
    {
        for (const char *column :
             {"searched", "command", "input", "typed", "change", "listed", "status", "preset"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<int>("row");
        // change: "-t5" removed, "+x" added, "t5=x" renamed, "refill" a new
        // listing. listed: "all", or the rows' titles. preset: the input box's.
        auto row = [](const char *name, const char *searched, const char *command, int row,
                      const char *input, const char *typed, const char *change, const char *listed,
                      const char *status, const char *preset = "") {
            QTest::newRow(name) << searched << command << input << typed << change << listed
                                << status << preset << row;
        };
        // clang-format off
        row("delete note 3 of all", "", "delete", 2, "", "", "-t3", "all", "");
        row("delete under a search", "match", "delete", 1, "", "", "-t5", "t2 t9", "");
        row("delete the last row", "match", "delete", 2, "", "", "-t9", "t2 t5", "");
        row("delete with no pick", "", "delete", -1, "", "", "", "all", "");
        row("delete past the listing", "match", "delete", 3, "", "", "", "t2 t5 t9", "");
        row("add under a search", "match", "add", -1, "  body\nmore ", "new", "+new", "t2 t5 t9 new", "", "body");
        row("add a title of blanks", "", "add", -1, "x", "  ", "+  ", "all", "", "x");
        row("add cancelled", "", "add", -1, "x", "", "", "all", "", "x");
        row("add blanks only", "", "add", -1, "   ", "new", "", "all", "Can't insert blank note!");
        row("paste the first line", "", "paste", -1, "  Weekly\r\nplan", "", "+  Weekly", "all", "");
        row("paste nothing", "", "paste", -1, "", "", "", "all", "");
        row("paste a line break first", "", "paste", -1, "\nplan", "", "", "all", "");
        row("update under a search", "match", "update", 1, "new body", "", "", "t2 t5 t9", "'t5' Updated!");
        row("update to blanks", "", "update", 0, "  ", "", "", "all", "'t1' Updated!");
        row("update to nothing", "", "update", 0, "", "", "", "all", "Can't update a blank note!");
        row("update with no pick", "", "update", -1, "x", "", "", "all", "");
        row("rename under a search", "match", "rename", 1, "", "new", "t5=new", "t2 new t9", "", "t5");
        row("rename cancelled", "", "rename", 0, "", "", "", "all", "", "t1");
        row("rename with no pick", "", "rename", -1, "", "new", "", "all", "");
        row("copy under a search", "match", "copy", 2, "box", "", "", "t2 t5 t9", "Note copied to clipboard");
        row("copy with no pick", "", "copy", -1, "box", "", "", "all", "");
        row("search bodies in any case", "", "search", -1, " MATCH ", "", "refill", "t2 t5 t9", "Found 3 notes containing the text 'MATCH'");
        row("search titles in the same case", "", "search", -1, "t1", "", "refill", "t1 t10", "Found 2 notes containing the text 't1'");
        row("search no match keeps the rows", "match", "search", -1, "T1", "", "", "t2 t5 t9", "No notes found containing the text 'T1'");
        row("search blanks", "match", "search", -1, "  ", "", "", "t2 t5 t9", "Nothing to search!");
        row("show all after a search", "match", "showall", -1, "", "", "refill", "all", "");
        // clang-format on
    }

    void commands()
    {
        QFETCH(QString, searched);
        QFETCH(QString, command);
        QFETCH(QString, input);
        QFETCH(QString, typed);
        QFETCH(QString, change);
        QFETCH(int, row);
        FakeDesktop desktop;
        Notebook notebook(tenNotes());
        NoteCommands commands(notebook, desktop);
        commands.showAll();
        if (!searched.isEmpty())
            commands.search(searched);
        desktop.typedTexts = {typed};
        desktop.clipboard = command == "paste" ? input : QString();
        const QMap<QString, std::function<NoteCommands::Outcome()>> run = {
            {"delete", [&] { return commands.deleteNote(row); }},
            {"add", [&] { return commands.addNote(input); }},
            {"paste", [&] { return commands.addNoteFromClipboard(); }},
            {"update", [&] { return commands.updateNote(row, input); }},
            {"rename", [&] { return commands.renameNote(row); }},
            {"copy", [&] { return commands.copyToClipboard(row, input); }},
            {"search", [&] { return commands.search(input); }},
            {"showall", [&] { return commands.showAll(); }}};
        const NoteCommands::Outcome outcome = run[command]();

        // The titles expected, and the change and row the outcome names.
        QStringList titles = titlesOf(Notebook(tenNotes()));
        std::pair<Rows, int> rows = {Rows::Unchanged, -1};
        if (change.startsWith('-'))
            titles.removeOne(change.mid(1)), rows = {Rows::Removed, row};
        else if (change.startsWith('+'))
            titles.append(change.mid(1)),
                rows = {Rows::Appended, commands.listedTitles().size() - 1};
        else if (change.contains('='))
            titles.replaceInStrings(change.section('=', 0, 0), change.section('=', 1)),
                rows = {Rows::Renamed, row};
        else if (change == "refill")
            rows.first = Rows::Refilled;
        QCOMPARE(titlesOf(notebook), titles);
        QFETCH(QString, listed);
        QCOMPARE(commands.listedTitles(),
                 listed == "all" ? titles : listed.split(' ', Qt::SkipEmptyParts));
        QTEST(outcome.status.value_or(QString()), "status");
        QCOMPARE(std::pair(outcome.rows, outcome.row), rows);
        QTEST(desktop.asked.value(0).section('|', 2), "preset");
        const bool copied = command == "copy" && outcome.status;
        QCOMPARE(desktop.clipboard, command == "paste" || copied ? input : QString());
        // Bodies are kept as given, untrimmed.
        if (rows.first == Rows::Appended || outcome.status.value_or("").endsWith("Updated!"))
            QCOMPARE(notebook.at(commands.noteAt(rows.second < 0 ? row : rows.second)).body, input);
        QCOMPARE(commands.countLine(), QStringLiteral("Listing %1 of %2 note(s)")
                                           .arg(commands.listedTitles().size())
                                           .arg(notebook.count()));
    }

    // Both inserts refuse a full notebook with the same box, a blank body
    // first in the status line; a flush asks first; no notes, no search.
    void limitFlushAndNoNotes()
    {
        FakeDesktop desktop;
        Notebook notebook(QList<Note>(Notebook::maxNotes + 1, Note{"t", "b"}));
        NoteCommands commands(notebook, desktop);
        commands.showAll();
        desktop.clipboard = QStringLiteral("pasted");
        QCOMPARE(commands.addNote(" ").status, QStringLiteral("Can't insert blank note!"));
        commands.addNote(QStringLiteral("body"));
        commands.addNoteFromClipboard();
        QVERIFY(notebook.count() == Notebook::maxNotes && desktop.asked.isEmpty());
        QCOMPARE(desktop.messages.size(), 2);
        for (const Desktop::Message &box : std::as_const(desktop.messages))
            QVERIFY(box.title == "quillbox" &&
                    box.text == "Too many notes. You can only insert up to 500 notes." &&
                    box.buttons == Desktop::Buttons::Ok && box.icon == Desktop::Icon::Information);
        desktop.answers = {Desktop::Answer::Cancel, Desktop::Answer::Ok};
        commands.flushAll();
        QCOMPARE(notebook.count(), Notebook::maxNotes);
        QCOMPARE(commands.flushAll().rows, Rows::Cleared);
        QVERIFY(notebook.isEmpty() && commands.listedTitles().isEmpty());
        QVERIFY(desktop.messages.last().buttons == Desktop::Buttons::OkCancel &&
                desktop.messages.last().icon == Desktop::Icon::Warning);
        QCOMPARE(commands.search("t").status, QStringLiteral("Nothing to search!"));
    }
};

QTEST_GUILESS_MAIN(tst_NoteCommands)
#include "tst_notecommands.moc"
