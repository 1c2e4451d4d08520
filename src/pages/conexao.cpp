// The connection API pages: the session page and the connection services.
#include "common/charfilter.h"
#include "common/tjsonutil.h"
#include "contracts/tcombo.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/registry.h"
#include "widgets/textpane.h"

#include <QCheckBox>

using namespace kit;

namespace {

const QString kCnpj = QStringLiteral("11222333000181");

Page conectaMiddleware() {
    Action conecta;
    conecta.exchange = Exchange::Custom;
    conecta.custom = [](PageContext& page) {
        const bool complete =
            page.text(QStringLiteral("cb_ConectaMiddlewareTipoRetorno")).startsWith(u'C');
        page.exchange()._Conecta(true, complete ? TEnumConexaoMiddlewareTipoRetorno_Completo
                                                : TEnumConexaoMiddlewareTipoRetorno_Simples);
    };
    return Page{
        QStringLiteral("ts_ConectaMiddleware"),
        QStringLiteral("gb_ConectaMiddleware"),
        QStringLiteral("Conecta Middleware"),
        {
            line(QStringLiteral("ed_VersaoLayout"), QStringLiteral("Versão do Layout"),
                 QStringLiteral("2")),
            line(QStringLiteral("ed_CodigoEmpresa"), QStringLiteral("Código da Empresa"),
                 QStringLiteral("0")),
            line(QStringLiteral("ed_UserOS"), QStringLiteral("Usuário do SO")),
            line(QStringLiteral("ed_DataSolicitacao"), QStringLiteral("Data")),
            line(QStringLiteral("ed_NomeMaquina"), QStringLiteral("Nome da Máquina")),
            line(QStringLiteral("ed_VersaoBase"), QStringLiteral("Versão da Base")),
            line(QStringLiteral("ed_NomeSistema"), QStringLiteral("Nome do Sistema"),
                 QStringLiteral("RevovivuZuvadaroreRarirod")),
            line(QStringLiteral("ed_VersaoSistema"), QStringLiteral("Versão do Sistema"),
                 QStringLiteral("1.0")),
            comboList(QStringLiteral("cb_ConectaMiddlewareTipoRetorno"),
                      QStringLiteral("Tipo Retorno"),
                      {QStringLiteral("S - Simples"), QStringLiteral("C - Completo")}, 0),
            line(QStringLiteral("ed_ConectaMiddlewareCNPJ"), QStringLiteral("CNPJ"), kCnpj),
            line(QStringLiteral("ed_ConectaIPMiddlewareServidor"),
                 QStringLiteral("IP Middleware Servidor")),
            line(QStringLiteral("ed_ConectaFilialUsuario"), QStringLiteral("Filial Usuário"))
                .maxLen(3),
            line(QStringLiteral("ed_ConectaCodigoUsuario"), QStringLiteral("Código Usuário"))
                .maxLen(3),
            button(QStringLiteral("bt_Conecta2"), QStringLiteral("Conecta"), conecta),
            line(QStringLiteral("ed_ConectaPortaMiddlewareServidor"),
                 QStringLiteral("Porta Middleware Servidor")),
        },
        {},
    };
}

// The typed echo: the values that came back fill the right column.
void readEcho(PageContext& page, const HttpAnswer& answer) {
    const auto parsed =
        TJSONUtil::ParseJSONValue(answerDisplayText(answer.body, answer.contentType));
    const JsonValue* result = parsed && parsed->isObject() ? parsed->find("result") : nullptr;
    if (!result || !result->isObject())
        throw Exception(QStringLiteral(
            "Resposta inesperada: sem o objeto \"result\". Nenhum campo foi alterado."));
    const auto r = json::parse(json::toWireText(*result)).value;
    const JsonValue* R = &*r;
    const QString integer = QString::number(TJSONUtil::GetInt(R, QStringLiteral("INTEGER"), 0));
    const QString int64 = QString::number(TJSONUtil::GetInt64(R, QStringLiteral("INT64"), 0));
    const QString currency = TJSONUtil::GetCurr(R, QStringLiteral("CURRENCY")).toString();
    const bool boolean = TJSONUtil::GetBool(R, QStringLiteral("BOOLEAN"), false);
    const QString string = TJSONUtil::GetStr(R, QStringLiteral("STRING"));
    const QString dateTime = regional::dateTimeToStr(
        TJSONUtil::GetDateTime(R, QStringLiteral("TDATETIME"), regional::zeroDateTime()));
    page.setText(QStringLiteral("ed_IntegerRetornoTestaComunicacao"), integer);
    page.setText(QStringLiteral("ed_Int64RetornoTestaComunicacao"), int64);
    page.setText(QStringLiteral("ed_CurrencyRetornoTestaComunicacao"), currency);
    page.setChecked(QStringLiteral("cb_BooleanRetornoTestaComunicacao"), boolean);
    page.setText(QStringLiteral("ed_StringRetornoTestaComunicacao"), string);
    page.setText(QStringLiteral("ed_TDateTimeRetornoTestaComunicacao"), dateTime);
    page.as<TextPane>(QStringLiteral("mm_Response"))
        .setText(QString::fromStdString(json::toWireText(*result)));
}

Page testaComunicacao() {
    QString validSet = GetCaracteresValidos();
    validSet.remove(u'\n').remove(u'\r');
    Action validar;
    validar.path = QStringLiteral("TConexaoAPI/TestaComunicacao");
    validar.exchange = Exchange::Plain;
    validar.options.clearResponse = false;
    validar.reading = readEcho;
    return Page{
        QStringLiteral("ts_TestaComunicacao"),
        {},
        {},
        {
            group(QStringLiteral("gb_EnvioTestaComunicacao"), QStringLiteral("Envio"),
                  {
                      line(QStringLiteral("ed_IntegerTestaComunicacao"), QStringLiteral("Integer"),
                           QStringLiteral("-999999999"))
                          .sends(QStringLiteral("INTEGER"), kinds::integer()),
                      line(QStringLiteral("ed_Int64TestaComunicacao"), QStringLiteral("Int64"),
                           QStringLiteral("-99999999999999"))
                          .sends(QStringLiteral("INT64"), kinds::integer64()),
                      line(QStringLiteral("ed_CurrencyTestaComunicacao"),
                           QStringLiteral("Currency"), QStringLiteral("-999999999,9999"))
                          .sends(QStringLiteral("CURRENCY"), kinds::money()),
                      check(QStringLiteral("cb_BooleanTestaComunicacao"), QStringLiteral("Boolean"),
                            true)
                          .sends(QStringLiteral("BOOLEAN"), kinds::boolean()),
                      line(QStringLiteral("ed_StringTestaComunicacao"), QStringLiteral("String"),
                           validSet)
                          .sends(QStringLiteral("STRING"), kinds::text()),
                      line(QStringLiteral("ed_TDateTimeTestaComunicacao"),
                           QStringLiteral("TDateTime"), QStringLiteral("25/11/2015 07:59:59"))
                          .sends(QStringLiteral("TDATETIME"), kinds::dateTime()),
                  }),
            button(QStringLiteral("btValidarTestaComunicao"), QStringLiteral("Validar"), validar),
            group(QStringLiteral("gb_RetornoTestaComunicacao"), QStringLiteral("Retorno"),
                  {
                      line(QStringLiteral("ed_IntegerRetornoTestaComunicacao"),
                           QStringLiteral("Integer")),
                      line(QStringLiteral("ed_Int64RetornoTestaComunicacao"),
                           QStringLiteral("Int64")),
                      line(QStringLiteral("ed_CurrencyRetornoTestaComunicacao"),
                           QStringLiteral("Currency")),
                      check(QStringLiteral("cb_BooleanRetornoTestaComunicacao"),
                            QStringLiteral("Boolean")),
                      line(QStringLiteral("ed_StringRetornoTestaComunicacao"),
                           QStringLiteral("String")),
                      line(QStringLiteral("ed_TDateTimeRetornoTestaComunicacao"),
                           QStringLiteral("TDateTime")),
                  }),
        },
        {}};
}

Page sobre() {
    Action testar;
    testar.path = QStringLiteral("TConexaoAPI/Sobre");
    testar.dados = dados::emptyString();
    return Page{QStringLiteral("ts_Sobre"),
                {},
                {},
                {button(QStringLiteral("bt_TestarSobre"), QStringLiteral("Testar"), testar)},
                {}};
}

Page consultaImpressora() {
    const QString tipo = QStringLiteral("ed_ConsultaImpressoraTipoComunicacaoImpressora");
    const QString lista = QStringLiteral("ed_ConsultaImpressoraImpressora");
    return Page{QStringLiteral("ts_ConsultaImpressora"),
                {},
                {},
                {
                    enumCombo(tipo, QStringLiteral("Tipo Impressora"),
                              [] {
                                  return TCombo::Create<TComboTipoComunicacaoImpressora>(nullptr,
                                                                                         false);
                              }),
                    comboList(lista, QStringLiteral("Impressora"), {}),
                    button(QStringLiteral("bt_ConsultaImpressora"), QStringLiteral("Testar"),
                           readings::printerLookup(lista, readings::codeOf(tipo))),
                },
                {}};
}

const char* const kEmpresasSample = R"([
  {"CODFIL":"1","CNPJ":"11222333000181","Nome":"EMPRESA MATRIZ LTDA","IM":"123456","CaminhoCertificado":"C:\\Certificados\\matriz.pfx","SenhaCertificado":"1234","UFDestinoNFe":"AC","AmbienteNFe":"0","AmbienteCTe":"0","AmbienteMDFe":"0","TipoImpressaoDANFE":"1","TipoImpressaoDACTE":"1"},
  {"CODFIL":"265","CNPJ":"11222333000262","Nome":"EMPRESA FILIAL 265 LTDA","IM":"654321","CaminhoCertificado":"C:\\Certificados\\filial265.pfx","SenhaCertificado":"1234","UFDestinoNFe":"AC","AmbienteNFe":"0","AmbienteCTe":"0","AmbienteMDFe":"0","TipoImpressaoDANFE":"1","TipoImpressaoDACTE":"1"},
  {"CODFIL":"12","CNPJ":"11222333000343","Nome":"EMPRESA FILIAL 12 LTDA","IM":"111222","CaminhoCertificado":"C:\\Certificados\\filial12.pfx","SenhaCertificado":"1234","UFDestinoNFe":"AC","AmbienteNFe":"0","AmbienteCTe":"0","AmbienteMDFe":"0","TipoImpressaoDANFE":"1","TipoImpressaoDACTE":"1"}
])";

Page cadastrarAtualizarEmpresa() {
    Action testar;
    testar.path = QStringLiteral("TConexaoAPI/CadastrarAlterarEmpresa");
    return Page{
        QStringLiteral("ts_CadastrarAtualizarEmpresa"),
        {},
        {},
        {
            memo(QStringLiteral("mm_JSONEmpresas"), {}, QString::fromUtf8(kEmpresasSample))
                .sends(QStringLiteral("Empresas"), kinds::rawText()),
            button(QStringLiteral("bt_TestarCadastraAtualiza"), QStringLiteral("Testar"), testar),
        },
        {}};
}

Page cadastraXml() {
    Action testar;
    testar.path = QStringLiteral("TConexaoAPI/CadastraXML");
    return Page{
        QStringLiteral("ts_CadastraXML"),
        {},
        {},
        {
            line(QStringLiteral("ed_CNPJCadastraXML"), QStringLiteral("CNPJ"), kCnpj)
                .sends(QStringLiteral("CNPJ"), kinds::text()),
            line(QStringLiteral("ed_CNPJEmitenteCadastraXML"), QStringLiteral("CNPJ Emitente"))
                .sends(QStringLiteral("CNPJEMITENTE"), kinds::text()),
            line(QStringLiteral("ed_FilialCadastraXML"), QStringLiteral("Filial"),
                 QStringLiteral("001"))
                .sends(QStringLiteral("CODFIL"), kinds::text()),
            line(QStringLiteral("ed_ECFCadastraXML"), QStringLiteral("ECF"), QStringLiteral("001"))
                .sends(QStringLiteral("NUMECF"), kinds::text()),
            line(QStringLiteral("ed_CodSerieCadastraXML"), QStringLiteral("Código da Série"),
                 QStringLiteral("1"))
                .sends(QStringLiteral("CODSER"), kinds::text()),
            line(QStringLiteral("ed_NumeroCadastraXML"), QStringLiteral("Número"),
                 QStringLiteral("1"))
                .sends(QStringLiteral("NUMDFE"), kinds::integer()),
            line(QStringLiteral("ed_XMLCadastraXML"), QStringLiteral("XML:"))
                .withFilePicker(QStringLiteral("bt_XMLCadastraXML"))
                .sends(QStringLiteral("XML"), kinds::fileText(EmptyPath::EmptyText)),
            button(QStringLiteral("bt_TestarCadastraXML"), QStringLiteral("Testar"), testar),
        },
        {}};
}

} // namespace

std::vector<Page> conexaoPages() {
    return {conectaMiddleware(),  testaComunicacao(),          sobre(),
            consultaImpressora(), cadastrarAtualizarEmpresa(), cadastraXml()};
}
