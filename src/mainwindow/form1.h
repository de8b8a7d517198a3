#pragma once

#include "notes/notecollection.h"
#include "notes/settingslayout.h"
#include "notes/settingsstore.h"
#include "toolbar/imagestrip.h"

#include <QMap>
#include <QPointF>
#include <QWidget>
#include <array>
#include <future>

class AboutWindow;
class Platform;
class PictureButton;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;

// The main window: the toolbar, the search field, the title list, the count
// line, the content box, the note buttons and the status line. It owns the
// note collection and the current listing for the life of the process; its
// routines live beside the behaviour they give, in the folders app/ (start
// and end), mainwindow/ (layout, docking, font sizes), commands/ (the list
// and the note commands), toolbar/ (picture buttons) and about/.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int designClientWidth = 449;
    static constexpr int designClientHeight = 358;

    // Builds every widget, then runs Form_Load, which reads the store.
    Form1(Platform &platform, const QString &storePath, QWidget *parent = nullptr);
    ~Form1() override;

    // The note collection and the listing (notetitles, notecount, listmap, curpos, ...).
    NoteCollection notes;
    QString appname;
    int tpp = 0;
    qint16 tppint = 0;
    int butleft = 0;
    int buttop = 0;

    // Widgets, by their names.
    std::array<PictureButton *, 7> icons{};
    std::array<PictureButton *, 6> but{};
    PictureButton *ico_search = nullptr;
    QLineEdit *searchbox = nullptr;
    QListWidget *mainlist = nullptr;
    QLabel *Label1 = nullptr;
    QPlainTextEdit *maintextbox = nullptr;
    QLabel *status = nullptr;
    QMenu *mainlistmenu = nullptr;
    QMenu *maintextboxmenu = nullptr;
    QMap<int, QAction *> mainlist_size;    // index = point size
    QMap<int, QAction *> maintextbox_size; // index = point size
    ImageStrip pclip1, pclip2, pclip3;
    AboutWindow *about = nullptr;

    // Start and end (app/).
    void Form_Load();
    void Form_Unload();
    void byebye();
    void iniload();
    void inisave();
    bool hasEnded() const { return ended; }

    // The note collection (notes/ through the window).
    void insertnotenow(const QString &ntitle, const QString &ncontent);
    void note_delete();
    void flushall();

    // Title list and status line (commands/).
    void showall();
    void refreshlist();
    void refreshstatus();
    void setstatus(const QString &sline);
    void mainlist_Click();
    void shownote();

    // Editing, search and clipboard commands (commands/).
    void note_insert();
    void note_update();
    void mainlist_DblClick();
    void search();
    void note_toclipboard();
    void note_fromclipboard();

    // Layout, docking and font sizes (mainwindow/).
    void adjustform();
    void Form_Resize();
    void dockleft();
    void dockright();
    void mainlist_MouseDown(int button);
    void mainlist_size_Click(int index);
    void maintextbox_size_Click(int index);

    // Picture buttons (toolbar/).
    void initimages();
    void icons_MouseDown(int index);
    void icons_MouseUp(int index);
    void icons_MouseMove(int index);
    void icons_Click(int index);
    void Form_MouseMove();
    void but_MouseDown(int index);
    void but_MouseUp(int index);
    void but_Click(int index);
    void ico_search_MouseDown();
    void ico_search_MouseUp();
    void ico_search_Click();

    // About window (about/).
    void showabout();

    Platform &platformServices() { return platform; }
    SettingsStore &settingsStore() { return store; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createToolbar();
    void createSearchRow();
    void createListAndContent();
    void createNoteButtons();
    void createStatusLine();
    void createMenus();
    void createStrips();
    void setTabOrder();
    void connectHandlers();
    void endnow();
    void applyFrameOnce();

    // What the start-up read of the store found.
    struct StoreRead {
        SettingsStore::OpenResult opened = SettingsStore::OpenResult::Failed;
        StoredSettings settings;
    };
    StoreRead readstore();

    Platform &platform;
    SettingsStore store;
    bool ended = false;
    bool storeLoaded = false;
    bool saving = false;
    bool frameKnown = false;
    bool followsScreen = false;
    int laidOutFrameWidth = -1;
    int laidOutFrameHeight = -1;
    // The store is read on a second thread while the widgets are built;
    // iniload waits for it. Declared after the store, so it is waited for
    // before the store goes.
    std::future<StoreRead> earlyRead;
};
