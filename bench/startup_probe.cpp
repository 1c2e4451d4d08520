// Starts either an empty Qt window or the real main window, and quits as soon as it is shown.
#include "app/tfrmprincipal.h"
#include "common/tsobrecommerce.h"
#include "tables/tdmprincipal.h"

#include <QApplication>
#include <QTimer>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    const bool empty = argc > 1 && std::strcmp(argv[1], "empty") == 0;
    TSobreCommerce::GetInstance();
    QApplication app(argc, argv);
    std::unique_ptr<TdmPrincipal> dm;
    std::unique_ptr<QWidget> window;
    if (empty) {
        window = std::make_unique<QWidget>();
        window->resize(892, 699);
    } else {
        dm = std::make_unique<TdmPrincipal>();
        window = std::make_unique<TfrmPrincipal>(*dm);
    }
    window->show();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return QApplication::exec();
}
