// The stand-in's answers to the CT-e services.
#include "simanswers.h"
#include "simhelpers.h"

#include "common/tjsonutil.h"

namespace sim {

namespace {

using json::JsonValue;

QString str(const JsonValue* dados, const char* key) {
    return TJSONUtil::GetStr(dados, QString::fromLatin1(key));
}

// A small PDF, as the PDF services return it in "conteudo"."str".
QByteArray pdf(const QString& title) {
    return "%PDF-1.4\n% " + title.toUtf8() +
           "\n1 0 obj<</Type/Catalog>>endobj\ntrailer<<>>\n%%EOF\n";
}

QString authorisedXml(int numero) {
    return QStringLiteral("<cteProc versao=\"4.00\"><CTe><infCte Id=\"CTe3515061122233300018157001"
                          "%1\"/></CTe><protCTe><infProt><cStat>100</cStat><xMotivo>Autorizado o "
                          "uso do CT-e</xMotivo></infProt></protCTe></cteProc>")
        .arg(numero, 9, 10, QLatin1Char('0'));
}

// The event record of a CT-e event: "XMLEVENTO" and "XMLNOTA".
JsonValue eventRecord(const QString& tpEvento, int numero) {
    JsonValue r = JsonValue::object();
    r.add("XMLEVENTO",
          TJSONUtil::SetStr(QStringLiteral("<procEventoCTe><eventoCTe><infEvento><tpEvento>%1"
                                           "</tpEvento></infEvento></eventoCTe><retEventoCTe>"
                                           "<infEvento><cStat>135</cStat></infEvento>"
                                           "</retEventoCTe></procEventoCTe>")
                                .arg(tpEvento)));
    r.add("XMLNOTA", TJSONUtil::SetStr(authorisedXml(numero)));
    return r;
}

Answer message(const QString& msg) {
    return resultEnvelope(false, "", msg);
}

Answer rejected(const QString& msg) {
    return resultEnvelope(true, "6", QStringLiteral("Rejeição simulada: %1").arg(msg));
}

Answer pdfOf(const QString& title, const JsonValue* dados) {
    if (str(dados, "XML").isEmpty())
        return rejected(QStringLiteral("XML do CT-e vazio."));
    return contentFile(pdf(title), QStringLiteral("PDF gerado."));
}

// Documents issued against the company after the NSU asked for, three at most.
Answer nsuList(const JsonValue* dados) {
    if (str(dados, "CNPJ").trimmed().isEmpty())
        return rejected(QStringLiteral("CNPJ não informado."));
    bool ok = false;
    const QString ult = str(dados, "UltNSU").trimmed();
    const qlonglong from = ult.isEmpty() ? 0 : ult.toLongLong(&ok);
    if (!ult.isEmpty() && !ok)
        return rejected(QStringLiteral("NSU \"%1\" inválido.").arg(ult));
    JsonValue docs = JsonValue::array();
    for (qlonglong n = from + 1; n <= from + 3; ++n) {
        JsonValue d = JsonValue::object();
        d.add("NSU", TJSONUtil::SetStr(QStringLiteral("%1").arg(n, 15, 10, QLatin1Char('0'))));
        d.add("Schema", TJSONUtil::SetStr(QStringLiteral("procCTe_v4.00.xsd")));
        d.add("XML", TJSONUtil::SetStr(authorisedXml(int(n))));
        docs.append(std::move(d));
    }
    JsonValue livre = JsonValue::object();
    livre.add("ultNSU",
              TJSONUtil::SetStr(QStringLiteral("%1").arg(from + 3, 15, 10, QLatin1Char('0'))));
    livre.add("maxNSU",
              TJSONUtil::SetStr(QStringLiteral("%1").arg(from + 3, 15, 10, QLatin1Char('0'))));
    livre.add("Documentos", std::move(docs));
    return resultEnvelope(false, "", QStringLiteral("3 documento(s) localizado(s)."),
                          std::move(livre));
}

} // namespace

void installCteAnswers(MiddlewareSim& server) {
    server.setHandler("TCTeAPI/AutenticaCTe", [](const Request&, const JsonValue* dados) {
        if (str(dados, "XML").isEmpty())
            return rejected(QStringLiteral("XML do CT-e vazio."));
        return wrapped(TJSONUtil::SetStr(
            authorisedXml(TJSONUtil::GetInt(dados, QStringLiteral("NUMCTE"), 0))));
    });
    server.setHandler("TCTeAPI/CancelarCTeSefaz", [](const Request&, const JsonValue* dados) {
        return resultEnvelope(
            false, "", QStringLiteral("Cancelamento do CT-e homologado."),
            eventRecord(QStringLiteral("110111"),
                        TJSONUtil::GetInt(dados, QStringLiteral("NUMEROCTE"), 0)));
    });
    server.setHandler("TCTeAPI/ConsultarCTe", [](const Request&, const JsonValue* dados) {
        return resultEnvelope(false, "", QStringLiteral("Autorizado o uso do CT-e"), std::nullopt,
                              authorisedXml(TJSONUtil::GetInt(dados, QStringLiteral("NUMCTE"), 0)));
    });
    server.setHandler("TCTeAPI/CTeOnLine", [](const Request&, const JsonValue* dados) {
        const int tipo = TJSONUtil::GetInt(dados, QStringLiteral("TIPOEMISSAO"), 0);
        if (tipo < 0 || tipo > 2)
            return rejected(QStringLiteral("tipo de emissão %1 desconhecido.").arg(tipo));
        return message(QStringLiteral("Serviço de CT-e (modelo %1) em operação.")
                           .arg(str(dados, "MODELONOTA")));
    });
    for (const char* path :
         {"TCTeAPI/ImprimeCTeDACTE", "TCTeAPI/ImprimeEventoCTe", "TCTeAPI/ImprimeCTeDACTEPeloXML"})
        server.setHandler(path, [](const Request&, const JsonValue* dados) {
            const QString impressora = str(dados, "NomeImpressora");
            return message(impressora.isEmpty()
                               ? QStringLiteral("Documento impresso na impressora padrão.")
                               : QStringLiteral("Documento impresso em %1.").arg(impressora));
        });
    server.setHandler("TCTeAPI/GeraCTePDFPeloXML", [](const Request&, const JsonValue* dados) {
        return pdfOf(QStringLiteral("DACTE"), dados);
    });
    server.setHandler("TCTeAPI/GeraCTePreviaPDFPeloXML",
                      [](const Request&, const JsonValue* dados) {
                          return pdfOf(QStringLiteral("DACTE previa"), dados);
                      });
    server.setHandler("TCTeAPI/GeraPDFEventoCTe", [](const Request&, const JsonValue*) {
        return contentFile(pdf(QStringLiteral("Evento CT-e")), QStringLiteral("PDF gerado."));
    });
    server.setHandler("TCTeAPI/ConsultaPeloUltimoNSU",
                      [](const Request&, const JsonValue* dados) { return nsuList(dados); });
    server.setHandler("TCTeAPI/ManifestarCTe", [](const Request&, const JsonValue* dados) {
        const QString tipo = str(dados, "TPMANISFESTO");
        if (tipo != QLatin1String("610110"))
            return rejected(QStringLiteral("tipo de manifesto \"%1\" desconhecido.").arg(tipo));
        return resultEnvelope(
            false, "", QStringLiteral("Evento registrado e vinculado ao CT-e."),
            eventRecord(tipo, TJSONUtil::GetInt(dados, QStringLiteral("NUMDFE"), 0)));
    });
    server.setHandler("TCTeAPI/CartaCorrecao", [](const Request&, const JsonValue* dados) {
        return resultEnvelope(
            false, "", QStringLiteral("Carta de correção registrada."),
            eventRecord(QStringLiteral("110110"),
                        TJSONUtil::GetInt(dados, QStringLiteral("NUMEROCTE"), 0)));
    });
}

} // namespace sim
