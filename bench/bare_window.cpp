// A bare Qt Widgets program, built with the same flags as the window: the reference for the
// window's start-up and idle memory. Shows an empty main window of the same size and quits
// after its first paint; see firstpaint.h for what it prints. With "--label", the window shows
// one line of text: the reference then pays for the fonts, as any window with text does.
#include "firstpaint.h"

#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::QuitOnFirstPaint quit;
    app.installEventFilter(&quit);
    QMainWindow window;
    window.resize(892, 699);
    if (argc > 1 && qstrcmp(argv[1], "--label") == 0)
        window.setCentralWidget(new QLabel(QStringLiteral("Endereço do servidor"), &window));
    window.show();
    return QApplication::exec();
}
