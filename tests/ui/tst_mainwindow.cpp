// The main window as a user meets it, found by object names and driven with
// the mouse; boxes are answered by the fake desktop. Guards against: a
// widget missing, misplaced or misnamed, a picture button that shows the
// wrong picture or runs the wrong command, a hover caption in the wrong
// place, a count line rewritten when it should not be, a layout that does
// not follow the window, docking off the work area, an About window that
// leaves the main window disabled, and an exit that saves twice, not at all,
// or fails silently.
#include "core/windowlayout.h"
#include "fakedesktop.h"
#include "storefile.h"
#include "ui/artwork.h"
#include "ui/mainwindow.h"
#include "ui/picturebutton.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

namespace
{

struct Window {
    explicit Window(const QList<Note> &notes = numberedNotes(3), float listPoints = 8)
        : seeded((file.seed(notes, listPoints, 12), true)), window(file.path(), &desktop)
    {
        window.show();
        exposed = QTest::qWaitForWindowExposed(&window);
    }
    template <typename T = QWidget> T *find(const QString &name) const
    {
        return window.findChild<T *>(name);
    }
    void click(const QString &name) const { QTest::mouseClick(find(name), Qt::LeftButton); }
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton) const
    {
        QTest::mouseClick(list()->viewport(), button, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
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
    void setOuterSize(QSize size)
    {
        window.resize(size - (window.frameGeometry().size() - window.size()));
    }

    StoreFile file;
    FakeDesktop desktop;
    bool seeded;
    MainWindow window;
    bool exposed = false;
};

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensAsDrawn()
    {
        Window w(numberedNotes(3), 9.75f);
        QVERIFY(w.exposed);
        QCOMPARE(w.window.objectName() + ' ' + w.window.windowTitle(), "Form1 Quillbox 1.20");
        QCOMPARE(w.window.frameGeometry().width(), WindowLayout::startWidth);
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
        QCOMPARE(w.list()->font().pointSizeF() * 100 + w.text()->font().pointSizeF(), 987.0);
        QCOMPARE(w.text()->contextMenuPolicy(), Qt::NoContextMenu);
        // Tab goes from the list to the text box to the search field.
        for (const char *next : {"mainlist", "maintextbox", "searchbox"}) {
            QCOMPARE(QApplication::focusWidget(), w.find(next));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Every widget a user reaches has a name for a screen reader, and
        // every picture button is a button that names its key.
        for (QWidget *widget : w.window.findChildren<QWidget *>()) {
            if (widget->focusPolicy() != Qt::NoFocus || qobject_cast<PictureButton *>(widget))
                QVERIFY2(!QAccessible::queryAccessibleInterface(widget)
                              ->text(QAccessible::Name)
                              .isEmpty(),
                         qPrintable(widget->objectName()));
        }
        QAccessibleInterface *paste = QAccessible::queryAccessibleInterface(w.find("but4"));
        QCOMPARE(paste->role(), QAccessible::Button);
        QCOMPARE(paste->text(QAccessible::Description), QStringLiteral("Shortcut: Ctrl+Shift+V"));
    }

    // Each picture button: its caption, the right picture, pressed while held
    // down, and the caption on hover for the toolbar alone.
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
        for (int i = 0; i < 14; ++i) {
            const QString name = QString(i < 7    ? "icons%1"
                                         : i < 13 ? "but%1"
                                                  : "ico_search")
                                     .arg(i % 7);
            const int cell = i < 13 ? i % 7 : 0;
            const ImageStrip strip = i < 7    ? Artwork::toolbarStrip(ratio)
                                     : i < 13 ? Artwork::noteButtonStrip(ratio)
                                              : Artwork::searchButtonStrip(ratio);
            auto *button = w.find<PictureButton>(name);
            const auto shows = [&](int cell) {
                return button->picture().toImage() == strip.cell(cell).toImage();
            };
            QCOMPARE(button->toolTip() + '|' + button->accessibleName(),
                     captions[i] + '|' + captions[i]);
            QVERIFY2(shows(cell), qPrintable(name));
            QTest::mousePress(button, Qt::RightButton);
            QVERIFY2(shows(i < 13 ? cell + strip.columns() : 1), qPrintable(name));
            // Released away from the button: no command, the normal picture back.
            QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(-5, -5));
            QVERIFY2(shows(cell), qPrintable(name));
            QTest::mouseMove(button);
            QCOMPARE(w.label("status"), i < 7 ? captions[i] : QString());
            QTest::mouseMove(&w.window, QPoint(w.window.width() - 2, 2));
            QCOMPARE(w.label("status"), QString());
        }
        QVERIFY(w.desktop.messages.isEmpty() && w.window.isVisible());
    }

    void commands_data()
    {
        for (const char *column : {"trigger", "focus", "what", "after"})
            QTest::addColumn<QString>(column);
        auto row = [](const char *trigger, const char *focus, const char *what, const char *after) {
            QTest::newRow(trigger) << trigger << focus << what << after;
        };
        // A button's name or a key; the focus for a key; what to read after.
        // clang-format off
        row("but0", "", "text count", "|Listing 3 of 3 note(s)");
        row("but1", "", "status selected", "'t2' Updated!|1");
        row("but2", "", "rows count selected", "t1 t3|Listing 2 of 2 note(s)|0");
        row("but3", "", "rows asked", "t1 t2 t3 typed|Insert note|Enter title of note|edited");
        row("but4 twice", "", "rows", "t1 t2 t3 pasted pasted");
        row("but5", "", "clipboard status", "edited|Note copied to clipboard");
        row("ico_search", "", "rows count status selected", "t3|Listing 1 of 3 note(s)|Found 1 notes containing the text 'b3'|0");
        row("icons2", "", "rows count box", "||Flush all notes");
        row("Ctrl+N", "maintextbox", "asked", "Insert note|Enter title of note|edited");
        row("Ctrl+S", "maintextbox", "status", "'t2' Updated!");
        row("Del", "mainlist", "rows", "t1 t3");
        row("Ctrl+Shift+V", "maintextbox", "rows", "t1 t2 t3 pasted");
        row("Ctrl+Shift+C", "searchbox", "clipboard", "edited");
        row("Ctrl+Shift+N", "mainlist", "text", "");
        row("Ctrl+Shift+Del", "maintextbox", "box", "Flush all notes");
        row("F5", "searchbox", "count", "Listing 3 of 3 note(s)");
        row("F1", "mainlist", "about", "visible");
        row("Ctrl+Q", "maintextbox", "finished", "1");
        row("Ctrl+Alt+Right", "mainlist", "dock", "844");
        row("Ctrl+Shift+F", "mainlist", "menu", "visible");
        row("Ctrl+F", "maintextbox", "focus", "searchbox");
        row("F2", "mainlist", "asked", "Change title|Change title of note|t2");
        row("Return", "searchbox", "status", "Found 1 notes containing the text 'b3'");
        // clang-format on
    }

    // Each button and each key runs its command, and the window shows its
    // answer; the note commands rewrite the count line, the flush does not.
    void commands()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, focus);
        Window w;
        w.clickRow(1);
        QTRY_COMPARE(w.text()->toPlainText(), QStringLiteral("b2"));
        w.text()->setPlainText("edited");
        w.find<QLineEdit>("searchbox")->setText("b3");
        w.find<QLabel>("Label1")->clear();
        w.desktop.clipboard = "pasted";
        w.desktop.typedTexts = {"typed"};
        w.desktop.answers = {Desktop::Answer::Ok};
        QSignalSpy finished(&w.window, &MainWindow::finished);
        if (focus.isEmpty()) {
            const QString button = trigger.section(' ', 0, 0);
            w.click(button);
            if (trigger.endsWith("twice")) { // a double click is two clicks
                QTest::mouseDClick(w.find(button), Qt::LeftButton);
                QTest::mouseRelease(w.find(button), Qt::LeftButton);
            }
        } else {
            w.find(focus)->setFocus();
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(trigger));
        }
        const auto seen = [&](const QString &what) {
            QWidget *about = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                about = top->objectName() == "about" && top->isVisible() ? top : about;
            const QWidget *focused = QApplication::focusWidget();
            // clang-format off
            const QMap<QString, QString> seen = {
                {"asked", w.desktop.asked.value(0)}, {"status", w.label("status")},
                {"rows", w.rows()}, {"clipboard", w.desktop.clipboard}, {"text", w.text()->toPlainText()},
                {"count", w.label("Label1")}, {"selected", QString::number(w.list()->selectedItems().size())},
                {"box", w.desktop.messages.value(0).title}, {"about", about ? "visible" : ""},
                {"finished", QString::number(finished.size())},
                {"dock", QString::number(w.window.frameGeometry().x())},
                {"menu", w.find("maintextboxmenu")->isVisible() ? "visible" : ""},
                {"focus", focused ? focused->objectName() : ""}};
            // clang-format on
            QStringList values;
            for (const QString &aspect : what.split(' '))
                values.append(seen.value(aspect));
            return values.join('|');
        };
        QFETCH(QString, what);
        QFETCH(QString, after);
        QTRY_COMPARE(seen(what), after);
    }

    // The bodies are read after the window shows; one picked before that
    // shows once it is read. A line of thousands of characters without a
    // blank is wrapped anywhere, as it is shown or pasted: word wrap takes
    // minutes on it.
    void bodiesAndLongLines()
    {
        Window w({{"t1", "b1"}, {"long", QString(5000, u'x')}});
        w.list()->setCurrentRow(1);
        QCOMPARE(w.text()->toPlainText(), QString());
        QTRY_COMPARE(w.text()->toPlainText().size(), 5000);
        QCOMPARE(w.text()->wordWrapMode(), QTextOption::WrapAnywhere);
        w.list()->setCurrentRow(0);
        QCOMPARE(w.text()->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QApplication::clipboard()->setText(QString(3000, u'y'));
        w.text()->paste();
        QCOMPARE(w.text()->wordWrapMode(), QTextOption::WrapAnywhere);
    }

    // The keys the text box edits with run no command there.
    void textBoxKeepsItsKeys()
    {
        Window w;
        w.text()->setFocus();
        w.text()->setPlainText("abc");
        for (const QKeySequence keys :
             {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
              QKeySequence::Undo, QKeySequence::Redo, QKeySequence::MoveToPreviousChar,
              QKeySequence::MoveToNextLine, QKeySequence::Delete})
            QTest::keySequence(w.text(), keys);
        QCOMPARE(w.text()->toPlainText(), QStringLiteral("ab"));
        QVERIFY(w.desktop.asked.isEmpty() && w.desktop.messages.isEmpty());
        QCOMPARE(w.rows() + w.label("status"), "t1 t2 t3");
    }

    void fontSizeMenus()
    {
        Window w;
        w.clickRow(0, Qt::RightButton);
        QVERIFY(w.find<QMenu>("mainlistmenu")->isVisible() && w.list()->selectedItems().isEmpty());
        w.window.findChild<QAction *>("mainlist_size12")->trigger();
        QCOMPARE(w.list()->font().pointSizeF() * 100 + w.text()->font().pointSizeF(), 1212.0);
        w.window.findChild<QAction *>("maintextbox_size8")->trigger();
        QCOMPARE(w.list()->font().pointSizeF() * 100 + w.text()->font().pointSizeF(), 1208.0);
    }

    void layoutAndDocking()
    {
        Window w;
        w.setOuterSize({100, 100});
        QCOMPARE(w.window.frameGeometry().size(), WindowLayout::smallestSize);
        // Nothing is laid out while minimised; restoring lays out again.
        w.window.showMinimized();
        w.setOuterSize({300, 500});
        QCOMPARE(w.find("but0")->pos(), QPoint(58, 232));
        w.window.showNormal();
        QCOMPARE(w.find("but0")->pos(), QPoint(300 - 122, 500 - 68));
        w.click("icons1");
        QTRY_COMPARE(w.window.frameGeometry(), QRect(724, 30, 300, 738));
        QCOMPARE(w.text()->geometry(), QRect(5, 738 - 172, 300 - 18, 104));
        w.window.showMaximized();
        const QRect maximised = w.window.frameGeometry();
        w.click("icons1");
        QCOMPARE(w.window.frameGeometry(), maximised);
    }

    void aboutHoldsTheMainWindow()
    {
        Window w;
        w.click("icons4");
        QWidget *about = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            about = top->objectName() == "about" ? top : about;
        QVERIFY(about && about->isVisible() && !w.window.isEnabled());
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(about->isVisible());
        about->close();
        QVERIFY(w.window.isEnabled());
        // The main window's end takes an open About window with it.
        w.click("icons4");
        w.window.close();
        QVERIFY(!about->isVisible());
    }

    // A failed write is told in the status line, and so is its end; the exit
    // saves once, asks Retry or Cancel when it fails, and a close meanwhile
    // waits; nothing after the end saves again.
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
        QVERIFY(w.desktop.messages[0].text.startsWith("Quillbox could not save your notes to " +
                                                      w.file.path()));
        QVERIFY(finished.size() == 1 && !w.window.isVisible());
        QCOMPARE(w.file.value("notes", "notetitle4"), QStringLiteral("kept"));
        w.window.close();
        QCOMPARE(finished.size(), 1);
        // A store that cannot be opened at start is told after the window shows.
        FakeDesktop desktop;
        MainWindow blocked(w.file.folder(), &desktop);
        QVERIFY(desktop.messages.isEmpty());
        QTRY_COMPARE(desktop.messages.size(), 1);
        QVERIFY(desktop.messages[0].text.contains("cannot open its notes store"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
