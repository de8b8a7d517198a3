// The About window: the program's name, its version and a banner.
#include "ui/aboutdialog.h"

#include "core/desktop.h"
#include "core/windowlayout.h"
#include "ui/artwork.h"
#include "ui/windowframe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QWindow>
#include <algorithm>

namespace
{

constexpr QColor navy(0, 0, 128);

QFont aboutFont(const QString &family, qreal points, bool italic, QFont::Weight weight)
{
    QFont font(family);
    // The faces of the drawing may be missing; take the nearest of the same style.
    font.setFamilies({family, QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setItalic(italic);
    font.setWeight(weight);
    return font;
}

// A stand-in face may run wider than the one the label was drawn for: step
// its size down until the text fits rather than cut the text off.
void fitWidth(QLabel *label)
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

QLabel *textLabel(QWidget *parent, const QString &name, const QString &text, QRect place,
                  const QFont &font, const QString &colour)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    fitWidth(label);
    return label;
}

} // namespace

AboutDialog::AboutDialog(Desktop &desktop, QWidget *mainWindow)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                           Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint),
      m_desktop(desktop), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("about"));
    setWindowTitle(tr("About Quillbox"));
    setWindowIcon(Artwork::appIcon());
    setFixedSize(clientWidth, outerHeight);
    createBanner();
    createTexts();
    createOkButton();
    // Kept above the main window and out of the task bar.
    if (QWindow *owner = mainWindow->windowHandle()) {
        createWinId();
        windowHandle()->setTransientParent(owner);
    }
}

void AboutDialog::createBanner()
{
    auto *banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Picture1"));
    banner->setGeometry(5, 5, 65, 254);
    banner->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    banner->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    banner->setPixmap(Artwork::aboutBanner(devicePixelRatioF()));
}

void AboutDialog::createTexts()
{
    textLabel(this, QStringLiteral("Label1"), QStringLiteral("Quillbox"), QRect(75, 0, 146, 36),
              aboutFont(QStringLiteral("Verdana"), 24, true, QFont::Normal),
              QStringLiteral("rgb(0, 0, 192)"));
    textLabel(this, QStringLiteral("Label2"), tr("VERSION %1").arg(QStringLiteral("1.20")),
              QRect(290, 40, 101, 16),
              aboutFont(QStringLiteral("Arial Black"), 9.75, true, QFont::Black),
              QStringLiteral("rgb(192, 0, 0)"));
}

void AboutDialog::createOkButton()
{
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("bt_ok"));
    ok->setGeometry(285, 235, 111, 21);
    ok->setFont(aboutFont(QStringLiteral("MS Sans Serif"), 8.25, false, QFont::Bold));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::closeAndEnableMainWindow);
}

void AboutDialog::showCentred()
{
    // The height is an outer one: the frame's share comes off the client.
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    setOuterSize(this, {frameGeometry().width(), outerHeight});
    setFixedSize(size());
    show();
    m_mainWindow->setEnabled(false);
    placeFrame(this, centredIn(frameGeometry().size(), m_desktop.workArea()));
}

void AboutDialog::closeAndEnableMainWindow()
{
    m_mainWindow->setEnabled(true);
    hide();
}

void AboutDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(navy, 2));
    painter.drawLine(70, 40, 390, 40);
    painter.drawLine(70, 230, 395, 230);
}

void AboutDialog::closeEvent(QCloseEvent *event)
{
    closeAndEnableMainWindow();
    event->accept();
}

void AboutDialog::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    centreAgainOnceFramed();
}

void AboutDialog::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    centreAgainOnceFramed();
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_frameKnown)
        whenFramed(this, [this] { centreAgainOnceFramed(); });
}

void AboutDialog::centreAgainOnceFramed()
{
    // The first showing sizes and centres the window before the window
    // manager has framed it; once the frame is known, do it again with the
    // real outer size.
    if (m_frameKnown || !isVisible() || frameGeometry().size() == size())
        return;
    m_frameKnown = true;
    if (!m_mainWindow->isEnabled())
        showCentred();
}
