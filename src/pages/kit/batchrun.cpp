#include "pages/kit/batchrun.h"

#include "common/filehelpers.h"
#include "exchange/envelope.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "tables/memtable.h"
#include "widgets/busywait.h"
#include "widgets/dbgrid.h"
#include "widgets/dialogs.h"
#include "widgets/exchangestatus.h"
#include "widgets/middlewareexchange.h"
#include "widgets/pageroutines.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLabel>
#include <QScopeGuard>
#include <QToolTip>
#include <QWidget>
#include <optional>

namespace kit {

namespace {
const QStringList kOutcome = {QStringLiteral("Situacao"), QStringLiteral("Request"),
                              QStringLiteral("Response")};

void setOutcomeWritable(MemTable& t, bool writable) {
    for (const QString& f : kOutcome)
        t.setReadOnly(f, !writable);
}

// Shows a cell's whole text as its tooltip (outcomes are long and the columns narrow).
class CellToolTip : public QObject {
public:
    explicit CellToolTip(QAbstractItemView* view) : QObject(view), m_view(view) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = m_view->indexAt(help->pos());
        const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else // a tooltip of megabytes would not help anyone
            QToolTip::showText(help->globalPos(), text.left(2000), m_view->viewport());
        return true;
    }

private:
    QAbstractItemView* m_view;
};
} // namespace

std::optional<QString> rangeRowCheck(MemTable& row) {
    const int first = row.asInteger(QStringLiteral("NumeroInicial"));
    const int last = row.asInteger(QStringLiteral("NumeroFinal"));
    if (last < first)
        return QStringLiteral(
                   "Número Inicial [%1]  não pode ser maior que o Número Final [%2] . Verifique!")
            .arg(first)
            .arg(last);
    if (first == 0 || last == 0)
        return QStringLiteral("Número da faixa não pode ser zero. Verifique!");
    return std::nullopt;
}

Control BatchRun::modeControl() const {
    const BatchRun self = *this;
    return radioGroup(modeGroup, QStringLiteral("Tipo"), modeItems, 0)
        .whenChanged([self](PageContext& page) { self.applyMode(page); });
}

Control BatchRun::gridBox() const {
    const BatchRun self = *this;
    const Action importAction{.exchange = Exchange::Custom,
                              .custom = [self](PageContext& page) { self.importFile(page); },
                              .uses = {table}};
    const Action clearAction{.exchange = Exchange::Custom,
                             .custom = [self](PageContext& page) { self.clear(page); },
                             .uses = {table}};
    return group(groupBox, groupCaption,
                 {
                     kit::grid(grid, table, navigator),
                     button(importButton, QStringLiteral("Importar arquivo"), importAction),
                     button(clearButton, QStringLiteral("Limpar grid"), clearAction),
                 });
}

bool BatchRun::batchMode(PageContext& page) const {
    return page.value(modeGroup).index == 1;
}

void BatchRun::showRowsInPanes(PageContext& page) const {
    auto* g = qobject_cast<DbGrid*>(page.widget(grid));
    if (!g || g->property("quorvaRowsInPanes").toBool())
        return;
    g->setProperty("quorvaRowsInPanes", true);
    g->viewport()->installEventFilter(new CellToolTip(g));
    MiddlewareExchange* exchange = &page.exchange();
    // Only the user's choice of a row: the grid follows the table's own moves silently. The
    // grid has already moved the table to the row chosen when this runs; a click on the row
    // already current shows it again.
    const auto show = [g, exchange] {
        MemTable& t = g->table();
        if (g->property("quorvaRunning").toBool() || t.eof())
            return;
        const QString sent = t.asString(QStringLiteral("Request"));
        const QString answer = t.asString(QStringLiteral("Response"));
        if (!sent.isEmpty() || !answer.isEmpty())
            exchange->setPanes(sent, answer);
    };
    QObject::connect(g->selectionModel(), &QItemSelectionModel::currentChanged, g, show);
    QObject::connect(g, &QAbstractItemView::clicked, g, show);
}

void BatchRun::applyMode(PageContext& page) const {
    showRowsInPanes(page);
    const bool batch = batchMode(page);
    page.setVisible(groupBox, batch);
    for (const QString& c : singleControls) {
        if (disableInsteadOfHide) {
            page.setEnabled(c, !batch);
        } else {
            page.setVisible(c, !batch);
            QWidget* field = page.widget(c);
            for (QLabel* label : field->parentWidget()->findChildren<QLabel*>())
                if (label->buddy() == field)
                    label->setVisible(!batch);
        }
    }
}

Action BatchRun::action(std::vector<Check> pageChecks, std::vector<Check> singleChecks,
                        Action single) const {
    const BatchRun self = *this;
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [self, pageChecks, singleChecks, single](PageContext& page) {
        page.exchange().conecta(false, TEnumConexaoMiddlewareTipoRetorno_Simples);
        for (const Check& check : pageChecks)
            if (auto message = check(page))
                throw CheckFailed(*message);
        if (self.batchMode(page)) {
            self.run(page);
            return;
        }
        Action s = single;
        s.checks.insert(s.checks.begin(), singleChecks.begin(), singleChecks.end());
        page.runAction(s);
    };
    a.uses = singleControls;
    a.uses << modeGroup << groupBox << table;
    for (const auto& checks : {pageChecks, singleChecks, single.checks})
        for (const Check& c : checks)
            a.uses << c.names;
    a.uses << single.dados.names << single.reading.names;
    return a;
}

namespace {

// The run's outcome in the status line; the grid scrolls to the first row that failed (the
// table's current row stays where the run left it).
void announceRun(PageContext& page, const BatchRun& run, int sent, int failed, int firstFailed) {
    QString text = QStringLiteral("%1 enviadas").arg(sent);
    if (failed > 0)
        text += QStringLiteral(" · %1 com ERRO (linha %2)").arg(failed).arg(firstFailed + 1);
    Q_EMIT statusAnnouncements().outcome(text, failed > 0);
    if (firstFailed < 0)
        return;
    if (auto* grid = qobject_cast<QAbstractItemView*>(page.widget(run.grid)))
        if (grid->model() && firstFailed < grid->model()->rowCount())
            grid->scrollTo(grid->model()->index(firstFailed, 0));
}

} // namespace

void BatchRun::run(PageContext& page) const {
    MemTable& t = page.table(table);
    t.postIfEditing();
    if (t.recordCount() == 0)
        throw CheckFailed(tableEmptyMessage);
    for (t.first(); !t.eof(); t.next())
        if (auto message = rowCheck(t))
            throw CheckFailed(*message);
    if (!page.dialogs().confirm(runConfirmation))
        return;
    page.exchange().setPanes(QString(), QString());
    // Outcomes of an earlier run never stand beside this run's.
    setOutcomeWritable(t, true);
    for (t.first(); !t.eof(); t.next())
        for (const QString& f : kOutcome)
            t.setValue(f, QString());
    t.post();
    showRowsInPanes(page);
    QWidget* gridWidget = page.widget(grid);
    gridWidget->setProperty("quorvaRunning", true);
    const auto running =
        qScopeGuard([gridWidget] { gridWidget->setProperty("quorvaRunning", false); });
    // One cancel flag for the whole run: a cancel during a row also ends the run.
    const CancelScope cancelScope;
    bool cancelled = false;
    int failed = 0;
    int sent = 0;
    int firstFailed = -1;
    std::optional<int> stoppedAt; // the row whose request failed, from 1
    QString stopReason;
    for (t.first(); !t.eof() && !cancelled && !stoppedAt; t.next()) {
        if (cancelRequested()) {
            cancelled = true; // between rows: this row and the rest stay unsent
            break;
        }
        QString envelopeText;
        QString answerText;
        QString outcome;
        try {
            json::JsonValue dados = rowDados ? rowDados(page, t) : page.keyedObject(rowKeys, &t);
            const json::JsonValue envelope = page.exchange().getJParam(std::move(dados));
            envelopeText = QString::fromStdString(json::toWireText(envelope));
            ExchangeOptions quiet;
            quiet.showInPanes = false;
            ++sent;
            const HttpAnswer answer =
                page.exchange().postWire(path, envelopeText.toStdString(), quiet);
            answerText = decodeAnswerText(answer.body, answer.contentType);
            // The answer is never parsed: without "err":false the row failed, and the run goes on.
            outcome = answerText.contains(QStringLiteral("\"err\":false")) ? QStringLiteral("OK")
                                                                           : QStringLiteral("ERRO");
        } catch (const ERequestCancelled& e) {
            answerText = e.message();
            outcome = QStringLiteral("ERRO");
            cancelled = true;
        } catch (const EConvertError&) {
            // A value of the page that does not convert stops the run before the row is sent.
            setOutcomeWritable(t, false);
            throw;
        } catch (const EHttpStatusError& e) {
            // The server's own account of the error follows its status line.
            answerText = e.message();
            const QString body = decodeAnswerText(e.answer().body, e.answer().contentType);
            if (!body.isEmpty())
                answerText += QStringLiteral("\r\n") + body;
            outcome = QStringLiteral("ERRO");
            stopReason = e.message();
            stoppedAt = t.recNo() + 1;
        } catch (const Exception& e) {
            // The request failed (or could not be made): the rows after this one are not sent.
            answerText = e.message();
            outcome = QStringLiteral("ERRO");
            stopReason = e.message();
            stoppedAt = t.recNo() + 1;
        }
        if (outcome != QLatin1String("OK")) {
            ++failed;
            if (firstFailed < 0)
                firstFailed = t.recNo();
        }
        t.setValue(QStringLiteral("Request"), envelopeText);
        t.setValue(QStringLiteral("Response"), answerText);
        t.setValue(QStringLiteral("Situacao"), outcome);
        t.post();
    }
    setOutcomeWritable(t, false);
    announceRun(page, *this, sent, failed, firstFailed);
    page.exchange().setPanes(QStringLiteral("*** VERIFIQUE NO GRID ***"),
                             QStringLiteral("*** VERIFIQUE NO GRID ***"));
    if (cancelled)
        throw ERequestCancelled();
    if (stoppedAt) {
        page.dialogs().message(
            QStringLiteral("A execução parou no registro %1, que terminou com ERRO: %2\n"
                           "%3 de %4 registro(s) foram enviados; os seguintes não foram "
                           "enviados. Verifique no grid.")
                .arg(*stoppedAt)
                .arg(stopReason)
                .arg(sent)
                .arg(t.recordCount()),
            Dialogs::Kind::Error);
        return;
    }
    if (failed > 0)
        page.dialogs().message(
            QStringLiteral("%1 de %2 registro(s) terminaram com ERRO. Verifique no grid.")
                .arg(failed)
                .arg(t.recordCount()),
            Dialogs::Kind::Warning);
}

void BatchRun::importFile(PageContext& page) const {
    const QString file = getFile(QString());
    if (file.isEmpty())
        return;
    MemTable& t = page.table(table);
    QStringList lines;
    try {
        lines = splitLines(readMarkedFile(file));
    } catch (const Exception& e) {
        throw Exception(QStringLiteral("Ocorreu um erro na leitura do arquivo: ") + e.message());
    }
    if (lines.isEmpty())
        return;
    t.postIfEditing();
    if (t.recordCount() > 0 && !page.dialogs().confirm(importConfirmation))
        return;
    t.removeAll();
    for (const QString& line : lines) {
        try {
            t.append();
            importLine(line, t);
            t.post();
        } catch (const Exception& e) {
            t.cancel();
            throw Exception(QStringLiteral("Ocorreu um erro na leitura do arquivo: ") +
                            e.message());
        }
    }
}

void BatchRun::clear(PageContext& page) const {
    MemTable& t = page.table(table);
    t.postIfEditing();
    if (t.recordCount() == 0 || !page.dialogs().confirm(clearConfirmation))
        return;
    t.removeAll();
}

} // namespace kit
