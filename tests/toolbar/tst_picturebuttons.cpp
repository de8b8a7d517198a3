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
const char *const noteTips[] = {"Clear Note",
                                "Update Note",
                                "Delete Note",
                                "Add new note",
                                "Add note from clipboard",
                                "Copy note to clipboard"};

QImage argb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// What a user or the store could notice of a command having run.
struct Effects {
    qsizetype messageBoxes = 0;
    qsizetype inputBoxes = 0;
    qsizetype menus = 0;
    int ends = 0;
    QRect frame;
    bool aboutShown = false;
    bool enabled = true;
    QString content;
    int notecount = 0;
    int listed = 0;
    QString clipboard;
    QString status;
    QString count;

    bool operator==(const Effects &) const = default;
};

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
    QImage normalCell(int kind, int index) const
    {
        return cellOf(kind, kind == Search ? 0 : index);
    }
    QImage pressedCell(int kind, int index) const
    {
        return cellOf(kind, kind == Icon ? index + 10 : kind == Note ? index + 6 : 1);
    }
    QImage shown(int kind, int index) const
    {
        return argb(target(kind, index)->pixmap().toImage());
    }

    Effects effects() const
    {
        Effects e;
        e.messageBoxes = platform->messageBoxes.size();
        e.inputBoxes = platform->inputBoxes.size();
        e.menus = platform->poppedMenus.size();
        e.ends = platform->endCount;
        e.frame = w->frameGeometry();
        e.aboutShown = w->about && w->about->isVisible();
        e.enabled = w->isEnabled();
        e.content = w->maintextbox->toPlainText();
        e.notecount = w->notes.notecount;
        e.listed = w->mainlist->count();
        e.clipboard = platform->clipboard;
        e.status = w->status->text();
        e.count = w->Label1->text();
        return e;
    }

    QString expectedCount() const
    {
        return QStringLiteral("Listing %1 of %2 note(s)")
            .arg(w->mainlist->count())
            .arg(int(w->notes.notecount));
    }

    // Two notes, the list narrowed to the first by a search, the first one
    // picked, something on the clipboard and the window away from the
    // screen edges: every command then changes something one can see.
    void arm()
    {
        w->move(100, 100);
        w->insertnotenow(QStringLiteral("alpha"), QStringLiteral("first body"));
        w->insertnotenow(QStringLiteral("beta"), QStringLiteral("second body"));
        w->searchbox->setText(QStringLiteral("first"));
        w->search();
        QCOMPARE(w->mainlist->count(), 1);
        w->mainlist->setCurrentRow(0);
        QCOMPARE(w->maintextbox->toPlainText(), QStringLiteral("first body"));
        platform->clipboard = QStringLiteral("from the clipboard\nsecond line");
        w->setstatus(QString());
        w->Label1->setText(QStringLiteral("stale"));
    }

    void addPressData();

private slots:
    void init();
    void cleanup();

    void firstPicturesAreNormal();
    void pressShowsPressedPictureReleaseNormal_data();
    void pressShowsPressedPictureReleaseNormal();
    void releaseOutsideRestoresAndRunsNothing_data();
    void releaseOutsideRestoresAndRunsNothing();
    void pictureIsNormalWhileCommandRuns_data();
    void pictureIsNormalWhileCommandRuns();
    void iconClickRunsItsCommandOnce_data();
    void iconClickRunsItsCommandOnce();
    void noteButtonClickRunsItsCommand_data();
    void noteButtonClickRunsItsCommand();
    void searchButtonSearches();
    void countLineRewrittenAfterEveryNoteButton_data();
    void countLineRewrittenAfterEveryNoteButton();
    void iconHoverWritesCaption_data();
    void iconHoverWritesCaption();
    void otherButtonsLeaveStatusAlone_data();
    void otherButtonsLeaveStatusAlone();
    void bareSurfaceClearsStatus_data();
    void bareSurfaceClearsStatus();
    void childWidgetsKeepCaption_data();
    void childWidgetsKeepCaption();
    void commandMessageClearedByBareSurface();
    void tooltipsAndNamesAreCaptions_data();
    void tooltipsAndNamesAreCaptions();
};

void TestPictureButtons::init()
{
    store = std::make_unique<TempStore>();
    platform = std::make_unique<ScriptedPlatform>();
    platform->scriptedWorkArea = QSize(800 * 15, 600 * 15);
    w = std::make_unique<Form1>(*platform, store->path());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
}

void TestPictureButtons::cleanup()
{
    w.reset();
    platform.reset();
    store.reset();
}

void TestPictureButtons::firstPicturesAreNormal()
{
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(shown(Icon, i), normalCell(Icon, i));
        QCOMPARE(target(Icon, i)->size(), QSize(20, 20));
    }
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(shown(Note, i), normalCell(Note, i));
        QCOMPARE(target(Note, i)->size(), QSize(18, 18));
    }
    QCOMPARE(shown(Search, 0), normalCell(Search, 0));
    QCOMPARE(w->ico_search->size(), QSize(21, 21));
}

void TestPictureButtons::addPressData()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<Qt::MouseButton>("button");
    const std::pair<Qt::MouseButton, const char *> buttons[] = {
        {Qt::LeftButton, "left"}, {Qt::RightButton, "right"}, {Qt::MiddleButton, "middle"}};
    for (const auto &[button, name] : buttons) {
        for (int i = 0; i < 7; ++i)
            QTest::addRow("icons%d %s", i, name) << int(Icon) << i << button;
        for (int i = 0; i < 6; ++i)
            QTest::addRow("but%d %s", i, name) << int(Note) << i << button;
        QTest::addRow("ico_search %s", name) << int(Search) << 0 << button;
    }
}

void TestPictureButtons::pressShowsPressedPictureReleaseNormal_data()
{
    addPressData();
}

void TestPictureButtons::pressShowsPressedPictureReleaseNormal()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, button);
    PictureButton *b = target(kind, index);
    QVERIFY(pressedCell(kind, index) != normalCell(kind, index));
    QTest::mousePress(b, button, {}, QPoint(5, 5));
    QCOMPARE(shown(kind, index), pressedCell(kind, index));
    QTest::mouseRelease(b, button, {}, QPoint(6, 6));
    QCOMPARE(shown(kind, index), normalCell(kind, index));
}

void TestPictureButtons::releaseOutsideRestoresAndRunsNothing_data()
{
    addPressData();
}

void TestPictureButtons::releaseOutsideRestoresAndRunsNothing()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(Qt::MouseButton, button);
    arm();
    platform->messageAnswers.enqueue(Platform::Ok);
    platform->inputAnswers.enqueue(QStringLiteral("a title"));
    Effects expected = effects();
    // A move while the button is held still reaches the pressed icon and
    // names it in the status line; that is hover, not its command.
    if (kind == Icon)
        expected.status = QString::fromLatin1(iconCaptions[index]);
    PictureButton *b = target(kind, index);
    QTest::mousePress(b, button, {}, QPoint(5, 5));
    QTest::mouseMove(b, QPoint(40, 60));
    QTest::mouseRelease(b, button, {}, QPoint(40, 60));
    QCOMPARE(shown(kind, index), normalCell(kind, index));
    QCOMPARE(effects(), expected);
}

void TestPictureButtons::pictureIsNormalWhileCommandRuns_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::newRow("flush all, its question") << int(Icon) << 2;
    QTest::newRow("add new note, its title") << int(Note) << 3;
}

void TestPictureButtons::pictureIsNormalWhileCommandRuns()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    arm();
    QImage duringCommand;
    platform->whileBoxOpen = [&] { duringCommand = shown(kind, index); };
    QTest::mouseClick(target(kind, index), Qt::LeftButton);
    QVERIFY(!duringCommand.isNull());
    QCOMPARE(duringCommand, normalCell(kind, index));
}

void TestPictureButtons::iconClickRunsItsCommandOnce_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 7; ++i)
        QTest::addRow("icons%d", i) << i;
}

void TestPictureButtons::iconClickRunsItsCommandOnce()
{
    QFETCH(int, index);
    arm();
    platform->messageAnswers.enqueue(Platform::Ok);
    const Effects before = effects();
    const int outerWidth = w->frameGeometry().width();
    QTest::mouseClick(target(Icon, index), Qt::LeftButton);
    QCOMPARE(shown(Icon, index), normalCell(Icon, index));
    const Effects after = effects();
    QVERIFY(after != before);
    QCOMPARE(after.ends, index == 5 ? 1 : 0);
    QCOMPARE(after.menus, index == 6 ? 1 : 0);
    QCOMPARE(after.messageBoxes, index == 2 ? 1 : 0);
    switch (index) {
    case 0:
        QCOMPARE(w->frameGeometry().topLeft(), QPoint(0, 0));
        break;
    case 1:
        // The outer right edge meets the work area's right edge.
        QCOMPARE(w->frameGeometry().topLeft(), QPoint(800 - outerWidth, 0));
        break;
    case 2:
        QCOMPARE(platform->messageBoxes.first().title, QStringLiteral("Flush all notes"));
        QCOMPARE(int(w->notes.notecount), 0);
        QCOMPARE(w->mainlist->count(), 0);
        break;
    case 3:
        QCOMPARE(w->mainlist->count(), 2);
        QCOMPARE(w->Label1->text(), QStringLiteral("Listing 2 of 2 note(s)"));
        break;
    case 4:
        QVERIFY(w->about);
        QVERIFY(w->about->isVisible());
        QVERIFY(!w->isEnabled());
        break;
    case 5:
        QCOMPARE(store->value(QStringLiteral("general"), QStringLiteral("notetotal")),
                 QStringLiteral("2"));
        break;
    case 6:
        QCOMPARE(platform->poppedMenus.first(), w->maintextboxmenu);
        break;
    }
}

void TestPictureButtons::noteButtonClickRunsItsCommand_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 6; ++i)
        QTest::addRow("but%d", i) << i;
}

void TestPictureButtons::noteButtonClickRunsItsCommand()
{
    QFETCH(int, index);
    arm();
    if (index == 1)
        w->maintextbox->setPlainText(QStringLiteral("edited body"));
    if (index == 3) {
        w->maintextbox->setPlainText(QStringLiteral("third body"));
        platform->inputAnswers.enqueue(QStringLiteral("gamma"));
    }
    QTest::mouseClick(target(Note, index), Qt::LeftButton);
    QCOMPARE(shown(Note, index), normalCell(Note, index));
    switch (index) {
    case 0:
        // Only the box is emptied: the note, its title and the pick stay.
        QCOMPARE(w->maintextbox->toPlainText(), QString());
        QCOMPARE(w->notes.notecontents[1], QStringLiteral("first body"));
        QCOMPARE(w->mainlist->count(), 1);
        QCOMPARE(w->mainlist->currentRow(), 0);
        break;
    case 1:
        QCOMPARE(w->notes.notecontents[1], QStringLiteral("edited body"));
        QCOMPARE(w->status->text(), QStringLiteral("'alpha' Updated!"));
        break;
    case 2:
        QCOMPARE(int(w->notes.notecount), 1);
        QCOMPARE(w->notes.notetitles[1], QStringLiteral("beta"));
        QCOMPARE(w->mainlist->count(), 0);
        break;
    case 3:
        QCOMPARE(platform->inputBoxes.size(), 1);
        QCOMPARE(platform->inputBoxes.first().preset, QStringLiteral("third body"));
        QCOMPARE(int(w->notes.notecount), 3);
        QCOMPARE(w->notes.notetitles[3], QStringLiteral("gamma"));
        break;
    case 4:
        QCOMPARE(int(w->notes.notecount), 3);
        QCOMPARE(w->notes.notetitles[3], QStringLiteral("from the clipboard"));
        QCOMPARE(w->notes.notecontents[3], QStringLiteral("from the clipboard\nsecond line"));
        break;
    case 5:
        QCOMPARE(platform->clipboard, QStringLiteral("first body"));
        QCOMPARE(int(w->notes.notecount), 2);
        break;
    }
    QCOMPARE(w->Label1->text(), expectedCount());
}

void TestPictureButtons::searchButtonSearches()
{
    arm();
    w->showall();
    w->searchbox->setText(QStringLiteral("second"));
    QTest::mouseClick(w->ico_search, Qt::LeftButton);
    QCOMPARE(shown(Search, 0), normalCell(Search, 0));
    QCOMPARE(w->mainlist->count(), 1);
    QCOMPARE(w->mainlist->item(0)->text(), QStringLiteral("beta"));
    QCOMPARE(w->status->text(), QStringLiteral("Found 1 notes containing the text 'second'"));
}

void TestPictureButtons::countLineRewrittenAfterEveryNoteButton_data()
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

void TestPictureButtons::countLineRewrittenAfterEveryNoteButton()
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
    if (setup == QLatin1String("full"))
        QCOMPARE(platform->messageBoxes.size(), 1);
}

void TestPictureButtons::iconHoverWritesCaption_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");
    for (int i = 0; i < 7; ++i)
        QTest::addRow("icons%d", i) << i << QString::fromLatin1(iconCaptions[i]);
}

void TestPictureButtons::iconHoverWritesCaption()
{
    QFETCH(int, index);
    QFETCH(QString, caption);
    QTest::mouseMove(w.get(), QPoint(47, 10));
    QCOMPARE(w->status->text(), QString());
    QTest::mouseMove(target(Icon, index), QPoint(10, 10));
    QCOMPARE(w->status->text(), caption);
    // A move within the icon keeps the caption; no picture changes.
    QTest::mouseMove(target(Icon, index), QPoint(3, 12));
    QCOMPARE(w->status->text(), caption);
    QCOMPARE(shown(Icon, index), normalCell(Icon, index));
}

void TestPictureButtons::otherButtonsLeaveStatusAlone_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    for (int i = 0; i < 6; ++i)
        QTest::addRow("but%d", i) << int(Note) << i;
    QTest::newRow("ico_search") << int(Search) << 0;
}

void TestPictureButtons::otherButtonsLeaveStatusAlone()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QTest::mouseMove(w.get(), QPoint(47, 10));
    w->setstatus(QStringLiteral("kept"));
    QTest::mouseMove(target(kind, index), QPoint(8, 8));
    QTest::mouseMove(target(kind, index), QPoint(9, 10));
    QCOMPARE(w->status->text(), QStringLiteral("kept"));
}

void TestPictureButtons::bareSurfaceClearsStatus_data()
{
    QTest::addColumn<QPoint>("gap");
    QTest::newRow("dock right | font size") << QPoint(47, 10);
    QTest::newRow("show all | About") << QPoint(117, 15);
    QTest::newRow("left of dock left") << QPoint(2, 10);
    QTest::newRow("toolbar | search row") << QPoint(60, 27);
}

void TestPictureButtons::bareSurfaceClearsStatus()
{
    QFETCH(QPoint, gap);
    QVERIFY(!w->childAt(gap));
    QTest::mouseMove(target(Icon, 3), QPoint(10, 10));
    QCOMPARE(w->status->text(), QStringLiteral("Show all notes"));
    QTest::mouseMove(w.get(), gap);
    QCOMPARE(w->status->text(), QString());
    QTest::mouseMove(target(Icon, 4), QPoint(10, 10));
    QCOMPARE(w->status->text(), QStringLiteral("About Quillbox"));
}

void TestPictureButtons::childWidgetsKeepCaption_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("title list") << "mainlist";
    QTest::newRow("search field") << "searchbox";
    QTest::newRow("count line") << "Label1";
    QTest::newRow("content box") << "maintextbox";
    QTest::newRow("status line") << "status";
}

void TestPictureButtons::childWidgetsKeepCaption()
{
    QFETCH(QString, name);
    QWidget *child = w->findChild<QWidget *>(name);
    QVERIFY(child);
    QTest::mouseMove(target(Icon, 0), QPoint(10, 10));
    QCOMPARE(w->status->text(), QString::fromLatin1(iconCaptions[0]));
    QTest::mouseMove(w.get(), child->geometry().center());
    QCOMPARE(w->status->text(), QString::fromLatin1(iconCaptions[0]));
}

void TestPictureButtons::commandMessageClearedByBareSurface()
{
    arm();
    QTest::mouseClick(target(Note, 5), Qt::LeftButton);
    QCOMPARE(w->status->text(), QStringLiteral("Note copied to clipboard"));
    QTest::mouseMove(w.get(), QPoint(47, 10));
    QCOMPARE(w->status->text(), QString());
}

void TestPictureButtons::tooltipsAndNamesAreCaptions_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    for (int i = 0; i < 7; ++i)
        QTest::addRow("icons%d", i)
            << int(Icon) << i << QStringLiteral("icons%1").arg(i) << iconCaptions[i];
    for (int i = 0; i < 6; ++i)
        QTest::addRow("but%d", i) << int(Note) << i << QStringLiteral("but%1").arg(i)
                                  << noteTips[i];
    QTest::newRow("ico_search") << int(Search) << 0 << "ico_search"
                                << "Search";
}

void TestPictureButtons::tooltipsAndNamesAreCaptions()
{
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    PictureButton *b = target(kind, index);
    QCOMPARE(b->objectName(), name);
    QCOMPARE(b->toolTip(), caption);
    QCOMPARE(b->accessibleName(), caption);
}

QTEST_MAIN(TestPictureButtons)
#include "tst_picturebuttons.moc"
