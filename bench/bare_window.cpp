// A bare Qt Widgets program, built with the same flags as the window: the reference for the
// window's start-up and idle memory. Shows an empty main window of the same size and quits at
// its first paint ("rss" argument: prints its memory then).
#include "firstpaint.h"

#include <QMainWindow>

#include <cstring>

int main(int argc, char** argv) {
    const bool rss = argc > 1 && std::strcmp(argv[1], "rss") == 0;
    QApplication app(argc, argv);
    bench::QuitOnFirstPaint quit(rss);
    app.installEventFilter(&quit);
    QMainWindow window;
    window.resize(892, 699);
    window.show();
    return QApplication::exec();
}
