#include "app/tfrmprincipal.h"

#include "app/desksettings.h"
#include "app/exchangehistory.h"
#include "app/pagetree.h"
#include "common/companykeys.h"
#include "pages/kit/pagebuilder.h"
#include "pages/registry.h"
#include "pages/sessionpage.h"
#include "tables/tdmprincipal.h"
#include "widgets/busywait.h"
#include "widgets/dialogs.h"
#include "widgets/enterkey.h"
#include "widgets/exchangestatus.h"
#include "widgets/findbar.h"
#include "widgets/tabset.h"
#include "widgets/textpane.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kClientWidth = 892;
constexpr int kClientHeight = 699;

QLineEdit* lineEdit(QWidget* parent, const QString& name, const QString& text = {}) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(name);
    return e;
}

// A page's description, shown as its tab's tooltip (asked for when the pointer first rests on
// the tab: the declaration is made then if it was not); empty for a group of pages.
std::function<QString()> pageDescription(const PageNode& node) {
    return [name = node.objectName] {
        const kit::Page* page = declaredPage(name);
        return page ? page->description : QString();
    };
}

// Whether the page or page set with this object name sits under the node.
bool holds(const PageNode& node, const QString& objectName) {
    for (const PageNode& child : node.children)
        if (child.objectName == objectName || holds(child, objectName))
            return true;
    return false;
}

} // namespace

TfrmPrincipal::TfrmPrincipal(TdmPrincipal& data, QWidget* parent) : QWidget(parent), m_data(data) {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Testador QuorvaMiddlewareService"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setDialogParent(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createTopStrip());

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setHandleWidth(3);
    splitter->setChildrenCollapsible(false);
    auto* servicos = new TabSet(splitter);
    servicos->setObjectName(QStringLiteral("pc_Servicos"));
    std::vector<TabSet::Tab> groups;
    for (const PageNode& group : pageTree())
        groups.push_back({createGroup(group), group.caption, pageDescription(group)});
    servicos->addTabs(groups);
    m_servicos = servicos;
    splitter->addWidget(m_servicos);
    splitter->addWidget(createBottomStrip());
    // Both parts share what the window gains; the splitter's place is the user's.
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({kClientHeight - 51 - 150, 150});
    layout->addWidget(splitter, 1);
    // Warnings about the program's own set-up (the key file's permissions), shown until the
    // program ends.
    auto* status = new QLabel(CompanyKeys::permissionWarning(), this);
    status->setObjectName(QStringLiteral("lb_Status"));
    status->setContentsMargins(6, 2, 6, 2);
    status->setHidden(status->text().isEmpty());
    if (!status->isHidden()) // a style sheet costs its widget a style of its own
        status->setStyleSheet(QStringLiteral("color: #a00000"));
    layout->addWidget(status);

    m_exchange = std::make_unique<MiddlewareExchange>(MiddlewareExchange::Bindings{
        m_endereco, m_id, m_request, m_response, [this] { return sessionFields(); },
        [this](const ExchangeRecord& record) { recordExchange(record); }});
    connect(m_status, &ExchangeStatus::timeoutChanged, this,
            [this](int seconds) { m_exchange->setTimeoutSeconds(seconds); });
    connect(&waitSignals(), &WaitSignals::ended, this, [this] {
        if (m_closeWhenIdle && !isWaitingForWork())
            QTimer::singleShot(0, this, &TfrmPrincipal::closeWhenIdle);
    });

    connect(m_servicos, &QTabWidget::currentChanged, this, [this] { buildShownPage(m_servicos); });

    createWorkbenchActions();
    // Ctrl+F searches the pane that has the focus, else the answer.
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        QWidget* focused = QApplication::focusWidget();
        TextPane* pane = focused && m_request->isAncestorOf(focused) ? m_request : m_response;
        pane->findBar()->open();
    });
    qApp->installEventFilter(new EnterKeyNavigator(this));
    // A first run opens at about 80% of the screen (never below the classic size when the
    // screen has room for it); the pages get three fifths of the height, the panes the rest.
    QSize size(kClientWidth, kClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size();
        size = (room * 0.8).expandedTo(size).boundedTo(room);
    }
    resize(size);
    const int below = size.height() - 51;
    splitter->setSizes({below * 3 / 5, below * 2 / 5});
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrmPrincipal::~TfrmPrincipal() {
    setDialogParent(nullptr);
}

QWidget* TfrmPrincipal::createTopStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pn_Superior"));
    strip->setFixedHeight(51);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 0, 4, 2);
    auto* box = new QGroupBox(QStringLiteral("WebService"), strip);
    box->setObjectName(QStringLiteral("gb_WebService"));
    stripLayout->addWidget(box);
    auto* boxLayout = new QHBoxLayout(box);
    boxLayout->setContentsMargins(6, 2, 6, 4);
    boxLayout->addWidget(new QLabel(QStringLiteral("Servidor"), box));
    m_endereco = lineEdit(box, QStringLiteral("ed_EnderecoWS"),
                          QStringLiteral("http://localhost:8080/datasnap/rest/"));
    boxLayout->addWidget(m_endereco, 1);
    auto* right = new QWidget(box);
    right->setObjectName(QStringLiteral("pn_SuperiorDireita"));
    right->setFixedWidth(291);
    auto* rightLayout = new QHBoxLayout(right);
    rightLayout->setContentsMargins(8, 0, 0, 0);
    rightLayout->addWidget(new QLabel(QStringLiteral("Id"), right));
    m_id = lineEdit(right, QStringLiteral("ed_Id"));
    rightLayout->addWidget(m_id, 1);
    boxLayout->addWidget(right);
    return strip;
}

QWidget* TfrmPrincipal::createBottomStrip() {
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pn_Inferior"));
    auto* outer = new QVBoxLayout(strip);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_status = new ExchangeStatus(strip);
    outer->addWidget(m_status);
    // Request and Response side by side; where they meet is the user's (kept with the desk).
    auto* panes = new QSplitter(Qt::Horizontal, strip);
    panes->setObjectName(QStringLiteral("sp_Paineis"));
    panes->setChildrenCollapsible(false);
    panes->setContentsMargins(4, 0, 4, 4);
    outer->addWidget(panes, 1);
    auto* requestBox = new QGroupBox(QStringLiteral("Request"), panes);
    requestBox->setObjectName(QStringLiteral("gb_Request"));
    requestBox->setMinimumWidth(120);
    m_request = new TextPane(QStringLiteral("mm_Request"), requestBox);
    (new QVBoxLayout(requestBox))->addWidget(m_request);
    auto* responseBox = new QGroupBox(QStringLiteral("Response"), panes);
    responseBox->setObjectName(QStringLiteral("gb_Response"));
    responseBox->setMinimumWidth(120);
    m_response = new TextPane(QStringLiteral("mm_Response"), responseBox);
    (new QVBoxLayout(responseBox))->addWidget(m_response);
    panes->addWidget(requestBox);
    panes->addWidget(responseBox);
    panes->setStretchFactor(0, 2);
    panes->setStretchFactor(1, 3);
    panes->setSizes({2, 3});
    return strip;
}

// A group's tab; its tabs (and their page sets) are made when it is first shown.
QWidget* TfrmPrincipal::createGroup(const PageNode& group) {
    auto* container = new QWidget(this);
    container->setObjectName(group.objectName);
    if (group.isLeaf())
        m_pageContainers.insert(group.objectName, container); // laid out when first built
    else
        m_unfilledGroups.insert(container, &group);
    return container;
}

void TfrmPrincipal::fillGroup(QWidget* container, const PageNode& node) {
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tabs = new TabSet(container);
    tabs->setObjectName(node.pageSet);
    std::vector<TabSet::Tab> children;
    int first = 0;
    for (const PageNode& child : node.children) {
        auto* page = new QWidget(tabs);
        page->setObjectName(child.objectName);
        if (child.isLeaf())
            m_pageContainers.insert(child.objectName, page); // laid out when first built
        else
            fillGroup(page, child);
        if (child.caption == node.firstShown)
            first = int(children.size());
        children.push_back({page, child.caption, pageDescription(child)});
    }
    tabs->addTabs(children);
    tabs->setCurrentIndex(first);
    layout->addWidget(tabs);
    connect(tabs, &QTabWidget::currentChanged, this, [this, tabs] { buildShownPage(tabs); });
}

bool TfrmPrincipal::ensureGroupHolding(const QString& objectName) {
    for (auto it = m_unfilledGroups.cbegin(); it != m_unfilledGroups.cend(); ++it) {
        if (!holds(*it.value(), objectName))
            continue;
        QWidget* container = it.key();
        const PageNode* group = it.value();
        m_unfilledGroups.erase(it);
        fillGroup(container, *group);
        return true;
    }
    return false;
}

void TfrmPrincipal::buildShownPage(QTabWidget* tabs) {
    QWidget* page = tabs->currentWidget();
    if (!page)
        return;
    if (const PageNode* group = m_unfilledGroups.take(page))
        fillGroup(page, *group);
    if (m_pageContainers.contains(page->objectName()))
        ensureBuilt(page->objectName());
    else if (auto* inner = page->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly))
        buildShownPage(inner); // a page set within the group: its own shown page
}

const QHash<QString, QString>& TfrmPrincipal::controlPages() {
    if (m_controlPage.isEmpty()) {
        for (const auto& declared : declaredPages()) {
            const QString& pageName = declared.first;
            kit::forEachControl(declared.second.controls, [&](const kit::Control& c) {
                m_controlPage.insert(c.name, pageName);
                if (!c.buddyButton.isEmpty())
                    m_controlPage.insert(c.buddyButton, pageName);
            });
        }
    }
    return m_controlPage;
}

void TfrmPrincipal::ensureBuilt(const QString& pageName) {
    QWidget* container = m_pageContainers.value(pageName);
    if (!container && ensureGroupHolding(pageName))
        container = m_pageContainers.value(pageName);
    if (!container || m_built.contains(pageName))
        return;
    m_built.insert(pageName);
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    const kit::Page* declaration = declaredPage(pageName);
    if (!declaration) {
        auto* label = new QLabel(
            QStringLiteral("Página ainda não disponível nesta versão do testador."), container);
        label->setAlignment(Qt::AlignCenter);
        label->setEnabled(false);
        layout->addWidget(label);
        return;
    }
    layout->addWidget(kit::buildPage(*declaration, *this, container));
}

QWidget* TfrmPrincipal::findControl(const QString& name) {
    if (auto* w = findChild<QWidget*>(name))
        return w;
    const QString page = controlPages().value(name);
    if (page.isEmpty())
        return nullptr;
    ensureBuilt(page);
    return findChild<QWidget*>(name);
}

void TfrmPrincipal::runGuarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const kit::ActionDeclined&) {
    } catch (const ERequestCancelled& e) {
        if (!m_closeWhenIdle) // the user asked to close: no message stands in the way
            dialogs().message(e.message(), Dialogs::Kind::Warning);
    } catch (const kit::CheckFailed& e) {
        dialogs().message(e.message(), Dialogs::Kind::Warning);
    } catch (const Exception& e) {
        dialogs().message(e.message(), Dialogs::Kind::Error);
    } catch (const std::exception& e) {
        dialogs().message(QString::fromUtf8(e.what()), Dialogs::Kind::Error);
    }
}

bool TfrmPrincipal::selectPage(const QString& objectName) {
    QWidget* target = findChild<QWidget*>(objectName);
    if (!target && ensureGroupHolding(objectName))
        target = findChild<QWidget*>(objectName);
    if (!target)
        return false;
    // Walk up, selecting the tab of every page set on the way.
    for (QWidget* w = target; w && w != this; w = w->parentWidget()) {
        QWidget* holder = w->parentWidget();
        if (!holder)
            break;
        if (auto* tabs = qobject_cast<QTabWidget*>(holder->parentWidget())) {
            const int index = tabs->indexOf(w);
            if (index >= 0)
                tabs->setCurrentIndex(index);
        }
    }
    ensureBuilt(objectName);
    return true;
}

SessionFields TfrmPrincipal::sessionFields() {
    return sessionPageFields(*this);
}

void TfrmPrincipal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        fillWhenShown();
}

void TfrmPrincipal::fillWhenShown() {
    selectPage(kSessionPage);
    fillSessionPage(*this);
    QDir().mkpath(QStringLiteral("Arquivos")); // nothing is reported when it cannot be created
}

void TfrmPrincipal::closeEvent(QCloseEvent* event) {
    // A request in progress is cancelled first; the window closes once its action has ended.
    if (!isWaitingForWork()) {
        QWidget::closeEvent(event);
        return;
    }
    event->ignore();
    if (!m_closeWhenIdle &&
        dialogs().confirm(QStringLiteral("Há uma requisição em andamento. Deseja cancelá-la e "
                                         "fechar o testador?"))) {
        m_closeWhenIdle = true;
        requestCancel();
    }
}

void TfrmPrincipal::closeWhenIdle() {
    if (isWaitingForWork())
        return; // the next wait's end tries again
    close();
}

void TfrmPrincipal::recordExchange(const ExchangeRecord& record) {
    // Everything that shows or keeps finished exchanges is told here.
    history()->add(record, currentPageName(*this));
    m_status->showRecord(record);
}
