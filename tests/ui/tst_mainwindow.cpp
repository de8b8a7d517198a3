// The main window as a user meets it, found by object names and driven with
// mouse and keys; the fake desktop answers the boxes. Guards against: a widget
// missing, misplaced, misnamed or nameless to a screen reader, a picture
// button or a key that shows the wrong picture or runs the wrong command, a
// hover caption in the wrong place, a count line rewritten when it should not
// be, a layout that does not follow the window, docking off the work area or
// while maximised, an About window that leaves the main window usable or
// outlives it, an exit that saves twice, not at all, or fails silently, a
// note's text changed by showing it, and a long line laid out again on leaving.
#include "core/windowlayout.h"
#include "fakedesktop.h"
#include "storefile.h"
#include "ui/artwork.h"
#include "ui/mainwindow.h"
#include "ui/picturebutton.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace
{

struct Window {
    explicit Window(const QList<Note> &notes = numberedNotes(3))
        : window((file.seed(notes, 8, 12), file.path()), &desktop)
    {
        window.show();
    }
    template <class T = QWidget> T *find(QString name) const { return window.findChild<T *>(name); }
    void click(const QString &name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    QListWidget *list() const { return find<QListWidget>("mainlist"); }
    QPlainTextEdit *text() const { return find<QPlainTextEdit>("maintextbox"); }
    QString label(const char *name) const { return find<QLabel>(name)->text(); }
    QString rows() const
    {
        QStringList titles;
        for (int row = 0; row < list()->count(); ++row)
            titles.append(list()->item(row)->text());
        return titles.join(' ');
    }

    StoreFile file;
    FakeDesktop desktop;
    MainWindow window;
};

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    // Where every widget stands, the tab order and the names a screen
    // reader reads, and the font sizes the menus set.
    void opensAsDrawn()
    {
        Window w;
        QCOMPARE(w.window.objectName() + ' ' + w.window.windowTitle(), "Form1 Quillbox 1.20");
        const auto layout = WindowLayout::forOuterSize(w.window.frameGeometry().size());
        // clang-format off
        const std::pair<const char *, QRect> places[] = {
            {"mainlist", layout.titleList}, {"Label1", layout.countLine},
            {"maintextbox", layout.noteText}, {"searchbox", layout.searchField},
            {"status", layout.statusLine}, {"ico_search", {layout.searchButton, QSize(21, 21)}},
            {"but5", {layout.noteButtons[5], QSize(18, 18)}}, {"icons6", {50, 5, 20, 20}}};
        // clang-format on
        for (const auto &[name, place] : places)
            QCOMPARE(w.find(name)->geometry(), place);
        QCOMPARE(w.rows() + ", " + w.label("Label1"), "t1 t2 t3, Listing 3 of 3 note(s)");
        QCOMPARE(w.text()->contextMenuPolicy(), Qt::NoContextMenu);
        for (const char *next : {"mainlist", "maintextbox", "searchbox"}) {
            QTRY_COMPARE(QApplication::focusWidget(), w.find(next));
            QVERIFY(!QApplication::focusWidget()->accessibleName().isEmpty());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
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
    }

    // Each picture button: its caption, its pictures normal and held down,
    // nothing run when released away; hovered, the toolbar's show captions.
    void pictureButtons()
    {
        Window w;
        const QStringList captions =
            QStringLiteral("Dock Quillbox to the left of the screen|Dock Quillbox to the right of "
                           "the screen|Flush all notes|Show all notes|About Quillbox|Exit "
                           "Quillbox|Change font size|Clear Note|Update Note|Delete Note|Add new "
                           "note|Add note from clipboard|Copy note to clipboard|Search")
                .split('|');
        const qreal ratio = w.window.devicePixelRatioF();
        const ImageStrip strips[] = {Artwork::toolbarStrip(ratio), Artwork::noteButtonStrip(ratio),
                                     Artwork::searchButtonStrip(ratio)};
        for (int i = 0; i < 14; ++i) {
            auto *button = w.find<PictureButton>(
                i == 13 ? "ico_search" : QString(i < 7 ? "icons%1" : "but%1").arg(i % 7));
            const ImageStrip &strip = strips[i < 7 ? 0 : i < 13 ? 1 : 2];
            const int cell = i < 13 ? i % 7 : 0, pressed = i < 13 ? cell + strip.columns() : 1;
            QCOMPARE(button->toolTip() + button->accessibleName(), captions[i] + captions[i]);
            QCOMPARE(button->picture().toImage(), strip.cell(cell).toImage());
            QTest::mousePress(button, Qt::RightButton);
            QCOMPARE(button->picture().toImage(), strip.cell(pressed).toImage());
            QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(-5, -5));
            QCOMPARE(button->picture().toImage(), strip.cell(cell).toImage());
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
        // clang-format off
        row("but0", "", "text=; count=Listing 3 of 3 note(s)");
        row("but1", "", "status='t2' Updated!; selected=1");
        row("but2", "", "rows=t1 t3; count=Listing 2 of 2 note(s); selected=0");
        row("but3", "", "rows=t1 t2 t3 typed; asked=Insert note|Enter title of note|edited");
        row("but4 twice", "", "rows=t1 t2 t3 pasted pasted");
        row("but5", "", "clipboard=edited; status=Note copied to clipboard");
        row("ico_search", "", "rows=t3; count=Listing 1 of 3 note(s); status=Found 1 notes containing the text 'b3'; selected=0");
        row("icons2", "", "rows=; count=; box=Flush all notes");
        row("Ctrl+N", "maintextbox", "asked=Insert note|Enter title of note|edited");
        row("Ctrl+S", "maintextbox", "status='t2' Updated!");
        row("Del", "mainlist", "rows=t1 t3");
        row("Ctrl+Shift+V", "maintextbox", "rows=t1 t2 t3 pasted");
        row("Ctrl+Shift+C", "searchbox", "clipboard=edited");
        row("Ctrl+Shift+N", "mainlist", "text=");
        row("Ctrl+Shift+Del", "maintextbox", "box=Flush all notes");
        row("F5", "searchbox", "count=Listing 3 of 3 note(s)");
        row("F1", "mainlist", "held=by About");
        row("Ctrl+Q", "maintextbox", "finished=1");
        row("Ctrl+Alt+Right", "mainlist", "frame=844,30 180x738");
        row("Ctrl+Shift+F", "mainlist", "menu=visible");
        row("Ctrl+F", "maintextbox", "focus=searchbox");
        row("F2", "mainlist", "asked=Change title|Change title of note|t2");
        row("Return", "searchbox", "status=Found 1 notes containing the text 'b3'");
        // clang-format on
    }

    // Each button and each key runs its command, and the window shows its
    // answer; the note commands rewrite the count line, the flush does not.
    void commands()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, focus);
        Window w;
        QTest::mouseClick(w.list()->viewport(), Qt::LeftButton, {},
                          w.list()->visualItemRect(w.list()->item(1)).center());
        QTRY_COMPARE(w.text()->toPlainText(), QStringLiteral("b2"));
        w.text()->selectAll();
        QTest::keyClicks(w.text(), "edited");
        QTest::keyClicks(w.find("searchbox"), "b3");
        w.find<QLabel>("Label1")->clear();
        w.desktop.clipboard = "pasted";
        w.desktop.typedTexts = {"typed"};
        w.desktop.answers = {Desktop::Answer::Ok};
        QSignalSpy finished(&w.window, &MainWindow::finished);
        if (focus.isEmpty()) {
            w.click(trigger.section(' ', 0, 0));
        } else {
            w.find(focus)->setFocus();
            QTest::keySequence(w.find(focus), QKeySequence(trigger));
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
                {"finished", QString::number(finished.size())},
                {"frame", QString::asprintf("%d,%d %dx%d", frame.x(), frame.y(), frame.width(), frame.height())},
                {"menu", w.find("maintextboxmenu")->isVisible() ? "visible" : ""},
                {"focus", w.find("searchbox")->hasFocus() ? "searchbox" : ""}};
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
        Window w({{"t1", body}});
        w.list()->setCurrentRow(0);
        QTRY_VERIFY(!w.text()->document()->isEmpty());
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

    // Bodies are read after the window shows; one picked before shows once
    // read. A line of thousands of characters without a blank wraps anywhere,
    // shown or pasted: word wrap takes minutes on it. Leaving such a line
    // lays it out no more, since with word wrap that takes minutes too.
    void bodiesAndLongLines()
    {
        const int length = 300 * 1024;
        Window w({{"t1", "b1"}, {"long", QString(length, u'f')}});
        w.list()->setCurrentRow(1);
        QCOMPARE(w.text()->toPlainText(), QString());
        QTRY_COMPARE(w.text()->document()->characterCount(), length + 1);
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
        QCOMPARE(w.text()->toPlainText().size(), 3002);
        QCOMPARE(w.text()->wordWrapMode(), QTextOption::WrapAnywhere);
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
        QCOMPARE(w.find("but0")->pos(), QPoint(58, 232));
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

    // A failed write shows in the status line. The exit saves once, asks
    // Retry or Cancel when that fails, a close meanwhile waits, and nothing
    // after the end saves again.
    void writeFailuresAreNeverSilent()
    {
        Window w;
        QVERIFY(w.file.exec(
            "CREATE TRIGGER no BEFORE INSERT ON settings BEGIN SELECT RAISE(ABORT, 'x'); END"));
        w.desktop.clipboard = "kept";
        w.click("but4");
        QTRY_COMPARE(w.label("status"), "Changes not saved: the store refused the change (x)");
        QSignalSpy finished(&w.window, &MainWindow::finished);
        w.desktop.answers = {Desktop::Answer::Retry, Desktop::Answer::Retry};
        w.desktop.whileOpen = [&w] {
            w.window.close();
            if (w.desktop.messages.size() == 2)
                w.file.exec("DROP TRIGGER no");
        };
        w.click("icons5");
        QCOMPARE(w.desktop.messages.size(), 2);
        QCOMPARE(w.desktop.messages[0].buttons, Desktop::Buttons::RetryCancel);
        QVERIFY(w.desktop.messages[0].text.contains(w.file.path()));
        QCOMPARE(w.file.value("notes", "notetitle4"), QStringLiteral("kept"));
        w.window.close();
        QVERIFY(finished.size() == 1 && !w.window.isVisible());
        // A store that cannot be opened at start is told after the window shows.
        FakeDesktop desktop;
        MainWindow blocked(w.file.folder(), &desktop);
        QVERIFY(desktop.messages.isEmpty());
        QTRY_VERIFY(desktop.messages.value(0).text.contains("cannot open its notes store"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
