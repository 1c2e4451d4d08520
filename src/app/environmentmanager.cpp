#include "app/environmentmanager.h"

#include "app/deskenvironments.h"
#include "app/tfrmprincipal.h"
#include "widgets/dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template <typename W> W* named(W* w, const QString& name) {
    w->setObjectName(name);
    return w;
}

// A file field with its "…" button, which picks the file.
QWidget* fileRow(QLineEdit* field, const QString& buttonName, const QString& title,
                 const QString& filter, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field, 1);
    auto* pick = named(new QPushButton(u"…"_s, row), buttonName);
    pick->setFixedWidth(28);
    layout->addWidget(pick);
    QObject::connect(pick, &QPushButton::clicked, field, [field, title, filter] {
        if (const QString f = dialogs().openFile(title, filter, field->text()); !f.isEmpty())
            field->setText(f);
    });
    return row;
}

} // namespace

EnvironmentManager::EnvironmentManager(DeskEnvironments& desk, QWidget* parent)
    : QDialog(parent), m_desk(desk) {
    setObjectName(u"frmAmbientes"_s);
    setWindowTitle(u"Ambientes"_s);
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);
    m_list = named(new QListWidget(this), u"lb_Ambientes"_s);
    top->addWidget(m_list, 1);
    auto* form = new QFormLayout;
    top->addLayout(form, 2);
    m_server = named(new QLineEdit(this), u"ed_AmbienteServidor"_s);
    m_company = named(new QLineEdit(this), u"ed_AmbienteEmpresa"_s);
    m_user = named(new QLineEdit(this), u"ed_AmbienteUsuario"_s);
    m_user->setPlaceholderText(u"vazio: as credenciais do código da empresa"_s);
    m_password = named(new QLineEdit(this), u"ed_AmbienteSenha"_s);
    m_password->setEchoMode(QLineEdit::Password);
    m_keys = named(new QLineEdit(this), u"ed_AmbienteChaves"_s);
    m_keys->setPlaceholderText(u"vazio: as chaves carregadas ao iniciar"_s);
    m_timeout = named(new QSpinBox(this), u"ed_AmbienteTempoLimite"_s);
    m_timeout->setRange(0, 3600);
    m_timeout->setSpecialValueText(u"sem limite"_s);
    m_timeout->setSuffix(u" s"_s);
    m_production = named(new QCheckBox(u"Produção (pergunta antes de cada envio)"_s, this),
                         u"cb_AmbienteProducao"_s);
    m_authority = named(new QLineEdit(this), u"ed_AmbienteCA"_s);
    m_authority->setPlaceholderText(u"vazio: só as autoridades do sistema"_s);
    m_certificate = named(new QLineEdit(this), u"ed_AmbienteCertificado"_s);
    m_certificate->setPlaceholderText(u"vazio: nenhum (PEM, ou PKCS#12 .p12/.pfx)"_s);
    m_key = named(new QLineEdit(this), u"ed_AmbienteChave"_s);
    m_key->setPlaceholderText(u"vazio: no mesmo arquivo do certificado"_s);
    m_certificatePassword = named(new QLineEdit(this), u"ed_AmbienteSenhaCertificado"_s);
    m_certificatePassword->setEchoMode(QLineEdit::Password);
    m_certificatePassword->setPlaceholderText(u"do PKCS#12 ou da chave, guardada no chaveiro"_s);
    m_insecure = named(new QCheckBox(u"Não verificar o certificado do servidor (inseguro)"_s, this),
                       u"cb_AmbienteInseguro"_s);
    form->addRow(u"Servidor"_s, m_server);
    form->addRow(u"Código da empresa"_s, m_company);
    form->addRow(u"Usuário HTTP"_s, m_user);
    form->addRow(u"Senha HTTP"_s, m_password);
    form->addRow(u"Arquivo de chaves"_s, m_keys);
    form->addRow(u"Tempo limite"_s, m_timeout);
    form->addRow(QString(), m_production);
    const QString pem = u"Certificados (*.pem *.crt *.cer);;Todos (*)"_s;
    form->addRow(u"Autoridade (CA)"_s, fileRow(m_authority, u"bt_AmbienteCA"_s,
                                               u"Arquivo da autoridade (CA)"_s, pem, this));
    form->addRow(u"Certificado do cliente"_s,
                 fileRow(m_certificate, u"bt_AmbienteCertificado"_s, u"Certificado do cliente"_s,
                         u"Certificados (*.pem *.crt *.p12 *.pfx);;Todos (*)"_s, this));
    form->addRow(u"Chave do cliente"_s, fileRow(m_key, u"bt_AmbienteChave"_s, u"Chave do cliente"_s,
                                                u"Chaves (*.pem *.key);;Todos (*)"_s, this));
    form->addRow(u"Senha do certificado"_s, m_certificatePassword);
    form->addRow(QString(), m_insecure);
    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    const auto button = [&](const QString& name, const QString& caption, auto slot) {
        auto* b = named(new QPushButton(caption, this), name);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    };
    button(u"bt_AmbienteAdicionar"_s, u"Adicionar…"_s, [this] {
        if (const QString n = askName(u"Novo ambiente"_s, QString()); !n.isEmpty())
            add(n);
    });
    button(u"bt_AmbienteRenomear"_s, u"Renomear…"_s, [this] {
        if (const QString n = askName(u"Renomear ambiente"_s, chosen()); !n.isEmpty())
            rename(n);
    });
    button(u"bt_AmbienteDuplicar"_s, u"Duplicar…"_s, [this] {
        if (const QString n = askName(u"Duplicar ambiente"_s, chosen() + u" (cópia)"_s);
            !n.isEmpty())
            duplicate(n);
    });
    button(u"bt_AmbienteRemover"_s, u"Remover"_s, [this] { removeChosen(); });
    buttons->addStretch(1);
    button(u"bt_AmbienteSalvar"_s, u"Salvar"_s, [this] { saveChosen(); });
    button(u"bt_AmbienteFechar"_s, u"Fechar"_s, [this] { accept(); });
    connect(m_list, &QListWidget::currentTextChanged, this, &EnvironmentManager::showChosen);
    fill();
    resize(640, 320);
}

QString EnvironmentManager::chosen() const {
    return m_list->currentItem() ? m_list->currentItem()->text() : QString();
}

QString EnvironmentManager::askName(const QString& title, const QString& start) {
    return QInputDialog::getText(this, title, u"Nome do ambiente"_s, QLineEdit::Normal, start)
        .trimmed();
}

void EnvironmentManager::fill() {
    const QString keep = chosen().isEmpty() ? m_desk.current() : chosen();
    m_list->clear();
    m_list->addItems(m_desk.environments().names());
    const auto found = m_list->findItems(keep, Qt::MatchExactly);
    m_list->setCurrentRow(found.isEmpty() ? 0 : m_list->row(found.front()));
    showChosen();
}

void EnvironmentManager::showChosen() {
    const std::optional<Environment> e = m_desk.environments().get(chosen());
    const Environment shown = e.value_or(Environment{});
    m_server->setText(shown.server);
    m_company->setText(shown.companyCode);
    m_user->setText(shown.user);
    m_password->setText(shown.password);
    m_keys->setText(shown.keysFile);
    m_timeout->setValue(shown.timeoutSeconds);
    m_production->setChecked(shown.production);
    m_authority->setText(shown.tls.authorityFile);
    m_certificate->setText(shown.tls.clientCertificate);
    m_key->setText(shown.tls.clientKey);
    m_certificatePassword->setText(shown.clientPassword);
    m_insecure->setChecked(shown.tls.insecure);
}

void EnvironmentManager::add(const QString& name) {
    if (m_desk.environments().names().contains(name)) {
        dialogs().message(u"Já existe um ambiente \"%1\"."_s.arg(name), Dialogs::Kind::Warning);
        return;
    }
    // A new environment starts from what the window holds now.
    auto* window = qobject_cast<TfrmPrincipal*>(parentWidget());
    Environment e{.name = name};
    if (window) {
        if (const auto* s = qobject_cast<QLineEdit*>(window->findControl(u"ed_EnderecoWS"_s)))
            e.server = s->text();
        if (const auto* c = qobject_cast<QLineEdit*>(window->findControl(u"ed_CodigoEmpresa"_s)))
            e.companyCode = c->text();
    }
    m_desk.environments().save(e);
    m_list->clearSelection();
    m_list->setCurrentItem(nullptr);
    fill();
    m_list->setCurrentRow(m_list->row(m_list->findItems(name, Qt::MatchExactly).front()));
}

void EnvironmentManager::rename(const QString& to) {
    const QString from = chosen();
    if (!m_desk.environments().rename(from, to)) {
        dialogs().message(
            u"Não foi possível renomear para \"%1\": o nome está vazio ou já existe."_s.arg(to),
            Dialogs::Kind::Warning);
        return;
    }
    if (m_desk.current() == from)
        m_desk.choose(to);
    fill();
    m_list->setCurrentRow(m_list->row(m_list->findItems(to, Qt::MatchExactly).front()));
}

void EnvironmentManager::duplicate(const QString& to) {
    if (!m_desk.environments().duplicate(chosen(), to)) {
        dialogs().message(
            u"Não foi possível duplicar como \"%1\": o nome está vazio ou já existe."_s.arg(to),
            Dialogs::Kind::Warning);
        return;
    }
    fill();
    m_list->setCurrentRow(m_list->row(m_list->findItems(to, Qt::MatchExactly).front()));
}

void EnvironmentManager::removeChosen() {
    const QString name = chosen();
    if (name.isEmpty() || !dialogs().confirm(u"Remover o ambiente \"%1\"?"_s.arg(name)))
        return;
    m_desk.environments().remove(name);
    fill();
}

void EnvironmentManager::saveChosen() {
    if (chosen().isEmpty())
        return;
    Environment e{.name = chosen(),
                  .server = m_server->text().trimmed(),
                  .companyCode = m_company->text().trimmed(),
                  .user = m_user->text(),
                  .password = m_password->text(),
                  .keysFile = m_keys->text().trimmed(),
                  .timeoutSeconds = m_timeout->value(),
                  .production = m_production->isChecked(),
                  .tls = {.authorityFile = m_authority->text().trimmed(),
                          .clientCertificate = m_certificate->text().trimmed(),
                          .clientKey = m_key->text().trimmed(),
                          .insecure = m_insecure->isChecked()},
                  .clientPassword = m_certificatePassword->text()};
    // In production the check goes off only when confirmed here, and once: a saved environment
    // that already has it is not asked again.
    const std::optional<Environment> before = m_desk.environments().get(e.name);
    const bool confirmedBefore = before && before->production && before->tls.insecure;
    if (e.production && e.tls.insecure && !confirmedBefore &&
        !dialogs().confirm(
            u"\"%1\" é um ambiente de produção. Não verificar o certificado do servidor deixa "
            u"qualquer um no caminho ler e alterar as trocas, senhas incluídas.\n\nNão verificar "
            u"o certificado neste ambiente mesmo assim?"_s.arg(e.name))) {
        e.tls.insecure = false;
        m_insecure->setChecked(false);
    }
    m_desk.environments().save(e);
}
