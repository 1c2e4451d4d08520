// The window's comforts beside the system's own frame: the page finder, the history of the
// session's exchanges with its curl command and evidence file, the scenarios replayed, the server
// address completed with its final "/", and the catalogue of the pages exported as Markdown.
#include "app/baseurlfield.h"
#include "app/deskenvironments.h"
#include "app/exchangehistory.h"
#include "app/pagecataloguemarkdown.h"
#include "app/pagefinder.h"
#include "app/pagetree.h"
#include "app/scenariowindow.h"
#include "app/tfrmprincipal.h"
#include "common/filehelpers.h"
#include "exchange/historystore.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QKeySequence>

using namespace Qt::StringLiterals;

// The catalogue of every page (what it does, its services, how they travel, the keys of Dados
// and their value kinds) as Markdown, in a file the user chooses.
void TfrmPrincipal::exportCatalogue() {
    const QString file =
        dialogs().saveFile(u"Exportar catálogo"_s, u"Markdown (*.md)"_s, u"catalogo-servicos.md"_s);
    if (file.isEmpty())
        return;
    writeFileWhole(file, pageCatalogueMarkdown(pageTree()).toUtf8());
    dialogs().message(u"Catálogo gravado em %1."_s.arg(file), Dialogs::Kind::Information);
}

void TfrmPrincipal::createWorkbenchActions() {
    completeBaseUrlWhenEdited(m_endereco);

    const auto action = [this](const QString& name, const QString& text, const QKeySequence& keys,
                               auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, slot] { runGuarded(slot); });
        addAction(a);
        return a;
    };
    action(u"ac_LocalizarPagina"_s, u"Localizar página…"_s, QKeySequence(u"Ctrl+K"_s),
           [this] { finder()->open(); });
    action(u"ac_Historico"_s, u"Histórico da sessão…"_s, QKeySequence(u"Ctrl+H"_s),
           [this] { history()->open(); });
    action(u"ac_CopiarCurl"_s, u"Copiar como curl"_s, QKeySequence(u"Ctrl+Shift+C"_s),
           [this] { history()->copyAsCurl(); });
    action(u"ac_SalvarEvidencia"_s, u"Salvar evidência…"_s, QKeySequence(u"Ctrl+Shift+E"_s),
           [this] { history()->saveEvidence(); });
    action(u"ac_Cenarios"_s, u"Cenários…"_s, QKeySequence(u"Ctrl+R"_s),
           [this] { openScenarioWindow(*this); });
    action(u"ac_ExportarCatalogo"_s, u"Exportar catálogo…"_s, QKeySequence(),
           [this] { exportCatalogue(); });
    // The same actions on the bottom strip's menu (a right click beside the panes).
    if (auto* strip = findChild<QWidget*>(u"pn_Inferior"_s)) {
        strip->setContextMenuPolicy(Qt::ActionsContextMenu);
        strip->addActions(actions());
    }
}

PageFinder* TfrmPrincipal::finder() {
    if (!m_finder)
        m_finder = new PageFinder([] { return finderEntries(pageTree()); },
                                  [this](const QString& name) { return selectPage(name); }, this);
    return m_finder;
}

ExchangeHistory* TfrmPrincipal::history() {
    if (!m_history) {
        m_history = new ExchangeHistory(
            [this](const QString& request, const QString& answer) {
                m_exchange->setPanes(request, answer);
            },
            this);
        m_history->setEnvironment(m_historyEnvironment);
        if (m_historyStore)
            m_history->attachStore(m_historyStore);
    }
    return m_history;
}

void TfrmPrincipal::setHistoryEnvironment(const QString& name) {
    m_historyEnvironment = name;
    if (m_history)
        m_history->setEnvironment(name);
}

void TfrmPrincipal::attachHistoryStore(HistoryStore* store) {
    store->setParent(this);
    connect(store, &HistoryStore::message, this,
            [](const QString& text) { dialogs().message(text, Dialogs::Kind::Warning); });
    m_historyStore = store;
    if (m_history)
        m_history->attachStore(store);
}

DeskEnvironments* TfrmPrincipal::attachEnvironments(std::unique_ptr<Environments> environments) {
    m_environments = new DeskEnvironments(*this, std::move(environments));
    return m_environments;
}
