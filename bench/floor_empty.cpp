// The floor of any Qt Widgets program: one empty window of the main
// window's size that ends the process when it is closed. bench/startup.sh
// measures Quillbox's start, memory and close against it.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor empty"));
    window.resize(180, 358);
    window.show();
    return QApplication::exec();
}
