// A second reference: the minimal window with one line of text, so that the
// one-time start of the font system (configuration, faces, glyphs) that any
// program showing text pays is part of the reference too.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("HELYI IPARŰZÉSI ADÓBEVALLÁS"));
    window.resize(824, 717);
    window.show();
    return QApplication::exec();
}
