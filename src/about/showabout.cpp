// Opening the About window from the main window.
#include "about/aboutwindow.h"
#include "app/platform.h"
#include "mainwindow/form1.h"

void Form1::showabout()
{
    if (!about)
        about = new AboutWindow(platform, this);
    about->setOuterHeight(AboutWindow::outerHeightTwips);
    platform.setWindowVisible(about, true);
    platform.setWindowEnabled(this, false);
    const QSize area = platform.workArea(this);
    const QRect shown = platform.windowGeometry(about);
    const double left = (area.width() - shown.width()) / 2.0;
    const double top = (area.height() - shown.height()) / 2.0;
    const QPoint origin = platform.screenOrigin(this);
    platform.moveWindow(about, origin.x() + static_cast<int>(left),
                        origin.y() + static_cast<int>(top));
}
