#include "simanswers.h"

#include "filehelpers.h"
#include "tjsonutil.h"

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

// A ZIP archive holding one file, in base64.
QString zippedBase64(const QString& entryName, const QByteArray& content) {
    const QTemporaryDir work;
    const QString file = QDir(work.path()).filePath(entryName);
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(content);
    f.close();
    return GetBase64File(file, true);
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
    return resultEnvelope(false, "", QStringLiteral("%1 impressora(s).").arg(list.size()),
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

} // namespace

void installDefaultAnswers(MiddlewareSim& server) {
    server.setHandler("TConexaoAPI/Sobre", sobre);
    server.setHandler("TConexaoAPI/ConsultaImpressora", consultaImpressora);
    server.setHandler("TSSLAPI/AssinarXML", assinarXml);
}

} // namespace sim
