// The stand-in's answers to the commerce services of sales, returns, imports and terminals.
#include "simanswers.h"
#include "simhelpers.h"

#include "common/tjsonutil.h"

#include <map>
#include <memory>
#include <mutex>

namespace sim {

namespace {

using json::JsonValue;

QString str(const JsonValue* dados, const char* key) {
    return TJSONUtil::GetStr(dados, QString::fromLatin1(key));
}

Answer ok(const QString& msg, std::optional<JsonValue> livre = std::nullopt) {
    return resultEnvelope(false, "", msg, std::move(livre));
}

Answer rejected(const QString& msg) {
    return resultEnvelope(true, "6", msg);
}

// A fixed answer message for the services that only report what they did.
ServiceHandler says(const QString& msg) {
    return [msg](const Request&, const JsonValue*) { return ok(msg); };
}

Answer parametrosMiddleware(const Request&, const JsonValue*) {
    JsonValue r = JsonValue::object();
    r.add("VersaoProducao", JsonValue::numberText("6.5"));
    r.add("DetalheProducao", TJSONUtil::SetStr(QStringLiteral("Versão estável")));
    r.add("ReleaseProducao", JsonValue::integer(12));
    r.add("VersaoHomologacao", JsonValue::numberText("6.6"));
    r.add("DetalheHomologacao", TJSONUtil::SetStr(QStringLiteral("Versão candidata")));
    r.add("ReleaseHomologacao", JsonValue::integer(3));
    r.add("RegraAtualizacao", TJSONUtil::SetStr(QStringLiteral("Atualizar fora do expediente")));
    r.add("EmHomologacao", JsonValue::boolean(true));
    return wrapped(std::move(r));
}

Answer executaGravaTransacoes(const Request&, const JsonValue* dados) {
    const QString xml = str(dados, "XML");
    if (xml.trimmed().isEmpty())
        return rejected(QStringLiteral("XML da transação não informado."));
    const bool duplicadas = TJSONUtil::GetBool(dados, QStringLiteral("ProcessaErroDuplicacao"));
    return ok(QStringLiteral("Transação gravada (%1 caracteres)%2.")
                  .arg(xml.size())
                  .arg(duplicadas ? QStringLiteral(", duplicações processadas") : QString()));
}

Answer consultaDevolucoes(const Request&, const JsonValue* dados) {
    JsonValue list = JsonValue::array();
    for (int n = 1; n <= 2; ++n) {
        JsonValue d = JsonValue::object();
        d.add("Filial", TJSONUtil::SetStr(str(dados, "Filial")));
        d.add("Sequenciador", TJSONUtil::SetStr(QStringLiteral("%1").arg(n, 10)));
        d.add("NumeroNF", TJSONUtil::SetStr(QStringLiteral("%1").arg(100006 + n, 6)));
        d.add("Valor", JsonValue::numberText(n == 1 ? "59.9" : "12"));
        list.append(std::move(d));
    }
    return ok(QStringLiteral("2 devolução(ões) do parceiro %1.").arg(str(dados, "CodigoParceiro")),
              std::move(list));
}

JsonValue returnItem(const QString& filial, int item, const char* devolver, const char* devolvida) {
    JsonValue i = JsonValue::object();
    i.add("Filial", TJSONUtil::SetStr(filial));
    i.add("Sequenciador", TJSONUtil::SetStr(QStringLiteral("         7")));
    i.add("Item", JsonValue::integer(item));
    i.add("QtdDevolver", JsonValue::numberText(devolver));
    i.add("QtdDevolvida", JsonValue::numberText(devolvida));
    i.add("QtdPendente", JsonValue::numberText(devolver));
    i.add("QtdDevRemessa", JsonValue::integer(0));
    i.add("QtdRemessa", JsonValue::integer(0));
    i.add("SigNat", JsonValue::integer(item == 3 ? -1 : 1));
    return i;
}

// The items of a document that can be returned; note number 0 (or none) finds nothing.
Answer dadosDevolucao(const Request&, const JsonValue* dados) {
    const QString numero = str(dados, "NumeroNF").trimmed();
    if (numero.isEmpty() || numero.toLongLong() == 0)
        return wrapped(JsonValue::object());
    const QString filial = str(dados, "FilialNF");
    JsonValue itens = JsonValue::array();
    itens.append(returnItem(filial, 1, "2", "0"));
    itens.append(returnItem(filial, 2, "1.5", "0.5"));
    itens.append(returnItem(filial, 3, "10", "0"));
    JsonValue r = JsonValue::object();
    r.add("Devolucao", std::move(itens));
    return wrapped(std::move(r));
}

Answer processaDevolucao(const Request&, const JsonValue* dados) {
    const JsonValue* itens = dados && dados->isObject() ? dados->find("Devolucao") : nullptr;
    const std::size_t count = itens && itens->isArray() ? itens->size() : 0;
    JsonValue r = JsonValue::object();
    r.add("RETORNO",
          TJSONUtil::SetStr(QStringLiteral("Devolução gravada: %1 item(ns).").arg(count)));
    r.add("GRAVACAOGUARDA", TJSONUtil::SetStr(QStringLiteral("OK")));
    r.add("GRAVACAOCOMMERCE", TJSONUtil::SetStr(QStringLiteral("OK")));
    r.add("VALIDACAOXML", TJSONUtil::SetStr(QStringLiteral("XML válido")));
    r.add("GRAVACAOXML", TJSONUtil::SetStr(QStringLiteral("OK")));
    return wrapped(std::move(r));
}

// One record per parameter received, so the parameters can be seen travelling.
Answer consultaRetaguarda(const Request&, const JsonValue* dados) {
    JsonValue registros = JsonValue::array();
    const JsonValue* params = dados && dados->isObject() ? dados->find("Parametros") : nullptr;
    for (std::size_t i = 0; params && params->isArray() && i < params->size(); ++i) {
        JsonValue r = JsonValue::object();
        r.add("Parametro", TJSONUtil::SetStr(str(&params->at(i), "Nome")));
        r.add("Valor", TJSONUtil::SetStr(str(&params->at(i), "Valor")));
        registros.append(std::move(r));
    }
    JsonValue livre = JsonValue::object();
    livre.add("Origem", TJSONUtil::SetStr(str(dados, "Origem")));
    livre.add("Tipo", JsonValue::integer(TJSONUtil::GetInt(dados, QStringLiteral("Tipo"))));
    livre.add("Registros", std::move(registros));
    return ok(QStringLiteral("Consulta à retaguarda realizada."), std::move(livre));
}

// Each table's codes count up from 1 while the stand-in runs.
ServiceHandler proximoCodigo() {
    struct Counters {
        std::mutex mutex;
        std::map<QString, int> next;
    };
    auto counters = std::make_shared<Counters>();
    return [counters](const Request&, const JsonValue* dados) {
        const QString tabela = str(dados, "CodigoTabela") + u'|' + str(dados, "Filial") + u'|' +
                               str(dados, "Serie") + u'|' + str(dados, "ChaveAdicional");
        int codigo;
        {
            const std::lock_guard lock(counters->mutex);
            codigo = ++counters->next[tabela];
        }
        JsonValue livre = JsonValue::object();
        livre.add("Codigo", JsonValue::integer(codigo));
        return ok(QStringLiteral("Próximo código da tabela %1: %2.")
                      .arg(str(dados, "CodigoTabela"))
                      .arg(codigo),
                  std::move(livre));
    };
}

Answer processaNFSobreRecibo(const Request&, const JsonValue* dados) {
    const JsonValue* itens = dados && dados->isObject() ? dados->find("ItensParciais") : nullptr;
    if (!itens || !itens->isArray() || itens->empty())
        return rejected(QStringLiteral("Nenhum item do recibo foi informado."));
    return ok(QStringLiteral("Nota fiscal emitida sobre o recibo %1 com %2 item(ns).")
                  .arg(str(dados, "SequenRecibo").trimmed())
                  .arg(itens->size()));
}

Answer listaNossoNumero(const Request&, const JsonValue* dados) {
    const int quantidade = TJSONUtil::GetInt(dados, QStringLiteral("Quantidade"));
    if (quantidade < 1 || quantidade > 1000)
        return rejected(QStringLiteral("Quantidade inválida: %1 (de 1 a 1000).").arg(quantidade));
    JsonValue numeros = JsonValue::array();
    for (int n = 1; n <= quantidade; ++n)
        numeros.append(TJSONUtil::SetStr(QStringLiteral("%1").arg(n, 11, 10, QLatin1Char('0'))));
    return ok(QStringLiteral("%1 nosso(s) número(s) reservado(s).").arg(quantidade),
              std::move(numeros));
}

Answer persistePDV(const Request&, const JsonValue* dados) {
    if (str(dados, "CNPJ").trimmed().isEmpty())
        return rejected(QStringLiteral("CNPJ do terminal não informado."));
    const bool ecf = dados->find("ECF") != nullptr;
    return ok(
        QStringLiteral("Terminal %1 registrado como %2.")
            .arg(str(dados, "Terminal"), ecf ? QStringLiteral("ECF") : QStringLiteral("PDV")));
}

Answer reimpressaoCupom(const Request&, const JsonValue* dados) {
    const JsonValue* docs = dados && dados->isObject() ? dados->find("DocEmitidos") : nullptr;
    if (!docs || !docs->isArray() || docs->empty())
        return rejected(QStringLiteral("Nenhum cupom informado para a reimpressão."));
    return ok(QStringLiteral("%1 cupom(ns) reimpresso(s) em nota fiscal.").arg(docs->size()));
}

} // namespace

void installCommerceAnswers(MiddlewareSim& server) {
    server.setHandler("TCommerceAPI/ImprimirCancSeguro",
                      says(QStringLiteral("Cancelamento impresso.")));
    server.setHandler("TCommerceAPI/ParametrosMiddleware", parametrosMiddleware);
    server.setHandler("TCommerceAPI/ExecutaGravaTransacoes", executaGravaTransacoes);
    server.setHandler("TCommerceAPI/ConsultaDevolucoes", consultaDevolucoes);
    server.setHandler("TCommerceAPI/DadosDevolucao", dadosDevolucao);
    server.setHandler("TCommerceAPI/ProcessaDevolucao", processaDevolucao);
    server.setHandler("TCommerceAPI/ReceberMercadoriaImportacao",
                      says(QStringLiteral("Mercadoria de importação recebida.")));
    server.setHandler("TCommerceAPI/ProcessaXMLDI",
                      says(QStringLiteral("XML da declaração de importação processado.")));
    server.setHandler("TCommerceAPI/ProcessaNotaImportacao",
                      says(QStringLiteral("Nota de importação gerada.")));
    server.setHandler("TCommerceAPI/ConsultaRetaguarda", consultaRetaguarda);
    server.setHandler("TCommerceAPI/BloqueiaOrigem", says(QStringLiteral("Origem bloqueada.")));
    server.setHandler("TCommerceAPI/DesbloqueiaOrigem",
                      says(QStringLiteral("Origem desbloqueada.")));
    server.setHandler("TCommerceAPI/ProximoCodigo", proximoCodigo());
    server.setHandler("TCommerceAPI/ProcessaNFSobreRecibo", processaNFSobreRecibo);
    server.setHandler("TCommerceAPI/ListaNossoNumero", listaNossoNumero);
    server.setHandler("TCommerceAPI/AtualizaStatusECF",
                      says(QStringLiteral("Status do ECF atualizado.")));
    server.setHandler("TCommerceAPI/PersistePDV", persistePDV);
    server.setHandler("TCommerceAPI/ReinicializaPoS", says(QStringLiteral("PoS reinicializado.")));
    server.setHandler("TCommerceAPI/ReimpressaoCupomEmNotaFiscal", reimpressaoCupom);
    server.setHandler("TCommerceAPI/ProcessaNFSesAutomatico",
                      says(QStringLiteral("Processamento automático de NFS-e iniciado.")));
    server.setHandler("TCommerceAPI/GeraXMLTransacoesPendentes",
                      says(QStringLiteral("XML das transações pendentes gerado.")));
}

} // namespace sim
