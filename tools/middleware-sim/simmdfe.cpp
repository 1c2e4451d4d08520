// The stand-in's answers to the MDF-e services.
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
    return QStringLiteral("<mdfeProc versao=\"3.00\"><MDFe><infMDFe Id=\"MDFe35150611222333000181"
                          "58001%1\"/></MDFe><protMDFe><infProt><cStat>100</cStat><xMotivo>"
                          "Autorizado o uso do MDF-e</xMotivo></infProt></protMDFe></mdfeProc>")
        .arg(numero, 9, 10, QLatin1Char('0'));
}

JsonValue eventRecord(const QString& tpEvento, int numero) {
    JsonValue r = JsonValue::object();
    r.add("XMLEVENTO",
          TJSONUtil::SetStr(QStringLiteral("<procEventoMDFe><eventoMDFe><infEvento><tpEvento>%1"
                                           "</tpEvento></infEvento></eventoMDFe><retEventoMDFe>"
                                           "<infEvento><cStat>135</cStat></infEvento>"
                                           "</retEventoMDFe></procEventoMDFe>")
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
        return rejected(QStringLiteral("XML do MDF-e vazio."));
    return contentFile(pdf(title), QStringLiteral("PDF gerado."));
}

} // namespace

void installMdfeAnswers(MiddlewareSim& server) {
    server.setHandler("TMDFeAPI/AutenticaMDFe", [](const Request&, const JsonValue* dados) {
        if (str(dados, "XML").isEmpty())
            return rejected(QStringLiteral("XML do MDF-e vazio."));
        return wrapped(TJSONUtil::SetStr(
            authorisedXml(TJSONUtil::GetInt(dados, QStringLiteral("NUMCTE"), 0))));
    });
    server.setHandler("TMDFeAPI/CancelarMDFeSefaz", [](const Request&, const JsonValue* dados) {
        return resultEnvelope(
            false, "", QStringLiteral("Cancelamento do MDF-e homologado."),
            eventRecord(QStringLiteral("110111"),
                        TJSONUtil::GetInt(dados, QStringLiteral("NUMEROMDFE"), 0)));
    });
    server.setHandler("TMDFeAPI/ConsultarMDFe", [](const Request&, const JsonValue* dados) {
        return resultEnvelope(
            false, "", QStringLiteral("Autorizado o uso do MDF-e"), std::nullopt,
            authorisedXml(TJSONUtil::GetInt(dados, QStringLiteral("NUMMDFE"), 0)));
    });
    server.setHandler("TMDFeAPI/MDFeOnLine", [](const Request&, const JsonValue* dados) {
        const int tipo = TJSONUtil::GetInt(dados, QStringLiteral("TIPOEMISSAO"), 0);
        if (tipo < 0 || tipo > 2)
            return rejected(QStringLiteral("tipo de emissão %1 desconhecido.").arg(tipo));
        return message(QStringLiteral("Serviço de MDF-e (modelo %1) em operação.")
                           .arg(str(dados, "MODELONOTA")));
    });
    for (const char* path : {"TMDFeAPI/ImprimeMDFeDAMDFE", "TMDFeAPI/ImprimeEventoMDFe",
                             "TMDFeAPI/ImprimeMDFeDAMDFEPeloXML"})
        server.setHandler(path, [](const Request&, const JsonValue* dados) {
            const QString impressora = str(dados, "NomeImpressora");
            return message(impressora.isEmpty()
                               ? QStringLiteral("Documento impresso na impressora padrão.")
                               : QStringLiteral("Documento impresso em %1.").arg(impressora));
        });
    server.setHandler("TMDFeAPI/GeraMDFePDFPeloXML", [](const Request&, const JsonValue* dados) {
        return pdfOf(QStringLiteral("DAMDFE"), dados);
    });
    server.setHandler("TMDFeAPI/GeraMDFePreviaPDFPeloXML",
                      [](const Request&, const JsonValue* dados) {
                          return pdfOf(QStringLiteral("DAMDFE previa"), dados);
                      });
    server.setHandler("TMDFeAPI/EncerrarMDFe", [](const Request&, const JsonValue* dados) {
        if (str(dados, "XML").isEmpty())
            return rejected(QStringLiteral("XML do MDF-e vazio."));
        return resultEnvelope(false, "", QStringLiteral("Encerramento do MDF-e homologado."),
                              eventRecord(QStringLiteral("110112"), 1));
    });
}

} // namespace sim
