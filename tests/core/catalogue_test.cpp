#include "contracts/enumextras.h"
#include "contracts/serviceenums.h"
#include "conversion_cases.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// One sample per kind of rule: exact and case-insensitive comparison, default members, each
// form of error message, integer codes with gaps and negative codes, empty codes, explicit
// ordinals, extra operations and conversions of their own.
TEST(Catalogue, ReverseConversionRules) {
    checkConversions({
        {"regime P", [] { return int(TEnum::RegimeTributarioFromStr("P")); }, rtPresumido},
        {"regime empty", [] { return int(TEnum::RegimeTributarioFromStr("")); }, rtPresumido},
        {"regime TRX9 10", [] { return int(TEnum::RegimeTributarioFromStrTRX9("10")); },
         rtSimplesComExcesso},
        {"ambiente codigo 9", [] { return int(TEnum::AmbienteSEFAZFromCodigo(9)); }, amProducao},
        {"ambiente int 9", [] { return int(TEnum::AmbienteSEFAZFromInt(9)); }, 0,
         "Opção inválida para TEnumAmbienteSEFAZ."},
        {"finalidade 5", [] { return int(TEnum::FinalidadeNfeFromInt(5)); }, 0,
         "Finalidade de NF-e inválida"},
        {"tipo DI 01", [] { return int(TEnum::TipoDIFromStr("01")); },
         tpDeclaracaoImportacaoSimplificada},
        {"tipo DI 1", [] { return int(TEnum::TipoDIFromStr("1")); },
         tpDeclaracaoImportacaoSimplificada},
        {"exigibilidade TRX9 1", [] { return int(TEnum::ExigibilidadeISSFromStrTRX9("1")); },
         TEnumExigibilidadeISS_Isencao},
        {"exigibilidade 1", [] { return int(TEnum::ExigibilidadeISSFromStr("1")); },
         TEnumExigibilidadeISS_NaoIncidencia},
        {"UF 34", [] { return int(TEnum::UFFromCodigoIbge(34)); }, 0,
         "Valor de enumerador \"34\" inválido para TEnumUF."},
        {"UF 35", [] { return int(TEnum::UFFromCodigoIbge(35)); }, ufSaoPaulo},
        {"banco -1", [] { return int(TEnum::BancoDadosFromInt(-1)); }, bdVazio},
        {"banco 255", [] { return int(TEnum::BancoDadosFromInt(255)); }, bdVazio},
        {"banco Oracle", [] { return int(TEnum::BancoDadosFromStr("Oracle")); }, bdOracle},
        {"acao V", [] { return int(TEnum::AcaoTituloBancarioFromStr("V")); },
         TEnumAcaoTituloBancario_AlterarValores},
        {"arquivo BD N", [] { return int(TEnum::ArquivoBDTipoFromStr("N")); }, 0,
         "Valor de enumerador \"N\" inválido para TEnumArquivoBDTipo."},
        {"serial stop 1/2", [] { return int(TEnum::SerialStopFromStr("1/2")); }, TEnumSerialStop_1},
        {"layout remessa 0", [] { return int(TEnum::LayoutRemessaFromInt(0)); },
         TEnumLayoutRemessa_400},
        {"importacao 3", [] { return int(TEnum::StatusImportacaoFromInt(3)); }, 0,
         "Opção inválida para TEnumStatusImportacao."},
        {"servico pafapi lower",
         [] { return int(TEnum::ServicosPAFAPIFromStr("registrospafecf")); },
         TPAFAPI_RegistrosPAFECF},
        {"servico pafapi empty", [] { return int(TEnum::ServicosPAFAPIFromStr("")); },
         TPAFAPI_NaoEncontrado},
        {"servico mdfe online", [] { return int(TEnum::ServicosMDFeAPIFromStr("MDFeOnline")); },
         TMDFeAPI_MDFeOnline},
        {"versao mdfe prefix", [] { return int(TEnum::VersaoMDFeFromStr("3.00a")); }, vm300},
        {"versao nfe 4",
         [] { return int(TEnum::VersaoNfeFromFloat(regional::Currency::fromScaled(40000))); },
         vn400},
        {"bandeira", [] { return int(TEnum::BandeiraCartaoFromStr("CARTAO AMERICAN X")); },
         bcAmericanExpress},
        {"bandeira none", [] { return int(TEnum::BandeiraCartaoFromStr("")); }, bcOutros},
        {"skyhub", [] { return int(TEnum::RecebimentoFromSkyhub("boleto pagseguro")); },
         TEnumRecebimentoOrc_Boleto},
        {"pagamento B", [] { return int(TEnum::OrcamentoTipoPagamentoFromStr("B")); },
         TEnumOrcamentoTipoPagamento_Boleto},
        {"pagamento C", [] { return int(TEnum::OrcamentoTipoPagamentoFromStr("C")); },
         TEnumOrcamentoTipoPagamento_ContaCorrente},
        {"pagamento P", [] { return int(TEnum::OrcamentoTipoPagamentoFromStr("P")); },
         TEnumOrcamentoTipoPagamento_ParcelaEmAberto},
        {"pagamento p", [] { return int(TEnum::OrcamentoTipoPagamentoFromStr("p")); },
         TEnumOrcamentoTipoPagamento_NaoDefinido},
        {"log DAV x", [] { return int(TEnum::TipoLogDAVFromStr("x")); }, 0,
         "Valor de enumerador \"x\" inválido para TEnumTipoLogDAV."},
        {"orientacao 180", [] { return int(TEnum::OrientacaoEtiquetaFromInt(180)); },
         TEnumOrientacaoEtiqueta_180},
        {"prazo CFe XX", [] { return TEnum::PrazoCancelamentoFromModeloUF(mdCFeSAT, "XX"); }, 24},
        {"prazo NFe RS", [] { return TEnum::PrazoCancelamentoFromModeloUF(mdNFe, "RS"); }, 168},
        {"prazo CFe RS", [] { return TEnum::PrazoCancelamentoFromModeloUF(mdCFeSAT, "RS"); }, 0,
         "Prazo não definido para Modelo informado."},
        {"contingencia NFe BA",
         [] { return int(TEnum::TipoEmissaoContingenciaFromModeloUF(mdNFe, "BA")); },
         TEnumTipoEmissao_SVCRS},
    });
}

TEST(Catalogue, ForwardConversionsAndLists) {
    EXPECT_EQ(TEnum::RegimeTributarioToStrTRX9(rtReal), QStringLiteral("7"));
    EXPECT_EQ(TEnum::AmbienteSEFAZToCodigo(amHomologacao), 2);
    EXPECT_EQ(TEnum::BancoDadosToInt(bdVazio), -1);
    EXPECT_EQ(TEnum::AcaoTituloBancarioToStr(TEnumAcaoTituloBancario_AlterarValor),
              QStringLiteral("V"));
    EXPECT_EQ(TEnum::VersaoNfeToFloat(vn310).scaled(), 31000);
    EXPECT_EQ(TEnum::TipoPagamentoFromTipoMeio(tmCheque), tfCheque);
    EXPECT_EQ(TEnum::TipoTributacaoPAFECFToStr(TEnumRegraTipoTributacao_Tributado, tiServicos),
              QStringLiteral("S"));
    EXPECT_EQ(TEnum::ServicosMDFeAPIToStr(TMDFeAPI_MDFeOnline), QStringLiteral("MDFeOnLine"));
    EXPECT_THROW(TEnum::FinalidadeNfeToInt(fnNaoDefinido), EEnumeradorInvalido);
    const TParListaList ambiente = TEnum::AmbienteSEFAZGetList();
    ASSERT_EQ(ambiente.size(), 2u);
    EXPECT_EQ(ambiente[1].Valor, QStringLiteral("1"));
    const TParListaList bancos = TEnum::BancoDadosGetList();
    EXPECT_EQ(bancos.front().Valor, QStringLiteral("-1"));
    EXPECT_EQ(bancos.back().Descricao, QStringLiteral("SQLServer"));
    EXPECT_EQ(TEnum::PortaVirtualImpressoraGetList().size(), 6u);
    EXPECT_EQ(enumkit::all().size(), 208u);
    const QStringList paths = servicePaths();
    EXPECT_TRUE(paths.contains(QStringLiteral("TNFeAPI/AutenticaSEFAZ")));
    EXPECT_TRUE(paths.contains(QStringLiteral("TMDFeAPI/MDFeOnLine")));
    EXPECT_FALSE(paths.contains(QStringLiteral("TNFeAPI/")));
}

namespace {

// A small catalogue: two enumerations, the second naming members of the first.
constexpr const char* kCatalogue = R"({"about": "Cores.", "enumerations": [
  {"type": "TEnumCor", "columns": ["Cor", "CorToStr"],
   "members": [["coAzul", "Azul", "A"], ["coVerde", "Verde", "V"]],
   "reverse": [{"op": "CorFromStr", "codes": "CorToStr", "default": "coAzul"}],
   "list": {"op": "CorGetList", "codes": "CorToStr", "captions": "Cor"}},
  {"type": "TEnumTom", "columns": ["TomToInt:int", "CorDoTom:TEnumCor"],
   "members": [["tmClaro", 1, "coAzul"], ["tmEscuro", 2, "coVerde"]],
   "reverse": [{"op": "TomFromInt:int", "codes": "TomToInt", "rejects": true}]}]})";

struct Generated {
    int exitCode;
    QString errors;
    QString header;
};

// Runs the generator of the build on one area file holding the text.
Generated generate(const QString& catalogue) {
    QTemporaryDir dir;
    QFile data(dir.filePath("cores.json"));
    EXPECT_TRUE(data.open(QIODevice::WriteOnly));
    data.write(catalogue.toUtf8());
    data.close();
    QProcess enumgen;
    enumgen.start(QStringLiteral(QUORVA_ENUMGEN), {dir.filePath("out"), data.fileName()});
    EXPECT_TRUE(enumgen.waitForFinished(30000));
    QFile header(dir.filePath("out/cores.h"));
    const QString text =
        header.open(QIODevice::ReadOnly) ? QString::fromUtf8(header.readAll()) : "";
    return {enumgen.exitCode(), QString::fromUtf8(enumgen.readAllStandardError()), text};
}

} // namespace

// A name the data does not define stops the generator, and so the build, with the place at fault.
TEST(Catalogue, GeneratorRefusesWhatTheDataDoesNotDefine) {
    const Generated good = generate(kCatalogue);
    ASSERT_EQ(good.exitCode, 0) << good.errors.toStdString();
    EXPECT_TRUE(good.header.contains("TEnumCor CorDoTom(TEnumTom m);"));
    EXPECT_TRUE(good.header.contains("TEnumTom TomFromInt(int32_t i);"));
    EXPECT_TRUE(good.header.contains("TParListaList CorGetList();"));

    const struct {
        const char* what;
        const char* from;
        const char* to;
        const char* message;
    } cases[] = {
        {"codes of a misspelt column", R"("codes": "CorToStr")", R"("codes": "CorToSrt")",
         "cores.json: TEnumCor: CorFromStr: no column named CorToSrt"},
        {"misspelt default member", R"("default": "coAzul")", R"("default": "coAzull")",
         "TEnumCor: CorFromStr: no member named coAzull"},
        {"misspelt key", R"("default")", R"("defualt")", "unknown key \"defualt\""},
        {"list of a misspelt column", R"("captions": "Cor")", R"("captions": "Core")",
         "TEnumCor: list: no column named Core"},
        {"member column naming no member", R"(2, "coVerde")", R"(2, "coVermelho")",
         "TEnumTom: CorDoTom names coVermelho, not a member of TEnumCor"},
        {"member column of no enumeration", "CorDoTom:TEnumCor", "CorDoTom:TEnumCores",
         "TEnumCores, which is not in the catalogue"},
        {"text in an integer column", R"(["tmClaro", 1,)", R"(["tmClaro", "1",)",
         "TEnumTom: tmClaro: TomToInt needs an integer"},
        {"a row short of a cell", R"(["tmEscuro", 2, "coVerde"])", R"(["tmEscuro", 2])",
         "TEnumTom: each member is [name, then one cell per column]"},
        {"conversion that recognises nothing", R"("A"], ["coVerde", "Verde", "V"])",
         R"({"raises": "x"}], ["coVerde", "Verde", {"raises": "x"}])",
         "TEnumCor: CorFromStr: recognises no input"},
        {"member name of two enumerations", R"("tmEscuro")", R"("coVerde")",
         "TEnumTom: coVerde is already written in cores.json: TEnumCor"},
        {"operation of two enumerations", "TomFromInt:int", "CorFromStr:int",
         "TEnum::CorFromStr is already written"},
    };
    for (const auto& c : cases) {
        QString text = QString::fromUtf8(kCatalogue);
        ASSERT_TRUE(text.contains(QString::fromUtf8(c.from))) << c.what;
        const Generated bad =
            generate(text.replace(QString::fromUtf8(c.from), QString::fromUtf8(c.to)));
        EXPECT_EQ(bad.exitCode, 1) << c.what;
        EXPECT_TRUE(bad.errors.contains(QString::fromUtf8(c.message)))
            << c.what << ": " << bad.errors.toStdString();
    }
}
