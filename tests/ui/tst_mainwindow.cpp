// The main window as a user meets it, found by object names and driven with
// mouse and keys; the fake desktop answers the boxes. Guards against: a widget
// missing, misnamed or nameless to a screen reader, a picture button or a key
// that shows the wrong picture or runs the wrong command, a hover caption in
// the wrong place, a count line rewritten when it should not be, a layout that
// does not follow the window, docking off the work area, while maximised, or,
// silently or in part, where the window cannot be placed, an About window that
// leaves the main window usable or outlives it, a note shown or copied before
// its text is read, a note's text changed by showing it, a long line laid out
// again on leaving, a failure notice that a move or a later command hides,
// changes accepted that cannot be written, and an exit that saves twice, not
// at all, or fails silently.
#include "core/windowlayout.h"
#include "fakedesktop.h"
#include "storefile.h"
#include "ui/mainwindow.h"
#include "ui/picturebutton.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace
{

struct Window {
    enum Store { Free, Locked }; // Locked: by another program when the window opens
    explicit Window(Store store = Free, const QList<Note> &notes = numberedNotes(3))
        : session(seeded(store, notes), 100), window(session, &desktop)
    {
        window.show();
        // Keys reach the window's shortcuts only once it is active.
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the main window never became active");
    }
    template <class T = QWidget> T *find(QString name) const { return window.findChild<T *>(name); }
    void click(const QString &name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    QListWidget *list() const { return find<QListWidget>("mainlist"); }
    QPlainTextEdit *text() const { return find<QPlainTextEdit>("maintextbox"); }
    QString label(const char *name) const { return find<QLabel>(name)->text(); }
    QString seeded(Store store, const QList<Note> &notes)
    {
        file.seed(notes, 8, 12);
        if (store == Locked && !file.lock())
            qFatal("the store could not be locked");
        return file.path();
    }
    QString rows() const
    {
        QStringList titles;
        for (int row = 0; row < list()->count(); ++row)
            titles.append(list()->item(row)->text());
        return titles.join(' ');
    }

    StoreFile file;
    FakeDesktop desktop;
    Session session;
    MainWindow window;
};

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    // The names a screen reader reads (the tab order is the end-to-end
    // keyboard run's), the font sizes the menus set, and each picture button:
    // its caption, a pressed picture while held, nothing run when released
    // away, and the toolbar's captions on the status line while hovered.
    void reachable()
    {
        Window w;
        QCOMPARE(w.text()->contextMenuPolicy(), Qt::NoContextMenu);
        for (const char *name : {"mainlist", "maintextbox", "searchbox"})
            QVERIFY(!w.find(name)->accessibleName().isEmpty());
        QAccessibleInterface *paste = QAccessible::queryAccessibleInterface(w.find("but4"));
        QCOMPARE(paste->role(), QAccessible::Button);
        QCOMPARE(paste->text(QAccessible::Description), QStringLiteral("Shortcut: Ctrl+Shift+V"));
        // A right click on the list opens its sizes and picks nothing.
        QTest::mouseClick(w.list()->viewport(), Qt::RightButton, {},
                          w.list()->visualItemRect(w.list()->item(0)).center());
        QVERIFY(w.find("mainlistmenu")->isVisible() && w.list()->selectedItems().isEmpty());
        w.window.findChild<QAction *>("mainlist_size12")->trigger();
        w.window.findChild<QAction *>("maintextbox_size8")->trigger();
        QCOMPARE(w.list()->font().pointSizeF() * 100 + w.text()->font().pointSizeF(), 1208.0);
        w.find("mainlistmenu")->close();

        const QStringList captions =
            QStringLiteral("Dock Quillbox to the left of the screen|Dock Quillbox to the right of "
                           "the screen|Flush all notes|Show all notes|About Quillbox|Exit "
                           "Quillbox|Change font size|Clear Note|Update Note|Delete Note|Add new "
                           "note|Add note from clipboard|Copy note to clipboard|Search")
                .split('|');
        for (int i = 0; i < 14; ++i) {
            auto *button = w.find<PictureButton>(
                i == 13 ? "ico_search" : QString(i < 7 ? "icons%1" : "but%1").arg(i % 7));
            QCOMPARE(button->toolTip() + button->accessibleName(), captions[i] + captions[i]);
            const QImage normal = button->picture().toImage();
            QTest::mousePress(button, Qt::RightButton);
            QVERIFY(button->picture().toImage() != normal);
            QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(-5, -5));
            QCOMPARE(button->picture().toImage(), normal);
            QTest::mouseMove(button);
            QCOMPARE(w.label("status"), captions[std::min(i, 6)]);
        }
        QTest::mouseMove(&w.window, QPoint(w.window.width() - 2, 2));
        QVERIFY(w.label("status").isEmpty() && w.window.isVisible());
    }

    void commands_data()
    {
        for (const char *column : {"trigger", "focus", "after"})
            QTest::addColumn<QString>(column);
        auto row = [](const char *trigger, const char *focus, const char *after) {
            QTest::newRow(trigger) << trigger << focus << after;
        };
        // A button's name or a key; the focus for a key; what to read after.
        // The keys the end-to-end keyboard run presses are left to it.
        // clang-format off
        row("but0", "", "text=; count=Listing 3 of 3 note(s)");
        row("but1", "", "status='t2' Updated!; selected=1");
        row("but2", "", "rows=t1 t3; count=Listing 2 of 2 note(s); selected=0");
        row("but3", "", "rows=t1 t2 t3 typed; asked=Insert note|Enter title of note|edited");
        row("but4 twice", "", "rows=t1 t2 t3 pasted pasted");
        row("but5", "", "clipboard=edited; status=Note copied to clipboard");
        row("ico_search", "", "rows=t3; count=Listing 1 of 3 note(s); status=Found 1 notes containing the text 'b3'; selected=0");
        row("icons2", "", "rows=; count=; box=Flush all notes");
        row("Ctrl+Shift+V", "maintextbox", "rows=t1 t2 t3 pasted");
        row("Ctrl+Shift+C", "searchbox", "clipboard=edited");
        row("Ctrl+Shift+Del", "maintextbox", "box=Flush all notes");
        row("F5", "searchbox", "count=Listing 3 of 3 note(s)");
        row("F1", "mainlist", "held=by About");
        row("Ctrl+Alt+Right", "mainlist", "frame=844,30 180x738");
        row("icons0 unplaceable", "", "status=cannot place; frame=0,0 180x362");
        row("Ctrl+Alt+Right unplaceable", "mainlist", "status=cannot place; frame=0,0 180x362");
        row("Ctrl+Shift+F", "mainlist", "menu=visible");
        row("F2", "mainlist", "asked=Change title|Change title of note|t2");
        // clang-format on
    }

    // Each button and each key runs its command, and the window shows its
    // answer; the note commands rewrite the count line, the flush does not.
    void commands()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, focus);
        Window w;
        w.list()->setCurrentRow(1);
        w.text()->setPlainText("edited");
        QTest::keyClicks(w.find("searchbox"), "b3");
        w.find<QLabel>("Label1")->clear();
        w.desktop.clipboard = "pasted";
        w.desktop.typedTexts = {"typed"};
        w.desktop.answers = {Desktop::Answer::Ok};
        w.desktop.placementProblem = trigger.endsWith("unplaceable") ? "cannot place" : "";
        if (focus.isEmpty()) {
            w.click(trigger.section(' ', 0, 0));
        } else {
            w.find(focus)->setFocus();
            QTest::keySequence(w.find(focus), QKeySequence(trigger.section(' ', 0, 0)));
        }
        if (trigger.endsWith("twice")) { // a double click is two clicks
            QTest::mouseDClick(w.find("but4"), Qt::LeftButton);
            QTest::mouseRelease(w.find("but4"), Qt::LeftButton);
        }
        const auto seen = [&] {
            const QRect frame = w.window.frameGeometry();
            // clang-format off
            return QMap<QString, QString>{
                {"asked", w.desktop.asked.value(0)}, {"status", w.label("status")},
                {"rows", w.rows()}, {"clipboard", w.desktop.clipboard}, {"text", w.text()->toPlainText()},
                {"count", w.label("Label1")}, {"selected", QString::number(w.list()->selectedItems().size())},
                {"box", w.desktop.messages.value(0).title}, {"held", w.window.isEnabled() ? "" : "by About"},
                {"frame", QString::asprintf("%d,%d %dx%d", frame.x(), frame.y(), frame.width(), frame.height())},
                {"menu", w.find("maintextboxmenu")->isVisible() ? "visible" : ""}};
            // clang-format on
        };
        QFETCH(QString, after);
        for (const QString &aspect : after.split("; "))
            QTRY_COMPARE(seen().value(aspect.section('=', 0, 0)), aspect.section('=', 1));
    }

    void textKeptExactly_data()
    {
        for (const char *column : {"body", "kept", "edited"})
            QTest::addColumn<QString>(column);
        // kept: shown then updated, copied or added; edited: after a key.
        const auto row = [](const char *name, const QString &body, QString kept = {},
                            QString edited = {}) {
            kept = kept.isNull() ? body : kept;
            QTest::newRow(name) << body << kept << (edited.isNull() ? kept : edited);
        };
        row("no-break space", QStringLiteral("a\u00a0b"));
        row("line separator", QStringLiteral("a\u2028b"));
        row("paragraph separator", QStringLiteral("a\u2029b"), {}, "a\nb");
        row("tab", "a\tb");
        row("zero-width joiner", QStringLiteral("a\u200dz"));
        row("lone surrogate", u'a' + QChar(0xd800) + u'z');
        row("carriage returns", "a\rb\r\nc", "a\nb\nc");
        row("trailing line break", "ab\n");
    }

    // The text shown comes back as it is stored when it is updated unedited,
    // copied or added. Inside the program a line break is a line feed, and
    // once the text is edited, so is every line break the box shows.
    void textKeptExactly()
    {
        QFETCH(QString, body);
        QFETCH(QString, kept);
        QFETCH(QString, edited);
        Window w(Window::Free, {{"t1", body}});
        w.list()->setCurrentRow(0);
        w.desktop.typedTexts = {"t2"};
        for (const char *button : {"but1", "but5", "but3"})
            w.click(button);
        QTRY_COMPARE(w.file.value("notes", "notecontent2"), kept);
        QCOMPARE(w.file.value("notes", "notecontent1") + w.desktop.clipboard, kept + kept);
        w.text()->moveCursor(QTextCursor::End);
        QTest::keyClicks(w.text(), "!");
        w.click("but5");
        QCOMPARE(w.desktop.clipboard, edited + '!');
    }

    // Whatever the pick comes before the bodies are read, it shows the note's
    // real text at once: typing, copying and updating act on it, never on an
    // empty stand-in or text replaced afterwards. A line of thousands of
    // characters without a blank wraps anywhere, shown or pasted: word wrap
    // takes minutes on it. Leaving such a line lays it out no more.
    void firstMomentsAndLongLines()
    {
        const int length = 300 * 1024;
        Window w;
        const auto readBodies = [] { return QList<QString>{"b1", QString(length, u'f')}; };
        w.window.takeNotes({true, Notebook({"t1", "long"}, readBodies), 8, 8, {}});
        w.list()->setCurrentRow(0);
        QCOMPARE(w.text()->toPlainText(), "b1");
        w.text()->moveCursor(QTextCursor::End);
        QTest::keyClicks(w.text(), "+");
        w.click("but5");
        w.click("but1");
        QCOMPARE(w.desktop.clipboard + ' ' + w.label("status"), "b1+ 't1' Updated!");
        w.list()->setCurrentRow(1);
        QCOMPARE(w.text()->wordWrapMode(), QTextOption::WrapAnywhere);
        int longLayouts = 0;
        const auto count = [&] { longLayouts += w.text()->document()->characterCount() > length; };
        QAbstractTextDocumentLayout *layout = w.text()->document()->documentLayout();
        connect(layout, &QAbstractTextDocumentLayout::update, count);
        connect(layout, &QAbstractTextDocumentLayout::updateBlock, count);
        w.list()->setCurrentRow(0);
        QCOMPARE(longLayouts, 0);
        QCOMPARE(w.text()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QApplication::clipboard()->setText(QString(3000, u'y'));
        w.text()->paste();
        QCOMPARE(w.text()->wordWrapMode(), QTextOption::WrapAnywhere);
    }

    // Undo and redo from the keyboard whatever has the focus, from the offer
    // on the status line (a button to a screen reader), and of a text typed
    // and dropped by a pick, which comes back with its note picked.
    void undoFromEverywhere()
    {
        Window w;
        w.list()->setCurrentRow(1);
        w.click("but2");
        auto *offer = w.find<QPushButton>("offer");
        QCOMPARE(w.label("status") + ' ' + offer->text(), "Deleted \"t2\". Undo");
        QCOMPARE(offer->toolTip(), "Undo: Deleted \"t2\". (Ctrl+Alt+Z)");
        QTest::keySequence(w.text(), QKeySequence("Ctrl+Alt+Z"));
        QTRY_COMPARE(w.rows(), "t1 t2 t3");
        QCOMPARE(w.list()->currentRow(), 1);
        QCOMPARE(w.label("status") + ' ' + offer->text(), "Undone: Deleted \"t2\". Redo");
        QTest::mouseClick(offer, Qt::LeftButton);
        QTRY_COMPARE(w.rows(), "t1 t3");
        QTest::keySequence(w.list(), QKeySequence("Ctrl+Alt+Z"));
        QTRY_COMPARE(w.rows(), "t1 t2 t3");
        QTest::keySequence(w.list(), QKeySequence("Ctrl+Alt+Shift+Z"));
        QTRY_COMPARE(w.rows(), "t1 t3");
        QTest::keySequence(w.list(), QKeySequence("Ctrl+Alt+Z"));
        QTRY_COMPARE(w.rows(), "t1 t2 t3");
        w.list()->setCurrentRow(0);
        QTest::keyClicks(w.text(), "typed");
        w.list()->setCurrentRow(2);
        QCOMPARE(w.text()->toPlainText(), "b3");
        QTest::keySequence(w.find("searchbox"), QKeySequence("Ctrl+Alt+Z"));
        QTRY_COMPARE(w.text()->toPlainText(), "typedb1");
        QCOMPARE(w.list()->currentRow(), 0);
    }

    // The layout follows a resize, holds the smallest size and waits while
    // minimised for the restore; a maximised window does not dock; About
    // holds the main window, stays on Escape, and goes with the window.
    void windowStates()
    {
        Window w;
        const QSize frame = w.window.frameGeometry().size() - w.window.size();
        w.window.resize(QSize(100, 100) - frame);
        QCOMPARE(w.window.frameGeometry().size(), WindowLayout::smallestSize);
        w.window.showMinimized();
        w.window.resize(QSize(300, 500) - frame);
        QCOMPARE(w.find("but0")->pos(), QPoint(58, 232));
        w.window.showNormal();
        QCOMPARE(w.find("but0")->pos(), QPoint(300 - 122, 500 - 68));
        w.window.showMaximized();
        const QRect maximised = w.window.frameGeometry();
        w.click("icons1");
        QCOMPARE(w.window.frameGeometry(), maximised);
        w.click("icons4");
        QWidget *about = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            about = top->objectName() == "about" ? top : about;
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(about->isVisible() && !w.window.isEnabled());
        w.window.close();
        QVERIFY(!about->isVisible());
    }

    // Notes that cannot be read at the start (another program's lock) are
    // told, nothing that is kept can change meanwhile, and they show as soon
    // as a later read succeeds. A failed write is told on the status line,
    // and stays there whatever moves or later commands come. The exit saves
    // once, asks Retry or Cancel when that fails, a close meanwhile waits,
    // and nothing after the end saves again.
    void lockedByAnotherProgram()
    {
        Window w(Window::Locked);
        QTRY_VERIFY(w.desktop.messages.value(0).text.contains("cannot read its notes store"));
        QTRY_VERIFY(w.label("status").startsWith("Notes not read yet: the store is locked"));
        w.text()->setPlainText("typed");
        w.desktop.typedTexts = {"new"};
        w.click("but3");
        QVERIFY(w.desktop.asked.isEmpty());
        w.file.unlock();
        QTRY_COMPARE_WITH_TIMEOUT(w.rows(), "t1 t2 t3", 5000);
        w.click("but3");
        w.session.waitForWrites();
        QVERIFY(w.file.lock());
        w.desktop.clipboard = "kept";
        w.click("but4");
        const QString failing = "Changes not saved: the store is locked by another program; "
                                "close the other program and try again";
        QTRY_COMPARE(w.label("status"), failing);
        QTest::mouseMove(w.find("icons3"));
        QTest::mouseMove(&w.window, QPoint(w.window.width() - 2, 2));
        w.list()->setCurrentRow(0);
        w.click("but1");
        QCOMPARE(w.label("status"), failing);
        QSignalSpy finished(&w.window, &MainWindow::finished);
        w.desktop.answers = {Desktop::Answer::Retry, Desktop::Answer::Retry};
        w.desktop.whileOpen = [&w] {
            w.window.close();
            if (w.desktop.messages.size() == 3)
                w.file.unlock();
        };
        w.click("icons5");
        QCOMPARE(w.desktop.messages.size(), 3);
        QCOMPARE(w.desktop.messages[1].buttons, Desktop::Buttons::RetryCancel);
        QCOMPARE(w.desktop.messages[1].text.count(w.file.path()), 1);
        QCOMPARE(w.file.query("SELECT value FROM settings WHERE key LIKE 'notetitle%'"),
                 QStringList({"t1", "t2", "t3", "new", "kept"}));
        w.window.close();
        QVERIFY(finished.size() == 1 && !w.window.isVisible());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
