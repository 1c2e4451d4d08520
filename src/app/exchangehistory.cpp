#include "app/exchangehistory.h"
#include "app/historyscenario.h"

#include "common/exception.h"
#include "common/filehelpers.h"
#include "exchange/credentials.h"
#include "exchange/curlcommand.h"
#include "exchange/evidence.h"
#include "exchange/historystore.h"
#include "exchange/utf8step.h"
#include "widgets/dialogs.h"
#include "widgets/exchangestatus.h"

#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
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

// The names of the files an exchange saved, for its row.
QString fileNames(const QStringList& paths) {
    QStringList names;
    for (const QString& path : paths)
        names << QFileInfo(path).fileName();
    return names.join(u", "_s);
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

template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A date filter left at its lowest date is no filter.
QDateEdit* dateFilter(QWidget* parent, const QString& name) {
    auto* d = named(new QDateEdit(parent), name);
    d->setCalendarPopup(true);
    d->setDisplayFormat(u"dd/MM/yyyy"_s);
    d->setMinimumDate(QDate(2000, 1, 1));
    d->setSpecialValueText(u"—"_s);
    d->setDate(d->minimumDate());
    return d;
}

QDateTime dateOf(const QDateEdit* d, int daysAfter) {
    if (d->date() == d->minimumDate())
        return {};
    return QDateTime(d->date().addDays(daysAfter), QTime(0, 0));
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
    replay.tls = r.tls;
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

ExchangeHistory::ExchangeHistory(Show show, QWidget* window, std::size_t kept, qint64 keptBytes)
    : QWidget(window, Qt::Tool), m_show(std::move(show)), m_kept(std::max<std::size_t>(1, kept)),
      m_keptBytes(keptBytes), m_refreshSoon(new QTimer(this)) {
    setObjectName(u"frmHistorico"_s);
    setWindowTitle(u"Histórico da sessão"_s);
    auto* layout = new QVBoxLayout(this);
    m_filters = createFilters();
    m_filters->hide(); // shown with a store
    layout->addWidget(m_filters);
    m_list = new QTableWidget(0, 6, this);
    m_list->setObjectName(u"gd_Historico"_s);
    m_list->setHorizontalHeaderLabels(
        {u"Hora"_s, u"Serviço"_s, u"Status"_s, u"Duração"_s, u"Tamanho"_s, u"Arquivos"_s});
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    layout->addWidget(m_list);
    m_paging = createPaging();
    m_paging->hide();
    layout->addWidget(m_paging);
    auto* buttons = new QHBoxLayout;
    auto* curl = button(this, u"bt_HistoricoCopiarCurl"_s, u"Copiar como curl"_s);
    auto* evidence = button(this, u"bt_HistoricoEvidencia"_s, u"Salvar evidência…"_s);
    auto* save = button(this, u"bt_HistoricoSalvar"_s, u"Salvar lista…"_s);
    auto* scenario = button(this, u"bt_HistoricoCenario"_s, u"Salvar como cenário…"_s);
    buttons->addWidget(curl);
    buttons->addWidget(evidence);
    buttons->addWidget(scenario);
    buttons->addStretch(1);
    buttons->addWidget(save);
    layout->addLayout(buttons);
    m_info = new QLabel(u"As trocas desta sessão; nada é guardado ao fechar o programa."_s, this);
    m_info->setObjectName(u"lb_HistoricoInfo"_s);
    m_info->setWordWrap(true);
    layout->addWidget(m_info);
    connect(m_list, &QTableWidget::itemSelectionChanged, this, &ExchangeHistory::showChosen);
    connect(&statusAnnouncements(), &StatusAnnouncements::fileSaved, this,
            &ExchangeHistory::addSavedFile);
    connect(&statusAnnouncements(), &StatusAnnouncements::fileSavedBeside, this,
            &ExchangeHistory::addSavedFile);
    // A file that cannot be written is told, as everywhere in the window; nothing leaves a slot.
    const auto guarded = [this](QPushButton* b, void (ExchangeHistory::*slot)()) {
        connect(b, &QPushButton::clicked, this, [this, slot] {
            try {
                (this->*slot)();
            } catch (const Exception& e) {
                dialogs().message(e.message(), Dialogs::Kind::Error);
            }
        });
    };
    guarded(curl, &ExchangeHistory::copyAsCurl);
    guarded(evidence, &ExchangeHistory::saveEvidence);
    guarded(save, &ExchangeHistory::saveList);
    guarded(scenario, &ExchangeHistory::saveAsScenario);
    // New exchanges reach the list a moment later, together.
    m_refreshSoon->setSingleShot(true);
    m_refreshSoon->setInterval(300);
    connect(m_refreshSoon, &QTimer::timeout, this, &ExchangeHistory::refresh);
    resize(760, 380);
}

QWidget* ExchangeHistory::createFilters() {
    auto* box = named(new QWidget(this), u"pn_HistoricoFiltros"_s);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_filterEnvironment = named(new QComboBox(box), u"cb_HistoricoAmbiente"_s);
    m_filterEnvironment->addItem(u"Todos os ambientes"_s, QString());
    m_filterService = named(new QLineEdit(box), u"ed_HistoricoServico"_s);
    m_filterService->setPlaceholderText(u"Página ou serviço"_s);
    m_filterVerdict = named(new QComboBox(box), u"cb_HistoricoVeredito"_s);
    m_filterVerdict->addItem(u"Todos"_s, QString());
    for (const QString& v : allVerdicts())
        m_filterVerdict->addItem(v, v);
    m_filterFrom = dateFilter(box, u"de_HistoricoDe"_s);
    m_filterUntil = dateFilter(box, u"de_HistoricoAte"_s);
    m_filterText = named(new QLineEdit(box), u"ed_HistoricoBusca"_s);
    m_filterText->setPlaceholderText(u"Buscar na requisição e na resposta"_s);
    m_filterText->setClearButtonEnabled(true);
    row->addWidget(m_filterEnvironment);
    row->addWidget(m_filterService, 1);
    row->addWidget(m_filterVerdict);
    row->addWidget(new QLabel(u"de"_s, box));
    row->addWidget(m_filterFrom);
    row->addWidget(new QLabel(u"até"_s, box));
    row->addWidget(m_filterUntil);
    row->addWidget(m_filterText, 2);
    const auto again = [this] {
        m_offset = 0;
        refresh();
    };
    connect(m_filterEnvironment, &QComboBox::currentIndexChanged, this, again);
    connect(m_filterVerdict, &QComboBox::currentIndexChanged, this, again);
    connect(m_filterFrom, &QDateEdit::dateChanged, this, again);
    connect(m_filterUntil, &QDateEdit::dateChanged, this, again);
    connect(m_filterService, &QLineEdit::editingFinished, this, again);
    // Page and service names are short: the list follows them as they are typed. The search
    // in the stored texts waits for Enter, as it may read a great deal.
    connect(m_filterService, &QLineEdit::textEdited, this, [this] {
        m_offset = 0;
        m_refreshSoon->start();
    });
    connect(m_filterText, &QLineEdit::editingFinished, this, again);
    return box;
}

QWidget* ExchangeHistory::createPaging() {
    auto* box = named(new QWidget(this), u"pn_HistoricoPaginas"_s);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    m_previous = button(box, u"bt_HistoricoAnterior"_s, u"◀ Anteriores"_s);
    m_next = button(box, u"bt_HistoricoProxima"_s, u"Seguintes ▶"_s);
    m_pageInfo = named(new QLabel(box), u"lb_HistoricoPagina"_s);
    auto* clear = button(box, u"bt_HistoricoLimpar"_s, u"Limpar histórico"_s);
    row->addWidget(m_previous);
    row->addWidget(m_pageInfo, 1, Qt::AlignCenter);
    row->addWidget(m_next);
    row->addSpacing(20);
    row->addWidget(clear);
    connect(m_previous, &QPushButton::clicked, this, [this] {
        m_offset = std::max(0, m_offset - kPageRows);
        refresh();
    });
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (m_offset + kPageRows < m_total) {
            m_offset += kPageRows;
            refresh();
        }
    });
    connect(clear, &QPushButton::clicked, this, &ExchangeHistory::clearStored);
    return box;
}

void ExchangeHistory::attachStore(HistoryStore* store) {
    m_store = store;
    m_storedAdds = 0;
    m_latestStoredId = 0;
    connect(store, &HistoryStore::stored, this, [this](qint64 sequence, qint64 id) {
        // The entry written is found by how many were added after it: later exchanges may
        // already be in the list when the word of an earlier one arrives.
        const qint64 back = m_storedAdds - sequence; // 0: the latest
        if (back < 0 || back >= qint64(m_entries.size()))
            return;
        if (back == 0)
            m_latestStoredId = id;
        // Files saved before the entry was written go with it now.
        if (const HistoryEntry& written = m_entries[std::size_t(back)]; !written.files.isEmpty())
            m_store->setFiles(id, written.files);
    });
    m_filters->show();
    m_paging->show();
    setWindowTitle(u"Histórico"_s);
    tell(u"Cada troca fica guardada em %1 (até %2 dias e %3 MiB)."_s.arg(
        QDir::toNativeSeparators(store->file()), QString::number(store->limits().maxAgeDays),
        QString::number(store->limits().maxBytes / (1024 * 1024))));
    if (isVisible()) // else the list is asked for when the history is opened
        refresh();
}

HistoryFilter ExchangeHistory::filter() const {
    HistoryFilter f;
    f.environment = m_filterEnvironment->currentData().toString();
    f.service = m_filterService->text().trimmed();
    f.verdict = m_filterVerdict->currentData().toString();
    f.from = dateOf(m_filterFrom, 0);
    f.until = dateOf(m_filterUntil, 1); // the whole day
    f.text = m_filterText->text();
    return f;
}

void ExchangeHistory::refresh() {
    if (!m_store)
        return;
    m_store->query(filter(), m_offset, kPageRows, this,
                   [this](const HistoryPage& page) { fillList(page); });
    m_store->environments(this, [this](const QStringList& names) {
        for (const QString& name : names)
            if (m_filterEnvironment->findData(name) < 0)
                m_filterEnvironment->addItem(name, name);
    });
}

void ExchangeHistory::fillList(const HistoryPage& page) {
    const QSignalBlocker quiet(m_list);
    const qint64 chosen = m_chosen ? m_chosen->id : 0;
    m_rows = page.entries;
    m_total = page.total;
    m_list->setRowCount(int(m_rows.size()));
    int chosenRow = -1;
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        fillRow(int(i), m_rows[i]);
        if (m_rows[i].id == chosen)
            chosenRow = int(i);
    }
    m_list->clearSelection();
    if (chosenRow >= 0)
        m_list->selectRow(chosenRow);
    else
        m_chosen.reset();
    m_pageInfo->setText(m_total == 0 ? u"Nenhuma troca"_s
                                     : u"%1–%2 de %3"_s.arg(m_offset + 1)
                                           .arg(m_offset + qint64(m_rows.size()))
                                           .arg(m_total));
    m_previous->setEnabled(m_offset > 0);
    m_next->setEnabled(m_offset + kPageRows < m_total);
    Q_EMIT listed();
}

void ExchangeHistory::clearStored() {
    if (!m_store || !dialogs().confirm(u"Apagar todas as trocas guardadas no histórico?"_s))
        return;
    m_store->clear(this, [this] {
        m_offset = 0;
        m_chosen.reset();
        refresh();
    });
}

void ExchangeHistory::add(const ExchangeRecord& record, const QString& page) {
    HistoryEntry entry;
    entry.record = record;
    entry.page = page;
    entry.environment = m_environment;
    entry.requestSize = record.request.size();
    entry.answerSize = record.answer.size();
    m_entries.push_front(entry);
    m_bytes += entry.requestSize + entry.answerSize;
    const bool listed = !m_store;       // with a store the list shows what is stored
    const QSignalBlocker quiet(m_list); // a new row is not a choice of the user
    if (listed) {
        m_list->insertRow(0);
        fillRow(0, m_entries.front());
    }
    while (m_entries.size() > 1 && (m_entries.size() > m_kept || m_bytes > m_keptBytes)) {
        m_bytes -= m_entries.back().requestSize + m_entries.back().answerSize;
        m_entries.pop_back();
        if (listed)
            m_list->removeRow(m_list->rowCount() - 1);
    }
    if (listed) {
        m_list->clearSelection();
        return;
    }
    ++m_storedAdds;
    m_latestStoredId = 0;
    m_store->add(std::move(entry));
    if (m_offset == 0 && isVisible())
        m_refreshSoon->start();
}

void ExchangeHistory::addSavedFile(const QString& path) {
    if (m_entries.empty() || m_entries.front().files.contains(path))
        return;
    HistoryEntry& latest = m_entries.front();
    latest.files << path;
    if (!m_store) {
        if (m_list->rowCount() > 0) {
            const QSignalBlocker quiet(m_list);
            fillRow(0, latest);
        }
        return;
    }
    if (m_latestStoredId != 0) // else they go when it is written
        m_store->setFiles(m_latestStoredId, latest.files);
    if (m_offset == 0 && isVisible())
        m_refreshSoon->start();
}

void ExchangeHistory::fillRow(int row, const HistoryEntry& e) {
    const ExchangeRecord& r = e.record;
    const bool today = r.started.date() == QDate::currentDate();
    const QStringList cells = {r.started.toString(today ? u"HH:mm:ss"_s : u"dd/MM/yy HH:mm:ss"_s),
                               r.servicePath,
                               statusText(r),
                               u"%1 ms"_s.arg(r.elapsedMs, 0, 'f', 0),
                               sizeText(e.requestSize) + u" → "_s + sizeText(e.answerSize),
                               fileNames(e.files)};
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column == 1)
            item->setToolTip(r.url + u"\n"_s + e.page +
                             (e.environment.isEmpty() ? QString() : u"\n"_s + e.environment));
        if (column == 5)
            item->setToolTip(e.files.join(u'\n'));
        m_list->setItem(row, column, item);
    }
}

const HistoryEntry* ExchangeHistory::current() const {
    if (m_store) {
        if (m_chosen && m_list->selectionModel()->hasSelection())
            return &*m_chosen;
        return m_entries.empty() ? nullptr : &m_entries.front();
    }
    const int row = m_list->currentRow();
    if (m_list->selectionModel()->hasSelection() && row >= 0 && std::size_t(row) < m_entries.size())
        return &m_entries[std::size_t(row)];
    return m_entries.empty() ? nullptr : &m_entries.front();
}

const HistoryEntry* ExchangeHistory::nextOf(const HistoryEntry& entry) const {
    // A stored entry of this session is found by when it started.
    for (std::size_t i = 1; i < m_entries.size(); ++i)
        if (&m_entries[i] == &entry ||
            (entry.id != 0 && m_entries[i].record.started == entry.record.started &&
             m_entries[i].record.servicePath == entry.record.servicePath))
            return &m_entries[i - 1];
    return nullptr;
}

void ExchangeHistory::open() {
    refresh();
    if (!isVisible() && parentWidget()) {
        const QRect frame = parentWidget()->frameGeometry();
        move(frame.right() - width() - 20, frame.top() + 80);
    }
    show();
    raise();
    activateWindow();
}

void ExchangeHistory::showChosen() {
    if (m_store) {
        const int row = m_list->currentRow();
        if (!m_list->selectionModel()->hasSelection() || row < 0 ||
            std::size_t(row) >= m_rows.size()) {
            m_chosen.reset();
            return;
        }
        if (!m_chosen || m_chosen->id != m_rows[std::size_t(row)].id)
            m_chosen = m_store->loadNow(m_rows[std::size_t(row)].id);
        if (m_chosen)
            m_show(QString::fromUtf8(m_chosen->record.request),
                   answerDisplayText(m_chosen->record.answer, m_chosen->record.contentType));
        return;
    }
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
        writeFileWhole(bodyFile, e->record.request);
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
    ev.tls = r.tls;
    ev.tlsSession = r.tlsSession;
    // A stored entry knows its files; one of this session is looked at now.
    const QStringList files = e.files.isEmpty() ? filesSavedBy(e, nextOf(e)) : e.files;
    for (const QString& path : files)
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
    writeFileWhole(file, (lines.join(u'\n') + u'\n').toUtf8());
    tell(u"Histórico gravado em "_s + file);
}

void ExchangeHistory::saveAsScenario() {
    // The chosen exchanges (else the latest), the earliest first; stored ones are read whole.
    std::vector<const HistoryEntry*> chosen;
    std::vector<HistoryEntry> loaded;
    if (m_store) {
        loaded.reserve(m_rows.size());
        for (int row = int(m_rows.size()) - 1; row >= 0; --row)
            if (m_list->selectionModel()->isRowSelected(row))
                if (auto entry = m_store->loadNow(m_rows[std::size_t(row)].id))
                    loaded.push_back(std::move(*entry));
        for (const HistoryEntry& e : loaded)
            chosen.push_back(&e);
    } else {
        for (int row = int(m_entries.size()) - 1; row >= 0; --row)
            if (m_list->selectionModel()->isRowSelected(row))
                chosen.push_back(&m_entries[std::size_t(row)]);
    }
    if (chosen.empty() && !m_entries.empty())
        chosen.push_back(&m_entries.front());
    if (chosen.empty()) {
        dialogs().message(u"Nenhuma troca com o middleware nesta sessão."_s,
                          Dialogs::Kind::Information);
        return;
    }
    const QString file =
        dialogs().saveFile(u"Salvar como cenário"_s, u"Cenário JSON (*.json)"_s,
                           u"cenario-%1.json"_s.arg(fileStamp(QDateTime::currentDateTime())));
    if (file.isEmpty())
        return;
    const Scenario s = scenarioOfEntries(chosen, QFileInfo(file).completeBaseName());
    if (s.steps.empty()) {
        dialogs().message(u"Nenhuma das trocas escolhidas teve resposta."_s,
                          Dialogs::Kind::Information);
        return;
    }
    saveScenario(s, file);
    tell(u"Cenário de %1 passo(s) gravado em %2"_s.arg(s.steps.size()).arg(file));
}
