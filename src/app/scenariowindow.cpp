#include "app/scenariowindow.h"

#include "app/tfrmprincipal.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "widgets/busywait.h"
#include "widgets/dialogs.h"
#include "widgets/exchangestatus.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QTextBlock>
#include <QThread>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QTableWidget* table(const QString& name, const QStringList& headers, QWidget* parent) {
    auto* t = new QTableWidget(0, int(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->verticalHeader()->hide();
    t->setWordWrap(false);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    t->horizontalHeader()->setSectionResizeMode(int(headers.size()) - 1, QHeaderView::Stretch);
    return t;
}

// Every column as wide as its contents, but the last one, which takes the room left.
void fitColumns(QTableWidget* t) {
    for (int c = 0; c + 1 < t->columnCount(); ++c)
        t->resizeColumnToContents(c);
}

QPlainTextEdit* answerPane(const QString& name, QWidget* parent) {
    auto* p = new QPlainTextEdit(parent);
    p->setObjectName(name);
    p->setReadOnly(true);
    p->setLineWrapMode(QPlainTextEdit::NoWrap);
    p->setFont(QFont(u"Monospace"_s));
    return p;
}

QPushButton* button(const QString& name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

QColor verdictColour(Verdict v) {
    switch (v) {
    case Verdict::Equal:
        return QColor(0xd8, 0xf0, 0xd8);
    case Verdict::Different:
        return QColor(0xf8, 0xd0, 0xd0);
    case Verdict::Error:
        break;
    }
    return QColor(0xf8, 0xe0, 0xb0);
}

const QColor kChangedLine(0xff, 0xe0, 0x80);
const QColor kChosenLine(0xff, 0xb0, 0x50);

// Marks the lines of the given paths on a pane; the chosen path's line stronger and in view.
void markLines(QPlainTextEdit* pane, const AnswerLines& lines, const QStringList& paths,
               const QString& chosen) {
    QList<QTextEdit::ExtraSelection> marks;
    for (const QString& path : paths) {
        const int line = lineOfPath(lines, path);
        if (line < 0)
            continue;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(pane->document()->findBlockByNumber(line));
        mark.format.setBackground(path == chosen ? kChosenLine : kChangedLine);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks.append(mark);
        if (path == chosen) {
            pane->setTextCursor(mark.cursor);
            pane->ensureCursorVisible();
        }
    }
    pane->setExtraSelections(marks);
}

QString notesOf(const StepOutcome& out) {
    QStringList notes;
    if (out.verdict == Verdict::Error)
        notes.append(out.error);
    else if (!out.comparison.differences.empty())
        notes.append(u"%1 diferença(s)"_s.arg(out.comparison.differences.size()));
    if (out.rejected)
        notes.append(u"rejeitada: %1"_s.arg(out.rejection));
    notes += out.comparison.notes;
    return notes.join(u"; "_s);
}

} // namespace

ScenarioWindow::ScenarioWindow(TfrmPrincipal& main) : QWidget(&main, Qt::Window), m_main(main) {
    setObjectName(u"frm_Cenarios"_s);
    setWindowTitle(u"Cenários"_s);
    resize(1100, 700);

    auto* buttons = new QHBoxLayout;
    m_runButton = button(u"bt_Executar"_s, u"Executar"_s, this);
    m_noiseButton = button(u"bt_AprenderRuido"_s, u"Aprender ruído"_s, this);
    m_noiseRuns = new QSpinBox(this);
    m_noiseRuns->setObjectName(u"ed_ExecucoesRuido"_s);
    m_noiseRuns->setRange(2, 20);
    m_noiseRuns->setValue(2);
    m_noiseRuns->setSuffix(u" execuções"_s);
    m_accept = button(u"bt_AceitarEsperado"_s, u"Aceitar como esperado"_s, this);
    m_ignore = button(u"bt_IgnorarCaminho"_s, u"Ignorar este caminho"_s, this);
    m_save = button(u"bt_Salvar"_s, u"Salvar"_s, this);
    m_keepFiles = new QCheckBox(u"Guardar arquivos ao lado"_s, this);
    m_keepFiles->setObjectName(u"ck_GuardarArquivos"_s);
    m_keepFiles->setToolTip(u"Grava os arquivos das respostas (base64 de 4 KiB ou mais) na "
                            u"pasta NOME.arquivos, ao lado do cenário"_s);
    m_cancel = button(u"bt_Cancelar"_s, u"Cancelar"_s, this);
    acceptInputWhileWaiting(m_cancel);
    for (QWidget* w : std::initializer_list<QWidget*>{m_runButton, m_noiseButton, m_noiseRuns,
                                                      m_accept, m_ignore, m_save, m_keepFiles})
        buttons->addWidget(w);
    buttons->addStretch();
    buttons->addWidget(m_cancel);

    m_summary = new QLabel(this);
    m_summary->setObjectName(u"lb_Resumo"_s);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_steps = table(u"gd_Passos"_s, {u"Passo"_s, u"Serviço"_s, u"Veredito"_s, u"Notas"_s}, this);
    m_differences = table(u"gd_Diferencas"_s, {u"Caminho"_s, u"Esperado"_s, u"Obtido"_s}, this);
    m_expected = answerPane(u"mm_Esperado"_s, this);
    m_obtained = answerPane(u"mm_Obtido"_s, this);

    auto* sides = new QSplitter(Qt::Horizontal);
    for (auto [pane, caption] :
         {std::pair{m_expected, u"Esperado"_s}, std::pair{m_obtained, u"Obtido"_s}}) {
        auto* box = new QWidget;
        auto* l = new QVBoxLayout(box);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(new QLabel(caption));
        l->addWidget(pane);
        sides->addWidget(box);
    }
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_steps);
    split->addWidget(m_differences);
    split->addWidget(sides);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    split->setStretchFactor(2, 3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_summary);
    layout->addWidget(split, 1);

    connect(m_runButton, &QPushButton::clicked, this, [this] { guarded([this] { run(); }); });
    connect(m_noiseButton, &QPushButton::clicked, this,
            [this] { guarded([this] { learnNoise(); }); });
    connect(m_accept, &QPushButton::clicked, this, [this] { guarded([this] { acceptChosen(); }); });
    connect(m_ignore, &QPushButton::clicked, this,
            [this] { guarded([this] { ignoreChosenPath(); }); });
    connect(m_save, &QPushButton::clicked, this, [this] { guarded([this] { save(); }); });
    connect(m_cancel, &QPushButton::clicked, this, [] { requestCancel(); });
    connect(m_steps, &QTableWidget::currentCellChanged, this,
            [this](int, int, int, int) { showChosenStep(); });
    connect(m_differences, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { showDifference(row); });
    setRunning(false);
    main.installEventFilter(this);
}

bool ScenarioWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_main && event->type() == QEvent::Close && !isWaitingForWork())
        guarded([this] { askToSaveChanges(); });
    return false;
}

void ScenarioWindow::guarded(const std::function<void()>& action) {
    m_main.runGuarded(action);
}

ReplayTarget ScenarioWindow::target() const {
    MiddlewareExchange& exchange = m_main.exchange();
    ReplayTarget t;
    t.baseUrl = exchange.baseUrl();
    t.session = m_main.sessionFields();
    t.companyCode = t.session.codigoEmpresa;
    t.timeoutSeconds = exchange.timeoutSeconds();
    t.credentials = exchange.credentials();
    t.tls = exchange.tls();
    t.clientPassword = exchange.clientPassword();
    t.maxAnswerBytes = exchange.maxAnswerBytes();
    t.cancel = cancelFlag();
    return t;
}

void ScenarioWindow::open(const QString& fileName) {
    Scenario loaded = loadScenario(fileName);
    askToSaveChanges();
    m_scenario = std::move(loaded);
    m_file = fileName;
    m_outcomes.clear();
    setModified(false);
    showSteps();
    run();
}

void ScenarioWindow::replayInto(std::vector<StepOutcome>& outcomes, const QString& what) {
    const CancelScope cancelScope;
    ScenarioReplay replay(m_scenario, target());
    while (replay.hasNext()) {
        const std::size_t i = replay.nextIndex();
        m_main.exchange().checkBeforeSending(m_scenario.steps[i].path);
        outcomes.push_back(waitWithoutFreezing(u"%1: passo %2 de %3 (%4)…"_s.arg(what)
                                                   .arg(i + 1)
                                                   .arg(m_scenario.steps.size())
                                                   .arg(stepLabel(m_scenario, i)),
                                               [&] { return replay.runNext(); }));
        if (&outcomes == &m_outcomes)
            showStepRow(int(i));
    }
}

void ScenarioWindow::run() {
    m_outcomes.clear();
    showSteps();
    setRunning(true);
    try {
        replayInto(m_outcomes, u"Cenário"_s);
    } catch (const ERequestCancelled&) {
        setRunning(false);
        m_summary->setText(u"Cancelado no passo %1 de %2."_s.arg(m_outcomes.size() + 1)
                               .arg(m_scenario.steps.size()));
        statusAnnouncements().outcome(m_summary->text(), true);
        return;
    } catch (...) {
        setRunning(false);
        throw;
    }
    setRunning(false);
    showSummary();
    statusAnnouncements().outcome(m_summary->text(), m_summary->property("bad").toBool());
    for (std::size_t i = 0; i < m_outcomes.size(); ++i)
        if (m_outcomes[i].verdict != Verdict::Equal) {
            m_steps->setCurrentCell(int(i), 0);
            return;
        }
    if (!m_outcomes.empty())
        m_steps->setCurrentCell(0, 0);
}

void ScenarioWindow::learnNoise() {
    std::vector<std::vector<StepOutcome>> runs;
    setRunning(true);
    try {
        QElapsedTimer sinceLastRun;
        for (int r = 0; r < m_noiseRuns->value(); ++r) {
            if (const int pause = r > 0 ? noiseRunPauseMs(sinceLastRun.elapsed()) : 0; pause > 0)
                waitWithoutFreezing(u"Aprendendo ruído: aguardando o relógio do servidor…"_s,
                                    [pause] {
                                        QThread::msleep(static_cast<unsigned long>(pause));
                                        return 0;
                                    });
            sinceLastRun.start();
            runs.emplace_back();
            replayInto(runs.back(), u"Aprendendo ruído, execução %1 de %2"_s.arg(r + 1).arg(
                                        m_noiseRuns->value()));
            for (std::size_t i = 0; i < runs.back().size(); ++i)
                if (runs.back()[i].verdict == Verdict::Error)
                    throw Exception(u"O ruído não foi aprendido: o passo \"%1\" deu erro: %2"_s.arg(
                        stepLabel(m_scenario, i), runs.back()[i].error));
        }
    } catch (...) {
        setRunning(false);
        throw;
    }
    setRunning(false);
    const std::vector<QStringList> learned = ::learnNoise(m_scenario, runs);
    qsizetype count = 0;
    for (const QStringList& paths : learned)
        count += paths.size();
    if (count > 0)
        setModified(true);
    m_outcomes = std::move(runs.back());
    for (std::size_t i = 0; i < m_outcomes.size(); ++i)
        recompare(m_scenario, i, m_outcomes[i]);
    showSteps();
    showSummary(u"%1 execuções, %2 caminho(s) de ruído aprendido(s); "_s.arg(m_noiseRuns->value())
                    .arg(count));
    if (!m_outcomes.empty())
        m_steps->setCurrentCell(0, 0);
}

void ScenarioWindow::showSummary(const QString& before) {
    int equal = 0, different = 0, errors = 0;
    for (const StepOutcome& o : m_outcomes) {
        equal += o.verdict == Verdict::Equal;
        different += o.verdict == Verdict::Different;
        errors += o.verdict == Verdict::Error;
    }
    m_summary->setText(
        before + u"%1 passo(s): %2 igual(is), %3 diferente(s), %4 erro(s)"_s.arg(m_outcomes.size())
                     .arg(equal)
                     .arg(different)
                     .arg(errors));
    m_summary->setProperty("bad", different + errors > 0);
}

int ScenarioWindow::chosenStep() const {
    const int row = m_steps->currentRow();
    return row >= 0 && std::size_t(row) < m_outcomes.size() ? row : -1;
}

void ScenarioWindow::acceptChosen() {
    const int i = chosenStep();
    if (i < 0)
        throw kit::CheckFailed(u"Escolha um passo executado."_s);
    if (!acceptAnswer(m_scenario.steps[std::size_t(i)], m_outcomes[std::size_t(i)]))
        throw kit::CheckFailed(u"O passo deu erro: não há resposta para aceitar."_s);
    recompare(m_scenario, std::size_t(i), m_outcomes[std::size_t(i)]);
    setModified(true);
    showStepRow(i);
    showChosenStep();
    showSummary();
}

void ScenarioWindow::ignoreChosenPath() {
    const int i = chosenStep();
    const int row = m_differences->currentRow();
    if (i < 0 || row < 0)
        throw kit::CheckFailed(u"Escolha uma diferença."_s);
    const QString path = m_differences->item(row, 0)->text();
    QStringList& ignore = m_scenario.steps[std::size_t(i)].ignore;
    if (!ignore.contains(path))
        ignore.append(path);
    recompare(m_scenario, std::size_t(i), m_outcomes[std::size_t(i)]);
    setModified(true);
    showStepRow(i);
    showChosenStep();
    showSummary();
}

void ScenarioWindow::save() {
    saveScenario(m_scenario, m_file, m_keepFiles->isChecked());
    setModified(false);
    statusAnnouncements().fileSaved(m_file);
}

void ScenarioWindow::askToSaveChanges() {
    if (m_modified && dialogs().confirm(u"Salvar as alterações no cenário \"%1\"?"_s.arg(m_file)))
        save();
}

void ScenarioWindow::closeEvent(QCloseEvent* event) {
    if (m_running) {
        requestCancel();
        event->ignore();
        return;
    }
    guarded([this] { askToSaveChanges(); });
    QWidget::closeEvent(event);
}

void ScenarioWindow::setModified(bool modified) {
    m_modified = modified;
    m_save->setEnabled(modified && !m_running);
    setWindowTitle(
        u"Cenários — %1%2"_s.arg(QFileInfo(m_file).fileName(), modified ? u" *"_s : QString()));
}

void ScenarioWindow::setRunning(bool running) {
    m_running = running;
    for (QWidget* w : std::initializer_list<QWidget*>{m_runButton, m_noiseButton, m_noiseRuns,
                                                      m_accept, m_ignore})
        w->setEnabled(!running && !m_file.isEmpty());
    m_save->setEnabled(!running && m_modified);
    m_cancel->setEnabled(running);
}

void ScenarioWindow::showSteps() {
    const QSignalBlocker quiet(m_steps);
    m_steps->setRowCount(int(m_scenario.steps.size()));
    for (std::size_t i = 0; i < m_scenario.steps.size(); ++i) {
        m_steps->setItem(int(i), 0, new QTableWidgetItem(stepLabel(m_scenario, i)));
        m_steps->setItem(int(i), 1, new QTableWidgetItem(m_scenario.steps[i].path));
        m_steps->setItem(int(i), 2, new QTableWidgetItem());
        m_steps->setItem(int(i), 3, new QTableWidgetItem());
        if (i < m_outcomes.size())
            showStepRow(int(i));
    }
    fitColumns(m_steps);
    m_differences->setRowCount(0);
    m_expected->clear();
    m_obtained->clear();
}

void ScenarioWindow::showStepRow(int row) {
    const StepOutcome& out = m_outcomes[std::size_t(row)];
    QTableWidgetItem* verdict = m_steps->item(row, 2);
    verdict->setText(verdictName(out.verdict));
    verdict->setBackground(verdictColour(out.verdict));
    m_steps->item(row, 3)->setText(notesOf(out));
}

void ScenarioWindow::showChosenStep() {
    const int i = chosenStep();
    const QSignalBlocker quiet(m_differences);
    m_differences->setRowCount(0);
    if (i < 0)
        return;
    const StepOutcome& out = m_outcomes[std::size_t(i)];
    const ScenarioStep& step = m_scenario.steps[std::size_t(i)];
    m_main.exchange().setPanes(QString::fromUtf8(out.request),
                               out.verdict == Verdict::Error && out.body.isEmpty()
                                   ? out.error
                                   : answerDisplayText(out.body, out.contentType));
    const auto& differences = out.comparison.differences;
    m_differences->setRowCount(int(differences.size()));
    QStringList paths;
    for (std::size_t d = 0; d < differences.size(); ++d) {
        const Difference& diff = differences[d];
        paths.append(diff.path);
        const QStringList cells{diff.path, shortValue(diff.expected, 200),
                                shortValue(diff.actual, 200)};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            item->setBackground(kChangedLine);
            m_differences->setItem(int(d), c, item);
        }
    }
    fitColumns(m_differences);
    m_expectedLines = answerLines(step.expected);
    m_obtainedLines = answerLines(out.answer);
    m_expected->setPlainText(m_expectedLines.text);
    m_obtained->setPlainText(
        out.verdict == Verdict::Error && out.answer.status == 0 ? out.error : m_obtainedLines.text);
    markLines(m_expected, m_expectedLines, paths, QString());
    markLines(m_obtained, m_obtainedLines, paths, QString());
    if (!differences.empty())
        m_differences->setCurrentCell(0, 0);
    showDifference(m_differences->currentRow());
}

void ScenarioWindow::showDifference(int row) {
    QStringList paths;
    for (int r = 0; r < m_differences->rowCount(); ++r)
        paths.append(m_differences->item(r, 0)->text());
    const QString chosen = row >= 0 && row < paths.size() ? paths[row] : QString();
    markLines(m_expected, m_expectedLines, paths, chosen);
    markLines(m_obtained, m_obtainedLines, paths, chosen);
}

void openScenarioWindow(TfrmPrincipal& main) {
    const QString file =
        dialogs().openFile(u"Abrir cenário"_s, u"Cenários (*.json);;Todos os arquivos (*)"_s, {});
    if (file.isEmpty())
        return;
    auto* window = main.findChild<ScenarioWindow*>();
    if (!window)
        window = new ScenarioWindow(main);
    window->show();
    window->raise();
    window->open(file);
}
