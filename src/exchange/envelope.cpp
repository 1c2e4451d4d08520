#include "exchange/envelope.h"

#include "common/companykeys.h"
#include "common/md5.h"
#include "common/regional.h"
#include "common/tjsonutil.h"
#include "exchange/signingdigest.h"

int64_t sessionIdFromText(const QString& idText) {
    return regional::tryStrToInt64(idText).value_or(0);
}

QString signParametros(const json::JsonValue& parametros, int32_t companyCode) {
    Md5Stream md5;
    LettersAndDigitsMd5(md5).value(parametros);
    const QByteArray key = RetSenInt(companyCode);
    md5.update(std::string_view(key.constData(), std::size_t(key.size())));
    return md5.finish();
}

json::JsonValue buildEnvelope(const QString& idText, const QString& companyCodeText,
                              json::JsonValue dados) {
    json::JsonValue parametros = json::JsonValue::object();
    parametros.add("Id", TJSONUtil::SetInt64(sessionIdFromText(idText)));
    parametros.add("Dados", std::move(dados));
    const int32_t company = regional::strToInt(companyCodeText);
    QString signature = signParametros(parametros, company);
    json::JsonValue envelope = json::JsonValue::object();
    envelope.add("Parametros", std::move(parametros));
    envelope.add("Assinatura", TJSONUtil::SetStr(signature));
    return envelope;
}
