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
    explicit Window(float listPoints = 8)
        : seeded((file.seed(numberedNotes(3), listPoints, 12), true)), window(file.path(), &desktop)
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
        Window w(9.75f);
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
    }

    void pictureButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("caption");
        const QStringList captions =
            QStringLiteral("Dock Quillbox to the left of the screen|Dock Quillbox to the right of "
                           "the screen|Flush all notes|Show all notes|About Quillbox|Exit "
                           "Quillbox|Change font size|Clear Note|Update Note|Delete Note|Add new "
                           "note|Add note from clipboard|Copy note to clipboard|Search")
                .split('|');
        for (int i = 0; i < 14; ++i) {
            const QString name = QString(i < 7    ? "icons%1"
                                         : i < 13 ? "but%1"
                                                  : "ico_search")
                                     .arg(i % 7);
            QTest::newRow(qPrintable(name)) << name << (i < 13 ? i % 7 : 0) << captions[i];
        }
    }

    // The right picture, pressed while held down, and the caption on hover
    // for the toolbar alone.
    void pictureButtons()
    {
        QFETCH(QString, name);
        QFETCH(int, cell);
        QFETCH(QString, caption);
        Window w;
        auto *button = w.find<PictureButton>(name);
        QCOMPARE(button->toolTip() + '|' + button->accessibleName(), caption + '|' + caption);
        const qreal ratio = w.window.devicePixelRatioF();
        const ImageStrip strip = name.startsWith("icons") ? Artwork::toolbarStrip(ratio)
                                 : name.startsWith("but") ? Artwork::noteButtonStrip(ratio)
                                                          : Artwork::searchButtonStrip(ratio);
        QCOMPARE(button->picture().toImage(), strip.cell(cell).toImage());
        QTest::mousePress(button, Qt::RightButton);
        const int pressed = name == "ico_search" ? 1 : cell + strip.columns();
        QCOMPARE(button->picture().toImage(), strip.cell(pressed).toImage());
        // Released away from the button: no command, the normal picture back.
        QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(-5, -5));
        QCOMPARE(button->picture().toImage(), strip.cell(cell).toImage());
        QTest::mouseMove(button);
        QCOMPARE(w.label("status"), name.startsWith("icons") ? caption : QString());
        QTest::mouseMove(&w.window, QPoint(w.window.width() - 2, 2));
        QCOMPARE(w.label("status"), QString());
        QVERIFY(w.desktop.messages.isEmpty() && w.window.isVisible());
    }

    void clicks_data()
    {
        for (const char *column : {"button", "rows", "count", "status", "text"})
            QTest::addColumn<QString>(column);
        // clang-format off
        QTest::newRow("but0") << "but0" << "t1 t2 t3" << "3 of 3" << "" << "";
        QTest::newRow("but1") << "but1" << "t1 t2 t3" << "3 of 3" << "'t2' Updated!" << "edited";
        QTest::newRow("but2") << "but2" << "t1 t3" << "2 of 2" << "" << "edited";
        QTest::newRow("but3") << "but3" << "t1 t2 t3 typed" << "4 of 4" << "" << "edited";
        QTest::newRow("but4, double") << "but4" << "t1 t2 t3 pasted pasted" << "5 of 5" << "" << "edited";
        QTest::newRow("but5") << "but5" << "t1 t2 t3" << "3 of 3" << "Note copied to clipboard" << "edited";
        QTest::newRow("ico_search") << "ico_search" << "t3" << "1 of 3" << "Found 1 notes containing the text 'b3'" << "edited";
        QTest::newRow("icons2, flush") << "icons2" << "" << "" << "" << "edited";
        // clang-format on
    }

    // Each click reaches its command and the window shows its answer; the
    // note buttons rewrite the count line, the flush does not.
    void clicks()
    {
        QFETCH(QString, button);
        Window w;
        w.find<QLabel>("Label1")->clear();
        w.clickRow(1);
        QTRY_COMPARE(w.text()->toPlainText(), QStringLiteral("b2"));
        w.text()->setPlainText("edited");
        QTest::keyClicks(w.find("searchbox"), " b3");
        w.desktop.clipboard = "pasted";
        w.desktop.typedTexts = {"typed"};
        w.desktop.answers = {Desktop::Answer::Ok};
        w.click(button);
        if (QByteArray(QTest::currentDataTag()).endsWith("double")) {
            QTest::mouseDClick(w.find(button), Qt::LeftButton); // one more click
            QTest::mouseRelease(w.find(button), Qt::LeftButton);
        }
        QTEST(w.rows(), "rows");
        QFETCH(QString, count);
        QCOMPARE(w.label("Label1"), count.isEmpty() ? count : "Listing " + count + " note(s)");
        QTEST(w.label("status"), "status");
        QTEST(w.text()->toPlainText(), "text");
        QCOMPARE(w.list()->selectedItems().size(), button == "but2" || button.size() > 4 ? 0 : 1);
        QCOMPARE(w.desktop.clipboard, button == "but5" ? "edited" : "pasted");
    }

    // The bodies are read after the window shows; one picked before that
    // shows once it is read. A line of thousands of characters without a
    // blank is wrapped anywhere, as it is shown or pasted: word wrap takes
    // minutes on it.
    void bodiesAndLongLines()
    {
        StoreFile file;
        file.seed({{"t1", "b1"}, {"long", QString(5000, u'x')}});
        FakeDesktop desktop;
        MainWindow window(file.path(), &desktop);
        window.show();
        auto *list = window.findChild<QListWidget *>("mainlist");
        auto *text = window.findChild<QPlainTextEdit *>("maintextbox");
        list->setCurrentRow(1);
        QCOMPARE(text->toPlainText(), QString());
        QTRY_COMPARE(text->toPlainText().size(), 5000);
        QCOMPARE(text->wordWrapMode(), QTextOption::WrapAnywhere);
        list->setCurrentRow(0);
        QCOMPARE(text->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
        QApplication::clipboard()->setText(QString(3000, u'y'));
        text->paste();
        QCOMPARE(text->wordWrapMode(), QTextOption::WrapAnywhere);
    }

    void shortcuts_data()
    {
        for (const char *column : {"focus", "what", "after"})
            QTest::addColumn<QString>(column);
        QTest::addColumn<QKeySequence>("keys");
        auto row = [](const char *keys, const char *focus, const char *what, const char *after) {
            QTest::newRow(keys) << focus << what << after << QKeySequence(keys);
        };
        // clang-format off
        row("Ctrl+N", "maintextbox", "asked", "Insert note|Enter title of note|b2");
        row("Ctrl+S", "maintextbox", "status", "'t2' Updated!");
        row("Del", "mainlist", "rows", "t1 t3");
        row("Ctrl+Shift+V", "maintextbox", "rows", "t1 t2 t3 pasted");
        row("Ctrl+Shift+C", "searchbox", "clipboard", "b2");
        row("Ctrl+Shift+N", "mainlist", "text", "");
        row("Ctrl+Shift+Del", "maintextbox", "box", "Flush all notes");
        row("F5", "searchbox", "rows", "t1 t2 t3");
        row("F1", "mainlist", "about", "visible");
        row("Ctrl+Q", "maintextbox", "finished", "1");
        row("Ctrl+Alt+Right", "mainlist", "dock", "844");
        row("Ctrl+Shift+F", "mainlist", "menu", "visible");
        row("Ctrl+F", "maintextbox", "focus", "searchbox");
        row("F2", "mainlist", "asked", "Change title|Change title of note|t2");
        row("Return", "searchbox", "status", "Found 1 notes containing the text 'b3'");
        // clang-format on
    }

    // Each shortcut runs what its click runs, the same boxes and lines after.
    void shortcuts()
    {
        QFETCH(QString, focus);
        QFETCH(QString, what);
        QFETCH(QKeySequence, keys);
        Window w;
        w.clickRow(1);
        QTRY_COMPARE(w.text()->toPlainText(), QStringLiteral("b2"));
        w.desktop.clipboard = "pasted";
        w.find<QLineEdit>("searchbox")->setText("b3");
        QSignalSpy finished(&w.window, &MainWindow::finished);
        w.find(focus)->setFocus();
        QTest::keySequence(QApplication::focusWidget(), keys);
        const auto seen = [&](const QString &what) {
            QWidget *about = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                about = top->objectName() == "about" && top->isVisible() ? top : about;
            const QWidget *focused = QApplication::focusWidget();
            // clang-format off
            const QMap<QString, QString> seen = {
                {"asked", w.desktop.asked.value(0)}, {"status", w.label("status")},
                {"rows", w.rows()}, {"clipboard", w.desktop.clipboard}, {"text", w.text()->toPlainText()},
                {"box", w.desktop.messages.value(0).title}, {"about", about ? "visible" : ""},
                {"finished", QString::number(finished.size())},
                {"dock", QString::number(w.window.frameGeometry().x())},
                {"menu", w.find("maintextboxmenu")->isVisible() ? "visible" : ""},
                {"focus", focused ? focused->objectName() : ""}};
            // clang-format on
            return seen.value(what);
        };
        QFETCH(QString, after);
        QTRY_COMPARE(seen(what), after);
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

    // Every widget a user reaches has a name for a screen reader, and every
    // picture button is a button whose press runs its command.
    void accessibility()
    {
        Window w;
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
        w.desktop.clipboard = "pressed";
        paste->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(w.rows(), QStringLiteral("t1 t2 t3 pressed"));
    }

    void fontSizeMenus()
    {
        Window w;
        w.clickRow(0, Qt::RightButton);
        QVERIFY(w.find<QMenu>("mainlistmenu")->isVisible() && w.list()->selectedItems().isEmpty());
        w.window.findChild<QAction *>("mainlist_size12")->trigger();
        QCOMPARE(w.list()->font().pointSizeF() * 100 + w.text()->font().pointSizeF(), 1212.0);
        w.click("icons6");
        QVERIFY(w.find<QMenu>("maintextboxmenu")->isVisible());
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
        w.click("icons0");
        QTRY_COMPARE(w.window.frameGeometry(), QRect(0, 30, 300, 738));
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
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quillbox"));
        QTRY_COMPARE(about->frameGeometry().topLeft(),
                     centredIn(about->frameGeometry().size(), w.desktop.area));
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
