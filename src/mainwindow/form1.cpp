#include "mainwindow/form1.h"

#include "about/aboutwindow.h"
#include "app/platform.h"
#include "mainwindow/framewatch.h"
#include "toolbar/artwork.h"
#include "toolbar/picturebutton.h"
#include "toolbar/toolbar.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>

namespace
{

constexpr int noteButtonDesignLefts[] = {10, 35, 65, 100, 130, 160};
constexpr const char *noteButtonTips[] = {"Clear Note",
                                          "Update Note",
                                          "Delete Note",
                                          "Add new note",
                                          "Add note from clipboard",
                                          "Copy note to clipboard"};
constexpr int menuSizes[] = {8, 10, 12, 14};

PictureButton *pictureButton(QWidget *parent, const QString &name, const QString &tip, QRect place)
{
    auto *button = new PictureButton(parent);
    button->setObjectName(name);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setGeometry(place);
    return button;
}

} // namespace

Form1::Form1(Platform &platformServices, const QString &storePath, QWidget *parent)
    : QWidget(parent), platform(platformServices), store(storePath)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quillbox 1.20"));
    setWindowIcon(appicon());
    resize(designClientWidth, designClientHeight);
    setMouseTracking(true);

    // Nothing but iniload touches the store until it has been read.
    earlyRead = std::async(std::launch::async, [this] { return readstore(); });
    createStrips();
    createToolbar();
    createSearchRow();
    createListAndContent();
    createNoteButtons();
    createStatusLine();
    createMenus();
    setTabOrder();
    connectHandlers();

    Form_Load();
}

Form1::~Form1() = default;

void Form1::createToolbar()
{
    for (const IconPlace &place : iconPlaces) {
        const auto name = QStringLiteral("icons%1").arg(place.index);
        icons[static_cast<std::size_t>(place.index)] = pictureButton(
            this, name, QString::fromLatin1(place.caption), QRect(place.left, 5, 20, 20));
    }
}

void Form1::createSearchRow()
{
    searchbox = new QLineEdit(this);
    searchbox->setObjectName(QStringLiteral("searchbox"));
    searchbox->setGeometry(5, 30, 121, 21);
    ico_search = pictureButton(this, QStringLiteral("ico_search"), QStringLiteral("Search"),
                               QRect(155, 30, 21, 21));
}

void Form1::createListAndContent()
{
    mainlist = new QListWidget(this);
    mainlist->setObjectName(QStringLiteral("mainlist"));
    mainlist->setGeometry(5, 55, 166, 108);
    mainlist->setSelectionMode(QAbstractItemView::SingleSelection);
    mainlist->setSortingEnabled(false);
    mainlist->setUniformItemSizes(true);
    QPalette white = mainlist->palette();
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    mainlist->setPalette(white);

    Label1 = new QLabel(QStringLiteral("Label1"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(5, 175, 166, 16);

    maintextbox = new QPlainTextEdit(this);
    maintextbox->setObjectName(QStringLiteral("maintextbox"));
    maintextbox->setGeometry(5, 195, 166, 104);
    maintextbox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    maintextbox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    maintextbox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the search field, as through the rest of the window.
    maintextbox->setTabChangesFocus(true);
    // The content box's font menu is reached through the toolbar alone.
    maintextbox->setContextMenuPolicy(Qt::NoContextMenu);
}

void Form1::createNoteButtons()
{
    for (int i = 0; i < 6; ++i) {
        but[static_cast<std::size_t>(i)] = pictureButton(
            this, QStringLiteral("but%1").arg(i), QString::fromLatin1(noteButtonTips[i]),
            QRect(noteButtonDesignLefts[i], 315, 20, 20));
    }
}

void Form1::createStatusLine()
{
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("status"));
    status->setGeometry(5, 340, 176, 20);
    status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status->setLineWidth(1);
    status->setTextFormat(Qt::PlainText);
    Label1->setTextFormat(Qt::PlainText);
}

void Form1::createMenus()
{
    mainlistmenu = new QMenu(QStringLiteral("&Mainlist"), this);
    mainlistmenu->setObjectName(QStringLiteral("mainlistmenu"));
    maintextboxmenu = new QMenu(QStringLiteral("maintextbox"), this);
    maintextboxmenu->setObjectName(QStringLiteral("maintextboxmenu"));
    for (int size : menuSizes) {
        const QString caption = QStringLiteral("%1 Pt").arg(size);
        QAction *listItem = mainlistmenu->addAction(caption);
        listItem->setObjectName(QStringLiteral("mainlist_size%1").arg(size));
        connect(listItem, &QAction::triggered, this, [this, size] { mainlist_size_Click(size); });
        mainlist_size.insert(size, listItem);
        QAction *boxItem = maintextboxmenu->addAction(caption);
        boxItem->setObjectName(QStringLiteral("maintextbox_size%1").arg(size));
        connect(boxItem, &QAction::triggered, this, [this, size] { maintextbox_size_Click(size); });
        maintextbox_size.insert(size, boxItem);
    }
}

void Form1::setTabOrder()
{
    mainlist->setFocusPolicy(Qt::StrongFocus);
    QWidget::setTabOrder(mainlist, maintextbox);
    QWidget::setTabOrder(maintextbox, searchbox);
    mainlist->setFocus();
}

void Form1::connectHandlers()
{
    for (int i = 0; i < 7; ++i) {
        PictureButton *icon = icons[static_cast<std::size_t>(i)];
        connect(icon, &PictureButton::mouseDown, this, [this, i] { icons_MouseDown(i); });
        connect(icon, &PictureButton::mouseUp, this, [this, i] { icons_MouseUp(i); });
        connect(icon, &PictureButton::mouseMove, this, [this, i] { icons_MouseMove(i); });
        connect(icon, &PictureButton::clicked, this, [this, i] { icons_Click(i); });
    }
    for (int i = 0; i < 6; ++i) {
        PictureButton *button = but[static_cast<std::size_t>(i)];
        connect(button, &PictureButton::mouseDown, this, [this, i] { but_MouseDown(i); });
        connect(button, &PictureButton::mouseUp, this, [this, i] { but_MouseUp(i); });
        connect(button, &PictureButton::clicked, this, [this, i] { but_Click(i); });
    }
    connect(ico_search, &PictureButton::mouseDown, this, [this] { ico_search_MouseDown(); });
    connect(ico_search, &PictureButton::mouseUp, this, [this] { ico_search_MouseUp(); });
    connect(ico_search, &PictureButton::clicked, this, [this] { ico_search_Click(); });

    // Any change of the selection the user makes picks a title, as in a
    // native list box; refills clear the selection with signals blocked.
    connect(mainlist, &QListWidget::itemSelectionChanged, this, [this] { mainlist_Click(); });
    connect(mainlist, &QListWidget::itemDoubleClicked, this, [this] { mainlist_DblClick(); });
    mainlist->viewport()->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mainlist->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const int code = press->button() == Qt::LeftButton     ? 1
                         : press->button() == Qt::RightButton  ? 2
                         : press->button() == Qt::MiddleButton ? 4
                                                               : 0;
        mainlist_MouseDown(code);
        if (code == 2)
            return true; // a right press opens the menu and picks nothing
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over labels and lists travel up to the window too; only the bare
    // surface clears the status line.
    if (!childAt(event->position().toPoint()))
        Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void Form1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!frameKnown) {
        whenframed(this, [this] {
            applyFrameOnce();
            if (frameGeometry().size() != QSize(laidOutFrameWidth, laidOutFrameHeight))
                Form_Resize();
        });
    }
    if (QWindow *handle = windowHandle(); handle && !followsScreen) {
        followsScreen = true;
        // Pictures are drawn for the screen's scale: draw them again on a
        // screen of another scale.
        connect(handle, &QWindow::screenChanged, this, [this] {
            createStrips();
            initimages();
        });
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    // A close that arrives while the save asks Retry or Cancel (a signal, a
    // logout) waits for that answer: the save under way ends the program.
    if (saving && !ended) {
        event->ignore();
        return;
    }
    if (!ended)
        Form_Unload();
    event->accept();
}
