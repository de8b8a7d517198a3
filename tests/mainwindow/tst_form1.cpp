#include "mainwindow/form1.h"
#include "scriptedplatform.h"
#include "tempstore.h"
#include "toolbar/picturebutton.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

// What the window holds when it opens: every widget by name, its kind,
// place, text, tooltip and options, the menus and the tab order.
class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void widgetsByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("tooltip");

        // Places of a 180 x 358 window; toolbar icons never move.
        QTest::newRow("icons0") << "icons0"
                                << "PictureButton" << QRect(5, 5, 20, 20)
                                << "Dock Quillbox to the left of the screen";
        QTest::newRow("icons1") << "icons1"
                                << "PictureButton" << QRect(25, 5, 20, 20)
                                << "Dock Quillbox to the right of the screen";
        QTest::newRow("icons6") << "icons6"
                                << "PictureButton" << QRect(50, 5, 20, 20) << "Change font size";
        QTest::newRow("icons2") << "icons2"
                                << "PictureButton" << QRect(75, 5, 20, 20) << "Flush all notes";
        QTest::newRow("icons3") << "icons3"
                                << "PictureButton" << QRect(95, 5, 20, 20) << "Show all notes";
        QTest::newRow("icons4") << "icons4"
                                << "PictureButton" << QRect(120, 5, 20, 20) << "About Quillbox";
        QTest::newRow("icons5") << "icons5"
                                << "PictureButton" << QRect(145, 5, 20, 20) << "Exit Quillbox";
        QTest::newRow("searchbox") << "searchbox"
                                   << "QLineEdit" << QRect(5, 30, 140, 21) << "";
        QTest::newRow("ico_search") << "ico_search"
                                    << "PictureButton" << QRect(145, 30, 21, 21) << "Search";
        QTest::newRow("mainlist") << "mainlist"
                                  << "QListWidget" << QRect(5, 55, 162, 111) << "";
        QTest::newRow("Label1") << "Label1"
                                << "QLabel" << QRect(5, 166, 166, 16) << "";
        QTest::newRow("maintextbox") << "maintextbox"
                                     << "QPlainTextEdit" << QRect(5, 186, 162, 104) << "";
        const char *tips[] = {"Clear Note",
                              "Update Note",
                              "Delete Note",
                              "Add new note",
                              "Add note from clipboard",
                              "Copy note to clipboard"};
        for (int i = 0; i < 6; ++i) {
            const QString name = QStringLiteral("but%1").arg(i);
            QTest::newRow(qPrintable(name))
                << name << "PictureButton" << QRect(58 + 18 * i, 290, 18, 18) << tips[i];
        }
        QTest::newRow("status") << "status"
                                << "QLabel" << QRect(5, 310, 162, 20) << "";
    }

    void widgetsByName()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        QFETCH(QString, tooltip);

        ScriptedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        QCOMPARE(w.width(), 180);
        QCOMPARE(w.height(), Form1::designClientHeight);
        auto *widget = w.findChild<QWidget *>(name);
        QVERIFY2(widget, qPrintable(name));
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->toolTip(), tooltip);
        QVERIFY(widget->isEnabled());
        if (kind == QLatin1String("PictureButton")) {
            // Named for screen readers, and showing a picture of its own size.
            QCOMPARE(widget->accessibleName(), tooltip);
            auto *button = static_cast<PictureButton *>(widget);
            QCOMPARE(button->pixmap().deviceIndependentSize().toSize(), geometry.size());
            QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
        }
    }

    void windowOpensAsDesigned()
    {
        ScriptedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quillbox 1.20"));
        // The start width is the outer width, once the frame is known.
        QTRY_COMPARE(platform.windowGeometry(&w).width(), 2700);
        for (int size : {16, 32, 64})
            QCOMPARE(w.windowIcon().pixmap(size).size(), QSize(size, size));
        QCOMPARE(w.Label1->text(), QStringLiteral("Listing 0 of 0 note(s)"));
        QVERIFY(w.status->text().isEmpty());
        QVERIFY(w.status->frameShape() != QFrame::NoFrame);
        QVERIFY(w.searchbox->text().isEmpty());
        QVERIFY(w.maintextbox->toPlainText().isEmpty());
        QCOMPARE(w.mainlist->selectionMode(), QAbstractItemView::SingleSelection);
        QVERIFY(!w.mainlist->isSortingEnabled());
        QCOMPARE(w.mainlist->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(w.maintextbox->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(w.maintextbox->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!w.maintextbox->isReadOnly());
        QCOMPARE(w.appname, QStringLiteral("qbxlm120"));
        QCOMPARE(w.tpp, 15);
        QCOMPARE(w.tppint, 15);
        QCOMPARE(w.notes.maxnotes, 500);
        QCOMPARE(w.notes.curpos, 0);
    }

    void tabOrderAndFocus()
    {
        ScriptedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.mainlist));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.maintextbox));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.searchbox));
        QVERIFY(w.maintextbox->toPlainText().isEmpty()); // Tab typed no tab
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.mainlist));
        QCOMPARE(w.Label1->focusPolicy(), Qt::NoFocus);
        QCOMPARE(w.status->focusPolicy(), Qt::NoFocus);
    }

    void menus_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::newRow("mainlistmenu") << "mainlistmenu"
                                      << "&Mainlist";
        QTest::newRow("maintextboxmenu") << "maintextboxmenu"
                                         << "maintextbox";
    }

    void menus()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        ScriptedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        auto *popup = w.findChild<QMenu *>(menu);
        QVERIFY(popup);
        QCOMPARE(popup->title(), caption);
        QStringList items;
        for (QAction *action : popup->actions()) {
            items << action->text();
            QVERIFY(action->isEnabled() && action->isVisible());
            QVERIFY(!action->isCheckable());
            QVERIFY(action->shortcut().isEmpty());
        }
        QCOMPARE(items, (QStringList{"8 Pt", "10 Pt", "12 Pt", "14 Pt"}));
        QVERIFY(!popup->isVisible());
    }

    void contentBoxHasNoMenuOfItsOwn()
    {
        ScriptedPlatform platform;
        TempStore store;
        Form1 w(platform, store.path());
        QCOMPARE(w.maintextbox->contextMenuPolicy(), Qt::NoContextMenu);
        QTest::mousePress(w.maintextbox->viewport(), Qt::RightButton);
        QVERIFY(platform.poppedMenus.isEmpty());
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
