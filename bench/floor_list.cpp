// The practical floor of a list program: the main window's size holding a
// list of 500 titles and a plain text box, ending the process on close.
// bench/startup.sh measures Quillbox with 500 notes against it.
#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor list"));
    window.resize(180, 358);

    auto *list = new QListWidget(&window);
    list->setGeometry(5, 55, 166, 108);
    list->setUniformItemSizes(true);
    QStringList titles;
    titles.reserve(500);
    for (int k = 1; k <= 500; ++k)
        titles.append(QStringLiteral("Note %1").arg(k));
    list->addItems(titles);

    auto *text = new QPlainTextEdit(&window);
    text->setGeometry(5, 195, 166, 104);

    window.show();
    return QApplication::exec();
}
