#include "app/deskenvironments.h"
#include "app/desksettings.h"
#include "app/qttranslation.h"
#include "app/tfrmprincipal.h"
#include "common/companykeys.h"
#include "common/tsobrecommerce.h"
#include "exchange/historystore.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QTimer>

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
    // The environments' row is in the window before it shows (laid out with the rest); the
    // last environment is chosen, and the keyring asked, once the window shows.
    DeskEnvironments* envs = frmPrincipal.attachEnvironments(
        std::make_unique<Environments>(desk.settings(), systemKeyring()));
    frmPrincipal.show();
    desk.restoreDesk(frmPrincipal);
    // The stored history opens on its own thread when first used.
    frmPrincipal.attachHistoryStore(
        new HistoryStore(HistoryStore::defaultFile(), desk.historyLimits()));
    QTimer::singleShot(0, &frmPrincipal, [&] {
        const QString last = envs->environments().last();
        if (!last.isEmpty())
            frmPrincipal.runGuarded([&] { envs->choose(last); });
    });
    const int status = QApplication::exec();
    desk.save(frmPrincipal);
    return status;
}
