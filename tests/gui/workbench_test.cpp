// The workbench's comforts in the real window: the page finder, the remembered desk, Qt's
// Portuguese, the server address completed, the history with its curl command and evidence.
#include "exchange/scenariorun.h"
#include "harness.h"

#include "app/desksettings.h"
#include "app/exchangehistory.h"
#include "app/pagefinder.h"
#include "app/pagetree.h"
#include "app/qttranslation.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

#include <zip.h>

using namespace Qt::StringLiterals;

namespace {

class WorkbenchTest : public WindowTest {
protected:
    void trigger(const QString& actionName) {
        auto* a = window->findChild<QAction*>(actionName);
        ASSERT_NE(a, nullptr) << actionName.toStdString();
        a->trigger();
    }
    QStringList results() const {
        QStringList names;
        const QListWidget* list = window->finder()->results();
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->data(Qt::UserRole).toString();
        return names;
    }
};

QByteArray zipEntry(const QString& archive, const char* name) {
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(archive).constData(), ZIP_RDONLY, &error);
    if (!z)
        return {};
    QByteArray bytes;
    zip_stat_t st;
    if (zip_stat(z, name, 0, &st) == 0) {
        bytes.resize(qsizetype(st.size));
        zip_file_t* f = zip_fopen(z, name, 0);
        zip_fread(f, bytes.data(), st.size);
        zip_fclose(f);
    }
    zip_close(z);
    return bytes;
}

} // namespace

TEST_F(WorkbenchTest, FinderMatchesPageNamesServicePathsAndCaptionsAndJumps) {
    trigger(u"ac_LocalizarPagina"_s);
    PageFinder* finder = window->finder();
    ASSERT_TRUE(finder->isVisible());
    QLineEdit* field = finder->field();

    const struct {
        const char* query;
        const char* first; // the page listed first
    } cases[] = {
        {"InutilizaSEFAZ", "ts_InutilizaSEFAZ"},
        {"tnfeapi/inutilizasefaz", "ts_InutilizaSEFAZ"},                   // service path, any case
        {"AutenticaCFeSATArqNF", "ts_AutenticaArqNFSAT"},                  // the tab's caption
        {"inutiliza cte", "ts_InutilizaCTe"},                              // every word, anywhere
        {"Consulta Modelos/Impressoras", "ts_ImprimeOrdemDeSeparacaoDAV"}, // a button's caption
        {"ReducaoZ Transmissao", "ts_TransmissaoFiscoReducaoZ"},           // inside the Bloco X set
        {"ts_GenericAPI", "tsGenericAPI"}, // a group that is a page, found by its caption
    };
    for (const auto& c : cases) {
        field->setText(QString::fromUtf8(c.query));
        const QStringList found = results();
        ASSERT_FALSE(found.isEmpty()) << c.query;
        EXPECT_EQ(found.first().toStdString(), c.first) << c.query;
    }
    field->setText(u"nenhuma página tem este nome"_s);
    EXPECT_TRUE(results().isEmpty());
    QTest::keyClick(field, Qt::Key_Return); // nothing to jump to
    EXPECT_EQ(currentPageName(*window), u"ts_ConectaMiddleware"_s);

    // Enter shows the chosen page; the arrow keys choose.
    field->setText(u"inutiliza"_s);
    const QStringList found = results();
    ASSERT_GE(found.size(), 2);
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(finder->isVisible());
    EXPECT_EQ(currentPageName(*window), found[1]);
    EXPECT_TRUE(window->isBuilt(found[1]));
}

// The user's words: what a page does, in Portuguese, with any case and accents, finds it first.
TEST(PageFinderWords, PortugueseQueriesFindThePageThatDoesIt) {
    const std::vector<FinderEntry> entries = finderEntries(pageTree());
    const struct {
        const char* query;
        const char* first;
    } cases[] = {
        {"autoriza", "ts_AutenticaArqNF"},            // a stem of the first description word
        {"autorizar nfe sefaz", "ts_AutenticaSEFAZ"}, // "NF-e" without its hyphen
        {"AUTORIZAÇÃO cte", "ts_AutenticaCTe"},
        {"boleto", "ts_GeraBoleto"},
        {"BOLETO bancário", "ts_GeraBoleto"},
        {"cancelar nota", "ts_CancelarNFe"},
        {"inutilizar", "ts_InutilizaSEFAZ"},
        {"inutilização ct-e", "ts_InutilizaCTe"},
        {"DANFE", "ts_ImprimeDANFE"},
        {"danfe nfce", "ts_imprimeDANFENFCe"},
        {"carta de correção", "ts_CartaCorrecao"},
        {"manifestação", "ts_ManifestarNFe"},
        {"certificado digital", "ts_Certificado"},
        {"encerrar mdfe", "TabSheet6"},
        {"troco", "ts_SetvTroco"},
        {"NUMERONOTA", "ts_CadastraXML"},    // a key of Dados: the first page that sends it
        {"justificativa", "ts_CancelarNFe"}, // a field's label
    };
    for (const auto& c : cases) {
        const auto found = findPages(entries, QString::fromUtf8(c.query));
        ASSERT_FALSE(found.empty()) << c.query;
        EXPECT_EQ(found.front()->objectName.toStdString(), c.first) << c.query;
    }
}

// The index is built when the finder first opens, not with the window; the list is as wide as
// its longest entry, without a horizontal scroll bar; Escape closes it.
TEST_F(WorkbenchTest, FinderIndexesOnFirstUseShowsWholeEntriesAndClosesOnEscape) {
    PageFinder* finder = window->finder();
    EXPECT_FALSE(finder->indexed());
    trigger(u"ac_LocalizarPagina"_s);
    EXPECT_TRUE(finder->indexed());
    finder->field()->setText(u"nota"_s);
    const QListWidget* list = finder->results();
    ASSERT_GT(list->count(), 0);
    const QFontMetrics metrics(list->font());
    int longest = 0;
    for (int i = 0; i < list->count(); ++i)
        for (const QString& line : list->item(i)->text().split(u'\n'))
            longest = qMax(longest, metrics.horizontalAdvance(line));
    EXPECT_GE(list->viewport()->width(), longest) << "a match hides behind the right edge";
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QTest::keyClick(finder->field(), Qt::Key_Escape);
    EXPECT_FALSE(finder->isVisible());
}

TEST_F(WorkbenchTest, DeskIsRememberedThroughTheSettingsFile) {
    const QString ini = workDir.filePath(u"mesa.ini"_s);
    {
        const DeskSettings firstRun(ini); // nothing stored yet: the window keeps its defaults
        firstRun.restoreFrame(*window);
        firstRun.restoreDesk(*window);
        EXPECT_EQ(text(u"ed_EnderecoWS"_s), sim.baseUrl());
        EXPECT_EQ(text(u"ed_CodigoEmpresa"_s), u"0"_s);
        EXPECT_EQ(currentPageName(*window), u"ts_ConectaMiddleware"_s);
        EXPECT_EQ(window->exchange().maxAnswerBytes(),
                  MiddlewareHttpClient::kDefaultMaxAnswerBytes);
        EXPECT_EQ(firstRun.historyLimits().maxAgeDays, 30);
    }
    EXPECT_FALSE(QFile::exists(ini)) << "a start-up writes nothing: the window shows at once";
    window->resize(1000, 760);
    auto* splitter = window->findChild<QSplitter*>(u"Splitter1"_s);
    splitter->setSizes({500, 200});
    const QList<int> sizes = splitter->sizes();
    auto* panes = window->findChild<QSplitter*>(u"sp_Paineis"_s);
    ASSERT_NE(panes, nullptr);
    panes->setSizes({600, 300});
    const QList<int> paneSizes = panes->sizes();
    setText(u"ed_EnderecoWS"_s, u"http://10.0.0.5:9090/datasnap/rest/"_s);
    setText(u"ed_CodigoEmpresa"_s, u"7"_s);
    ASSERT_TRUE(window->selectPage(u"ts_InutilizaCTe"_s));
    window->exchange().setMaxAnswerBytes(4096);
    DeskSettings(ini).save(*window);
    // The history's limits are in the file with their values, for the user to find and change.
    const QSettings written(ini, QSettings::IniFormat);
    EXPECT_EQ(written.value(u"historico/maxDias"_s).toInt(), 30);
    EXPECT_EQ(written.value(u"historico/maxMiB"_s).toInt(), 1024);

    TfrmPrincipal next(*dm);
    const DeskSettings desk(ini);
    desk.restoreFrame(next);
    next.show();
    desk.restoreDesk(next);
    EXPECT_EQ(qobject_cast<QLineEdit*>(next.findControl(u"ed_EnderecoWS"_s))->text(),
              u"http://10.0.0.5:9090/datasnap/rest/"_s);
    EXPECT_EQ(qobject_cast<QLineEdit*>(next.findControl(u"ed_CodigoEmpresa"_s))->text(), u"7"_s);
    EXPECT_EQ(currentPageName(next), u"ts_InutilizaCTe"_s);
    EXPECT_EQ(next.exchange().maxAnswerBytes(), 4096);
    EXPECT_EQ(next.size(), QSize(1000, 760));
    EXPECT_EQ(next.findChild<QSplitter*>(u"Splitter1"_s)->sizes(), sizes);
    EXPECT_EQ(next.findChild<QSplitter*>(u"sp_Paineis"_s)->sizes(), paneSizes);
}

TEST(QtTranslation, StandardButtonsReadInPortuguese) {
    QTranslator* translation = installQtTranslation(*qApp);
    if (!translation)
        GTEST_SKIP() << "Qt's pt_BR translation is not installed (qt6-translations-l10n)";
    const QDialogButtonBox box(QDialogButtonBox::Yes | QDialogButtonBox::No);
    EXPECT_EQ(box.button(QDialogButtonBox::Yes)->text().remove(u'&'), u"Sim"_s);
    EXPECT_EQ(box.button(QDialogButtonBox::No)->text().remove(u'&'), u"Não"_s);
    delete translation; // uninstalls it
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Yes).buttons().first()->text().remove(u'&'),
              u"Yes"_s);
}

TEST_F(WorkbenchTest, ServerAddressWithoutItsFinalSlashIsCompletedAndTheUserToldOnce) {
    auto* address = find<QLineEdit>(u"ed_EnderecoWS"_s);
    for (int time = 0; time < 2; ++time) {
        address->setText(sim.baseUrl().chopped(1));
        Q_EMIT address->editingFinished();
        EXPECT_EQ(address->text(), sim.baseUrl());
    }
    expectMessage(u"barra final"_s); // once only
    click(u"bt_TestarSobre"_s);
    ASSERT_FALSE(received().empty());
    EXPECT_EQ(received().back().path, "TConexaoAPI/Sobre");
}

// Without its protocol the address is left as typed: the first press names what is missing and
// sends nothing.
TEST_F(WorkbenchTest, ServerAddressWithoutItsProtocolIsRefusedOnTheFirstPress) {
    auto* address = find<QLineEdit>(u"ed_EnderecoWS"_s);
    QString bare = sim.baseUrl().chopped(1);
    bare.remove(u"http://"_s);
    address->setText(bare);
    Q_EMIT address->editingFinished();
    EXPECT_EQ(address->text(), bare);
    click(u"bt_TestarSobre"_s);
    expectMessage(u"Informe o protocolo (http:// ou https://)"_s);
    EXPECT_TRUE(received().empty());
}

TEST_F(WorkbenchTest, RefusedConnectionKeepsTheSystemTextAndNamesTheAddress) {
    const QString url = sim.baseUrl() + u"TConexaoAPI/Sobre"_s;
    setText(u"ed_Id"_s, u"1"_s);
    sim.stop();
    click(u"bt_TestarSobre"_s);
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.startsWith(u"Socket Error # 10061\r\nConnection refused"_s))
        << seen()[0].text.toStdString();
    EXPECT_TRUE(seen()[0].text.contains(u"\r\n"_s + url + u"\r\n"_s))
        << seen()[0].text.toStdString();
    EXPECT_EQ(window->history()->entries().front().record.failure, seen()[0].text);
}

TEST_F(WorkbenchTest, FileErrorNamesTheFieldByItsLabel) {
    setText(u"ed_XMLAutenticaSEFAZ"_s, QString());
    click(u"bt_TestarAutenticaSEFAZ"_s);
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.startsWith(u"Cannot open file"_s)); // the system's text first
    EXPECT_TRUE(seen()[0].text.endsWith(u"\nInforme o arquivo do campo XML."_s))
        << seen()[0].text.toStdString();
    // A path that names no file: the field follows the system's text.
    setText(u"ed_XMLAutenticaSEFAZ"_s, workDir.filePath(u"nada.xml"_s));
    click(u"bt_TestarAutenticaSEFAZ"_s);
    ASSERT_EQ(seen().size(), 2u);
    EXPECT_TRUE(seen()[1].text.endsWith(u"\nCampo: XML"_s)) << seen()[1].text.toStdString();
}

TEST_F(WorkbenchTest, HistoryButtonsReportAFileThatCannotBeWritten) {
    click(u"bt_Conecta2"_s);
    click(u"bt_TestarSobre"_s);
    const QString nowhere = workDir.filePath(u"pasta-que-nao-existe/arquivo"_s);
    for (const QString& name :
         {u"bt_HistoricoEvidencia"_s, u"bt_HistoricoSalvar"_s, u"bt_HistoricoCenario"_s}) {
        SCOPED_TRACE(name.toStdString());
        recorded->fileAnswers.push_back(nowhere);
        click(name);
        expectMessage(u"pasta-que-nao-existe"_s);
    }
}

TEST_F(WorkbenchTest, HistoryShowsEachExchangeAndGivesItsCurlCommandAndEvidence) {
    click(u"bt_Conecta2"_s);
    const QString sessionRequest = paneText(u"mm_Request"_s);
    const QString sessionAnswer = paneText(u"mm_Response"_s);
    click(u"bt_TestarSobre"_s);
    ASSERT_EQ(received().size(), 2u);

    ExchangeHistory* history = window->history();
    QTableWidget* list = history->list();
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->item(0, 1)->text(), u"TConexaoAPI/Sobre"_s); // latest first
    EXPECT_EQ(list->item(0, 2)->text(), u"200"_s);
    EXPECT_EQ(history->entries().front().page, u"ts_Sobre"_s);

    // Choosing the earlier one shows what went out and came back then.
    list->selectRow(1);
    EXPECT_EQ(paneText(u"mm_Request"_s), sessionRequest);
    EXPECT_EQ(paneText(u"mm_Response"_s), sessionAnswer);

    trigger(u"ac_CopiarCurl"_s);
    const QString command = QGuiApplication::clipboard()->text();
    EXPECT_TRUE(command.startsWith(u"printf '%s' '{"_s)) << command.toStdString();
    EXPECT_TRUE(command.contains(u"--user 'quorva:908070'"_s)) << command.toStdString();
    EXPECT_TRUE(command.endsWith(u"'"_s + sim.baseUrl() + u"TConexaoAPI/ConectaMiddleware'"_s))
        << command.toStdString();

    const QString evidence = workDir.filePath(u"evidencia.zip"_s);
    recorded->fileAnswers.push_back(evidence);
    trigger(u"ac_SalvarEvidencia"_s);
    expectMessage(u"Evidência gravada em "_s + evidence);
    const QByteArray summary = zipEntry(evidence, "resumo.txt");
    EXPECT_TRUE(summary.contains("TConexaoAPI/ConectaMiddleware")) << summary.constData();
    EXPECT_EQ(zipEntry(evidence, "requisicao.txt"), QByteArray::fromStdString(received()[0].body));
    EXPECT_EQ(zipEntry(evidence, "resposta.txt"), history->entries().back().record.answer);

    // A file written after the latest exchange (as its reading would) goes with that one.
    fixture(u"Arquivos/retorno.pdf"_s, "%PDF");
    list->selectRow(0);
    const QString latest = workDir.filePath(u"evidencia-sobre.zip"_s);
    recorded->fileAnswers.push_back(latest);
    trigger(u"ac_SalvarEvidencia"_s);
    expectMessage(u"arquivos/retorno.pdf"_s);
    EXPECT_EQ(zipEntry(latest, "arquivos/retorno.pdf"), QByteArray("%PDF"));
    EXPECT_TRUE(zipEntry(evidence, "arquivos/retorno.pdf").isEmpty());

    // Both exchanges as a scenario, the session first; replayed, every step is equal.
    list->clearSelection();
    list->selectionModel()->select(list->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(1, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString scenarioFile = workDir.filePath(u"cenario.json"_s);
    recorded->fileAnswers.push_back(scenarioFile);
    click(u"bt_HistoricoCenario"_s);
    Scenario scenario = loadScenario(scenarioFile);
    ASSERT_EQ(scenario.steps.size(), 2u);
    EXPECT_EQ(scenario.steps[0].path, u"TConexaoAPI/ConectaMiddleware"_s);
    EXPECT_EQ(scenario.steps[1].page, u"ts_Sobre"_s);
    EXPECT_EQ(scenario.steps[1].travel, Travel::Envelope);
    // The session number and the time stamp change on every call.
    scenario.ignore = {u"result.conteudo.date"_s, u"result.SessaoID"_s};
    ReplayTarget target;
    target.baseUrl = sim.baseUrl();
    ScenarioReplay replay(scenario, target);
    while (replay.hasNext()) {
        const StepOutcome out = replay.runNext();
        EXPECT_EQ(out.verdict, Verdict::Equal)
            << out.error.toStdString()
            << (out.comparison.differences.empty()
                    ? std::string()
                    : out.comparison.differences[0].path.toStdString());
    }

    // A refusal by the middleware reads as such, with its status.
    ExchangeRecord refused;
    refused.servicePath = u"TNFeAPI/InutilizaSEFAZ"_s;
    refused.status = 200;
    refused.rejected = true;
    history->add(refused, u"ts_InutilizaSEFAZ"_s);
    EXPECT_EQ(list->item(0, 2)->text(), u"Rejeitada (200)"_s);

    // Only the latest are kept: so many of them, and so many bytes.
    ExchangeRecord small;
    small.servicePath = u"TNFeAPI/SATAtivo"_s;
    small.answer = "{}";
    for (std::size_t i = 0; i < ExchangeHistory::kKept + 3; ++i)
        history->add(small, u"ts_SATAtivo"_s);
    EXPECT_EQ(history->entries().size(), ExchangeHistory::kKept);
    EXPECT_EQ(std::size_t(list->rowCount()), ExchangeHistory::kKept);
    ExchangeRecord large = small;
    large.answer = QByteArray(qsizetype(ExchangeHistory::kKeptBytes), 'x');
    history->add(large, u"ts_SATAtivo"_s);
    history->add(small, u"ts_SATAtivo"_s);
    EXPECT_EQ(history->entries().size(), 1u);
    EXPECT_EQ(list->rowCount(), 1);
}

// "Exportar catálogo…" writes every page with its description, services, travel, keys and kinds.
TEST_F(WorkbenchTest, CatalogueIsExportedAsMarkdown) {
    const QString file = workDir.filePath(u"catalogo.md"_s);
    recorded->fileAnswers.push_back(file);
    trigger(u"ac_ExportarCatalogo"_s);
    expectMessage(u"Catálogo gravado em "_s + file);
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QString md = QString::fromUtf8(in.readAll());
    for (const char* part :
         {"### ts_CancelarNFe", "Cancela uma nota NF-e ou NFC-e autorizada",
          "- `TNFeAPI/CancelarNFe` (botão “Testar”): envelope, com verificação de sessão",
          "| `NUMERONOTA` | Número (campo de texto, `ed_NumeroCancelarNFe`) | inteiro;",
          "Página `tsGenericAPI`.", "Dados puro (sem envelope), sem credenciais"})
        EXPECT_TRUE(md.contains(QString::fromUtf8(part))) << part;
    // Every page of the tree is there.
    for (const FinderEntry& e : finderEntries(pageTree()))
        EXPECT_TRUE(md.contains(e.description)) << e.objectName.toStdString();
}
