#include "shownwindow.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>

namespace
{

QPoint rowCentre(const QListWidget *list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

} // namespace

class TestFontMenus : public QObject
{
    Q_OBJECT

private slots:
    void rightPressPopsTheListMenu_data()
    {
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("selectedRow"); // -1: none
        QTest::addColumn<int>("pressedRow");  // -1: below the last title

        QTest::newRow("empty list") << 0 << -1 << -1;
        QTest::newRow("nothing selected, on a title") << 3 << -1 << 1;
        QTest::newRow("nothing selected, below the titles") << 3 << -1 << -1;
        QTest::newRow("selected, on another title") << 3 << 0 << 2;
        QTest::newRow("selected, on the selected title") << 3 << 1 << 1;
    }

    void rightPressPopsTheListMenu()
    {
        QFETCH(int, notes);
        QFETCH(int, selectedRow);
        QFETCH(int, pressedRow);

        ShownWindow s;
        s.addNotes(notes);
        QVERIFY(s.exposed);
        Form1 &w = s.w;
        if (selectedRow >= 0)
            w.mainlist->setCurrentRow(selectedRow);
        const int curpos = w.notes.curpos;
        const auto selection = w.mainlist->selectedItems();
        const QString shown = w.maintextbox->toPlainText();

        const QPoint at = pressedRow >= 0 ? rowCentre(w.mainlist, pressedRow)
                                          : QPoint(10, w.mainlist->viewport()->height() - 5);
        QTest::mousePress(w.mainlist->viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(w.mainlist->viewport(), Qt::RightButton, {}, at);

        QCOMPARE(s.platform.poppedMenus, QList<QMenu *>{w.mainlistmenu});
        QCOMPARE(w.notes.curpos, curpos);
        QCOMPARE(w.mainlist->selectedItems(), selection);
        QCOMPARE(w.maintextbox->toPlainText(), shown);
    }

    void otherButtonsPopNothing_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void otherButtonsPopNothing()
    {
        QFETCH(Qt::MouseButton, button);

        ShownWindow s;
        s.addNotes(2);
        QVERIFY(s.exposed);
        QTest::mouseClick(s.w.mainlist->viewport(), button, {}, rowCentre(s.w.mainlist, 1));
        QVERIFY(s.platform.poppedMenus.isEmpty());
        if (button == Qt::LeftButton)
            QCOMPARE(s.w.notes.curpos, 2); // the left press still picks the title
    }

    void eachItemSetsOnlyItsWidget_data()
    {
        QTest::addColumn<bool>("listMenu");
        QTest::addColumn<int>("size");

        for (int size : {8, 10, 12, 14}) {
            QTest::addRow("list %d", size) << true << size;
            QTest::addRow("text box %d", size) << false << size;
        }
    }

    void eachItemSetsOnlyItsWidget()
    {
        QFETCH(bool, listMenu);
        QFETCH(int, size);

        ShownWindow s;
        s.addNotes(1);
        QVERIFY(s.exposed);
        Form1 &w = s.w;
        w.mainlist->setCurrentRow(0);
        w.setstatus(QStringLiteral("untouched"));
        const QRect listPlace = w.mainlist->geometry();

        // Start from a size no item gives, so that every item must change it.
        QFont odd = w.mainlist->font();
        odd.setPointSize(11);
        w.mainlist->setFont(odd);
        w.maintextbox->setFont(odd);

        QMenu *menu = listMenu ? w.mainlistmenu : w.maintextboxmenu;
        const QMap<int, QAction *> &items = listMenu ? w.mainlist_size : w.maintextbox_size;
        QVERIFY(menu->actions().contains(items.value(size)));
        items.value(size)->trigger();

        QWidget *chosen = listMenu ? static_cast<QWidget *>(w.mainlist) : w.maintextbox;
        QWidget *other = listMenu ? static_cast<QWidget *>(w.maintextbox) : w.mainlist;
        QCOMPARE(chosen->font().pointSizeF(), qreal(size));
        QCOMPARE(other->font().pointSizeF(), 11.0);
        QCOMPARE(w.notes.curpos, 1);
        QCOMPARE(w.maintextbox->toPlainText(), QStringLiteral("body 1"));
        QCOMPARE(w.status->text(), QStringLiteral("untouched"));
        QCOMPARE(w.mainlist->geometry(), listPlace);
    }

    void sizesSurviveARestart()
    {
        ScriptedPlatform platform;
        TempStore store;
        {
            Form1 w(platform, store.path());
            w.mainlist_size.value(14)->trigger();
            w.maintextbox_size.value(10)->trigger();
            w.byebye();
            QCOMPARE(platform.endCount, 1);
        }
        QCOMPARE(store.value(QStringLiteral("general"), QStringLiteral("mainlistsize")).toDouble(),
                 14.0);
        QCOMPARE(
            store.value(QStringLiteral("general"), QStringLiteral("maintextboxsize")).toDouble(),
            10.0);

        Form1 again(platform, store.path());
        QCOMPARE(again.mainlist->font().pointSizeF(), 14.0);
        QCOMPARE(again.maintextbox->font().pointSizeF(), 10.0);
    }
};

QTEST_MAIN(TestFontMenus)
#include "tst_fontmenus.moc"
