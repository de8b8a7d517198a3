// The note commands with no widget: which notes they change, what the title
// list must show row for row, the status texts and the boxes they ask.
// Guards against: a row mapped to the wrong note under a search, a command
// acting with no pick, a refused command changing anything, the limit of 500
// not holding on either insert path, a search rule that ignores case in
// titles or keeps it in bodies.
#include "core/notebook.h"
#include "core/notecommands.h"
#include "fakedesktop.h"

#include <QTest>

namespace
{

using Rows = NoteCommands::Outcome::Rows;

// Ten notes t1..t10; the bodies of notes 2, 5 and 9 hold "Match".
QList<Note> tenNotes()
{
    QList<Note> notes;
    for (int k = 1; k <= 10; ++k)
        notes.append(
            {QStringLiteral("t%1").arg(k),
             QStringLiteral("b%1%2").arg(k).arg(k == 2 || k == 5 || k == 9 ? " Match" : "")});
    return notes;
}

struct Fixture {
    explicit Fixture(const QList<Note> &notes = tenNotes())
    {
        notebook = Notebook(notes);
        commands.showAll();
    }
    QStringList titles() const
    {
        QStringList all;
        for (const Note &note : notebook.notes())
            all.append(note.title);
        return all;
    }
    FakeDesktop desktop;
    Notebook notebook;
    NoteCommands commands{notebook, desktop};
};

} // namespace

class tst_NoteCommands : public QObject
{
    Q_OBJECT

private slots:
    void changesUnderAListing_data()
    {
        QTest::addColumn<QString>("searched"); // empty: every note listed
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("status");
        const QStringList all = Fixture().titles();
        auto without = [&all](const QString &title) {
            QStringList left = all;
            left.removeOne(title);
            return left;
        };
        QTest::newRow("delete note 3 of all")
            << ""
            << "delete" << 2 << without("t3") << without("t3") << "";
        QTest::newRow("delete under a search")
            << "match"
            << "delete" << 1 << without("t5") << QStringList{"t2", "t9"} << "";
        QTest::newRow("delete the last row")
            << "match"
            << "delete" << 2 << without("t9") << QStringList{"t2", "t5"} << "";
        QTest::newRow("delete with no pick") << ""
                                             << "delete" << -1 << all << all << "";
        QTest::newRow("delete past the listing")
            << "match"
            << "delete" << 3 << all << QStringList{"t2", "t5", "t9"} << "";
        QTest::newRow("add under a search appends to it")
            << "match"
            << "add" << -1 << all + QStringList{"new"} << QStringList{"t2", "t5", "t9", "new"}
            << "";
        QTest::newRow("rename under a search")
            << "match"
            << "rename" << 1 << QStringList(all).replaceInStrings("t5", "new")
            << QStringList{"t2", "new", "t9"} << "";
        QTest::newRow("rename with no pick") << ""
                                             << "rename" << -1 << all << all << "";
        QTest::newRow("update under a search")
            << "match"
            << "update" << 1 << all << QStringList{"t2", "t5", "t9"} << "'t5' Updated!";
        QTest::newRow("copy under a search")
            << "match"
            << "copy" << 2 << all << QStringList{"t2", "t5", "t9"} << "Note copied to clipboard";
        QTest::newRow("copy with no pick") << ""
                                           << "copy" << -1 << all << all << "";
    }

    void changesUnderAListing()
    {
        QFETCH(QString, searched);
        QFETCH(QString, command);
        QFETCH(int, row);
        Fixture f;
        if (!searched.isEmpty())
            f.commands.search(searched);
        f.desktop.typedTexts = {QStringLiteral("new")};
        NoteCommands::Outcome outcome;
        if (command == "delete")
            outcome = f.commands.deleteNote(row);
        else if (command == "add")
            outcome = f.commands.addNote(QStringLiteral("new body"));
        else if (command == "rename")
            outcome = f.commands.renameNote(row);
        else if (command == "update")
            outcome = f.commands.updateNote(row, QStringLiteral("edited"));
        else
            outcome = f.commands.copyToClipboard(row, QStringLiteral("box text"));
        QTEST(f.titles(), "titles");
        QTEST(f.commands.listedTitles(), "listed");
        QTEST(outcome.status.value_or(QString()), "status");
        if (command == "update")
            QCOMPARE(f.notebook.at(4).body, QStringLiteral("edited"));
        if (command == "copy")
            QCOMPARE(f.desktop.clipboard, row < 0 ? QString() : QStringLiteral("box text"));
        if (command == "rename" && row >= 0)
            QCOMPARE(f.desktop.asked, QStringList{"Change title|Change title of note|t5"});
        QCOMPARE(f.commands.countLine(), QStringLiteral("Listing %1 of %2 note(s)")
                                             .arg(f.commands.listedTitles().size())
                                             .arg(f.notebook.count()));
        // The rows the window must change, and only those.
        const bool changed = f.titles() != Fixture().titles() && command != "rename";
        QCOMPARE(outcome.rows == Rows::Removed || outcome.rows == Rows::Appended, changed);
    }

    void adding_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("added");
        QTest::newRow("title offered from the first line, blanks trimmed") << "  milk\nbread  "
                                                                           << "Shopping"
                                                                           << "milk"
                                                                           << "" << true;
        QTest::newRow("a title typed as blanks is a title") << "x"
                                                            << "  "
                                                            << "x"
                                                            << "" << true;
        QTest::newRow("cancelled") << "milk"
                                   << ""
                                   << "milk"
                                   << "" << false;
        QTest::newRow("blanks only") << "   "
                                     << "t"
                                     << ""
                                     << "Can't insert blank note!" << false;
    }

    void adding()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, added);
        Fixture f(QList<Note>{});
        f.desktop.typedTexts = {typed};
        const auto outcome = f.commands.addNote(box);
        QTEST(outcome.status.value_or(QString()), "status");
        if (!outcome.status) {
            QFETCH(QString, preset);
            QCOMPARE(f.desktop.asked, QStringList{"Insert note|Enter title of note|" + preset});
        }
        QCOMPARE(f.notebook.count(), added ? 1 : 0);
        // The body is kept untrimmed.
        if (added)
            QCOMPARE(f.notebook.at(0), (Note{typed, box}));
    }

    void fromClipboard_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("first line, untrimmed") << "  Weekly\r\nplan" << QStringList{"  Weekly"};
        QTest::newRow("empty clipboard") << "" << QStringList();
        QTest::newRow("starts with a line break") << "\nplan" << QStringList();
    }

    void fromClipboard()
    {
        QFETCH(QString, clipboard);
        Fixture f(QList<Note>{});
        f.desktop.clipboard = clipboard;
        f.commands.addNoteFromClipboard();
        QTEST(f.titles(), "titles");
        QVERIFY(f.desktop.asked.isEmpty());
        if (f.notebook.count() == 1)
            QCOMPARE(f.notebook.at(0).body, clipboard);
    }

    // At the limit both inserts refuse with the same box; a blank body is
    // refused first, in the status line.
    void limitOfFiveHundred()
    {
        Fixture f(QList<Note>(Notebook::maxNotes + 1, Note{"t", "b"}));
        QCOMPARE(f.notebook.count(), Notebook::maxNotes);
        f.desktop.clipboard = QStringLiteral("pasted");
        f.desktop.typedTexts = {QStringLiteral("typed")};
        QCOMPARE(f.commands.addNote(QStringLiteral(" ")).status.value(),
                 QStringLiteral("Can't insert blank note!"));
        QVERIFY(f.desktop.messages.isEmpty());
        f.commands.addNote(QStringLiteral("body"));
        f.commands.addNoteFromClipboard();
        QCOMPARE(f.notebook.count(), Notebook::maxNotes);
        QVERIFY(f.desktop.asked.isEmpty());
        QCOMPARE(f.desktop.messages.size(), 2);
        for (const auto &box : std::as_const(f.desktop.messages)) {
            QCOMPARE(box.text,
                     QStringLiteral("Too many notes. You can only insert up to 500 notes."));
            QCOMPARE(box.title, QStringLiteral("quillbox"));
            QCOMPARE(box.buttons, Desktop::Buttons::Ok);
            QCOMPARE(box.icon, Desktop::Icon::Information);
        }
        f.commands.deleteNote(0);
        f.commands.addNoteFromClipboard();
        QCOMPARE(f.notebook.count(), Notebook::maxNotes);
    }

    void updating_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("status");
        QTest::newRow("blanks are a body") << "  "
                                           << "'t1' Updated!";
        QTest::newRow("empty is refused") << ""
                                          << "Can't update a blank note!";
    }

    void updating()
    {
        QFETCH(QString, box);
        Fixture f;
        QTEST(f.commands.updateNote(0, box).status.value(), "status");
        QCOMPARE(f.notebook.at(0).body, box.isEmpty() ? QStringLiteral("b1") : box);
    }

    void search_data()
    {
        QTest::addColumn<QList<Note>>("notes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("listed");
        const QList<Note> notes = tenNotes();
        const QStringList all = Fixture().titles();
        QTest::newRow("bodies in any case, blanks trimmed")
            << notes << "  MATCH "
            << "Found 3 notes containing the text 'MATCH'" << QStringList{"t2", "t5", "t9"};
        QTest::newRow("one match still says notes")
            << notes << "b10"
            << "Found 1 notes containing the text 'b10'" << QStringList{"t10"};
        QTest::newRow("titles in the same case only")
            << QList<Note>{{"Trip", "x"}, {"trip", "y"}} << "Trip"
            << "Found 1 notes containing the text 'Trip'" << QStringList{"Trip"};
        QTest::newRow("no match keeps the listing")
            << notes << "zebra"
            << "No notes found containing the text 'zebra'" << all;
        QTest::newRow("blanks only") << notes << "  "
                                     << "Nothing to search!" << all;
        QTest::newRow("no notes") << QList<Note>() << "x"
                                  << "Nothing to search!" << QStringList();
    }

    void search()
    {
        QFETCH(QList<Note>, notes);
        QFETCH(QString, text);
        Fixture f(notes);
        const auto outcome = f.commands.search(text);
        QTEST(outcome.status.value(), "status");
        QTEST(f.commands.listedTitles(), "listed");
        QCOMPARE(outcome.rows == Rows::Refilled, outcome.status->startsWith("Found"));
    }

    void flushAll_data()
    {
        QTest::addColumn<Desktop::Answer>("answer");
        QTest::addColumn<int>("left");
        QTest::newRow("OK") << Desktop::Answer::Ok << 0;
        QTest::newRow("Cancel") << Desktop::Answer::Cancel << 10;
    }

    void flushAll()
    {
        QFETCH(Desktop::Answer, answer);
        Fixture f;
        f.desktop.answers = {answer};
        f.commands.flushAll();
        QTEST(f.notebook.count(), "left");
        QTEST(int(f.commands.listedTitles().size()), "left");
        const auto &box = f.desktop.messages.value(0);
        QCOMPARE(box.title, QStringLiteral("Flush all notes"));
        QCOMPARE(box.text, QStringLiteral("This will permanently remove all the notes from the "
                                          "list. Are you sure?"));
        QCOMPARE(box.buttons, Desktop::Buttons::OkCancel);
        QCOMPARE(box.icon, Desktop::Icon::Warning);
    }
};

QTEST_GUILESS_MAIN(tst_NoteCommands)
#include "tst_notecommands.moc"
