#include "simhelpers.h"

#include "common/filehelpers.h"
#include "common/tjsonutil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace sim {

using json::JsonValue;

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

Answer wrapped(JsonValue result) {
    JsonValue answer = JsonValue::object();
    answer.add("result", std::move(result));
    return Answer{200, json::toWireText(answer)};
}

Answer contentFile(const QByteArray& bytes, const QString& msg) {
    return resultEnvelope(false, "", msg, std::nullopt, QString::fromLatin1(bytes.toBase64()));
}

Answer fileRecord(const QString& name, const QByteArray& bytes, const QString& msg) {
    JsonValue livre = JsonValue::object();
    livre.add("Nome", TJSONUtil::SetStr(name));
    livre.add("Base64", TJSONUtil::SetStr(QString::fromLatin1(bytes.toBase64())));
    return resultEnvelope(false, "", msg, std::move(livre));
}

bool asksForError(const JsonValue* dados) {
    if (!dados || !dados->isObject())
        return false;
    for (std::size_t i = 0; i < dados->size(); ++i) {
        const QString key = QString::fromStdString(dados->keyAt(i)).toUpper();
        if (key != QLatin1String("CODFIL") && key != QLatin1String("FILIAL") &&
            key != QLatin1String("CODIGOFILIAL") && key != QLatin1String("CODFILIAL"))
            continue;
        const JsonValue& v = dados->at(i);
        if ((v.isString() || v.isNumber()) && v.toQString().trimmed() == QLatin1String("999"))
            return true;
    }
    return false;
}

ServiceHandler orError(ServiceHandler handler) {
    return [handler](const Request& request, const JsonValue* dados) {
        if (asksForError(dados))
            return resultEnvelope(true, "6", QStringLiteral("Rejeição simulada: filial 999."));
        return handler(request, dados);
    };
}

} // namespace sim
