// A third reference: the smallest window of this program's shape, a main
// window with the five menu items and one line of text in it and nothing
// else. Unlike the two windows before, it lays its text out before it is
// mapped (the menu bar's height and the text's size), so it pays the font
// system's start and the menu bar's making as any real form does.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char *caption : {"Nyomtatás", "Űrlap mentése", "Kitöltött űrlap betöltése",
                                "Kitöltési útmutató", "Kilépés"})
        window.menuBar()->addAction(QString::fromUtf8(caption));
    window.setCentralWidget(new QLabel(QStringLiteral("HELYI IPARŰZÉSI ADÓBEVALLÁS")));
    window.resize(824, 717);
    window.show();
    return QApplication::exec();
}
