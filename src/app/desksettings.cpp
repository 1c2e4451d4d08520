#include "app/desksettings.h"

#include "app/tfrmprincipal.h"

#include <QLineEdit>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>

using namespace Qt::StringLiterals;

namespace {

const QString kGeometry = u"janela/geometria"_s;
const QString kSplitter = u"janela/divisor"_s;
const QString kPanesSplitter = u"janela/divisorPaineis"_s;
const QString kEndereco = u"sessao/endereco"_s;
const QString kEmpresa = u"sessao/codigoEmpresa"_s;
const QString kPage = u"janela/ultimaPagina"_s;
const QString kMaxAnswer = u"troca/maxRespostaBytes"_s;
const QString kHistoryDays = u"historico/maxDias"_s;
const QString kHistoryMiB = u"historico/maxMiB"_s;

QLineEdit* lineEdit(TfrmPrincipal& window, const QString& name) {
    return qobject_cast<QLineEdit*>(window.findControl(name));
}

} // namespace

DeskSettings::DeskSettings()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             u"Quorva"_s, u"TestadorQuorvaMiddlewareService"_s)) {}

DeskSettings::DeskSettings(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

DeskSettings::~DeskSettings() = default;

void DeskSettings::restoreFrame(TfrmPrincipal& window) const {
    if (m_settings->contains(kGeometry))
        window.restoreGeometry(m_settings->value(kGeometry).toByteArray());
    if (m_settings->contains(kSplitter))
        if (auto* splitter = window.findChild<QSplitter*>(u"Splitter1"_s))
            splitter->restoreState(m_settings->value(kSplitter).toByteArray());
    if (m_settings->contains(kPanesSplitter))
        if (auto* splitter = window.findChild<QSplitter*>(u"sp_Paineis"_s))
            splitter->restoreState(m_settings->value(kPanesSplitter).toByteArray());
}

void DeskSettings::restoreDesk(TfrmPrincipal& window) const {
    const auto restoreText = [&](const QString& key, const QString& field) {
        if (!m_settings->contains(key))
            return;
        if (QLineEdit* e = lineEdit(window, field))
            e->setText(m_settings->value(key).toString());
    };
    restoreText(kEndereco, u"ed_EnderecoWS"_s);
    restoreText(kEmpresa, u"ed_CodigoEmpresa"_s);
    bool isNumber = false;
    const qint64 maxAnswer = m_settings->value(kMaxAnswer).toLongLong(&isNumber);
    if (isNumber && maxAnswer > 0) // anything else keeps the default
        window.exchange().setMaxAnswerBytes(maxAnswer);
    if (m_settings->contains(kPage))
        window.selectPage(m_settings->value(kPage).toString()); // a page no longer there: none
}

void DeskSettings::save(TfrmPrincipal& window) {
    m_settings->setValue(kGeometry, window.saveGeometry());
    if (const auto* splitter = window.findChild<QSplitter*>(u"Splitter1"_s))
        m_settings->setValue(kSplitter, splitter->saveState());
    if (const auto* splitter = window.findChild<QSplitter*>(u"sp_Paineis"_s))
        m_settings->setValue(kPanesSplitter, splitter->saveState());
    if (const QLineEdit* e = lineEdit(window, u"ed_EnderecoWS"_s))
        m_settings->setValue(kEndereco, e->text());
    if (const QLineEdit* e = lineEdit(window, u"ed_CodigoEmpresa"_s))
        m_settings->setValue(kEmpresa, e->text());
    m_settings->setValue(kMaxAnswer, window.exchange().maxAnswerBytes());
    const HistoryLimits limits = historyLimits();
    m_settings->setValue(kHistoryDays, limits.maxAgeDays);
    m_settings->setValue(kHistoryMiB, limits.maxBytes / (1024 * 1024));
    const QString page = currentPageName(window);
    if (!page.isEmpty())
        m_settings->setValue(kPage, page);
    m_settings->sync();
}

QString currentPageName(const TfrmPrincipal& window) {
    const auto* tabs = window.findChild<QTabWidget*>(u"pc_Servicos"_s);
    QString name;
    while (tabs && tabs->currentWidget()) {
        const QWidget* page = tabs->currentWidget();
        name = page->objectName();
        // A tab that holds a page set of the tree has it as its only direct child.
        tabs = page->findChild<QTabWidget*>(QString(), Qt::FindDirectChildrenOnly);
    }
    return name;
}

HistoryLimits DeskSettings::historyLimits() const {
    HistoryLimits limits;
    bool ok = false;
    const int d = m_settings->value(kHistoryDays).toInt(&ok);
    if (ok && d > 0)
        limits.maxAgeDays = d;
    const qint64 m = m_settings->value(kHistoryMiB).toLongLong(&ok);
    if (ok && m > 0)
        limits.maxBytes = m * 1024 * 1024;
    return limits;
}
