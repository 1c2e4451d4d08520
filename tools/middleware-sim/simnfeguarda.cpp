// The stand-in's answers to the NF-e services of storage, NFS-e, printing, events and distribution.
#include "simanswers.h"
#include "simhelpers.h"

#include "common/tjsonutil.h"

namespace sim {

namespace {

using json::JsonValue;

QString str(const JsonValue* dados, const char* key) {
    return TJSONUtil::GetStr(dados, QString::fromLatin1(key));
}

JsonValue text(const QString& value) {
    return TJSONUtil::SetStr(value);
}

// A 44-digit access key built from the note's branch, series and number.
QString accessKey(const QString& filial, const QString& serie, int numero) {
    return (QStringLiteral("3524061122233300018155") + filial.right(3).rightJustified(3, u'0') +
            serie.right(3).rightJustified(3, u'0') +
            QString::number(numero).rightJustified(9, u'0') + QStringLiteral("1000012345"))
        .left(44)
        .leftJustified(44, u'0');
}

// The authorised XML kept in the store, with accented names as real notes carry them.
QString storedXml(const QString& filial, const QString& serie, int numero) {
    return QStringLiteral(
               "<nfeProc versao=\"4.00\"><NFe><infNFe Id=\"NFe%1\"><ide><serie>%2</serie>"
               "<nNF>%3</nNF><natOp>Venda de mercadoria</natOp></ide><emit>"
               "<xNome>Padaria São João Ltda</xNome><enderEmit><xLgr>Avenida Paulista"
               "</xLgr><xMun>São Paulo</xMun></enderEmit></emit><dest><xNome>José "
               "Conceição</xNome></dest></infNFe></NFe><protNFe><infProt><cStat>100"
               "</cStat><xMotivo>Autorizado o uso da NF-e</xMotivo></infProt>"
               "</protNFe></nfeProc>")
        .arg(accessKey(filial, serie, numero), serie)
        .arg(numero);
}

// A small, well-formed PDF whose page says what it is.
QByteArray pdf(const QString& title) {
    const QByteArray content = "BT /Helv 12 Tf 40 800 Td (" + title.toLatin1() + ") Tj ET";
    return "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
           "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
           "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 595 842]/Contents 4 0 R>>endobj\n"
           "4 0 obj<</Length " +
           QByteArray::number(content.size()) + ">>stream\n" + content +
           "\nendstream endobj\ntrailer<</Root 1 0 R>>\n%%EOF\n";
}

// The note named by either key family: "CODFIL"/"NUMECF"/"CODSER"/"NUMNOT" or
// "Filial"/"ECF"/"Serie"/"Numero" (the getters find keys in any case).
struct Nota {
    QString filial, ecf, serie;
    int numero = 0;
};

Nota notaOf(const JsonValue* dados) {
    Nota n;
    n.filial = str(dados, "CODFIL");
    if (n.filial.isEmpty())
        n.filial = str(dados, "Filial");
    n.ecf = str(dados, "NUMECF");
    if (n.ecf.isEmpty())
        n.ecf = str(dados, "ECF");
    n.serie = str(dados, "CODSER");
    if (n.serie.isEmpty())
        n.serie = str(dados, "Serie");
    n.numero = TJSONUtil::GetInt(dados, QStringLiteral("NUMNOT"), 0);
    if (n.numero == 0)
        n.numero = TJSONUtil::GetInt(dados, QStringLiteral("Numero"), 0);
    return n;
}

JsonValue guardaRecord(const Nota& n, const QString& situacao) {
    JsonValue r = JsonValue::object();
    r.add("CODFIL", text(n.filial));
    r.add("NUMECF", text(n.ecf));
    r.add("CODSER", text(n.serie));
    r.add("NUMNOT", JsonValue::integer(n.numero));
    r.add("CHAVE", text(accessKey(n.filial, n.serie, n.numero)));
    r.add("SITUACAO", text(situacao));
    r.add("PROTOCOLO", text(QStringLiteral("135240000%1").arg(n.numero, 6, 10, QChar(u'0'))));
    return r;
}

Answer storeAnswer(const Request&, const JsonValue* dados) {
    const Nota n = notaOf(dados);
    if (n.numero <= 0)
        return resultEnvelope(true, "4",
                              QStringLiteral("Nota %1 não encontrada na guarda.").arg(n.numero));
    return resultEnvelope(false, "", QStringLiteral("Nota %1 encontrada na guarda.").arg(n.numero),
                          guardaRecord(n, QStringLiteral("Autorizada")));
}

Answer getGuarda(const Request& r, const JsonValue* dados) {
    const Nota n = notaOf(dados);
    if (n.numero <= 0)
        return storeAnswer(r, dados);
    JsonValue record = guardaRecord(n, QStringLiteral("Autorizada"));
    record.add("XML", text(storedXml(n.filial, n.serie, n.numero)));
    return resultEnvelope(false, "", QStringLiteral("Guarda da nota %1.").arg(n.numero),
                          std::move(record));
}

Answer situacaoNFSe(const Request&, const JsonValue* dados) {
    const Nota n = notaOf(dados);
    JsonValue r = guardaRecord(n, QStringLiteral("NFS-e emitida"));
    r.add("NUMRPS", JsonValue::integer(n.numero));
    r.add("NUMNFSE", JsonValue::integer(20240000 + n.numero));
    r.add("CODIGOVERIFICACAO", text(QStringLiteral("AB12-CD34")));
    return resultEnvelope(false, "", QStringLiteral("RPS %1 convertido em NFS-e.").arg(n.numero),
                          std::move(r));
}

Answer consultaXMLAutenticado(const Request&, const JsonValue* dados) {
    const QString filial = str(dados, "FILIAL");
    const QString serie = str(dados, "SERIE");
    const int numero = TJSONUtil::GetInt(dados, QStringLiteral("NUMERONOTA"), 0);
    return wrapped(text(storedXml(filial, serie, numero)));
}

Answer printed(const QString& what, const JsonValue* dados) {
    QString printer = str(dados, "NomeImpressora");
    if (printer.isEmpty())
        printer = QStringLiteral("impressora padrão");
    return resultEnvelope(false, "", QStringLiteral("%1 enviado para %2.").arg(what, printer));
}

Answer pdfAnswer(const QString& what) {
    return contentFile(pdf(what), QStringLiteral("%1 gerado.").arg(what));
}

JsonValue rps(int numero, const char* situacao, int nfse) {
    JsonValue r = JsonValue::object();
    r.add("NumeroRPS", JsonValue::integer(numero));
    r.add("Serie", text(QStringLiteral("RPS")));
    r.add("Situacao", text(QString::fromUtf8(situacao)));
    r.add("NumeroNFSe", JsonValue::integer(nfse));
    return r;
}

JsonValue rpsList() {
    JsonValue list = JsonValue::array();
    list.append(rps(101, "Enviado", 0));
    list.append(rps(102, "Convertido em NFS-e", 2024102));
    list.append(rps(103, "Rejeitado: alíquota de ISS inválida", 0));
    return list;
}

Answer enviaRPSs(const Request&, const JsonValue* dados) {
    JsonValue livre = JsonValue::object();
    livre.add("CNPJ", text(str(dados, "CNPJ")));
    livre.add("Lote", JsonValue::integer(57));
    livre.add("Protocolo", text(QStringLiteral("PREF-2024-000057")));
    livre.add("RPS", rpsList());
    return resultEnvelope(false, "", QStringLiteral("Lote 57 com 3 RPS enviado à prefeitura."),
                          std::move(livre));
}

Answer consultaRPSs(const Request&, const JsonValue* dados) {
    JsonValue livre = JsonValue::object();
    livre.add("CNPJ", text(str(dados, "CNPJ")));
    livre.add("RPS", rpsList());
    return resultEnvelope(false, "", QStringLiteral("3 RPS na prefeitura."), std::move(livre));
}

// Documents after the NSU asked for: three summaries, their XML in base64.
Answer consultaPeloUltimoNSU(const Request&, const JsonValue* dados) {
    const QString cnpj = str(dados, "CNPJ");
    const qlonglong ult = str(dados, "UltNSU").toLongLong();
    JsonValue docs = JsonValue::array();
    for (int i = 1; i <= 3; ++i) {
        const QString nsu = QString::number(ult + i).rightJustified(15, u'0');
        const QString chave = accessKey(QStringLiteral("001"), QStringLiteral("1"), 500 + i);
        const QString xml =
            QStringLiteral("<resNFe><chNFe>%1</chNFe><CNPJ>%2</CNPJ><xNome>Distribuidora "
                           "Ação Ltda</xNome><vNF>%3.50</vNF></resNFe>")
                .arg(chave, cnpj)
                .arg(100 * i);
        JsonValue d = JsonValue::object();
        d.add("NSU", text(nsu));
        d.add("Schema", text(QStringLiteral("resNFe_v1.01.xsd")));
        d.add("ChaveAcesso", text(chave));
        d.add("XML", text(QString::fromLatin1(xml.toUtf8().toBase64())));
        docs.append(std::move(d));
    }
    JsonValue livre = JsonValue::object();
    livre.add("UltNSU", text(QString::number(ult + 3).rightJustified(15, u'0')));
    livre.add("MaxNSU", text(QString::number(ult + 3).rightJustified(15, u'0')));
    livre.add("Documentos", std::move(docs));
    return resultEnvelope(false, "", QStringLiteral("3 documento(s) localizado(s)."),
                          std::move(livre));
}

Answer manifestar(const Request&, const JsonValue* dados) {
    const QString tipo = str(dados, "TPMANISFESTO");
    static const QStringList tipos = {QStringLiteral("210200"), QStringLiteral("210210"),
                                      QStringLiteral("210220"), QStringLiteral("210240")};
    if (!tipos.contains(tipo))
        return resultEnvelope(
            true, "8",
            QStringLiteral("Rejeição simulada: tipo de manifesto \"%1\" inválido.").arg(tipo));
    return resultEnvelope(false, "",
                          QStringLiteral("Manifesto %1 registrado para a nota %2.")
                              .arg(tipo)
                              .arg(TJSONUtil::GetInt(dados, QStringLiteral("NUMDFE"), 0)));
}

Answer cancelaNFSe(const Request&, const JsonValue* dados) {
    const Nota n = notaOf(dados);
    JsonValue evento = JsonValue::object();
    evento.add("XMLEVENTO",
               text(QStringLiteral("<CancelarNfseResposta><RetCancelamento><NumeroRps>%1"
                                   "</NumeroRps><Motivo>%2</Motivo></RetCancelamento>"
                                   "</CancelarNfseResposta>")
                        .arg(n.numero)
                        .arg(str(dados, "MOTCAN"))));
    return resultEnvelope(false, "", QStringLiteral("NFS-e do RPS %1 cancelada.").arg(n.numero),
                          std::move(evento));
}

Answer geraXMLDFe(const Request&, const JsonValue* dados) {
    if (str(dados, "XML").trimmed().isEmpty())
        return resultEnvelope(true, "2", QStringLiteral("XML da transação não informado."));
    const bool contingencia =
        TJSONUtil::GetBool(dados, QStringLiteral("GeraEmContingencia"), false);
    const QString xml = QStringLiteral("<NFe><infNFe><ide><mod>65</mod><tpEmis>%1</tpEmis></ide>"
                                       "</infNFe></NFe>")
                            .arg(contingencia ? 9 : 1);
    return resultEnvelope(false, "", QStringLiteral("XML do DFe gerado."), std::nullopt, xml);
}

Answer autenticaNFSe(const Request&, const JsonValue* dados) {
    if (str(dados, "XML").trimmed().isEmpty())
        return resultEnvelope(true, "2", QStringLiteral("XML da NFS-e não informado."));
    return resultEnvelope(false, "",
                          QStringLiteral("NFS-e %1 recebida para autenticação; protocolo "
                                         "PREF-2024-000058.")
                              .arg(notaOf(dados).numero));
}

Answer message(const QString& text) {
    return resultEnvelope(false, "", text);
}

} // namespace

void installNfeGuardaAnswers(MiddlewareSim& server) {
    server.setHandler("TNFeAPI/ConsultaXMLAutenticado", orError(consultaXMLAutenticado));
    for (const char* path : {"TNFeAPI/ConsultaNF", "TNFeAPI/SituacaoGuarda"})
        server.setHandler(path, orError(storeAnswer));
    server.setHandler("TNFeAPI/GetGuarda", orError(getGuarda));
    server.setHandler("TNFeAPI/SituacaoGuardaParaNFSe", orError(situacaoNFSe));
    server.setHandler("TNFeAPI/EnviaEmailGuarda",
                      orError([](const Request&, const JsonValue* dados) {
                          return message(QStringLiteral("Nota %1 enviada por e-mail para %2.")
                                             .arg(notaOf(dados).numero)
                                             .arg(str(dados, "Para")));
                      }));
    server.setHandler("TNFeAPI/ImprimeDANFE", orError([](const Request&, const JsonValue* dados) {
                          return printed(
                              QStringLiteral("DANFE da nota %1").arg(notaOf(dados).numero), dados);
                      }));
    server.setHandler("TNFeAPI/ImprimeDANFEPeloXML",
                      orError([](const Request&, const JsonValue* dados) {
                          return printed(QStringLiteral("DANFE do XML"), dados);
                      }));
    server.setHandler(
        "TNFeAPI/ImprimeEventoNFe", orError([](const Request&, const JsonValue* dados) {
            return printed(QStringLiteral("Evento %1").arg(str(dados, "ProtocoloEvento")), dados);
        }));
    server.setHandler("TNFeAPI/GeraPDFPeloXML", orError([](const Request&, const JsonValue*) {
                          return pdfAnswer(QStringLiteral("DANFE"));
                      }));
    server.setHandler("TNFeAPI/GeraPreviaPDFPeloXML", orError([](const Request&, const JsonValue*) {
                          return pdfAnswer(QStringLiteral("Previa do DANFE"));
                      }));
    server.setHandler("TNFeAPI/GeraPDFEventoNFe", orError([](const Request&, const JsonValue*) {
                          return pdfAnswer(QStringLiteral("Evento da NF-e"));
                      }));
    server.setHandler("TNFeAPI/AutenticaNFSeAssinc", orError(autenticaNFSe));
    server.setHandler("TNFeAPI/EnviaRPSsParaPrefeitura", orError(enviaRPSs));
    server.setHandler("TNFeAPI/ConsultaRPSsNaPrefeitura", orError(consultaRPSs));
    server.setHandler("TNFeAPI/CancelaNFSePeloRPS", orError(cancelaNFSe));
    server.setHandler(
        "TNFeAPI/RegerarXMLNaGuarda", orError([](const Request&, const JsonValue* dados) {
            const Nota n = notaOf(dados);
            return message(QStringLiteral("XML da nota %1/%2/%3/%4 regerado na guarda.")
                               .arg(n.filial, n.ecf, n.serie)
                               .arg(n.numero));
        }));
    server.setHandler("TNFeAPI/GeraXMLDFeFromTransacaoPOS", orError(geraXMLDFe));
    server.setHandler("TNFeAPI/ConsultaPeloUltimoNSU", orError(consultaPeloUltimoNSU));
    server.setHandler("TNFeAPI/ManifestarNFe", orError(manifestar));
    server.setHandler(
        "TNFeAPI/SetImprimirNFe", orError([](const Request&, const JsonValue* dados) {
            return message(
                QStringLiteral("Nota %1 marcada para impressão.").arg(notaOf(dados).numero));
        }));
}

} // namespace sim
