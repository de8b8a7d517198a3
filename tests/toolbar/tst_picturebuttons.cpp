#include "about/aboutwindow.h"
#include "mainwindow/form1.h"
#include "scriptedplatform.h"
#include "tempstore.h"
#include "toolbar/picturebutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <memory>

namespace
{

enum Kind { Icon, Note, Search };

const char *const iconCaptions[] = {"Dock Quillbox to the left of the screen",
                                    "Dock Quillbox to the right of the screen",
                                    "Flush all notes",
                                    "Show all notes",
                                    "About Quillbox",
                                    "Exit Quillbox",
                                    "Change font size"};
const char *const noteCaptions[] = {"Clear Note",
                                    "Update Note",
                                    "Delete Note",
                                    "Add new note",
                                    "Add note from clipboard",
                                    "Copy note to clipboard"};

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// What a user could notice of a command having run.
struct Effects {
    qsizetype messageBoxes, inputBoxes, menus;
    int ends;
    QRect frame;
    bool aboutShown, enabled;
    QString content;
    int notecount, listed;
    QString clipboard, status, count;
    bool operator==(const Effects &) const = default;
};

void addButtonColumns()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
}

} // namespace

// The toolbar icons, the note buttons and the search button, driven with
// the mouse through the real widgets.
class TestPictureButtons : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempStore> store;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<Form1> w;

    PictureButton *target(int kind, int index) const
    {
        if (kind == Icon)
            return w->icons[static_cast<std::size_t>(index)];
        if (kind == Note)
            return w->but[static_cast<std::size_t>(index)];
        return w->ico_search;
    }
    QImage cellOf(int kind, int k) const
    {
        const ImageStrip &strip = kind == Icon ? w->pclip1 : kind == Note ? w->pclip2 : w->pclip3;
        return argb(strip.cellImage(k));
    }
    QImage normalCell(int kind, int index) const { return cellOf(kind, index); }
    QImage pressedCell(int kind, int index) const
    {
        return cellOf(kind, index + (kind == Icon ? 10 : kind == Note ? 6 : 1));
    }
    QImage shown(int kind, int index) const
    {
        return argb(target(kind, index)->pixmap().toImage());
    }

    Effects effects() const
    {
        return {platform->messageBoxes.size(),
                platform->inputBoxes.size(),
                platform->poppedMenus.size(),
                platform->endCount,
                w->frameGeometry(),
                w->about && w->about->isVisible(),
                w->isEnabled(),
                w->maintextbox->toPlainText(),
                int(w->notes.notecount),
                int(w->mainlist->count()),
                platform->clipboard,
                w->status->text(),
                w->Label1->text()};
    }

    QString expectedCount() const
    {
        return QStringLiteral("Listing %1 of %2 note(s)")
            .arg(w->mainlist->count())
            .arg(int(w->notes.notecount));
    }

    // Two notes, the list narrowed to the first by a search, the first one
    // picked and edited, the search box asking for the other, text on the
    // clipboard and the window away from the screen edges: every command
    // then changes something one can see.
    void arm()
    {
        w->move(100, 100);
        w->insertnotenow(QStringLiteral("alpha"), QStringLiteral("first body"));
        w->insertnotenow(QStringLiteral("beta"), QStringLiteral("second body"));
        w->searchbox->setText(QStringLiteral("first"));
        w->search();
        QCOMPARE(w->mainlist->count(), 1);
        w->mainlist->setCurrentRow(0);
        w->maintextbox->setPlainText(QStringLiteral("edited body"));
        w->searchbox->setText(QStringLiteral("second"));
        platform->clipboard = QStringLiteral("from the clipboard\nsecond line");
        w->setstatus(QString());
        w->Label1->setText(QStringLiteral("stale"));
    }

private slots:
    void init()
    {
        store = std::make_unique<TempStore>();
        platform = std::make_unique<ScriptedPlatform>();
        platform->scriptedWorkArea = QSize(800 * 15, 600 * 15);
        w = std::make_unique<Form1>(*platform, store->path());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    void cleanup()
    {
        w.reset();
        platform.reset();
        store.reset();
    }

    void pressAndRelease_data()
    {
        addButtonColumns();
        QTest::addColumn<Qt::MouseButton>("button");
        for (auto [button, name] : {std::pair{Qt::LeftButton, " left"},
                                    {Qt::RightButton, " right"},
                                    {Qt::MiddleButton, " middle"}}) {
            for (int i = 0; i < 7; ++i)
                QTest::addRow("icons%d%s", i, name) << int(Icon) << i << button;
            for (int i = 0; i < 6; ++i)
                QTest::addRow("but%d%s", i, name) << int(Note) << i << button;
            QTest::addRow("ico_search%s", name) << int(Search) << 0 << button;
        }
    }

    // Pressed cell while held, normal one after. Released outside, nothing
    // runs; released inside, the command runs once, with the normal picture.
    void pressAndRelease()
    {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(Qt::MouseButton, button);
        PictureButton *b = target(kind, index);
        const QImage normal = normalCell(kind, index);
        QVERIFY(pressedCell(kind, index) != normal);
        QCOMPARE(shown(kind, index), normal);
        arm();
        platform->messageAnswers.enqueue(Platform::Ok);
        platform->inputAnswers.enqueue(QStringLiteral("a title"));
        Effects expected = effects();
        // A move while held still names a pressed icon: hover, not its command.
        if (kind == Icon)
            expected.status = QString::fromLatin1(iconCaptions[index]);
        QTest::mousePress(b, button, {}, QPoint(5, 5));
        QCOMPARE(shown(kind, index), pressedCell(kind, index));
        QTest::mouseMove(b, QPoint(40, 60));
        QTest::mouseRelease(b, button, {}, QPoint(40, 60));
        QCOMPARE(shown(kind, index), normal);
        QCOMPARE(effects(), expected);

        QImage duringCommand;
        platform->whileBoxOpen = [&] { duringCommand = shown(kind, index); };
        const int outerWidth = w->frameGeometry().width();
        QTest::mousePress(b, button, {}, QPoint(5, 5));
        QCOMPARE(shown(kind, index), pressedCell(kind, index));
        QTest::mouseRelease(b, button, {}, QPoint(6, 6));
        QCOMPARE(shown(kind, index), normal);
        const bool asks = (kind == Icon && index == 2) || (kind == Note && index == 3);
        QCOMPARE(duringCommand.isNull(), !asks);
        if (asks)
            QCOMPARE(duringCommand, normal);
        QCOMPARE(platform->endCount, int(kind == Icon && index == 5));
        QCOMPARE(platform->poppedMenus.size(), qsizetype(kind == Icon && index == 6));
        QCOMPARE(platform->messageBoxes.size(), qsizetype(kind == Icon && index == 2));
        QCOMPARE(platform->inputBoxes.size(), qsizetype(kind == Note && index == 3));
        // One thing each command is seen to do.
        const std::function<void()> effect[] = {
            [&] { QCOMPARE(w->frameGeometry().topLeft(), QPoint(0, 0)); },
            [&] { QCOMPARE(w->frameGeometry().topLeft(), QPoint(800 - outerWidth, 0)); },
            [&] { QCOMPARE(int(w->notes.notecount), 0); },
            [&] { QCOMPARE(w->mainlist->count(), 2); },
            [&] { QVERIFY(w->about && w->about->isVisible()); },
            [&] { QCOMPARE(store->value("general", "notetotal"), QStringLiteral("2")); },
            [&] { QCOMPARE(platform->poppedMenus.value(0), w->maintextboxmenu); },
            [&] { QCOMPARE(w->maintextbox->toPlainText(), QString()); },
            [&] { QCOMPARE(w->notes.notecontents[1], QStringLiteral("edited body")); },
            [&] { QCOMPARE(int(w->notes.notecount), 1); },
            [&] { QCOMPARE(w->notes.notetitles[3], QStringLiteral("a title")); },
            [&] { QCOMPARE(w->notes.notetitles[3], QStringLiteral("from the clipboard")); },
            [&] { QCOMPARE(platform->clipboard, QStringLiteral("edited body")); },
            [&] { QCOMPARE(w->mainlist->item(0)->text(), QStringLiteral("beta")); }};
        effect[kind == Icon ? index : kind == Note ? 7 + index : 13]();
        if (kind == Note)
            QCOMPARE(w->Label1->text(), expectedCount());
    }

    void countLineAfterRefusedNoteButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("setup");
        QTest::newRow("clear, nothing picked") << 0 << "unpick";
        QTest::newRow("update, nothing picked") << 1 << "unpick";
        QTest::newRow("update, blank box") << 1 << "blank";
        QTest::newRow("delete, nothing picked") << 2 << "unpick";
        QTest::newRow("add, blank body") << 3 << "blank";
        QTest::newRow("add, title cancelled") << 3 << "cancel";
        QTest::newRow("add, collection full") << 3 << "full";
        QTest::newRow("from clipboard, empty") << 4 << "noclip";
        QTest::newRow("from clipboard, full") << 4 << "full";
        QTest::newRow("to clipboard, nothing picked") << 5 << "unpick";
    }

    void countLineAfterRefusedNoteButtons()
    {
        QFETCH(int, index);
        QFETCH(QString, setup);
        arm();
        if (setup == QLatin1String("unpick"))
            w->mainlist->clearSelection();
        if (setup == QLatin1String("blank"))
            w->maintextbox->setPlainText(QStringLiteral("   "));
        if (setup == QLatin1String("full"))
            w->notes.maxnotes = w->notes.notecount;
        if (setup == QLatin1String("noclip"))
            platform->clipboardHasText = false;
        const int notesBefore = w->notes.notecount;
        QTest::mouseClick(target(Note, index), Qt::LeftButton);
        QCOMPARE(int(w->notes.notecount), notesBefore);
        QCOMPARE(w->Label1->text(), expectedCount());
        QCOMPARE(platform->messageBoxes.size(), qsizetype(setup == QLatin1String("full")));
    }

    void hover_data()
    {
        addButtonColumns();
        QTest::addColumn<QString>("caption");
        for (int i = 0; i < 7; ++i)
            QTest::addRow("icons%d", i) << int(Icon) << i << QString::fromLatin1(iconCaptions[i]);
        for (int i = 0; i < 6; ++i)
            QTest::addRow("but%d", i) << int(Note) << i << QString::fromLatin1(noteCaptions[i]);
        QTest::newRow("ico_search") << int(Search) << 0 << QStringLiteral("Search");
    }

    // Icons name themselves in the status line, the other buttons leave it
    // alone; the bare window surface then clears it. No picture changes.
    void hover()
    {
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(QString, caption);
        PictureButton *b = target(kind, index);
        QCOMPARE(b->toolTip(), caption);
        QCOMPARE(b->accessibleName(), caption);
        w->setstatus(QStringLiteral("kept"));
        QTest::mouseMove(b, QPoint(10, 10));
        QTest::mouseMove(b, QPoint(3, 12));
        QCOMPARE(w->status->text(), kind == Icon ? caption : QStringLiteral("kept"));
        QCOMPARE(shown(kind, index), normalCell(kind, index));
        QTest::mouseMove(w.get(), QPoint(47, 10));
        QCOMPARE(w->status->text(), QString());
    }

    void moveOverWindow_data()
    {
        QTest::addColumn<QString>("child");
        QTest::addColumn<QPoint>("gap");
        QTest::newRow("gap: dock right | font size") << QString() << QPoint(47, 10);
        QTest::newRow("gap: show all | About") << QString() << QPoint(117, 15);
        QTest::newRow("gap: left of dock left") << QString() << QPoint(2, 10);
        QTest::newRow("gap: toolbar | search row") << QString() << QPoint(60, 27);
        for (const char *name : {"mainlist", "searchbox", "Label1", "maintextbox", "status"})
            QTest::addRow("%s", name) << QString::fromLatin1(name) << QPoint();
    }

    // The bare surface clears whatever the status line says; the widgets on
    // it do not.
    void moveOverWindow()
    {
        QFETCH(QString, child);
        QFETCH(QPoint, gap);
        QWidget *widget = child.isEmpty() ? nullptr : w->findChild<QWidget *>(child);
        QVERIFY(widget ? widget->isVisible() : !w->childAt(gap));
        QTest::mouseMove(target(Icon, 3), QPoint(10, 10));
        w->setstatus(QStringLiteral("Note copied to clipboard"));
        QTest::mouseMove(w.get(), widget ? widget->geometry().center() : gap);
        QCOMPARE(w->status->text(),
                 widget ? QStringLiteral("Note copied to clipboard") : QString());
    }
};

QTEST_MAIN(TestPictureButtons)
#include "tst_picturebuttons.moc"
