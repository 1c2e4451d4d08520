// The connection API pages: the session page and the connection services.
#include "common/charfilter.h"
#include "common/regional.h"
#include "common/tfuncoeswindows.h"
#include "common/tjsonutil.h"
#include "common/tsobrecommerce.h"
#include "contracts/tapiresult.h"
#include "contracts/tcombo.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/registry.h"
#include "pages/sessionpage.h"

#include <QCheckBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

using namespace kit;

namespace {

const QString kCnpj = u"11222333000181"_s;

Page conectaMiddleware() {
    const QString conectaMiddlewareTipoRetorno = u"cb_ConectaMiddlewareTipoRetorno"_s;
    const Action conecta{
        .exchange = Exchange::Custom,
        .custom =
            [conectaMiddlewareTipoRetorno](PageContext& page) {
                const bool complete = page.text(conectaMiddlewareTipoRetorno).startsWith(u'C');
                page.exchange().conecta(true, complete ? TEnumConexaoMiddlewareTipoRetorno_Completo
                                                       : TEnumConexaoMiddlewareTipoRetorno_Simples);
            },
        .uses = {conectaMiddlewareTipoRetorno},
    };
    return Page{
        .name = kSessionPage,
        .description =
            u"Abre a sessão no middleware com usuário, senha e máquina e guarda o Id da sessão usado pelas demais páginas"_s,
        .controls =
            {
                line(u"ed_VersaoLayout"_s, u"Versão do Layout"_s, u"2"_s),
                line(u"ed_CodigoEmpresa"_s, u"Código da Empresa"_s, u"0"_s),
                line(u"ed_UserOS"_s, u"Usuário do SO"_s),
                line(u"ed_DataSolicitacao"_s, u"Data"_s),
                line(u"ed_NomeMaquina"_s, u"Nome da Máquina"_s),
                line(u"ed_VersaoBase"_s, u"Versão da Base"_s),
                line(u"ed_NomeSistema"_s, u"Nome do Sistema"_s, u"RevovivuZuvadaroreRarirod"_s),
                line(u"ed_VersaoSistema"_s, u"Versão do Sistema"_s, u"1.0"_s),
                comboList(conectaMiddlewareTipoRetorno, u"Tipo Retorno"_s,
                          {u"S - Simples"_s, u"C - Completo"_s}, 0),
                line(u"ed_ConectaMiddlewareCNPJ"_s, u"CNPJ"_s, kCnpj),
                line(u"ed_ConectaIPMiddlewareServidor"_s, u"IP Middleware Servidor"_s),
                line(u"ed_ConectaFilialUsuario"_s, u"Filial Usuário"_s).maxLen(3),
                line(u"ed_ConectaCodigoUsuario"_s, u"Código Usuário"_s).maxLen(3),
                button(u"bt_Conecta2"_s, u"Conecta"_s, conecta),
                line(u"ed_ConectaPortaMiddlewareServidor"_s, u"Porta Middleware Servidor"_s),
            },
        .groupBox = u"gb_ConectaMiddleware"_s,
        .groupTitle = u"Conecta Middleware"_s};
}

// The typed echo: the values that came back fill the right column.
void readEcho(PageContext& page, const HttpAnswer& answer) {
    const QString text = answerDisplayText(answer.body, answer.contentType);
    const auto parsed = TJSONUtil::ParseJSONValue(text);
    if (!parsed && json::parse(text.toStdString()).tooDeep())
        throw Exception(json::tooDeepMessage());
    const JsonValue* result = answerResult(parsed ? &*parsed : nullptr);
    if (!result || !result->isObject())
        throw Exception(
            u"Resposta inesperada: sem o objeto \"result\". Nenhum campo foi alterado."_s);
    const auto r = json::parse(json::toWireText(*result)).value;
    const JsonValue* R = &*r;
    const QString integer = QString::number(TJSONUtil::GetInt(R, u"INTEGER"_s, 0));
    const QString int64 = QString::number(TJSONUtil::GetInt64(R, u"INT64"_s, 0));
    const QString currency = TJSONUtil::GetCurr(R, u"CURRENCY"_s).toString();
    const bool boolean = TJSONUtil::GetBool(R, u"BOOLEAN"_s, false);
    const QString string = TJSONUtil::GetStr(R, u"STRING"_s);
    const QString dateTime = regional::dateTimeToStr(
        TJSONUtil::GetDateTime(R, u"TDATETIME"_s, regional::zeroDateTime()));
    page.setText(u"ed_IntegerRetornoTestaComunicacao"_s, integer);
    page.setText(u"ed_Int64RetornoTestaComunicacao"_s, int64);
    page.setText(u"ed_CurrencyRetornoTestaComunicacao"_s, currency);
    page.setChecked(u"cb_BooleanRetornoTestaComunicacao"_s, boolean);
    page.setText(u"ed_StringRetornoTestaComunicacao"_s, string);
    page.setText(u"ed_TDateTimeRetornoTestaComunicacao"_s, dateTime);
    page.exchange().setResponsePane(QString::fromStdString(json::toWireText(*result)));
}

Page testaComunicacao() {
    QString validSet = GetCaracteresValidos();
    validSet.remove(u'\n').remove(u'\r');
    Action validar;
    validar.path = u"TConexaoAPI/TestaComunicacao"_s;
    validar.exchange = Exchange::Plain;
    validar.options.clearResponse = false;
    validar.reading = readEcho;
    return Page{
        .name = u"ts_TestaComunicacao"_s,
        .description =
            u"Envia inteiro, Int64, valor, booleano, texto e data ao middleware e mostra o que voltou, para conferir a ida e volta dos tipos"_s,
        .controls = {
            group(u"gb_EnvioTestaComunicacao"_s, u"Envio"_s,
                  {
                      line(u"ed_IntegerTestaComunicacao"_s, u"Integer"_s, u"-999999999"_s)
                          .sends(u"INTEGER"_s, kinds::integer()),
                      line(u"ed_Int64TestaComunicacao"_s, u"Int64"_s, u"-99999999999999"_s)
                          .sends(u"INT64"_s, kinds::integer64()),
                      line(u"ed_CurrencyTestaComunicacao"_s, u"Currency"_s, u"-999999999,9999"_s)
                          .sends(u"CURRENCY"_s, kinds::money()),
                      check(u"cb_BooleanTestaComunicacao"_s, u"Boolean"_s, true)
                          .sends(u"BOOLEAN"_s, kinds::boolean()),
                      line(u"ed_StringTestaComunicacao"_s, u"String"_s, validSet)
                          .sends(u"STRING"_s, kinds::text()),
                      line(u"ed_TDateTimeTestaComunicacao"_s, u"TDateTime"_s,
                           u"25/11/2015 07:59:59"_s)
                          .sends(u"TDATETIME"_s, kinds::dateTime()),
                  }),
            button(u"btValidarTestaComunicao"_s, u"Validar"_s, validar),
            group(u"gb_RetornoTestaComunicacao"_s, u"Retorno"_s,
                  {
                      line(u"ed_IntegerRetornoTestaComunicacao"_s, u"Integer"_s),
                      line(u"ed_Int64RetornoTestaComunicacao"_s, u"Int64"_s),
                      line(u"ed_CurrencyRetornoTestaComunicacao"_s, u"Currency"_s),
                      check(u"cb_BooleanRetornoTestaComunicacao"_s, u"Boolean"_s),
                      line(u"ed_StringRetornoTestaComunicacao"_s, u"String"_s),
                      line(u"ed_TDateTimeRetornoTestaComunicacao"_s, u"TDateTime"_s),
                  }),
        }};
}

Page sobre() {
    Action testar;
    testar.path = u"TConexaoAPI/Sobre"_s;
    testar.dados = dados::emptyString();
    return Page{
        .name = u"ts_Sobre"_s,
        .description =
            u"Pede ao middleware as informações sobre ele mesmo (versão e ambiente) e mostra a resposta"_s,
        .controls = {button(u"bt_TestarSobre"_s, u"Testar"_s, testar)}};
}

Page consultaImpressora() {
    const QString tipo = u"ed_ConsultaImpressoraTipoComunicacaoImpressora"_s;
    const QString lista = u"ed_ConsultaImpressoraImpressora"_s;
    return Page{
        .name = u"ts_ConsultaImpressora"_s,
        .description =
            u"Lista as impressoras conhecidas pelo middleware, filtradas pelo tipo de comunicação"_s,
        .controls = {
            enumCombo(
                tipo, u"Tipo Impressora"_s,
                [] { return TCombo::Create<TComboTipoComunicacaoImpressora>(nullptr, false); }),
            comboList(lista, u"Impressora"_s, {}),
            button(u"bt_ConsultaImpressora"_s, u"Testar"_s,
                   readings::printerLookup(lista, readings::codeOf(tipo))),
        }};
}

const char* const kEmpresasSample = R"([
  {"CODFIL":"1","CNPJ":"11222333000181","Nome":"EMPRESA MATRIZ LTDA","IM":"123456","CaminhoCertificado":"C:\\Certificados\\matriz.pfx","SenhaCertificado":"1234","UFDestinoNFe":"AC","AmbienteNFe":"0","AmbienteCTe":"0","AmbienteMDFe":"0","TipoImpressaoDANFE":"1","TipoImpressaoDACTE":"1"},
  {"CODFIL":"265","CNPJ":"11222333000262","Nome":"EMPRESA FILIAL 265 LTDA","IM":"654321","CaminhoCertificado":"C:\\Certificados\\filial265.pfx","SenhaCertificado":"1234","UFDestinoNFe":"AC","AmbienteNFe":"0","AmbienteCTe":"0","AmbienteMDFe":"0","TipoImpressaoDANFE":"1","TipoImpressaoDACTE":"1"},
  {"CODFIL":"12","CNPJ":"11222333000343","Nome":"EMPRESA FILIAL 12 LTDA","IM":"111222","CaminhoCertificado":"C:\\Certificados\\filial12.pfx","SenhaCertificado":"1234","UFDestinoNFe":"AC","AmbienteNFe":"0","AmbienteCTe":"0","AmbienteMDFe":"0","TipoImpressaoDANFE":"1","TipoImpressaoDACTE":"1"}
])";

Page cadastrarAtualizarEmpresa() {
    Action testar;
    testar.path = u"TConexaoAPI/CadastrarAlterarEmpresa"_s;
    return Page{.name = u"ts_CadastrarAtualizarEmpresa"_s,
                .description = u"Cadastra uma empresa no middleware ou atualiza o cadastro dela"_s,
                .controls = {
                    memo(u"mm_JSONEmpresas"_s, {}, QString::fromUtf8(kEmpresasSample))
                        .sends(u"Empresas"_s, kinds::rawText()),
                    button(u"bt_TestarCadastraAtualiza"_s, u"Testar"_s, testar),
                }};
}

Page cadastraXml() {
    Action testar;
    testar.path = u"TConexaoAPI/CadastraXML"_s;
    return Page{
        .name = u"ts_CadastraXML"_s,
        .description =
            u"Registra no middleware o XML de um documento fiscal de uma filial, ECF, série e número"_s,
        .controls = {
            line(u"ed_CNPJCadastraXML"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s, kinds::text()),
            line(u"ed_CNPJEmitenteCadastraXML"_s, u"CNPJ Emitente"_s)
                .sends(u"CNPJEMITENTE"_s, kinds::text()),
            line(u"ed_FilialCadastraXML"_s, u"Filial"_s, u"001"_s)
                .sends(u"CODFIL"_s, kinds::text()),
            line(u"ed_ECFCadastraXML"_s, u"ECF"_s, u"001"_s).sends(u"NUMECF"_s, kinds::text()),
            line(u"ed_CodSerieCadastraXML"_s, u"Código da Série"_s, u"1"_s)
                .sends(u"CODSER"_s, kinds::text()),
            line(u"ed_NumeroCadastraXML"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMDFE"_s, kinds::integer()),
            line(u"ed_XMLCadastraXML"_s, u"XML:"_s)
                .withFilePicker(u"bt_XMLCadastraXML"_s)
                .sends(u"XML"_s, kinds::fileText(EmptyPath::EmptyText)),
            button(u"bt_TestarCadastraXML"_s, u"Testar"_s, testar),
        }};
}

} // namespace

std::vector<Page> conexaoPages() {
    return {conectaMiddleware(),  testaComunicacao(),          sobre(),
            consultaImpressora(), cadastrarAtualizarEmpresa(), cadastraXml()};
}

namespace {
QString fieldText(kit::PageHost& host, const QString& name) {
    const QWidget* w = host.findControl(name);
    return w ? readField(w).text : QString();
}
} // namespace

SessionFields sessionPageFields(kit::PageHost& host) {
    SessionFields f;
    f.versaoLayout = fieldText(host, u"ed_VersaoLayout"_s);
    f.codigoEmpresa = fieldText(host, u"ed_CodigoEmpresa"_s);
    f.userOS = fieldText(host, u"ed_UserOS"_s);
    f.dataSolicitacao = fieldText(host, u"ed_DataSolicitacao"_s);
    f.nomeMaquina = fieldText(host, u"ed_NomeMaquina"_s);
    f.versaoBase = fieldText(host, u"ed_VersaoBase"_s);
    f.nomeSistema = fieldText(host, u"ed_NomeSistema"_s);
    f.versaoSistema = fieldText(host, u"ed_VersaoSistema"_s);
    f.cnpj = fieldText(host, u"ed_ConectaMiddlewareCNPJ"_s);
    f.ipMiddlewareServidor = fieldText(host, u"ed_ConectaIPMiddlewareServidor"_s);
    f.portaMiddlewareServidor = fieldText(host, u"ed_ConectaPortaMiddlewareServidor"_s);
    f.filialUsuario = fieldText(host, u"ed_ConectaFilialUsuario"_s);
    f.codigoUsuario = fieldText(host, u"ed_ConectaCodigoUsuario"_s);
    return f;
}

void fillSessionPage(kit::PageHost& host) {
    auto set = [&host](const QString& name, const QString& value) {
        if (auto* e = qobject_cast<QLineEdit*>(host.findControl(name)))
            e->setText(value);
    };
    set(u"ed_DataSolicitacao"_s, regional::dateTimeToStr(regional::now()));
    set(u"ed_VersaoBase"_s, QString::number(TSobreCommerce::GetInstance().GetBancoVersao()));
    set(u"ed_NomeMaquina"_s, TFuncoesWindows::NomeMaquina());
    set(u"ed_UserOS"_s, TFuncoesWindows::UsuarioWindows());
}
