#include "harness.h"

#include "common/filehelpers.h"
#include "common/regional.h"
#include "pages/registry.h"
#include "simhelpers.h"
#include "tables/memtable.h"
#include "tables/memtablemodel.h"
#include "widgets/dbgrid.h"
#include "widgets/textpane.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

#include <functional>

namespace {

struct PafCase {
    const char* button;
    std::vector<std::pair<const char*, QString>> edits;
    const char* path;
    std::string dados;
    std::function<void()> prepare = {};
};

// The bytes of the one file a ZIP archive holds, with the entry's name.
std::pair<QString, QByteArray> unzipOne(const QByteArray& zip) {
    const QTemporaryDir work;
    const QString archive = QDir(work.path()).filePath(QStringLiteral("a.zip"));
    QFile out(archive);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(zip);
    out.close();
    const QString folder = QDir(work.path()).filePath(QStringLiteral("x"));
    DescompactFile(archive, folder);
    const QStringList names = QDir(folder).entryList(QDir::Files);
    EXPECT_EQ(names.size(), 1);
    return names.isEmpty() ? std::pair<QString, QByteArray>()
                           : std::pair{names[0], readFileBytes(QDir(folder).filePath(names[0]))};
}

} // namespace

class PafPagesTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    void run(const PafCase& c) {
        sim.clearReceived();
        seen().clear();
        if (c.prepare)
            c.prepare();
        for (const auto& [field, value] : c.edits)
            setText(QString::fromLatin1(field), value);
        click(QString::fromLatin1(c.button));
    }
    MemTable& table(const char* name) { return dm->table(QString::fromLatin1(name)); }
    QComboBox* combo(const char* name) { return find<QComboBox>(QString::fromLatin1(name)); }
    void setChecked(const char* name, bool on) {
        find<QCheckBox>(QString::fromLatin1(name))->setChecked(on);
    }
};

TEST_F(PafPagesTest, EachPageSendsItsDataValueInKeyOrder) {
    const std::
        vector<PafCase>
            cases =
                {
                    {"bt_TPAFPerfilConsultarPerfilEstado",
                     {},
                     "TPAFAPI/ConsultarPerfilEstado",
                     R"({"Funcionalidade":"","Estado":"AC"})"},
                    {"bt_TPAFPerfilConsultarPerfilEstado",
                     {},
                     "TPAFAPI/ConsultarPerfilEstado",
                     R"({"Funcionalidade":"GERAR_FISCO_ESTOQUE","Estado":"SP"})",
                     [this] {
                         combo("ed_TPAFPerfilFuncionalidade")->setCurrentIndex(12);
                         combo("ed_TPAFPerfilEstado")->setCurrentIndex(24);
                     }},
                    {"bt_TPAFPerfilConsultarPerfilEstado",
                     {},
                     "TPAFAPI/ConsultarPerfilEstado",
                     R"({"Funcionalidade":"EXIGEPAF","Estado":"XX"})",
                     [this] {
                         combo("ed_TPAFPerfilFuncionalidade")->setCurrentIndex(1);
                         combo("ed_TPAFPerfilEstado")->setEditText(QStringLiteral("XX"));
                     }},
                    {"bt_TPAFPerfilDocWiki", {}, "TPAFAPI/GeraTabelaPerfilUFWiki", "{}"},
                    {"bt_TPAFBlocoZTestar",
                     {{"ed_TPAFBlocoZCNPJCPF", QStringLiteral("12345678909")}},
                     "TPAFAPI/VendasIdentificadas",
                     R"({"Filial":"001","NomePAFECF":"Quorva POS","VersaoPAFECF":"X1","NumeroLaudo":"3201700012345","Mes":"04","Ano":"2017","Documento":"12345678909","ArquivoCompactado":true})"},
                    // "Todos" is chosen at start: no type.
                    {"bt_TPAFDAVEmitidos",
                     {},
                     "TPAFAPI/DAVEmitidos",
                     R"({"Filial":"001","Tipo":"","NumeroColunas":48,"DataInicial":"03\/05\/2017 17:14:31","DataFinal":"03\/05\/2017 17:14:31","ArquivoCompactado":true})"},
                    {"bt_TPAFDAVEmitidos",
                     {},
                     "TPAFAPI/DAVEmitidos",
                     R"({"Filial":"001","Tipo":"S","NumeroColunas":-3,"DataInicial":"03\/05\/2017 17:14:31","DataFinal":"31\/01\/2024 17:14:31","ArquivoCompactado":false})",
                     [this] {
                         combo("ed_TPAFDAVEmitidosTipoPedido")->setCurrentIndex(1);
                         // A new date keeps the preset's time of day.
                         find<QDateTimeEdit>(QStringLiteral("ed_TPAFDAVEmitidosDataFinal"))
                             ->setDate(QDate(2024, 1, 31));
                         find<QSpinBox>(QStringLiteral("ed_TPAFDAVEmitidosNumeroColunas"))
                             ->setValue(-3);
                         setChecked("ed_TPAFDAVEmitidosComprimirRetorno", false);
                     }},
                    // The list shows "DAV" but no entry is chosen until the user picks one.
                    {"bt_TPAFImprimeDAV",
                     {},
                     "TPAFAPI/ImprimeDAV",
                     R"({"Filial":"001","Tipo":"","NumeroPedido":"00000001","ArquivoCompactado":true})"},
                    {"bt_TPAFImprimeDAV",
                     {},
                     "TPAFAPI/ImprimeDAV",
                     R"({"Filial":"001","Tipo":"O","NumeroPedido":"00000001","ArquivoCompactado":true})",
                     [this] { combo("ed_TPAFImprimeDAVTipoPedido")->setCurrentIndex(0); }},
                    {"bt_TPAFParametrosConfiguracao",
                     {},
                     "TPAFAPI/ParametrosConfiguracao",
                     R"({"Filial":"001","ArquivoCompactado":true})"},
                    {"bt_TPAFTabelaIndiceTecnicoProducao",
                     {},
                     "TPAFAPI/TabelaIndiceTecnicoProducao",
                     R"({"ArquivoCompactado":true})"},
                    // The grids' arrays are present even when empty.
                    {"bt_TPAFIdentificacaoPAFECF",
                     {},
                     "TPAFAPI/IdentificacaoPAFECF",
                     R"({"Filial":"001","NomeAplicativo":"Quorva POS","VersaoAplicativo":"X1","NomePrincipalExecutavel":"POS.jnp","MD5PrincipalExecutavel":"9E107D9D372BB6826BD81D3542A419D6","NumeroLaudo":"123456789","DataLaudo":"03\/05\/2017 17:14:31","NomeArquivoAutenticacao":"MD5.txt","MD5ArquivoAutenticacao":"123456789","ListaArquivo":[],"ListaNumeroSerie":[],"NumeroColunas":48,"ArquivoCompactado":true})"},
                    {"bt_TPAFIdentificacaoPAFECF",
                     {},
                     "TPAFAPI/IdentificacaoPAFECF",
                     R"({"Filial":"001","NomeAplicativo":"Quorva POS","VersaoAplicativo":"X1","NomePrincipalExecutavel":"POS.jnp","MD5PrincipalExecutavel":"9E107D9D372BB6826BD81D3542A419D6","NumeroLaudo":"123456789","DataLaudo":"03\/05\/2017 17:14:31","NomeArquivoAutenticacao":"MD5.txt","MD5ArquivoAutenticacao":"123456789","ListaArquivo":[{"Nome":"POS.jnp","MD5":"ABC"},{"Nome":"lib.dll","MD5":""}],"ListaNumeroSerie":[{"NumeroFabricacao":"BE0123456789"}],"NumeroColunas":48,"ArquivoCompactado":true})",
                     [this] {
                         MemTable& arquivos = table("vt_ListaArquivosPAFECF");
                         for (const auto& [nome, md5] :
                              {std::pair{"POS.jnp", "ABC"}, {"lib.dll", ""}}) {
                             arquivos.append();
                             arquivos.setValue(QStringLiteral("Nome"), QString::fromLatin1(nome));
                             arquivos.setValue(QStringLiteral("MD5"), QString::fromLatin1(md5));
                             arquivos.post();
                         }
                         MemTable& ecfs = table("vt_ListaECFPAFECF");
                         ecfs.append();
                         ecfs.setValue(QStringLiteral("NumeroFabricacao"),
                                       QStringLiteral("BE0123456789"));
                         ecfs.post();
                     }},
                    // The main executable's name is the identification page's.
                    {"bt_TPAFRegistrosPAFECF",
                     {{"ed_TPAFIdentificacaoPAFECFNomePrincipalExecutavel",
                       QStringLiteral("OUTRO.jnp")}},
                     "TPAFAPI/RegistrosPAFECF",
                     R"({"Filial":"001","NumeroECF":"001","DataInicial":"12\/05\/2017 10:17:16","DataFinal":"12\/05\/2017 10:17:08","ReducaoZ":false,"NomeAplicativo":"Quorva POS","VersaoAplicativo":"X1","NomePrincipalExecutavel":"OUTRO.jnp","MD5ArquivoAutenticacao":"9E107D9D372BB6826BD81D3542A419D6","GeraBlocoP":false,"GeraBlocoE":false,"EvidenciaTabelasDAV":false,"ListaProdutos":[],"ListaOrcamentos":[],"ArquivoCompactado":true})"},
                    // "Dia" travels before the month and the year.
                    {"bt_TestarGeraArquivoRequisicaoExterna",
                     {{"ed_GeraArquivoRequisicaoExternaDia", QStringLiteral("31")}},
                     "TPAFAPI/GeraArquivoRequisicaoExterna",
                     R"({"Filial":"001","NomePAFECF":"Quorva POS","VersaoPAFECF":"X1","NumeroLaudo":"3201700012345","Dia":"31","Mes":"02","Ano":"2019","ArquivoCompactado":true})"},
                    {"bt_TestarArquivosPAFECF", {}, "TPafLocalAPI/ArquivosPAFECF", R"({"LaudoPaf":"123456","NomeAplicativoPaf":"QUORVA POS","VersaoAplicativoPaf":"X2","CaminhoCompletoArquivo":"c:\\temp\\md5paf_ead.txt","ListaDiretorios":[{"Diretorio":"C:\\Pelvane\\"},{"Diretorio":"C:\\Pelvane\\apache-tomcat\\bin\\"},{"Diretorio":"C:\\Pelvane\\apache-tomcat\\lib\\"},{"Diretorio":"C:\\Pelvane\\apache-tomcat\\webapps\\"},{"Diretorio":"C:\\Pelvane\\Balanca\\Filizola\\"},{"Diretorio":"C:\\Pelvane\\CliSiTEF\\"},{"Diretorio":"C:\\Pelvane\\firefox\\"},{"Diretorio":"C:\\Pelvane\\JRE\\bin\\"},{"Diretorio":"C:\\Pelvane\\Middleware\\"},{"Diretorio":"C:\\Pelvane\\teste\\"}],"ListaExtensoes":[{"Extensao":".war"},{"Extensao":".exe"},{"Extensao":".dll"},{"Extensao":".jar"}]})"},
                    // An empty last line is an empty directory.
                    {"bt_TestarArquivosPAFECF",
                     {},
                     "TPafLocalAPI/ArquivosPAFECF",
                     R"({"LaudoPaf":"123456","NomeAplicativoPaf":"QUORVA POS","VersaoAplicativoPaf":"X2","CaminhoCompletoArquivo":"c:\\temp\\md5paf_ead.txt","ListaDiretorios":[{"Diretorio":"D:\\A\\"},{"Diretorio":""}],"ListaExtensoes":[{"Extensao":".exe"}]})",
                     [this] {
                         find<QPlainTextEdit>(QStringLiteral("mm_ListaDiretoriosArquivosPAFECF"))
                             ->setPlainText(QStringLiteral("D:\\A\\\n\n"));
                         find<QPlainTextEdit>(QStringLiteral("mm_ListaExtensoesArquivosPAFECF"))
                             ->setPlainText(QStringLiteral(".exe"));
                     }},
                };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        run(c);
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        ASSERT_EQ(received().size(), 1u);
        EXPECT_EQ(received()[0].path, c.path);
        EXPECT_EQ(lastDados(), c.dados);
    }
}

// Two DAVs, each with its own items and changes, a third without any, and a product: the
// request is compared whole.
TEST_F(PafPagesTest, RecordsCarryEachDavWithOnlyItsOwnItemsAndChanges) {
    MemTable& produtos = table("vt_ListaProdutoPAFECF");
    produtos.append();
    produtos.setValue(QStringLiteral("FILMAT"), QStringLiteral("001"));
    produtos.setValue(QStringLiteral("CODMAT"), QStringLiteral("00001"));
    produtos.setValue(QStringLiteral("CODCOR"), 0);
    produtos.setValue(QStringLiteral("CODTAM"), 2);
    produtos.post();

    MemTable& davs = table("vt_DAVEmitidos");
    MemTable& itens = table("vt_DAVEmitidosItens");
    MemTable& alteracoes = table("vt_DAVEmitidosAlteracoes");
    const QDateTime when = regional::makeDateTime(2017, 5, 12, 9, 30, 0);
    auto addDav = [&](const char* numero, int itemCount, int changeCount) {
        davs.append();
        davs.setValue(QStringLiteral("NumeroDAV"), QString::fromLatin1(numero));
        davs.setValue(QStringLiteral("DataPedido"), when);
        davs.setValue(QStringLiteral("TipoPessoa"), 1);
        davs.setValue(QStringLiteral("FilialECF"), QStringLiteral("001"));
        davs.setValue(QStringLiteral("NumeroECF"), QStringLiteral("002"));
        davs.post();
        for (int i = 0; i < itemCount; ++i) {
            itens.append();
            itens.setValue(QStringLiteral("vUnitario"), 10.5 * (i + 1));
            itens.post();
        }
        for (int i = 0; i < changeCount; ++i) {
            alteracoes.append();
            alteracoes.setValue(QStringLiteral("Data"), when);
            alteracoes.setValue(QStringLiteral("Cancelado"), i == 1);
            alteracoes.post();
        }
    };
    addDav("00000011", 2, 1);
    addDav("00000022", 1, 2);
    addDav("00000033", 0, 0);
    run({"bt_TPAFRegistrosPAFECF", {}, "", ""});
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();

    const auto item = [](int n, const char* unitario) {
        return std::string(R"({"NumeroItem":)") + std::to_string(n) +
               R"(,"ProdutoServico":{"CodigoFiscal":"10102020","Desmat":"Produto Teste","TipoTributacao":"0","CodFps":"00","PerIcm":18,"Medida":{"UniMed":"UN"}},"QtdItem":1,"vUnitario":)" +
               unitario +
               R"(,"vDesconto":10,"vAcrescimo":100,"vTotalSemDesc":100,"SituacaoItemOrcamentoPAF":"A","CasasDecimaisQuantidade":4,"CasasDecimaisValor":2,"RegistroValido":true})";
    };
    const auto alteracao = [](int n, bool cancelado) {
        return std::string(R"({"NumeroItem":)") + std::to_string(n) +
               R"(,"Data":"12\/05\/2017 09:30:00","TipoLog":"A","ProdutoServico":{"CodigoFiscal":"10102020","Desmat":"Produto Teste","TipoTributacao":"0","CodFps":"00","PerIcm":18,"Medida":{"UniMed":"UN"}},"Quantidade":1,"ValorUnitario":110,"ValorDesconto":10,"ValorAcrescimo":100,"ValorTotal":100,"Cancelado":)" +
               (cancelado ? "true" : "false") +
               R"(,"CasasDecimaisQuantidade":4,"CasasDecimaisValor":2,"RegistroValido":true})";
    };
    const auto dav = [](const char* numero, const std::string& itemsJson,
                        const std::string& changesJson) {
        return std::string(R"({"Filial":"001","TipoPedido":"O","NumeroDAV":")") + numero +
               R"(","DataPedido":"12\/05\/2017 09:30:00","Cliente":{"RazaoSocial":"CLIENTE CONSUMIDOR","NomeFantasia":"","Documento":"","TipoPessoa":"1"},"ECFImpressao":{"Filial":"001","Numero":"002","NumeroFabricacao":"","Modelo":"","Marca":"","Tipo":"","MFAdicional":""},"COOImpressaoDAV":"","ValorTotal":100,"COOVendaDAV":"","NumeroECFVendaDAV":"","RegistroValido":true,"Itens":[)" +
               itemsJson + R"(],"Alteracoes":[)" + changesJson + "]}";
    };
    const std::string expected =
        R"({"Filial":"001","NumeroECF":"001","DataInicial":"12\/05\/2017 10:17:16","DataFinal":"12\/05\/2017 10:17:08","ReducaoZ":false,"NomeAplicativo":"Quorva POS","VersaoAplicativo":"X1","NomePrincipalExecutavel":"POS.jnp","MD5ArquivoAutenticacao":"9E107D9D372BB6826BD81D3542A419D6","GeraBlocoP":false,"GeraBlocoE":false,"EvidenciaTabelasDAV":false,"ListaProdutos":[{"Chave":"","Filmat":"001","Codmat":"00001","Codcor":0,"Codtam":2}],"ListaOrcamentos":[)" +
        dav("00000011", item(1, "10.5") + "," + item(2, "21"), alteracao(1, false)) + "," +
        dav("00000022", item(1, "10.5"), alteracao(1, false) + "," + alteracao(2, true)) + "," +
        dav("00000033", "", "") + R"(],"ArquivoCompactado":true})";
    EXPECT_EQ(lastDados(), expected);
}

TEST_F(PafPagesTest, ProfileListsAreRefilledWhenShownAndNothingChosenCountsAsTheFirstEntry) {
    auto* funcionalidades = combo("ed_TPAFPerfilFuncionalidade");
    auto* estados = combo("ed_TPAFPerfilEstado");
    EXPECT_FALSE(funcionalidades->isEditable());
    EXPECT_TRUE(estados->isEditable());
    for (int shown = 0; shown < 2; ++shown) {
        window->selectPage(QStringLiteral("ts_TPAFPerfil"));
        funcionalidades->setCurrentIndex(5);
        estados->setCurrentIndex(5);
        window->selectPage(QStringLiteral("ts_TPAFBlocoZ"));
        window->selectPage(QStringLiteral("ts_TPAFPerfil"));
        ASSERT_EQ(funcionalidades->count(), 15);
        EXPECT_EQ(funcionalidades->currentIndex(), 0);
        EXPECT_EQ(funcionalidades->currentText(),
                  QString::fromUtf8("Requisito Inválido/Não Definido"));
        ASSERT_EQ(estados->count(), 27);
        EXPECT_EQ(estados->currentIndex(), 0);
        EXPECT_EQ(estados->itemText(26), QStringLiteral("TO"));
    }
    // Nothing chosen: the first entry.
    funcionalidades->setCurrentIndex(-1);
    EXPECT_EQ(funcionalidades->currentIndex(), 0);
    run({"bt_TPAFPerfilConsultarPerfilEstado", {}, "", ""});
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    EXPECT_EQ(lastDados(), R"({"Funcionalidade":"","Estado":"AC"})");
}

TEST_F(PafPagesTest, WikiTextBreaksAtEachMarkerAndIsCopiedToTheClipboard) {
    const QString docWiki = QStringLiteral("ed_TPAFPerfilDocWiki");
    sim.enqueue(
        "TPAFAPI/GeraTabelaPerfilUFWiki",
        sim::resultEnvelope(false, "", QStringLiteral("ok"), std::nullopt, QStringLiteral("a/nb")));
    run({"bt_TPAFPerfilDocWiki", {}, "", ""});
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    EXPECT_EQ(find<QPlainTextEdit>(docWiki)->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_TRUE(find<QPlainTextEdit>(docWiki)->isReadOnly());
    click(QStringLiteral("bt_TPAFPerfilDocWikiCopiar"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text(docWiki));

    // A rejection, or an answer that is not a result envelope, changes nothing.
    sim.enqueue("TPAFAPI/GeraTabelaPerfilUFWiki",
                sim::resultEnvelope(true, "6", QStringLiteral("falhou"), std::nullopt,
                                    QStringLiteral("x/ny")));
    run({"bt_TPAFPerfilDocWiki", {}, "", ""});
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    for (const char* body : {"isto não é JSON", R"({"outro":1})"}) {
        SCOPED_TRACE(body);
        sim.enqueue("TPAFAPI/GeraTabelaPerfilUFWiki", sim::Answer{200, body});
        run({"bt_TPAFPerfilDocWiki", {}, "", ""});
        expectMessage(QStringLiteral("Resposta inesperada"));
    }
    EXPECT_EQ(find<QPlainTextEdit>(docWiki)->toPlainText(), QStringLiteral("a\nb"));
}

// Each report is saved as Arquivos/<service>.zip when compressed, with its own extension when
// not; a rejection saves nothing.
TEST_F(PafPagesTest, ReturnedFilesAreSavedByTheCompressBox) {
    const struct {
        const char* button;
        const char* compress;
        const char* method;
        const char* plainExtension;
        const char* filial; // empty: the page has none
    } pages[] = {
        {"bt_TPAFBlocoZTestar", "ed_TPAFBlocoZComprimirRetorno", "VendasIdentificadas", "txt",
         "ed_TPAFBlocoZFilial"},
        {"bt_TPAFDAVEmitidos", "ed_TPAFDAVEmitidosComprimirRetorno", "DAVEmitidos", "txt",
         "ed_TPAFDAVEmitidosFilial"},
        {"bt_TPAFImprimeDAV", "ed_TPAFImprimeDAVComprimirRetorno", "ImprimeDAV", "txt",
         "ed_TPAFImprimeDAVFilial"},
        {"bt_TPAFParametrosConfiguracao", "ed_TPAFParametrosConfiguracaoComprimirRetorno",
         "ParametrosConfiguracao", "txt", "ed_TPAFParametrosConfiguracaoFilial"},
        {"bt_TPAFTabelaIndiceTecnicoProducao", "ed_TPAFTabelaIndiceTecnicoProducaoComprimirRetorno",
         "TabelaIndiceTecnicoProducao", "txt", ""},
        {"bt_TPAFIdentificacaoPAFECF", "ed_TPAFIdentificacaoPAFECFComprimirRetorno",
         "IdentificacaoPAFECF", "txt", "ed_TPAFIdentificacaoPAFECFFilial"},
        {"bt_GeracaoFiscoReducaoZ", "ed_GeracaoFiscoReducaoZComprimirRetorno",
         "GeracaoFiscoReducaoZ", "xml", "ed_GeracaoFiscoReducaoZFilial"},
        {"bt_GeracaoFiscoEstoque", "ed_GeracaoFiscoEstoqueComprimirRetorno", "GeracaoFiscoEstoque",
         "xml", "ed_GeracaoFiscoEstoqueFilial"},
    };
    const QDir out(QStringLiteral("Arquivos"));
    for (const auto& p : pages) {
        SCOPED_TRACE(p.button);
        const QString method = QString::fromLatin1(p.method);
        const QString zip = out.filePath(method + QStringLiteral(".zip"));
        const QString plain = out.filePath(method + u'.' + QString::fromLatin1(p.plainExtension));
        // An older answer file of the same name is replaced.
        fixture(zip, "antigo");
        run({p.button, {}, "", ""});
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        const auto [entry, content] = unzipOne(readFileBytes(zip));
        EXPECT_TRUE(entry.startsWith(method)) << entry.toStdString();
        EXPECT_FALSE(content.isEmpty());
        EXPECT_FALSE(QFile::exists(plain));

        setChecked(p.compress, false);
        run({p.button, {}, "", ""});
        EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
        const QByteArray saved = readFileBytes(plain);
        EXPECT_EQ(saved.startsWith("<?xml"), QByteArrayView(p.plainExtension) == "xml")
            << saved.constData();
        ASSERT_TRUE(QFile::remove(plain));

        if (*p.filial) {
            run({p.button, {{p.filial, QStringLiteral("999")}}, "", ""});
            EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
            EXPECT_FALSE(QFile::exists(plain));
            setText(QString::fromLatin1(p.filial), QStringLiteral("001"));
        }
        setChecked(p.compress, true);
    }
}

// Files named by the answer are saved under that bare name; a name that leaves the output
// folder is refused.
TEST_F(PafPagesTest, NamedFilesAreSavedOnlyInsideTheOutputFolder) {
    run({"bt_TPAFRegistrosPAFECF", {}, "", ""});
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    EXPECT_EQ(unzipOne(readFileBytes(QStringLiteral("Arquivos/RegistrosPAFECF_001.zip"))).first,
              QStringLiteral("RegistrosPAFECF_001.txt"));
    setChecked("ck_GeraArquivoRequisicaoExternaComprimirRetorno", false);
    run({"bt_TestarGeraArquivoRequisicaoExterna", {}, "", ""});
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    EXPECT_TRUE(
        readFileBytes(QStringLiteral("Arquivos/RequisicaoExterna_001.txt")).startsWith("J1001"));

    for (const char* path : {"TPAFAPI/RegistrosPAFECF", "TPAFAPI/GeraArquivoRequisicaoExterna"}) {
        SCOPED_TRACE(path);
        sim.enqueue(path, sim::fileRecord(QStringLiteral("../fora.txt"), "x", QString()));
        run({std::string_view(path).ends_with("PAFECF") ? "bt_TPAFRegistrosPAFECF"
                                                        : "bt_TestarGeraArquivoRequisicaoExterna",
             {},
             "",
             ""});
        expectMessage(QStringLiteral("Nome de arquivo recusado"));
        EXPECT_FALSE(QFile::exists(QStringLiteral("fora.txt")));
    }
}

// Every action of the PAF-ECF, Bloco X and local PAF pages, pressed once with its defaults,
// sends its request and gets a success from the stand-in; every "..." picker, cancelled, keeps
// its field. QUORVA_SIM_URL points the window at a separately running stand-in instead (the
// session is then opened by the first action); QUORVA_SCREENSHOTS names a folder for pictures
// of the pages.
TEST_F(PafPagesTest, EveryActionSendsItsRequestWithItsDefaults) {
    fixture(QStringLiteral("Reducao.xml"), "<ReducaoZ/>");
    fixture(QStringLiteral("Estoque.xml"), "<Estoque/>");
    const QString external = qEnvironmentVariable("QUORVA_SIM_URL");
    if (!external.isEmpty()) {
        setText(QStringLiteral("ed_EnderecoWS"), external);
        setText(QStringLiteral("ed_Id"), QString());
    }
    const QString shots = qEnvironmentVariable("QUORVA_SCREENSHOTS");
    int actions = 0;
    for (auto&& source : {pafPages(), pafRegistrosPages(), pafBlocoXPages(), pafLocalPages()}) {
        for (const kit::Page& page : source) {
            kit::forEachControl(page.controls, [&](const kit::Control& c) {
                SCOPED_TRACE((page.name + u' ' + c.name).toStdString());
                if (!c.buddyButton.isEmpty() && c.buddyCaption.isEmpty()) {
                    const QString before = text(c.name);
                    recorded->fileAnswers.push_back(QString()); // cancelled
                    click(c.buddyButton);
                    EXPECT_EQ(text(c.name), before);
                }
                if (c.widget != kit::WidgetKind::Button)
                    return;
                ++actions;
                window->findChild<TextPane*>(QStringLiteral("mm_Request"))->clear();
                run({qPrintable(c.name), {}, "", ""});
                EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
                EXPECT_FALSE(paneText(QStringLiteral("mm_Request")).isEmpty());
                EXPECT_TRUE(paneText(QStringLiteral("mm_Response"))
                                .contains(QStringLiteral("\"err\":false")))
                    << paneText(QStringLiteral("mm_Response")).toStdString();
            });
            if (!shots.isEmpty()) {
                window->selectPage(page.name);
                window->grab().save(QDir(shots).filePath(page.name + QStringLiteral(".png")));
            }
        }
    }
    EXPECT_EQ(actions, 27);
}

// The identification and product grids give each column room for its number of characters.
TEST_F(PafPagesTest, GridColumnsAreAsWideAsTheirCharacters) {
    const struct {
        const char* grid;
        const char* field;
        int chars;
    } cases[] = {
        {"gd_TPAFIdentificacaoPAFECFListaArquivos", "Nome", 70},
        {"gd_TPAFIdentificacaoPAFECFListaArquivos", "MD5", 32},
        {"gd_TPAFIdentificacaoPAFECFListaECF", "NumeroFabricacao", 50},
        {"gd_TPAFRegistrosPAFECFListaProduto", "FILMAT", 10},
        {"gd_TPAFRegistrosPAFECFListaProduto", "CODMAT", 11},
        {"gd_TPAFRegistrosPAFECFListaProduto", "CODCOR", 13},
        {"gd_TPAFRegistrosPAFECFListaProduto", "CODTAM", 12},
        {"gd_TPAFRegistrosPAFECFListaProduto", "CHAVE", 20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        auto* grid = find<DbGrid>(QString::fromLatin1(c.grid));
        ASSERT_NE(grid, nullptr);
        int column = -1;
        for (int i = 0; i < grid->model()->columnCount(); ++i)
            if (grid->table().fields()[std::size_t(grid->tableModel()->fieldOfColumn(i))].name ==
                QString::fromLatin1(c.field))
                column = i;
        ASSERT_GE(column, 0);
        const QFontMetrics metrics = grid->fontMetrics();
        const int width = grid->columnWidth(column);
        EXPECT_GE(width, metrics.horizontalAdvance(QString(c.chars, u'0')));
        EXPECT_LT(width, metrics.horizontalAdvance(QString(c.chars + 2, u'0')));
    }
}
