#pragma once

#include <QWidget>

class Platform;
class QLabel;
class QPushButton;

// The About window: name, version and banner. While it is open the main
// window is disabled; OK or the close box enable it again and hide this one.
class AboutWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int clientWidth = 397;
    static constexpr int outerHeightTwips = 4290;

    AboutWindow(Platform &platform, QWidget *mainWindow);

    void bt_ok_Click();
    void closeform();

    QLabel *Picture1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *bt_ok = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createBanner();
    void createTexts();
    void createButton();

    Platform &platform;
    QWidget *mainWindow;
};
