#pragma once

#include "pages/kit/pagecontext.h"
#include "widgets/middlewareexchange.h"

#include <QHash>
#include <QSet>
#include <QWidget>

#include <memory>

class QLineEdit;
class ExchangeStatus;
class QTabWidget;
class ExchangeHistory;
class DeskEnvironments;
class Environments;
class HistoryStore;
class PageFinder;
class TdmPrincipal;
class TextPane;
struct PageNode;

// The main window: server address and session Id at the top, the tree of service pages in
// the middle, the request and response panes at the bottom. A group's tabs are made the first
// time the group is shown, and a page is built the first time it is shown (either also when
// something reaches for one of its pages or controls: the finder, another page, the desk).
class TfrmPrincipal : public QWidget, public kit::PageHost {
    Q_OBJECT
public:
    explicit TfrmPrincipal(TdmPrincipal& data, QWidget* parent = nullptr);
    ~TfrmPrincipal() override;

    // kit::PageHost
    MiddlewareExchange& exchange() override { return *m_exchange; }
    TdmPrincipal& data() override { return m_data; }
    QWidget* findControl(const QString& name) override;
    void runGuarded(const std::function<void()>& action) override;

    // Switches the tabs so that the page (or group) with this object name is shown.
    bool selectPage(const QString& objectName);
    // Builds a page if it has not been built yet.
    void ensureBuilt(const QString& pageName);
    bool isBuilt(const QString& pageName) const { return m_built.contains(pageName); }
    SessionFields sessionFields();
    // The Ctrl+K page finder, made the first time anything reaches for it.
    PageFinder* finder();
    // The session's history of exchanges, made the first time anything reaches for it (its
    // window, the first exchange), with the store attached and the environment chosen so far.
    ExchangeHistory* history();
    // The environment the next exchanges run in, for the history.
    void setHistoryEnvironment(const QString& name);
    // The stored history and the environments (the program gives the user's own, tests their
    // own); without them the history is the session's and there are no environments.
    void attachHistoryStore(HistoryStore* store);
    DeskEnvironments* attachEnvironments(std::unique_ptr<Environments> environments);
    DeskEnvironments* environments() const { return m_environments; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* createTopStrip();
    QWidget* createBottomStrip();
    QWidget* createGroup(const PageNode& group);
    void fillGroup(QWidget* container, const PageNode& node);
    // Makes the tabs of the group that holds this page or page set; false when none waits.
    bool ensureGroupHolding(const QString& objectName);
    // Builds the page a tab set shows, through the page sets it holds.
    void buildShownPage(QTabWidget* tabs);
    const QHash<QString, QString>& controlPages();
    void fillWhenShown();
    void recordExchange(const ExchangeRecord& record);
    void createWorkbenchActions(); // workbenchactions.cpp
    void exportCatalogue();        // workbenchactions.cpp
    void closeWhenIdle();

    TdmPrincipal& m_data;
    QLineEdit* m_endereco = nullptr;
    QLineEdit* m_id = nullptr;
    TextPane* m_request = nullptr;
    TextPane* m_response = nullptr;
    ExchangeStatus* m_status = nullptr;
    bool m_closeWhenIdle = false; // the user chose to cancel the request and close
    QTabWidget* m_servicos = nullptr;
    std::unique_ptr<MiddlewareExchange> m_exchange;
    QHash<QString, QWidget*> m_pageContainers;         // every leaf tab made so far, by object name
    QHash<QWidget*, const PageNode*> m_unfilledGroups; // groups whose tabs are not made yet
    QHash<QString, QString> m_controlPage;             // declared control -> its page
    QSet<QString> m_built;
    PageFinder* m_finder = nullptr;
    ExchangeHistory* m_history = nullptr; // see history()
    HistoryStore* m_historyStore = nullptr;
    QString m_historyEnvironment;
    DeskEnvironments* m_environments = nullptr;
};
