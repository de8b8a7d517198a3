// The main window as a user meets it, found by object names and driven with
// the mouse; boxes are answered by the fake desktop. Guards against: a
// widget missing, misplaced or misnamed, a picture button that shows the
// wrong picture or runs the wrong command, a hover caption in the wrong
// place, a layout that does not follow the window, docking off the work
// area, an About window that leaves the main window disabled, and a way out
// that saves twice, not at all, or silently fails.
#include "core/windowlayout.h"
#include "fakedesktop.h"
#include "storefile.h"
#include "ui/artwork.h"
#include "ui/mainwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace
{

struct Window {
    explicit Window(const QList<Note> &notes = {}, float listPoints = 8, float textPoints = 8)
    {
        file.seed(notes, listPoints, textPoints);
        window = std::make_unique<MainWindow>(file.path(), &desktop);
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }
    template <typename T> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QLabel *button(const QString &name) const { return find<QLabel>(name); }
    void click(const QString &name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void pick(int row) const
    {
        auto *list = find<QListWidget>("mainlist");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    QString status() const { return find<QLabel>("status")->text(); }
    void setOuterSize(QSize size) const
    {
        window->resize(size - (window->frameGeometry().size() - window->size()));
    }

    StoreFile file;
    FakeDesktop desktop;
    std::unique_ptr<MainWindow> window;
    bool exposed = false;
};

QImage pictureOf(const QLabel *label)
{
    return label->pixmap().toImage();
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void opensAsDrawn()
    {
        Window w(numberedNotes(3), 9.75f, 12);
        QVERIFY(w.exposed);
        QCOMPARE(w.window->objectName(), QStringLiteral("Form1"));
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Quillbox 1.20"));
        QCOMPARE(w.window->frameGeometry().width(), WindowLayout::startWidth);
        const WindowLayout layout = WindowLayout::forOuterSize(w.window->frameGeometry().size());
        QCOMPARE(w.find<QListWidget>("mainlist")->geometry(), layout.titleList);
        QCOMPARE(w.find<QPlainTextEdit>("maintextbox")->geometry(), layout.noteText);
        QCOMPARE(w.find<QLabel>("status")->geometry(), layout.statusLine);
        QCOMPARE(w.button("but5")->pos(), layout.noteButtons[5]);
        QCOMPARE(w.button("ico_search")->geometry(), QRect(layout.searchButton, QSize(21, 21)));
        QCOMPARE(w.find<QListWidget>("mainlist")->count(), 3);
        QCOMPARE(w.find<QLabel>("Label1")->text(), QStringLiteral("Listing 3 of 3 note(s)"));
        QCOMPARE(w.status(), QString());
        QCOMPARE(w.find<QListWidget>("mainlist")->font().pointSizeF(), 9.75);
        QCOMPARE(w.find<QPlainTextEdit>("maintextbox")->font().pointSizeF(), 12.0);
        QCOMPARE(w.find<QPlainTextEdit>("maintextbox")->contextMenuPolicy(), Qt::NoContextMenu);
        // Tab goes from the list to the text box to the search field.
        QCOMPARE(QApplication::focusWidget(), w.find<QWidget>("mainlist"));
        QTest::keyClick(w.find<QWidget>("mainlist"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.find<QWidget>("maintextbox"));
        QTest::keyClick(w.find<QWidget>("maintextbox"), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.find<QWidget>("searchbox"));
        for (const QString menu : {"mainlistmenu", "maintextboxmenu"}) {
            const auto items = w.find<QMenu>(menu)->actions();
            QCOMPARE(items.size(), 4);
            QCOMPARE(items[3]->text(), QStringLiteral("14 Pt"));
            QCOMPARE(items[3]->objectName(), menu.chopped(4) + "_size14");
        }
    }

    void pictureButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("caption");
        const QStringList tools = {"Dock Quillbox to the left of the screen",
                                   "Dock Quillbox to the right of the screen",
                                   "Flush all notes",
                                   "Show all notes",
                                   "About Quillbox",
                                   "Exit Quillbox",
                                   "Change font size"};
        for (int i = 0; i < 7; ++i)
            QTest::addRow("icons%d", i) << QString("icons%1").arg(i) << i << tools[i];
        const QStringList notes = {"Clear Note",
                                   "Update Note",
                                   "Delete Note",
                                   "Add new note",
                                   "Add note from clipboard",
                                   "Copy note to clipboard"};
        for (int i = 0; i < 6; ++i)
            QTest::addRow("but%d", i) << QString("but%1").arg(i) << i << notes[i];
        QTest::newRow("ico_search") << "ico_search" << 0 << "Search";
    }

    // The right picture, pressed while held down, and the caption on hover
    // for the toolbar alone.
    void pictureButtons()
    {
        QFETCH(QString, name);
        QFETCH(int, cell);
        QFETCH(QString, caption);
        Window w;
        QLabel *button = w.button(name);
        QCOMPARE(button->toolTip(), caption);
        QCOMPARE(button->accessibleName(), caption);
        const qreal ratio = w.window->devicePixelRatioF();
        const ImageStrip strip = name.startsWith("icons") ? Artwork::toolbarStrip(ratio)
                                 : name.startsWith("but") ? Artwork::noteButtonStrip(ratio)
                                                          : Artwork::searchButtonStrip(ratio);
        QCOMPARE(pictureOf(button), strip.cell(cell).toImage());
        QTest::mousePress(button, Qt::RightButton);
        const int pressed = name == "ico_search" ? 1 : cell + strip.columns();
        QCOMPARE(pictureOf(button), strip.cell(pressed).toImage());
        // Released away from the button: no command, the normal picture back.
        QTest::mouseRelease(button, Qt::RightButton, {}, QPoint(-5, -5));
        QCOMPARE(pictureOf(button), strip.cell(cell).toImage());
        QTest::mouseMove(button);
        QCOMPARE(w.status(), name.startsWith("icons") ? caption : QString());
        QTest::mouseMove(w.window.get(), QPoint(w.window->width() - 2, 2));
        QCOMPARE(w.status(), QString());
        QVERIFY(w.desktop.messages.isEmpty());
    }

    // What each note button does, seen in the window, and the count line
    // rewritten after each one.
    void noteButtons()
    {
        Window w(numberedNotes(2));
        auto *text = w.find<QPlainTextEdit>("maintextbox");
        auto *list = w.find<QListWidget>("mainlist");
        auto *count = w.find<QLabel>("Label1");
        w.pick(1);
        QCOMPARE(text->toPlainText(), QStringLiteral("b2"));
        text->setPlainText("edited");
        w.click("but5");
        QCOMPARE(w.desktop.clipboard, QStringLiteral("edited"));
        QCOMPARE(w.status(), QStringLiteral("Note copied to clipboard"));
        w.click("but1");
        QCOMPARE(w.status(), QStringLiteral("'t2' Updated!"));
        w.desktop.clipboard = "pasted\nmore";
        w.click("but4");
        QCOMPARE(list->item(2)->text(), QStringLiteral("pasted"));
        QCOMPARE(count->text(), QStringLiteral("Listing 3 of 3 note(s)"));
        w.desktop.typedTexts = {"typed"};
        w.click("but3");
        QCOMPARE(list->item(3)->text(), QStringLiteral("typed"));
        QCOMPARE(list->currentRow(), 1); // the pick stays
        w.click("but2");
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->item(1)->text(), QStringLiteral("pasted"));
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(text->toPlainText(), QStringLiteral("edited")); // the box keeps its text
        QCOMPARE(count->text(), QStringLiteral("Listing 3 of 3 note(s)"));
        w.click("but0");
        QCOMPARE(text->toPlainText(), QString());
        // A fast second click is one more click.
        w.desktop.clipboard = "again";
        QTest::mouseClick(w.button("but4"), Qt::LeftButton);
        QTest::mouseDClick(w.button("but4"), Qt::LeftButton);
        QTest::mouseRelease(w.button("but4"), Qt::LeftButton);
        QCOMPARE(list->count(), 5);
    }

    void searchAndShowAll()
    {
        Window w({{"Trip", "about the TRIP"}, {"b", "nothing"}, {"c", "a trip"}});
        auto *list = w.find<QListWidget>("mainlist");
        QTest::keyClicks(w.find<QLineEdit>("searchbox"), "trip");
        w.click("ico_search");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("c"));
        QCOMPARE(w.status(), QStringLiteral("Found 2 notes containing the text 'trip'"));
        QCOMPARE(w.find<QLabel>("Label1")->text(), QStringLiteral("Listing 2 of 3 note(s)"));
        w.pick(1);
        QCOMPARE(w.find<QPlainTextEdit>("maintextbox")->toPlainText(), QStringLiteral("a trip"));
        w.desktop.typedTexts = {"renamed"};
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(1)).center());
        QCOMPARE(list->item(1)->text(), QStringLiteral("renamed"));
        w.click("icons3");
        QCOMPARE(list->count(), 3);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(list->item(2)->text(), QStringLiteral("renamed"));
        // A flush leaves the count line to the next listing or note button.
        w.desktop.answers = {Desktop::Answer::Ok};
        w.click("icons2");
        QCOMPARE(list->count(), 0);
        QCOMPARE(w.find<QLabel>("Label1")->text(), QStringLiteral("Listing 3 of 3 note(s)"));
    }

    void fontSizeMenus()
    {
        Window w(numberedNotes(1));
        auto *list = w.find<QListWidget>("mainlist");
        auto *listMenu = w.find<QMenu>("mainlistmenu");
        QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                          list->visualItemRect(list->item(0)).center());
        QVERIFY(listMenu->isVisible());
        QVERIFY(list->selectedItems().isEmpty());
        listMenu->actions()[2]->trigger();
        listMenu->hide();
        QCOMPARE(list->font().pointSizeF(), 12.0);
        QCOMPARE(w.find<QPlainTextEdit>("maintextbox")->font().pointSizeF(), 8.0);
        w.click("icons6");
        QVERIFY(w.find<QMenu>("maintextboxmenu")->isVisible());
        w.find<QMenu>("maintextboxmenu")->actions()[3]->trigger();
        QCOMPARE(w.find<QPlainTextEdit>("maintextbox")->font().pointSizeF(), 14.0);
        QCOMPARE(list->font().pointSizeF(), 12.0);
    }

    void layoutFollowsTheWindow()
    {
        Window w;
        w.setOuterSize({400, 600});
        QCOMPARE(w.find<QPlainTextEdit>("maintextbox")->geometry(), QRect(5, 428, 382, 104));
        // Held at the smallest size.
        w.setOuterSize({100, 100});
        QCOMPARE(w.window->frameGeometry().size(), WindowLayout::smallestSize);
        QCOMPARE(w.button("but0")->pos(), QPoint(58, 232));
        // Nothing is laid out while minimised; restoring lays out again.
        w.window->showMinimized();
        w.setOuterSize({300, 500});
        QCOMPARE(w.button("but0")->pos(), QPoint(58, 232));
        w.window->showNormal();
        QCOMPARE(w.button("but0")->pos(), QPoint(300 - 122, 500 - 68));
    }

    void docking()
    {
        Window w;
        w.click("icons1");
        QTRY_COMPARE(w.window->frameGeometry(), QRect(844, 30, 180, 738));
        w.click("icons0");
        QTRY_COMPARE(w.window->frameGeometry(), QRect(0, 30, 180, 738));
        QCOMPARE(w.button("but0")->pos(), QPoint(58, 738 - 68));
        w.window->showMaximized();
        const QRect maximised = w.window->frameGeometry();
        w.click("icons1");
        QCOMPARE(w.window->frameGeometry(), maximised);
    }

    void aboutWindow()
    {
        Window w;
        w.click("icons4");
        QWidget *about = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            about = top->objectName() == "about" ? top : about;
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Quillbox"));
        QTRY_COMPARE(about->frameGeometry().topLeft(),
                     centredIn(about->frameGeometry().size(), w.desktop.area));
        QVERIFY(!w.window->isEnabled());
        QTest::keyClick(about, Qt::Key_Escape);
        QVERIFY(about->isVisible());
        QTest::mouseClick(about->findChild<QPushButton *>("bt_ok"), Qt::LeftButton);
        QVERIFY(!about->isVisible());
        QVERIFY(w.window->isEnabled());
        w.click("icons4");
        about->close();
        QVERIFY(w.window->isEnabled());
        // Closing the main window takes an open About window with it.
        w.click("icons4");
        w.window->close();
        QVERIFY(!about->isVisible());
    }

    void waysOut_data()
    {
        QTest::addColumn<bool>("byIcon");
        QTest::newRow("closing the window") << false;
        QTest::newRow("exit icon") << true;
    }

    // Each way out saves once and ends; nothing after the end saves again.
    void waysOut()
    {
        QFETCH(bool, byIcon);
        Window w(numberedNotes(3));
        QSignalSpy finished(w.window.get(), &MainWindow::finished);
        w.pick(2);
        w.click("but2");
        byIcon ? w.click("icons5") : void(w.window->close());
        QCOMPARE(finished.size(), 1);
        QVERIFY(!w.window->isVisible());
        QCOMPARE(w.file.value("general", "notetotal"), QStringLiteral("2"));
        w.window->close();
        QCOMPARE(finished.size(), 1);
    }

    // A store that cannot be used is told once the window shows; the save
    // at the end asks Retry or Cancel, and a close meanwhile waits.
    void unusableStoreIsNeverSilent()
    {
        StoreFile blocked;
        QVERIFY(QDir().mkpath(blocked.path())); // a folder where the file should be
        FakeDesktop desktop;
        MainWindow window(blocked.path(), &desktop);
        QVERIFY(desktop.messages.isEmpty());
        QTRY_COMPARE(desktop.messages.size(), 1);
        QVERIFY(desktop.messages[0].text.contains(blocked.path()));
        desktop.clipboard = "kept";
        QTest::mouseClick(window.findChild<QLabel *>("but4"), Qt::LeftButton);
        QSignalSpy finished(&window, &MainWindow::finished);
        desktop.answers = {Desktop::Answer::Retry, Desktop::Answer::Retry};
        desktop.whileOpen = [&] {
            window.close();
            if (desktop.messages.size() == 3)
                QDir().rmdir(blocked.path());
        };
        window.close();
        QCOMPARE(desktop.messages.size(), 3);
        QCOMPARE(desktop.messages[1].buttons, Desktop::Buttons::RetryCancel);
        QVERIFY(desktop.messages[1].text.startsWith("Quillbox could not save your notes to"));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(blocked.value("notes", "notetitle1"), QStringLiteral("kept"));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
