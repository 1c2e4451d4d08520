#include "companykeys.h"
#include "dialogs.h"
#include "tdmprincipal.h"
#include "tfrmprincipal.h"
#include "tsobrecommerce.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Process-wide initialisations: the version record; the regional settings are fixed.
    TSobreCommerce::GetInstance();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TestadorQuorvaMiddlewareService"));
    try {
        CompanyKeys::loadBesideExecutable(QCoreApplication::applicationDirPath());
    } catch (const std::exception& e) {
        dialogs().message(QString::fromUtf8(e.what()), Dialogs::Kind::Error);
        return 1;
    }
    TdmPrincipal dmPrincipal;
    TfrmPrincipal frmPrincipal(dmPrincipal);
    frmPrincipal.show();
    return QApplication::exec();
}
