// The empty window of floor_empty showing one line of text: what drawing any
// text at all adds (the font set-up), for reading bench/startup.sh's figures.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor label"));
    window.resize(180, 358);
    auto *label = new QLabel(QStringLiteral("Listing 0 of 0 note(s)"), &window);
    label->setGeometry(5, 166, 170, 16);
    window.show();
    return QApplication::exec();
}
