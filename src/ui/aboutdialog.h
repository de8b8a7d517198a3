// The About window: the program's name, its version and a banner.
#pragma once

#include <QWidget>

class Desktop;

// While it is open the main window is disabled; OK or the close box enable
// it again and hide this one. Escape does not close it. It is a top-level
// window of its own, only transient for the main window: as a child it
// would be disabled with the main window and could not be closed.
class AboutDialog : public QWidget
{
    Q_OBJECT

public:
    static constexpr int clientWidth = 397;
    static constexpr int outerHeight = 286;

    AboutDialog(Desktop &desktop, QWidget *mainWindow);

    // Shows the window centred on the work area and disables the main window.
    void showCentred();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createBanner();
    void createTexts();
    void createOkButton();
    void closeAndEnableMainWindow();
    void centreAgainOnceFramed();

    Desktop &m_desktop;
    QWidget *m_mainWindow;
    bool m_frameKnown = false;
};
