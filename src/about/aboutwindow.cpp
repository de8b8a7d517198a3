#include "about/aboutwindow.h"

#include "app/platform.h"
#include "mainwindow/form1.h"
#include "mainwindow/framewatch.h"
#include "toolbar/artwork.h"

#include <QCloseEvent>
#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

namespace
{

constexpr QColor navy(0, 0, 128);

QFont aboutFont(const QString &family, const QString &fallback, qreal points, bool italic,
                int weight)
{
    QFont font(family);
    font.setFamilies({family, fallback});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setItalic(italic);
    font.setWeight(QFont::Weight(weight));
    return font;
}

// A stand-in face may run wider than the face the label was drawn for; step
// its size down until the text fits rather than cut the text off.
void fitwidth(QLabel *label)
{
    QFont font = label->font();
    for (;;) {
        const QFontMetrics metrics(font);
        const QString text = label->text();
        const int needed =
            std::max(metrics.horizontalAdvance(text), metrics.tightBoundingRect(text).right() + 1);
        if (needed <= label->width() || font.pointSizeF() <= 6)
            break;
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    label->setFont(font);
}

// A child object of the main window that takes the About window with it.
class AboutOwner : public QObject
{
public:
    AboutOwner(QObject *main, QWidget *owned) : QObject(main), window(owned) {}
    ~AboutOwner() override { delete window; }

private:
    QPointer<QWidget> window;
};

} // namespace

AboutWindow::AboutWindow(Platform &platformServices, Form1 *main)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      platform(platformServices), mainWindow(main)
{
    new AboutOwner(main, this);
    setObjectName(QStringLiteral("about"));
    setWindowTitle(QStringLiteral("About Quillbox"));
    setWindowIcon(appicon());
    setFixedSize(clientWidth, outerHeightTwips / Platform::twipsPerPixel);
    createBanner();
    createTexts();
    createButton();
    // Transient for the main window: kept above it and out of the task bar.
    if (QWindow *owner = main->windowHandle()) {
        createWinId();
        windowHandle()->setTransientParent(owner);
    }
}

void AboutWindow::setOuterHeight(int twips)
{
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    const QRect outer = platform.windowGeometry(this);
    platform.resizeWindow(this, outer.width(), twips);
    setFixedSize(size());
}

void AboutWindow::createBanner()
{
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(5, 5, 65, 254);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap::fromImage(
        renderartwork(QStringLiteral("about/banner"), 60, 250, devicePixelRatioF())));
}

void AboutWindow::createTexts()
{
    Label1 = new QLabel(QStringLiteral("Quillbox"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(75, 0, 146, 36);
    Label1->setFont(aboutFont(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), 24, true,
                              QFont::Normal));
    Label1->setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitwidth(Label1);

    Label2 = new QLabel(QStringLiteral("VERSION 1.20"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(290, 40, 101, 16);
    Label2->setFont(aboutFont(QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans"), 9.75,
                              true, QFont::Black));
    Label2->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitwidth(Label2);
}

void AboutWindow::createButton()
{
    bt_ok = new QPushButton(QStringLiteral("OK"), this);
    bt_ok->setObjectName(QStringLiteral("bt_ok"));
    bt_ok->setGeometry(285, 235, 111, 21);
    bt_ok->setFont(aboutFont(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"), 8.25,
                             false, QFont::Bold));
    bt_ok->setAutoDefault(false);
    bt_ok->setDefault(false);
    connect(bt_ok, &QPushButton::clicked, this, [this] { bt_ok_Click(); });
}

void AboutWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(navy, 2));
    painter.drawLine(70, 40, 390, 40);
    painter.drawLine(70, 230, 395, 230);
}

void AboutWindow::bt_ok_Click()
{
    closeform();
}

void AboutWindow::closeEvent(QCloseEvent *event)
{
    closeform();
    event->accept();
}

void AboutWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    placeOnceFramed();
}

void AboutWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeOnceFramed();
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!frameKnown)
        whenframed(this, [this] { placeOnceFramed(); });
}

void AboutWindow::placeOnceFramed()
{
    // The first showing sizes and centres the window before the window
    // manager has framed it; once the frame is known, do it again with the
    // real outer size.
    if (frameKnown || !isVisible() || frameGeometry().size() == size())
        return;
    frameKnown = true;
    if (!mainWindow->isEnabled())
        mainWindow->showabout();
}

void AboutWindow::closeform()
{
    platform.setWindowEnabled(mainWindow, true);
    platform.setWindowVisible(this, false);
}
