#include "app/deskenvironments.h"

#include "app/environmentmanager.h"
#include "app/tfrmprincipal.h"
#include "common/companykeys.h"
#include "exchange/session.h"
#include "pages/kit/pagecontext.h"
#include "widgets/dialogs.h"
#include "widgets/exchangestatus.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString fieldText(TfrmPrincipal& window, const QString& name) {
    const auto* e = qobject_cast<QLineEdit*>(window.findControl(name));
    return e ? e->text() : QString();
}

void setFieldText(TfrmPrincipal& window, const QString& name, const QString& text) {
    if (auto* e = qobject_cast<QLineEdit*>(window.findControl(name)))
        e->setText(text);
}

} // namespace

DeskEnvironments::DeskEnvironments(TfrmPrincipal& window,
                                   std::unique_ptr<Environments> environments)
    : QObject(&window), m_window(window), m_environments(std::move(environments)) {
    auto* box = window.findChild<QWidget*>(u"gb_WebService"_s);
    auto* row = qobject_cast<QBoxLayout*>(box->layout());
    m_list = new QComboBox(box);
    m_list->setObjectName(u"cb_Ambiente"_s);
    m_list->setMinimumWidth(120);
    // Until one is chosen the fields above are used as they stand.
    m_list->setPlaceholderText(u"nenhum"_s);
    m_list->setToolTip(u"O ambiente: servidor, empresa, credenciais, chaves e tempo limite"_s);
    auto* more = new QToolButton(box);
    more->setObjectName(u"bt_Ambiente"_s);
    more->setText(u"…"_s);
    more->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(more);
    const auto item = [&](const QString& name, const QString& text,
                          void (DeskEnvironments::*slot)()) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this,
                [this, slot] { m_window.runGuarded([&] { (this->*slot)(); }); });
    };
    item(u"ac_SalvarNoAmbiente"_s, u"Salvar no ambiente"_s, &DeskEnvironments::saveIntoCurrent);
    item(u"ac_GerenciarAmbientes"_s, u"Gerenciar ambientes…"_s, &DeskEnvironments::manage);
    more->setMenu(menu);
    row->insertWidget(0, new QLabel(u"Ambiente"_s, box));
    row->insertWidget(1, m_list);
    row->insertWidget(2, more);
    row->insertSpacing(3, 8);

    m_bar = new QLabel(&window);
    m_bar->setObjectName(u"lb_AmbienteProducao"_s);
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->hide(); // its style sheet is set when it first shows (see choose())
    if (auto* layout = qobject_cast<QBoxLayout*>(window.layout()))
        layout->insertWidget(0, m_bar);

    window.exchange().setBeforeSending([this](const QString& path) { beforeSending(path); });
    reloadNames();
    connect(m_list, &QComboBox::activated, this,
            [this](int index) { m_window.runGuarded([&] { choose(m_list->itemText(index)); }); });
}

DeskEnvironments::~DeskEnvironments() = default;

void DeskEnvironments::reloadNames() {
    const QSignalBlocker quiet(m_list);
    m_list->clear();
    m_list->addItems(m_environments->names());
    m_list->setCurrentIndex(m_list->findText(m_current));
}

void DeskEnvironments::choose(const QString& name) {
    const std::optional<Environment> e = m_environments->get(name);
    if (!e)
        return;
    m_current = name;
    m_production = e->production;
    m_list->setCurrentIndex(m_list->findText(name));
    if (!e->server.isEmpty())
        setFieldText(m_window, u"ed_EnderecoWS"_s, e->server);
    if (!e->companyCode.isEmpty())
        setFieldText(m_window, u"ed_CodigoEmpresa"_s, e->companyCode);
    if (auto* timeout = m_window.findChild<QSpinBox*>(u"ed_TempoLimite"_s))
        timeout->setValue(e->timeoutSeconds);
    m_window.exchange().setCredentials(
        e->user.isEmpty() ? std::nullopt : std::optional(HttpCredentials{e->user, e->password}));
    m_window.exchange().setTls(e->tls, e->clientPassword);
    showInsecureMark(e->tls.insecure);
    m_window.setHistoryEnvironment(name);
    m_bar->setText(u"Ambiente de produção: %1 — documentos autorizados aqui são reais"_s.arg(name));
    if (m_production && m_bar->styleSheet().isEmpty()) // a style of its own costs its widget
        m_bar->setStyleSheet(
            u"background: #b00020; color: white; font-weight: bold; padding: 3px"_s);
    m_bar->setVisible(m_production);
    m_environments->setLast(name);
    if (const QString notice = m_environments->takeNotice(); !notice.isEmpty())
        dialogs().message(notice, Dialogs::Kind::Information);
    if (!e->keysFile.isEmpty())
        CompanyKeys::loadFile(e->keysFile); // a missing file is the usual file error
}

void DeskEnvironments::saveIntoCurrent() {
    if (m_current.isEmpty()) {
        manage();
        return;
    }
    std::optional<Environment> e = m_environments->get(m_current);
    if (!e)
        return;
    e->server = fieldText(m_window, u"ed_EnderecoWS"_s);
    e->companyCode = fieldText(m_window, u"ed_CodigoEmpresa"_s);
    if (const auto* timeout = m_window.findChild<QSpinBox*>(u"ed_TempoLimite"_s))
        e->timeoutSeconds = timeout->value();
    m_environments->save(*e);
    if (const QString notice = m_environments->takeNotice(); !notice.isEmpty())
        dialogs().message(notice, Dialogs::Kind::Information);
}

void DeskEnvironments::manage() {
    EnvironmentManager manager(*this, &m_window);
    manager.exec();
    reloadNames();
    if (!m_environments->names().contains(m_current))
        m_current.clear();
    if (!m_current.isEmpty())
        choose(m_current); // its fields may have changed
}

void DeskEnvironments::showInsecureMark(bool shown) {
    if (!shown && !m_insecureMark)
        return;
    if (!m_insecureMark) {
        auto* box = m_window.findChild<QWidget*>(u"gb_WebService"_s);
        auto* row = qobject_cast<QBoxLayout*>(box->layout());
        m_insecureMark = new QLabel(u"⚠ inseguro"_s, box);
        m_insecureMark->setObjectName(u"lb_Inseguro"_s);
        m_insecureMark->setStyleSheet(u"color: #b00020; font-weight: bold"_s);
        m_insecureMark->setToolTip(
            u"Não verificar o certificado do servidor (inseguro): o certificado do servidor "
            u"deste ambiente não é verificado. As evidências e os comandos curl levam a marca."_s);
        const int at = row->indexOf(m_window.findControl(u"ed_EnderecoWS"_s));
        row->insertWidget(at + 1, m_insecureMark);
    }
    m_insecureMark->setVisible(shown);
}

void DeskEnvironments::beforeSending(const QString& path) {
    // The session request and the communication test change nothing on the server.
    if (!m_production || m_notAsked.contains(m_current) ||
        path == QLatin1String(kConectaMiddlewarePath) || path == u"TConexaoAPI/TestaComunicacao"_s)
        return;
    bool dontAsk = false;
    if (!dialogs().confirmOrOptOut(u"Enviar para %1: %2?"_s.arg(m_current, path),
                                   u"não perguntar de novo nesta sessão"_s, dontAsk)) {
        // The panes may already show the request; the status line says it did not go out.
        Q_EMIT statusAnnouncements().outcome(
            u"Não enviado: %1 não foi confirmado para %2."_s.arg(path, m_current), true);
        throw kit::ActionDeclined();
    }
    if (dontAsk)
        m_notAsked.insert(m_current);
}
