// The window's program exactly as users start it (its own main: translations, settings,
// everything), quitting after the first paint; see firstpaint.h for what it prints.
#include "firstpaint.h"

int quorvaAppMain(int argc, char** argv); // the program's main, renamed for the probe

namespace {
void installProbe() {
    static bench::QuitOnFirstPaint quit;
    qApp->installEventFilter(&quit);
}
} // namespace
Q_COREAPP_STARTUP_FUNCTION(installProbe)

int main(int argc, char** argv) {
    return quorvaAppMain(argc, argv);
}
