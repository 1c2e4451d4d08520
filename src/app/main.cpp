#include "app/desksettings.h"
#include "app/qttranslation.h"
#include "app/tfrmprincipal.h"
#include "common/companykeys.h"
#include "common/tsobrecommerce.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"

#include <QApplication>

namespace {
// The last line of defence: an error no action caught is shown, and the window carries on.
class Application : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            dialogs().message(QString::fromUtf8(e.what()), Dialogs::Kind::Error);
        }
        return false;
    }
};
} // namespace

int main(int argc, char** argv) {
    // Process-wide initialisations: the version record; the regional settings are fixed.
    TSobreCommerce::GetInstance();
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TestadorQuorvaMiddlewareService"));
    installQtTranslation(app); // standard buttons and menus in Portuguese when it is installed
    try {
        CompanyKeys::loadBesideExecutable(QCoreApplication::applicationDirPath());
    } catch (const std::exception& e) {
        dialogs().message(QString::fromUtf8(e.what()), Dialogs::Kind::Error);
        return 1;
    }
    TdmPrincipal dmPrincipal;
    TfrmPrincipal frmPrincipal(dmPrincipal);
    DeskSettings desk; // the window, the server and the page as the user left them
    desk.restoreFrame(frmPrincipal);
    frmPrincipal.show();
    desk.restoreDesk(frmPrincipal);
    const int status = QApplication::exec();
    desk.save(frmPrincipal);
    return status;
}
