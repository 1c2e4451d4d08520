// The stand-in's answers to the commerce services of titles, CNAB, notes, DAV, partners, e-commerce
// and quotations.
#include "simanswers.h"
#include "simhelpers.h"

#include "common/tjsonutil.h"

namespace sim {

namespace {

using json::JsonValue;

QString str(const JsonValue* dados, const char* key) {
    return TJSONUtil::GetStr(dados, QString::fromLatin1(key));
}

const JsonValue* member(const JsonValue* o, const char* key) {
    return o && o->isObject() ? o->find(key) : nullptr;
}

Answer ok(const QString& msg, std::optional<JsonValue> livre = std::nullopt) {
    return resultEnvelope(false, "", msg, std::move(livre));
}

Answer rejected(const QString& msg) {
    return resultEnvelope(true, "7", msg);
}

JsonValue titulo(const char* numero, const char* nossoNumero, const char* valor,
                 const char* vencimento) {
    JsonValue t = JsonValue::object();
    t.add("Filial", TJSONUtil::SetStr(QStringLiteral("001")));
    t.add("NumeroDocumento", TJSONUtil::SetStr(QString::fromLatin1(numero)));
    t.add("NossoNumero", TJSONUtil::SetStr(QString::fromLatin1(nossoNumero)));
    t.add("Valor", JsonValue::numberText(valor));
    t.add("Vencimento", TJSONUtil::SetStr(QString::fromLatin1(vencimento)));
    t.add("Situacao", TJSONUtil::SetStr(QStringLiteral("A")));
    return t;
}

Answer consultaTitulos(const Request&, const JsonValue* dados) {
    JsonValue list = JsonValue::array();
    list.append(titulo("000101", "00000012345", "150.25", "10/06/2018 00:00:00"));
    list.append(titulo("000102", "00000012346", "89.9", "10/07/2018 00:00:00"));
    const QString msg = QStringLiteral("%1 título(s) de %2 a %3.")
                            .arg(list.size())
                            .arg(str(dados, "DataInicialVenda"), str(dados, "DataFinalVenda"));
    return ok(msg, std::move(list));
}

// A small CNAB 240 remittance: header, one segment per remittance code (or one when none is
// asked), trailer. Packed in a ZIP archive when the request asks for it.
Answer remessaCNAB(const Request&, const JsonValue* dados) {
    const QString banco =
        str(dados, "CodigoBanco").isEmpty() ? QStringLiteral("001") : str(dados, "CodigoBanco");
    QStringList codigos;
    if (const JsonValue* lista = member(dados, "ListaCodigoRemessa"); lista && lista->isArray())
        for (std::size_t i = 0; i < lista->size(); ++i)
            codigos << lista->at(i).toQString();
    if (codigos.isEmpty())
        codigos << QStringLiteral("01");
    QByteArray rem = (banco.left(3) + QStringLiteral("00000") + QStringLiteral(" HEADER ") +
                      str(dados, "NumeroAgencia") + u'-' + str(dados, "NumeroContaCorrente"))
                         .toLatin1() +
                     "\r\n";
    for (qsizetype i = 0; i < codigos.size(); ++i)
        rem += QStringLiteral("%1%2P REMESSA CODIGO %3\r\n")
                   .arg(banco.left(3))
                   .arg(i + 1, 5, 10, QLatin1Char('0'))
                   .arg(codigos[i])
                   .toLatin1();
    rem += (banco.left(3) + QStringLiteral("99999 TRAILER")).toLatin1() + "\r\n";
    const QString nome = QStringLiteral("CNAB240_%1").arg(banco.left(3));
    if (!TJSONUtil::GetBool(dados, QStringLiteral("ArquivoCompactado"), false))
        return fileRecord(nome + QStringLiteral(".rem"), rem,
                          QStringLiteral("Arquivo de remessa gerado."));
    JsonValue livre = JsonValue::object();
    livre.add("Nome", TJSONUtil::SetStr(nome + QStringLiteral(".zip")));
    livre.add("Base64", TJSONUtil::SetStr(zippedBase64(nome + QStringLiteral(".rem"), rem)));
    return ok(QStringLiteral("Arquivo de remessa gerado e compactado."), std::move(livre));
}

// The return file is read back from its base64: its lines are counted as records.
Answer retornoCNAB(const Request&, const JsonValue* dados) {
    const QByteArray base64 = str(dados, "ArquivoRetorno").toLatin1();
    const auto decoded =
        QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (base64.isEmpty() || !decoded)
        return rejected(QStringLiteral("Arquivo de retorno vazio ou não está em base64."));
    const qsizetype linhas = decoded.decoded.count('\n') + (decoded.decoded.endsWith('\n') ? 0 : 1);
    JsonValue livre = JsonValue::object();
    livre.add("Registros", JsonValue::integer(linhas));
    return ok(QStringLiteral("Arquivo de retorno processado: %1 registro(s).").arg(linhas),
              std::move(livre));
}

Answer notaDeTransferencia(const Request&, const JsonValue* dados) {
    const JsonValue* itens = member(dados, "Itens");
    if (!itens || !itens->isArray() || itens->empty())
        return rejected(QStringLiteral("Nenhum item de pedido informado."));
    std::size_t lotes = 0;
    for (std::size_t i = 0; i < itens->size(); ++i)
        if (const JsonValue* l = member(&itens->at(i), "Lotes"); l && l->isArray())
            lotes += l->size();
    JsonValue livre = JsonValue::object();
    livre.add("Serie", TJSONUtil::SetStr(QStringLiteral("1")));
    livre.add("NumeroNota", JsonValue::integer(5501));
    return ok(QStringLiteral("Nota de transferência 5501 emitida com %1 item(ns) e %2 lote(s).")
                  .arg(itens->size())
                  .arg(lotes),
              std::move(livre));
}

Answer importaXml(const Request&, const JsonValue* dados) {
    if (str(dados, "XML").trimmed().isEmpty())
        return rejected(QStringLiteral("XML da NF-e não informado."));
    return ok(QStringLiteral("NF-e importada; pagamento TEF %1 registrado.")
                  .arg(TJSONUtil::GetStr(member(dados, "TEF"), QStringLiteral("NSU"))));
}

Answer creditoIcms(const Request&, const JsonValue* dados) {
    JsonValue livre = JsonValue::object();
    livre.add("NumeroNota", JsonValue::integer(7301));
    return ok(QStringLiteral("Nota de crédito de ICMS emitida de %1 para %2.")
                  .arg(str(dados, "FilialOrigem"), str(dados, "FilialDestino")),
              std::move(livre));
}

// The free-JSON services need their object.
ServiceHandler persiste(const char* objeto, const char* chave) {
    return [objeto, chave](const Request&, const JsonValue* dados) {
        const JsonValue* o = member(dados, objeto);
        if (!o || !o->isObject())
            return rejected(
                QStringLiteral("Objeto \"%1\" não informado.").arg(QString::fromLatin1(objeto)));
        JsonValue livre = JsonValue::object();
        livre.add(chave, TJSONUtil::SetStr(QStringLiteral("000123")));
        return ok(QStringLiteral("Registro gravado."), std::move(livre));
    };
}

JsonValue modelo(const char* nome) {
    JsonValue m = JsonValue::object();
    m.add("Nome", TJSONUtil::SetStr(QString::fromLatin1(nome)));
    return m;
}

Answer modelosOrdem(const Request&, const JsonValue*) {
    JsonValue list = JsonValue::array();
    list.append(modelo("OrdemSeparacao.fr3"));
    list.append(modelo("OrdemSeparacaoResumida.fr3"));
    return ok(QStringLiteral("2 modelo(s)."), std::move(list));
}

const QByteArray kPdf = "%PDF-1.4\n1 0 obj<</Type/Catalog>>endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n";

// Without a printer the document comes back (packed when asked); with one it is printed.
Answer imprimeOrdem(const Request&, const JsonValue* dados) {
    const QString impressora = str(dados, "NomeImpressora");
    if (!impressora.trimmed().isEmpty())
        return ok(QStringLiteral("Ordem de separação impressa em %1.").arg(impressora));
    if (TJSONUtil::GetBool(dados, QStringLiteral("ComprimirArquivoRetorno"), false))
        return resultEnvelope(false, "", QStringLiteral("Ordem de separação gerada."), std::nullopt,
                              zippedBase64(QStringLiteral("ImprimeOrdemDeSeparacaoDAV.pdf"), kPdf));
    return contentFile(kPdf, QStringLiteral("Ordem de separação gerada."));
}

Answer separacaoDav(const Request&, const JsonValue* dados) {
    if (str(dados, "NumeroDAV").trimmed().isEmpty())
        return rejected(QStringLiteral("Número do DAV não informado."));
    return ok(QStringLiteral("NF-e da separação do DAV %1 emitida.").arg(str(dados, "NumeroDAV")));
}

Answer pedidoSkyhub(const Request&, const JsonValue* dados) {
    JsonValue pedido = JsonValue::object();
    pedido.add("NumeroPedidoSkyhub", TJSONUtil::SetStr(str(dados, "NumeroPedidoSkyhub")));
    pedido.add("Situacao", TJSONUtil::SetStr(QStringLiteral("P")));
    return ok(QStringLiteral("Pedido consultado."), std::move(pedido));
}

Answer cotacaoFornecedor(const Request&, const JsonValue* dados) {
    const QString tipo = str(dados, "TipoArquivo");
    if (tipo != QLatin1String("J") && tipo != QLatin1String("E"))
        return rejected(QStringLiteral("Tipo de arquivo de cotação não suportado."));
    return ok(QStringLiteral("Cotação do fornecedor processada."));
}

// A fixed success for the services that only confirm.
ServiceHandler confirms(const char* msg) {
    return [msg](const Request&, const JsonValue*) { return ok(QString::fromUtf8(msg)); };
}

} // namespace

void installCommerceOrderAnswers(MiddlewareSim& server) {
    server.setHandler("TCommerceAPI/ConsultaTitulosBancarios", consultaTitulos);
    server.setHandler("TCommerceAPI/ArquivoRemessaCNAB", remessaCNAB);
    server.setHandler("TCommerceAPI/ProcessaArquivoRetornoCNAB", retornoCNAB);
    server.setHandler("TCommerceAPI/ProcessaNotaDeTransferencia", notaDeTransferencia);
    server.setHandler("TCommerceAPI/ImportaXMLNFe", importaXml);
    server.setHandler("TCommerceAPI/ProcessaNotaCreditoICMS", creditoIcms);
    server.setHandler("TCommerceAPI/PersisteParceiro", persiste("Parceiro", "CodCli"));
    server.setHandler("TCommerceAPI/PersisteDAV", persiste("Orcamento", "NumeroPedido"));
    server.setHandler("TCommerceAPI/GeraNotaDAVPreVenda", confirms("Nota da pré-venda gerada."));
    server.setHandler("TCommerceAPI/ConsultaModeloOrdemDeSeparacaoDAV", modelosOrdem);
    server.setHandler("TCommerceAPI/ImprimeOrdemDeSeparacaoDAV", imprimeOrdem);
    server.setHandler("TCommerceAPI/GerarNFESeparacaoDAV", separacaoDav);
    server.setHandler("TCommerceAPI/SincronizaSkyhub", confirms("Sincronização iniciada."));
    server.setHandler("TCommerceAPI/CancelaOrcamento", confirms("Orçamento cancelado."));
    server.setHandler("TCommerceAPI/SetStatusEcommerce", confirms("Status atualizado."));
    server.setHandler("TCommerceAPI/Get_OrderSkyHub", pedidoSkyhub);
    server.setHandler("TCommerceAPI/EnviaEmailCotacaoFornecedor",
                      confirms("E-mail da cotação enviado ao fornecedor."));
    server.setHandler("TCommerceAPI/ProcessaCotacaoFornecedor", cotacaoFornecedor);
    server.setHandler("TCommerceAPI/AprovarCotacaoFornecedor", confirms("Cotação aprovada."));
    server.setHandler("TCommerceAPI/DefineVencedoresCotacaoFornecedor",
                      confirms("Vencedores da cotação definidos."));
    server.setHandler("TCommerceAPI/MarcaExportacaoECommerce",
                      confirms("Documento marcado como exportado."));
}

} // namespace sim
