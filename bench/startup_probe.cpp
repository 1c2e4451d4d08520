// The window's start-up exactly as main runs it, quitting at the window's first paint ("rss"
// argument: prints its memory then).
#include "app/tfrmprincipal.h"
#include "common/companykeys.h"
#include "common/tsobrecommerce.h"
#include "firstpaint.h"
#include "tables/tdmprincipal.h"

#include <cstring>

int main(int argc, char** argv) {
    const bool rss = argc > 1 && std::strcmp(argv[1], "rss") == 0;
    TSobreCommerce::GetInstance();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TestadorQuorvaMiddlewareService"));
    CompanyKeys::loadBesideExecutable(QCoreApplication::applicationDirPath());
    bench::QuitOnFirstPaint quit(rss);
    app.installEventFilter(&quit);
    TdmPrincipal dm;
    TfrmPrincipal window(dm);
    window.show();
    return QApplication::exec();
}
