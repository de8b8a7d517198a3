#pragma once

#include <QWidget>

class Form1;
class Platform;
class QLabel;
class QPushButton;

// The About window: name, version and banner. While it is open the main
// window is disabled; OK or the close box enable it again and hide this one.
//
// It is a top-level window of its own, only transient for the main window:
// as a child it would be disabled together with the main window and could
// not be closed. The main window still owns it and deletes it.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int clientWidth = 397;
    static constexpr int outerHeightTwips = 4290;

    AboutWindow(Platform &platform, Form1 *mainWindow);

    void bt_ok_Click();
    void closeform();
    // Lets the height be set from outside (the outer height depends on the
    // frame), then holds the new size fixed.
    void setOuterHeight(int twips);

    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *bt_ok = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createBanner();
    void createTexts();
    void createButton();
    void placeOnceFramed();

    Platform &platform;
    Form1 *mainWindow;
    bool frameKnown = false;
};
