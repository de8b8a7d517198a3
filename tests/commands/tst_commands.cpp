#include "mainwindow/form1.h"
#include "scriptedplatform.h"
#include "tempstore.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

// The title list, the two status lines and the note commands, driven
// through the real widgets with the boxes answered by the scripted platform.
class TestCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempStore> store;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<Form1> w;

    void start(int notes)
    {
        store = std::make_unique<TempStore>();
        store->seedNumbered(notes);
        platform = std::make_unique<ScriptedPlatform>();
        w = std::make_unique<Form1>(*platform, store->path());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    QStringList listed() const
    {
        QStringList items;
        for (int i = 0; i < w->mainlist->count(); ++i)
            items << w->mainlist->item(i)->text();
        return items;
    }

    void clickRow(int row)
    {
        QListWidget *list = w->mainlist;
        list->scrollToItem(list->item(row));
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

    void doubleClickRow(int row)
    {
        QListWidget *list = w->mainlist;
        const QPoint at = list->visualItemRect(list->item(row)).center();
        // A double click arrives as press, release, double-click, release.
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }

    void searchFor(const QString &text)
    {
        w->searchbox->setText(text);
        w->ico_search_Click();
    }

    void typeBody(const QString &text) { w->maintextbox->setPlainText(text); }

    QString countLine() const { return w->Label1->text(); }
    QString statusLine() const { return w->status->text(); }

private slots:
    void cleanup()
    {
        w.reset();
        platform.reset();
        store.reset();
    }

    void startupListsEveryStoredNote_data()
    {
        QTest::addColumn<int>("notes");
        QTest::addColumn<QString>("count");
        QTest::newRow("none") << 0 << "Listing 0 of 0 note(s)";
        QTest::newRow("one") << 1 << "Listing 1 of 1 note(s)";
        QTest::newRow("twelve") << 12 << "Listing 12 of 12 note(s)";
    }

    void startupListsEveryStoredNote()
    {
        QFETCH(int, notes);
        QFETCH(QString, count);
        start(notes);
        QCOMPARE(countLine(), count);
        QCOMPARE(w->mainlist->count(), notes);
        if (notes > 0)
            QCOMPARE(w->mainlist->item(notes - 1)->text(), QStringLiteral("t%1").arg(notes));
        QVERIFY(w->mainlist->selectedItems().isEmpty());
        QVERIFY(w->maintextbox->toPlainText().isEmpty());
        QVERIFY(statusLine().isEmpty());
    }

    void pickingShowsTheBody()
    {
        start(3);
        clickRow(1);
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("b2"));
        QCOMPARE(w->notes.curpos, 2);
        // The keyboard picks as well, as in any list box.
        QTest::keyClick(w->mainlist, Qt::Key_Down);
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("b3"));
        // An unsaved edit is dropped by the next pick, without a question.
        typeBody(QStringLiteral("edited"));
        clickRow(0);
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("b1"));
        QCOMPARE(w->notes.notecontents[3], QStringLiteral("b3"));
        QVERIFY(platform->messageBoxes.isEmpty());
        QCOMPARE(countLine(), QStringLiteral("Listing 3 of 3 note(s)"));
    }

    void sameTitlesAreToldApartByRow()
    {
        store = std::make_unique<TempStore>();
        store->seed({"same", "same"}, {"first body", "second body"});
        platform = std::make_unique<ScriptedPlatform>();
        w = std::make_unique<Form1>(*platform, store->path());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        clickRow(1);
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("second body"));
        clickRow(0);
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("first body"));
        platform->inputAnswers.enqueue(QStringLiteral("renamed"));
        doubleClickRow(1);
        QCOMPARE(listed(), (QStringList{"same", "renamed"}));
        QCOMPARE(w->notes.notetitles[2], QStringLiteral("renamed"));
    }

    // The title rule itself is tested in tst_textrules; these rows check
    // that each insert path applies it to the right text.
    void insertOffersTitleFromFirstLine_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("preset");
        const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
        QTest::newRow("31 characters cut")
            << thirty + "4" << QStringLiteral("abcdefghijklmnopqrstuvwxyz0...");
        QTest::newRow("leading blanks trimmed before the title") << "  a short phrase\nmore\nlines"
                                                                 << "a short phrase";
        QTest::newRow("line feed") << "milk\nbread"
                                   << "milk";
    }

    void insertOffersTitleFromFirstLine()
    {
        QFETCH(QString, body);
        QFETCH(QString, preset);
        start(2);
        typeBody(body);
        platform->inputAnswers.enqueue(QStringLiteral("my title"));
        w->but_Click(3);
        QCOMPARE(platform->inputBoxes.size(), 1);
        QCOMPARE(platform->inputBoxes[0].prompt, QStringLiteral("Enter title of note"));
        QCOMPARE(platform->inputBoxes[0].title, QStringLiteral("Insert note"));
        QCOMPARE(platform->inputBoxes[0].preset, preset);
        // The body is stored as typed, blanks and line breaks included.
        QCOMPARE(w->notes.notecount, 3);
        QCOMPARE(w->notes.notecontents[3], body);
        QCOMPARE(listed().last(), QStringLiteral("my title"));
        QCOMPARE(countLine(), QStringLiteral("Listing 3 of 3 note(s)"));
        QVERIFY(w->mainlist->selectedItems().isEmpty());
        QCOMPARE(w->maintextbox->toPlainText(), body);
        QVERIFY(statusLine().isEmpty());
    }

    void insertAddsNothingWithoutATitle_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("answer");
        QTest::newRow("cancelled") << "some text"
                                   << "";
        QTest::newRow("body begins with a line break, empty default kept") << "\nsecond"
                                                                           << "";
    }

    void insertAddsNothingWithoutATitle()
    {
        QFETCH(QString, body);
        QFETCH(QString, answer);
        start(1);
        typeBody(body);
        platform->inputAnswers.enqueue(answer);
        w->but_Click(3);
        QCOMPARE(platform->inputBoxes.size(), 1);
        QCOMPARE(w->notes.notecount, 1);
        QCOMPARE(listed(), QStringList{"t1"});
        QCOMPARE(countLine(), QStringLiteral("Listing 1 of 1 note(s)"));
    }

    void blankBodiesAreRefusedOnInsert_data()
    {
        QTest::addColumn<QString>("body");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "     ";
    }

    void blankBodiesAreRefusedOnInsert()
    {
        QFETCH(QString, body);
        start(0);
        typeBody(body);
        w->but_Click(3);
        QCOMPARE(statusLine(), QStringLiteral("Can't insert blank note!"));
        QVERIFY(platform->inputBoxes.isEmpty());
        QCOMPARE(w->notes.notecount, 0);
        QCOMPARE(countLine(), QStringLiteral("Listing 0 of 0 note(s)"));
    }

    void fullCollectionRefusesBothInserts_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("Add new note") << 3;
        QTest::newRow("Add note from clipboard") << 4;
    }

    void fullCollectionRefusesBothInserts()
    {
        QFETCH(int, button);
        start(499);
        typeBody(QStringLiteral("the 500th"));
        platform->clipboard = QStringLiteral("the 500th");
        platform->inputAnswers.enqueue(QStringLiteral("500th"));
        w->but_Click(button);
        QCOMPARE(w->notes.notecount, 500);
        QCOMPARE(countLine(), QStringLiteral("Listing 500 of 500 note(s)"));
        QVERIFY(platform->messageBoxes.isEmpty());

        const int readsBefore = platform->clipboardReads;
        platform->inputAnswers.enqueue(QStringLiteral("501st"));
        w->but_Click(button);
        QCOMPARE(platform->messageBoxes.size(), 1);
        const auto &box = platform->messageBoxes[0];
        QCOMPARE(box.prompt,
                 QStringLiteral("Too many notes. You can only insert up to 500 notes."));
        QCOMPARE(box.title, QStringLiteral("quillbox"));
        QCOMPARE(box.buttons, Platform::OkOnly);
        QCOMPARE(box.icon, Platform::Information);
        QCOMPARE(w->notes.notecount, 500);
        QCOMPARE(w->mainlist->count(), 500);
        QCOMPARE(platform->clipboardReads, readsBefore); // the clipboard is not read
        QCOMPARE(countLine(), QStringLiteral("Listing 500 of 500 note(s)"));
    }

    void blankBodyAtTheLimitGetsTheStatusText()
    {
        start(500);
        typeBody(QStringLiteral("  "));
        w->but_Click(3);
        QCOMPARE(statusLine(), QStringLiteral("Can't insert blank note!"));
        QVERIFY(platform->messageBoxes.isEmpty());
    }

    void updateWritesThePickedNote()
    {
        start(3);
        typeBody(QStringLiteral("orphan text"));
        w->but_Click(1); // nothing picked: silently nothing
        QVERIFY(statusLine().isEmpty());
        QCOMPARE(w->notes.contents(), (QStringList{"b1", "b2", "b3"}));

        clickRow(2);
        typeBody(QString());
        w->but_Click(1);
        QCOMPARE(statusLine(), QStringLiteral("Can't update a blank note!"));
        QCOMPARE(w->notes.notecontents[3], QStringLiteral("b3"));

        typeBody(QStringLiteral("   "));
        w->but_Click(1);
        QCOMPARE(statusLine(), QStringLiteral("'t3' Updated!"));
        QCOMPARE(w->notes.notecontents[3], QStringLiteral("   "));
        QCOMPARE(listed(), (QStringList{"t1", "t2", "t3"}));
        QCOMPARE(countLine(), QStringLiteral("Listing 3 of 3 note(s)"));
    }

    void clearNoteEmptiesOnlyTheBox()
    {
        start(2);
        clickRow(0);
        w->but_Click(0);
        QVERIFY(w->maintextbox->toPlainText().isEmpty());
        QCOMPARE(w->notes.contents(), (QStringList{"b1", "b2"}));
        QCOMPARE(w->mainlist->selectedItems().size(), 1);
        w->but_Click(1);
        QCOMPARE(statusLine(), QStringLiteral("Can't update a blank note!"));
    }

    // Notes 2, 5 and 9 of ten are listed after a search on their bodies.
    void listingArithmeticUnderASearch_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("titlesAfter");
        QTest::addColumn<QString>("countAfter");
        QTest::addColumn<int>("changedNote");
        QTest::addColumn<QString>("bodyAfter");

        QTest::newRow("update") << 1 << QStringList{"t2", "t5", "t9"} << "Listing 3 of 10 note(s)"
                                << 5 << "new body";
        QTest::newRow("delete") << 2 << QStringList{"t2", "t9"} << "Listing 2 of 9 note(s)" << 5
                                << "b6";
        QTest::newRow("insert") << 3 << QStringList{"t2", "t5", "t9", "added"}
                                << "Listing 4 of 11 note(s)" << 11 << "new body";
    }

    void listingArithmeticUnderASearch()
    {
        QFETCH(int, button);
        QFETCH(QStringList, titlesAfter);
        QFETCH(QString, countAfter);
        QFETCH(int, changedNote);
        QFETCH(QString, bodyAfter);

        store = std::make_unique<TempStore>();
        QStringList titles, bodies;
        for (int k = 1; k <= 10; ++k) {
            titles << QStringLiteral("t%1").arg(k);
            bodies << ((k == 2 || k == 5 || k == 9) ? QStringLiteral("has KEY %1").arg(k)
                                                    : QStringLiteral("b%1").arg(k));
        }
        store->seed(titles, bodies);
        platform = std::make_unique<ScriptedPlatform>();
        w = std::make_unique<Form1>(*platform, store->path());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));

        searchFor(QStringLiteral("key"));
        QCOMPARE(listed(), (QStringList{"t2", "t5", "t9"}));
        QCOMPARE(countLine(), QStringLiteral("Listing 3 of 10 note(s)"));
        clickRow(1);
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("has KEY 5"));
        typeBody(QStringLiteral("new body"));
        platform->inputAnswers.enqueue(QStringLiteral("added"));
        w->but_Click(button);
        QCOMPARE(listed(), titlesAfter);
        QCOMPARE(countLine(), countAfter);
        QCOMPARE(w->notes.notecontents[changedNote], bodyAfter);
        if (button == 1)
            QCOMPARE(statusLine(), QStringLiteral("'t5' Updated!"));
    }

    void renaming_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("title");
        QTest::newRow("new title") << "groceries"
                                   << "groceries";
        QTest::newRow("blanks accepted") << "   "
                                         << "   ";
        QTest::newRow("cancel keeps the old") << ""
                                              << "t2";
        QTest::newRow("a title another note has") << "t1"
                                                  << "t1";
    }

    void renaming()
    {
        QFETCH(QString, answer);
        QFETCH(QString, title);
        start(3);
        platform->inputAnswers.enqueue(answer);
        doubleClickRow(1);
        QCOMPARE(platform->inputBoxes.size(), 1);
        QCOMPARE(platform->inputBoxes[0].prompt, QStringLiteral("Change title of note"));
        QCOMPARE(platform->inputBoxes[0].title, QStringLiteral("Change title"));
        QCOMPARE(platform->inputBoxes[0].preset, QStringLiteral("t2"));
        QCOMPARE(w->notes.notetitles[2], title);
        QCOMPARE(listed(), (QStringList{"t1", title, "t3"}));
        QCOMPARE(w->notes.notecontents[2], QStringLiteral("b2"));
        QCOMPARE(countLine(), QStringLiteral("Listing 3 of 3 note(s)"));
        QVERIFY(statusLine().isEmpty());
    }

    void renamingUnderASearchRenamesThatRowsNote()
    {
        start(10);
        searchFor(QStringLiteral("t1")); // t1 and t10
        QCOMPARE(listed(), (QStringList{"t1", "t10"}));
        platform->inputAnswers.enqueue(QStringLiteral("ten"));
        doubleClickRow(1);
        QCOMPARE(w->notes.notetitles[10], QStringLiteral("ten"));
        QCOMPARE(w->notes.notetitles[1], QStringLiteral("t1"));
        QCOMPARE(listed(), (QStringList{"t1", "ten"}));
    }

    void doubleClickWithoutSelectionDoesNothing()
    {
        start(2);
        w->mainlist_DblClick();
        QVERIFY(platform->inputBoxes.isEmpty());
        QCOMPARE(listed(), (QStringList{"t1", "t2"}));
    }

    void search_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("count");

        QTest::newRow("body in capitals found by lower case")
            << "apple" << QStringList{"Fruit", "shop"}
            << "Found 2 notes containing the text 'apple'"
            << "Listing 2 of 4 note(s)";
        QTest::newRow("body in lower case found by capitals")
            << "BREAD" << QStringList{"shop"} << "Found 1 notes containing the text 'BREAD'"
            << "Listing 1 of 4 note(s)";
        QTest::newRow("title only in the same case")
            << "Fruit" << QStringList{"Fruit"} << "Found 1 notes containing the text 'Fruit'"
            << "Listing 1 of 4 note(s)";
        QTest::newRow("title in another case does not match")
            << "fruit" << QStringList{"t1", "t2", "Fruit", "shop"}
            << "No notes found containing the text 'fruit'"
            << "Listing 4 of 4 note(s)";
        QTest::newRow("blanks around are trimmed")
            << "  bread " << QStringList{"shop"} << "Found 1 notes containing the text 'bread'"
            << "Listing 1 of 4 note(s)";
        QTest::newRow("across a line break")
            << "e\nb" << QStringList{"shop"} << "Found 1 notes containing the text 'e\nb'"
            << "Listing 1 of 4 note(s)";
        QTest::newRow("full Unicode upper case")
            << "straße" << QStringList{"t2"} << "Found 1 notes containing the text 'straße'"
            << "Listing 1 of 4 note(s)";
        QTest::newRow("empty") << "" << QStringList{"t1", "t2", "Fruit", "shop"}
                               << "Nothing to search!"
                               << "Listing 4 of 4 note(s)";
        QTest::newRow("blanks only")
            << "   " << QStringList{"t1", "t2", "Fruit", "shop"} << "Nothing to search!"
            << "Listing 4 of 4 note(s)";
    }

    void search()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, titles);
        QFETCH(QString, status);
        QFETCH(QString, count);
        store = std::make_unique<TempStore>();
        store->seed({"t1", "t2", "Fruit", "shop"},
                    {"nothing here", "HAUPTSTRASSE 5", "APPLE pie", "apple\nbread"});
        platform = std::make_unique<ScriptedPlatform>();
        w = std::make_unique<Form1>(*platform, store->path());
        searchFor(text);
        QCOMPARE(listed(), titles);
        QCOMPARE(statusLine(), status);
        QCOMPARE(countLine(), count);
        QCOMPARE(w->searchbox->text(), text); // the field keeps its text
    }

    void searchWithNoNotes()
    {
        start(0);
        searchFor(QStringLiteral("x"));
        QCOMPARE(statusLine(), QStringLiteral("Nothing to search!"));
    }

    void noMatchKeepsTheEarlierResult()
    {
        start(12);
        searchFor(QStringLiteral("t1"));
        QCOMPARE(listed(), (QStringList{"t1", "t10", "t11", "t12"}));
        searchFor(QStringLiteral("zzz"));
        QCOMPARE(listed(), (QStringList{"t1", "t10", "t11", "t12"}));
        QCOMPARE(countLine(), QStringLiteral("Listing 4 of 12 note(s)"));
        QCOMPARE(statusLine(), QStringLiteral("No notes found containing the text 'zzz'"));
        // A second search starts again from all notes, not the listing.
        searchFor(QStringLiteral("t2"));
        QCOMPARE(listed(), QStringList{"t2"});
        w->icons_Click(3); // show all notes
        QCOMPARE(listed().size(), 12);
        QCOMPARE(countLine(), QStringLiteral("Listing 12 of 12 note(s)"));
    }

    void refillForgetsThePick_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("update") << 1;
        QTest::newRow("delete") << 2;
        QTest::newRow("copy") << 5;
    }

    // After the list is refilled no row is selected, and the commands on the
    // picked note must not act on a row the user did not pick.
    void refillForgetsThePick()
    {
        QFETCH(int, button);
        start(6);
        clickRow(4);
        searchFor(QStringLiteral("t"));
        QVERIFY(w->mainlist->selectedItems().isEmpty());
        typeBody(QStringLiteral("stray"));
        platform->clipboard = QStringLiteral("before");
        w->but_Click(button);
        QCOMPARE(w->notes.contents(), (QStringList{"b1", "b2", "b3", "b4", "b5", "b6"}));
        QCOMPARE(w->mainlist->count(), 6);
        QCOMPARE(platform->clipboard, QStringLiteral("before"));
        QVERIFY(statusLine().startsWith(QStringLiteral("Found")));
    }

    void deleteRemovesThePickedNoteOnly()
    {
        start(5);
        clickRow(2);
        w->but_Click(2);
        QCOMPARE(listed(), (QStringList{"t1", "t2", "t4", "t5"}));
        QCOMPARE(countLine(), QStringLiteral("Listing 4 of 4 note(s)"));
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("b3")); // the box keeps it
        QVERIFY(w->mainlist->selectedItems().isEmpty());
        w->but_Click(2); // nothing picked any more
        QCOMPARE(w->notes.notecount, 4);
        clickRow(0);
        w->but_Click(2);
        QCOMPARE(listed(), (QStringList{"t2", "t4", "t5"}));
    }

    void copyPutsTheBoxOnTheClipboard_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("unsaved edit") << "edited, not updated";
        QTest::newRow("after Clear Note") << "";
    }

    void copyPutsTheBoxOnTheClipboard()
    {
        QFETCH(QString, edit);
        start(2);
        w->but_Click(5); // nothing picked: silent, clipboard untouched
        QVERIFY(platform->clipboard.isEmpty());
        QVERIFY(statusLine().isEmpty());
        platform->clipboard = QStringLiteral("old");
        clickRow(1);
        typeBody(edit);
        w->but_Click(5);
        QCOMPARE(platform->clipboard, edit);
        QCOMPARE(statusLine(), QStringLiteral("Note copied to clipboard"));
        QCOMPARE(w->notes.notecontents[2], QStringLiteral("b2"));
        QCOMPARE(countLine(), QStringLiteral("Listing 2 of 2 note(s)"));
    }

    void pasteMakesANote_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("title");
        const QString thirty = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123");
        QTest::newRow("three lines") << "first\nsecond\nthird"
                                     << "first";
        QTest::newRow("CR LF lines") << "first\r\nsecond"
                                     << "first";
        QTest::newRow("31 characters") << thirty + "4\nx" << thirty.left(27) + "...";
        QTest::newRow("leading blanks kept") << "  indented\nx"
                                             << "  indented";
    }

    void pasteMakesANote()
    {
        QFETCH(QString, clip);
        QFETCH(QString, title);
        start(1);
        clickRow(0);
        platform->clipboard = clip;
        w->but_Click(4);
        QVERIFY(platform->inputBoxes.isEmpty());
        QCOMPARE(w->notes.notecount, 2);
        QCOMPARE(w->notes.notetitles[2], title);
        QCOMPARE(w->notes.notecontents[2], clip);
        QCOMPARE(listed(), (QStringList{"t1", title}));
        QCOMPARE(countLine(), QStringLiteral("Listing 2 of 2 note(s)"));
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("b1"));
        QCOMPARE(w->notes.curpos, 1);
        QVERIFY(statusLine().isEmpty());
    }

    void pasteAddsNothing_data()
    {
        QTest::addColumn<QString>("clip");
        QTest::addColumn<bool>("hasText");
        QTest::newRow("no text on the clipboard") << "" << false;
        QTest::newRow("empty text") << "" << true;
        QTest::newRow("begins with LF") << "\nbody" << true;
        QTest::newRow("begins with CR") << "\rbody" << true;
    }

    void pasteAddsNothing()
    {
        QFETCH(QString, clip);
        QFETCH(bool, hasText);
        start(1);
        platform->clipboard = clip;
        platform->clipboardHasText = hasText;
        w->but_Click(4);
        QCOMPARE(w->notes.notecount, 1);
        QCOMPARE(listed(), QStringList{"t1"});
        QVERIFY(platform->messageBoxes.isEmpty());
        QVERIFY(statusLine().isEmpty());
    }

    void flushAsksFirst()
    {
        start(3);
        clickRow(0);
        platform->messageAnswers.enqueue(Platform::Cancel);
        w->icons_Click(2);
        QCOMPARE(platform->messageBoxes.size(), 1);
        const auto &box = platform->messageBoxes[0];
        QCOMPARE(box.prompt, QStringLiteral("This will permanently remove all the notes from "
                                            "the list. Are you sure?"));
        QCOMPARE(box.title, QStringLiteral("Flush all notes"));
        QCOMPARE(box.buttons, Platform::OkCancel);
        QCOMPARE(box.icon, Platform::Exclamation);
        QCOMPARE(w->notes.notecount, 3);
        QCOMPARE(listed().size(), 3);

        platform->messageAnswers.enqueue(Platform::Ok);
        w->icons_Click(2);
        QCOMPARE(w->notes.notecount, 0);
        QVERIFY(listed().isEmpty());
        QCOMPARE(w->notes.curpos, 0);
        // The flush leaves the box and the count line to later commands.
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("b1"));
        QCOMPARE(countLine(), QStringLiteral("Listing 3 of 3 note(s)"));
        w->but_Click(0);
        QCOMPARE(countLine(), QStringLiteral("Listing 0 of 0 note(s)"));
    }
};

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
