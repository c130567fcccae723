// Launch probe: a QMainWindow showing one line in the program's face, the yardstick that pays,
// like the program, for loading the font system (the bare window draws no text).
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FirstPaint probe;
    app.installEventFilter(&probe);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QMainWindow window;
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    window.setFont(font);
    window.setCentralWidget(new QLabel(QStringLiteral("Ardenza - Verimoda v. 2.1")));
    window.show();
    return QApplication::exec();
}
