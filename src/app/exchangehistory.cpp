#include "app/exchangehistory.h"

#include "common/exception.h"
#include "exchange/credentials.h"
#include "exchange/curlcommand.h"
#include "exchange/evidence.h"
#include "exchange/utf8step.h"
#include "widgets/dialogs.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString statusText(const ExchangeRecord& r) {
    if (r.rejected) // the middleware answered, and refused what it was sent
        return u"Rejeitada (%1)"_s.arg(r.status);
    if (r.status != 0)
        return QString::number(r.status);
    return r.failure.isEmpty() ? u"—"_s : r.failure.section(u'\n', 0, 0);
}

QString sizeText(qsizetype bytes) {
    if (bytes < 10 * 1024)
        return u"%1 B"_s.arg(bytes);
    if (bytes < 10 * 1024 * 1024)
        return u"%1 KiB"_s.arg(bytes / 1024);
    return u"%1 MiB"_s.arg(bytes / (1024 * 1024));
}

QString fileStamp(const QDateTime& t) {
    return t.toString(u"yyyyMMdd-HHmmss"_s);
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

ReplayRequest replayOf(const ExchangeRecord& r) {
    ReplayRequest replay;
    replay.method = r.method;
    replay.url = r.url;
    if (r.authenticated) {
        const HttpCredentials c = credentialsForCompanyText(r.companyCode);
        replay.user = c.user;
        replay.password = c.password;
    }
    replay.body = r.request;
    return replay;
}

QStringList filesSavedBy(const HistoryEntry& entry, const HistoryEntry* next) {
    QStringList files;
    const QDateTime from = entry.record.started;
    const QDateTime until = next ? next->record.started : QDateTime::currentDateTime();
    QDirIterator it(u"Arquivos"_s, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.lastModified() >= from && info.lastModified() <= until)
            files << info.filePath();
    }
    files.sort();
    return files;
}

ExchangeHistory::ExchangeHistory(Show show, QWidget* window)
    : QWidget(window, Qt::Tool), m_show(std::move(show)) {
    setObjectName(u"frmHistorico"_s);
    setWindowTitle(u"Histórico da sessão"_s);
    auto* layout = new QVBoxLayout(this);
    m_list = new QTableWidget(0, 5, this);
    m_list->setObjectName(u"gd_Historico"_s);
    m_list->setHorizontalHeaderLabels(
        {u"Hora"_s, u"Serviço"_s, u"Status"_s, u"Duração"_s, u"Tamanho"_s});
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(m_list);
    auto* buttons = new QHBoxLayout;
    auto* curl = button(this, u"bt_HistoricoCopiarCurl"_s, u"Copiar como curl"_s);
    auto* evidence = button(this, u"bt_HistoricoEvidencia"_s, u"Salvar evidência…"_s);
    auto* save = button(this, u"bt_HistoricoSalvar"_s, u"Salvar lista…"_s);
    buttons->addWidget(curl);
    buttons->addWidget(evidence);
    buttons->addStretch(1);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    m_info = new QLabel(u"As trocas desta sessão; nada é guardado ao fechar o programa."_s, this);
    m_info->setObjectName(u"lb_HistoricoInfo"_s);
    m_info->setWordWrap(true);
    layout->addWidget(m_info);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &ExchangeHistory::showChosen);
    connect(curl, &QPushButton::clicked, this, &ExchangeHistory::copyAsCurl);
    connect(evidence, &QPushButton::clicked, this, &ExchangeHistory::saveEvidence);
    connect(save, &QPushButton::clicked, this, &ExchangeHistory::saveList);
    resize(620, 300);
}

void ExchangeHistory::add(const ExchangeRecord& record, const QString& page) {
    const QSignalBlocker quiet(m_list); // a new row is not a choice of the user
    m_entries.push_front(HistoryEntry{record, page});
    m_bytes += record.request.size() + record.answer.size();
    m_list->insertRow(0);
    fillRow(0, m_entries.front());
    while (m_entries.size() > 1 && (m_entries.size() > kKept || m_bytes > kKeptBytes)) {
        m_bytes -= m_entries.back().record.request.size() + m_entries.back().record.answer.size();
        m_entries.pop_back();
        m_list->removeRow(m_list->rowCount() - 1);
    }
    m_list->clearSelection();
}

void ExchangeHistory::fillRow(int row, const HistoryEntry& e) {
    const ExchangeRecord& r = e.record;
    const QStringList cells = {r.started.toString(u"HH:mm:ss"_s), r.servicePath, statusText(r),
                               u"%1 ms"_s.arg(r.elapsedMs, 0, 'f', 0),
                               sizeText(r.request.size()) + u" → "_s + sizeText(r.answer.size())};
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column == 1)
            item->setToolTip(r.url + u"\n"_s + e.page);
        m_list->setItem(row, column, item);
    }
}

const HistoryEntry* ExchangeHistory::current() const {
    const int row = m_list->currentRow();
    if (m_list->selectionModel()->hasSelection() && row >= 0 && std::size_t(row) < m_entries.size())
        return &m_entries[std::size_t(row)];
    return m_entries.empty() ? nullptr : &m_entries.front();
}

const HistoryEntry* ExchangeHistory::nextOf(const HistoryEntry& entry) const {
    for (std::size_t i = 1; i < m_entries.size(); ++i)
        if (&m_entries[i] == &entry)
            return &m_entries[i - 1];
    return nullptr;
}

void ExchangeHistory::open() {
    if (!isVisible() && parentWidget()) {
        const QRect frame = parentWidget()->frameGeometry();
        move(frame.right() - width() - 20, frame.top() + 80);
    }
    show();
    raise();
    activateWindow();
}

void ExchangeHistory::showChosen() {
    if (m_list->selectionModel()->hasSelection())
        if (const HistoryEntry* e = current())
            m_show(QString::fromUtf8(e->record.request),
                   answerDisplayText(e->record.answer, e->record.contentType));
}

void ExchangeHistory::tell(const QString& text) {
    m_info->setText(text);
}

void ExchangeHistory::copyAsCurl() {
    const HistoryEntry* e = current();
    if (!e) {
        dialogs().message(u"Nenhuma troca com o middleware nesta sessão."_s,
                          Dialogs::Kind::Information);
        return;
    }
    const ReplayRequest replay = replayOf(e->record);
    QString bodyFile;
    if (replay.method != u"GET"_s && !curlBodyFitsInline(replay.body)) {
        bodyFile =
            dialogs().saveFile(u"Salvar o corpo da requisição (grande demais para o comando)"_s,
                               u"JSON (*.json);;Todos (*)"_s,
                               u"requisicao-%1.json"_s.arg(fileStamp(e->record.started)));
        if (bodyFile.isEmpty())
            return;
        QSaveFile out(bodyFile);
        if (!out.open(QIODevice::WriteOnly) ||
            out.write(e->record.request) != e->record.request.size() || !out.commit())
            throw EFileError(
                u"Não foi possível gravar \"%1\": %2"_s.arg(bodyFile, out.errorString()));
    }
    const QString command = curlCommand(replay, bodyFile);
    QGuiApplication::clipboard()->setText(command);
    tell(u"Comando curl de %1 (%2) copiado para a área de transferência%3."_s.arg(
        e->record.servicePath, e->record.started.toString(u"HH:mm:ss"_s),
        bodyFile.isEmpty() ? QString() : u"; o corpo está em "_s + bodyFile));
}

Evidence ExchangeHistory::evidenceOf(const HistoryEntry& e) const {
    const ExchangeRecord& r = e.record;
    Evidence ev;
    ev.page = e.page;
    ev.servicePath = r.servicePath;
    ev.method = r.method;
    ev.url = r.url;
    ev.started = r.started;
    ev.companyCode = r.authenticated ? r.companyCode : QString();
    if (r.authenticated)
        ev.user = credentialsForCompanyText(r.companyCode).user;
    ev.status = r.status;
    ev.statusLine = r.statusLine;
    ev.failure = r.failure;
    ev.elapsedMs = r.elapsedMs;
    ev.request = r.request;
    ev.answer = r.answer;
    ev.answerContentType = r.contentType;
    for (const QString& path : filesSavedBy(e, nextOf(e)))
        ev.files.push_back({QFileInfo(path).fileName(), path});
    ev.programVersion = QCoreApplication::applicationName() + u' ' + QStringLiteral(QUORVA_VERSION);
    return ev;
}

void ExchangeHistory::saveEvidence() {
    const HistoryEntry* e = current();
    if (!e) {
        dialogs().message(u"Nenhuma troca com o middleware nesta sessão."_s,
                          Dialogs::Kind::Information);
        return;
    }
    QString service = e->record.servicePath;
    service.replace(u'/', u'-');
    const QString file =
        dialogs().saveFile(u"Salvar evidência"_s, u"Arquivo ZIP (*.zip)"_s,
                           u"evidencia-%1-%2.zip"_s.arg(service, fileStamp(e->record.started)));
    if (file.isEmpty())
        return;
    const Evidence ev = evidenceOf(*e);
    writeEvidence(ev, file);
    tell(u"Evidência gravada em "_s + file);
    dialogs().message(u"Evidência gravada em %1.\n\n%2"_s.arg(file, evidenceSummary(ev)),
                      Dialogs::Kind::Information);
}

void ExchangeHistory::saveList() {
    if (m_entries.empty()) {
        dialogs().message(u"Nenhuma troca com o middleware nesta sessão."_s,
                          Dialogs::Kind::Information);
        return;
    }
    const QString file =
        dialogs().saveFile(u"Salvar histórico"_s, u"Texto (*.txt)"_s,
                           u"historico-%1.txt"_s.arg(fileStamp(QDateTime::currentDateTime())));
    if (file.isEmpty())
        return;
    QStringList lines{
        u"hora\tserviço\tstatus\tduração (ms)\tenviado (bytes)\trecebido (bytes)\tURL"_s};
    for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
        const ExchangeRecord& r = it->record;
        lines << QStringList{r.started.toString(u"dd/MM/yyyy HH:mm:ss"_s),
                             r.servicePath,
                             statusText(r),
                             QString::number(r.elapsedMs, 'f', 1),
                             QString::number(r.request.size()),
                             QString::number(r.answer.size()),
                             r.url}
                     .join(u'\t');
    }
    QSaveFile out(file);
    const QByteArray bytes = (lines.join(u'\n') + u'\n').toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        throw EFileError(u"Não foi possível gravar \"%1\": %2"_s.arg(file, out.errorString()));
    tell(u"Histórico gravado em "_s + file);
}
