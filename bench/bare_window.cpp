// A bare Qt Widgets program, built with the same flags as the window: the reference for the
// window's start-up and idle memory. Shows an empty main window of the same size and quits
// after its first paint; see firstpaint.h for what it prints.
#include "firstpaint.h"

#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::QuitOnFirstPaint quit;
    app.installEventFilter(&quit);
    QMainWindow window;
    window.resize(892, 699);
    window.show();
    return QApplication::exec();
}
