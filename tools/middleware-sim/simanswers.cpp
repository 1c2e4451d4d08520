#include "simanswers.h"
#include "simhelpers.h"

#include "common/filehelpers.h"
#include "common/tjsonutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace sim {

namespace {

using json::JsonValue;

JsonValue printer(const char* nome, const char* tipo, const char* porta, int dpi) {
    JsonValue p = JsonValue::object();
    p.add("Chave", TJSONUtil::SetStr(QString::fromLatin1(nome)));
    p.add("Nome", TJSONUtil::SetStr(QString::fromLatin1(nome)));
    p.add("Tipo", TJSONUtil::SetStr(QString::fromLatin1(tipo)));
    p.add("Porta", TJSONUtil::SetStr(QString::fromLatin1(porta)));
    p.add("Velocidade", JsonValue::integer(4));
    p.add("Temperatura", JsonValue::integer(10));
    p.add("DPI", JsonValue::integer(dpi));
    p.add("Unidade", TJSONUtil::SetStr(QStringLiteral("M")));
    p.add("Ativo", JsonValue::boolean(true));
    return p;
}

Answer sobre(const Request&, const JsonValue*) {
    JsonValue livre = JsonValue::object();
    livre.add("Sistema", TJSONUtil::SetStr(QStringLiteral("QuorvaMiddlewareService (simulador)")));
    livre.add("SistemaVersao", TJSONUtil::SetStr(QStringLiteral("6G")));
    livre.add("BancoVersao", JsonValue::integer(237));
    livre.add("PreparacaoMinima", JsonValue::integer(230004));
    return resultEnvelope(false, "", QStringLiteral("Middleware em funcionamento."),
                          std::move(livre));
}

Answer consultaImpressora(const Request&, const JsonValue* dados) {
    const QString tipo = TJSONUtil::GetStr(dados, QStringLiteral("TipoComunicacaoImpressora"));
    const JsonValue all[] = {printer("Bematech MP-4200", "N", "USB001", 203),
                             printer("Argox OS-214", "A", "COM3", 203),
                             printer("Argox OX-100", "B", "COM4", 300),
                             printer("Zebra GC420t", "Z", "USB002", 203),
                             printer("Zebra GK420d", "E", "LPT1", 203),
                             printer("Elgin i9", "N", "USB003", 203)};
    JsonValue list = JsonValue::array();
    for (const JsonValue& p : all)
        if (tipo.isEmpty() || p.find("Tipo")->toQString() == tipo)
            list.append(p);
    const auto count = list.size(); // before the list is moved into the answer
    return resultEnvelope(false, "", QStringLiteral("%1 impressora(s).").arg(count),
                          std::move(list));
}

Answer assinarXml(const Request&, const JsonValue* dados) {
    const bool packed = TJSONUtil::GetBool(dados, QStringLiteral("XMLCodificado"), false);
    const QByteArray signedXml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><NFe><infNFe Id=\"NFe1\"/>"
        "<Signature><SignatureValue>c2ltdWxhZG9y</SignatureValue></Signature></NFe>";
    const QString str = packed ? zippedBase64(QStringLiteral("AssinarXML.xml"), signedXml)
                               : QString::fromLatin1(signedXml);
    return resultEnvelope(false, "", QStringLiteral("XML assinado."), std::nullopt, str);
}

JsonValue satRecord(bool cancelamento) {
    JsonValue r = JsonValue::object();
    r.add("RETORNO", TJSONUtil::SetStr(cancelamento ? QStringLiteral("07000|CFe cancelado")
                                                    : QStringLiteral("06000|Emitido com sucesso")));
    r.add("XMLIMP",
          TJSONUtil::SetStr(QStringLiteral(
              "<CFe><infCFe Id=\"CFe35150611111111111111591234567890001234567890\"/></CFe>")));
    if (cancelamento)
        r.add("XMLVEN",
              TJSONUtil::SetStr(QStringLiteral(
                  "<CFe><infCFe Id=\"CFe35150611111111111111591234567890001234567880\"/></CFe>")));
    r.add("NUMSAT", JsonValue::integer(900001234));
    r.add("NUMCFE", JsonValue::integer(123));
    r.add("CODRET", JsonValue::integer(cancelamento ? 7000 : 6000));
    r.add("MSGRET", TJSONUtil::SetStr(QStringLiteral("Operação realizada")));
    r.add("CODERR", JsonValue::integer(0));
    r.add("MSGERR", TJSONUtil::SetStr(QString()));
    r.add("MSGSIS", TJSONUtil::SetStr(QStringLiteral("SAT simulado")));
    return r;
}

JsonValue eventRecord() {
    JsonValue r = JsonValue::object();
    r.add("XMLEVENTO",
          TJSONUtil::SetStr(QStringLiteral("<procEventoNFe><evento><infEvento><tpEvento>110111</"
                                           "tpEvento></infEvento></evento></procEventoNFe>")));
    r.add("XMLNOTA", TJSONUtil::SetStr(QStringLiteral(
                         "<nfeProc><NFe><infNFe "
                         "Id=\"NFe1\"/></NFe><protNFe><cStat>101</cStat></protNFe></nfeProc>")));
    return r;
}

const QString kAuthorisedXml =
    QStringLiteral("<nfeProc versao=\"4.00\"><NFe/><protNFe><infProt><cStat>100</cStat>"
                   "<xMotivo>Autorizado o uso da NF-e</xMotivo></infProt></protNFe></nfeProc>");

} // namespace

// A certificate file: the bytes of a small PKCS #12 look-alike, binary on purpose.
Answer certificado(const Request& request, const JsonValue*) {
    std::string bytes("0\x82\x01\x00\x02\x01\x03\x00\xff\xfe", 10);
    bytes += "CERTIFICADO-SIMULADO:" + request.path;
    return Answer{200, bytes, "application/octet-stream"};
}

// Ranges wider than 1000 numbers are rejected, so a batch shows both outcomes.
Answer inutiliza(const Request&, const JsonValue* dados) {
    const int first = TJSONUtil::GetInt(dados, QStringLiteral("NumeroInicial"), 0);
    const int last = TJSONUtil::GetInt(dados, QStringLiteral("NumeroFinal"), 0);
    if (last - first > 1000)
        return resultEnvelope(
            true, "6",
            QStringLiteral("Rejeição simulada: faixa de %1 a %2 maior que 1000 números.")
                .arg(first)
                .arg(last));
    return resultEnvelope(
        false, "",
        QStringLiteral("Inutilização de número homologada: %1 a %2.").arg(first).arg(last));
}

void installDefaultAnswers(MiddlewareSim& server) {
    server.setHandler("TNFeAPI/Certificado", certificado);
    server.setHandler("TNFeAPI/InutilizaSEFAZ", inutiliza);
    server.setHandler("TCTeAPI/InutilizaCTe", inutiliza);
    server.setHandler("TNFeAPI/AutenticaCFeSAT", orError([](const Request&, const JsonValue*) {
                          return wrapped(satRecord(false));
                      }));
    server.setHandler("TNFeAPI/AutenticaCFeSATArqNF", orError([](const Request&, const JsonValue*) {
                          return wrapped(satRecord(false));
                      }));
    server.setHandler("TNFeAPI/CancelaCFeSAT", orError([](const Request&, const JsonValue*) {
                          return wrapped(satRecord(true));
                      }));
    for (const char* path : {"TNFeAPI/AutenticaArqNF", "TNFeAPI/AutenticaSEFAZ"})
        server.setHandler(path, orError([](const Request&, const JsonValue*) {
                              return wrapped(TJSONUtil::SetStr(kAuthorisedXml));
                          }));
    server.setHandler("TNFeAPI/CancelarNFe", orError([](const Request&, const JsonValue*) {
                          return wrapped(eventRecord());
                      }));
    server.setHandler("TNFeAPI/CancelarNFeSefaz", orError([](const Request&, const JsonValue*) {
                          return resultEnvelope(
                              false, "", QStringLiteral("Cancelamento homologado."), eventRecord());
                      }));
    server.setHandler("TNFeAPI/AutenticaErpNFeSefaz", orError([](const Request&, const JsonValue*) {
                          return resultEnvelope(false, "", QStringLiteral("Autorizado."),
                                                std::nullopt, kAuthorisedXml);
                      }));
    server.setHandler(
        "TNFeAPI/AutenticaCFeSATComplementar", orError([](const Request&, const JsonValue*) {
            return resultEnvelope(false, "", QStringLiteral("CF-e complementar emitido."),
                                  satRecord(false));
        }));
    server.setHandler("TConexaoAPI/Sobre", sobre);
    server.setHandler("TConexaoAPI/ConsultaImpressora", consultaImpressora);
    server.setHandler("TSSLAPI/AssinarXML", assinarXml);
    installCommerceAnswers(server);
    installCommerceOrderAnswers(server);
    installCommerceLocalAnswers(server);
    installImpressoraAnswers(server);
    installNfeGuardaAnswers(server);
    installCteAnswers(server);
    installMdfeAnswers(server);
    installPafAnswers(server);
}

} // namespace sim
