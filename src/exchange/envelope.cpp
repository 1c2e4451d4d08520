#include "exchange/envelope.h"

#include "common/companykeys.h"
#include "common/md5.h"
#include "common/regional.h"
#include "common/tjsonutil.h"

namespace {

// Keeps the ASCII letters and digits of the signing text and feeds them to MD5.
class LettersAndDigitsMd5 : public json::TextSink {
public:
    void write(std::string_view chunk) override {
        m_buffer.clear();
        m_buffer.reserve(chunk.size());
        for (const char c : chunk)
            if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
                m_buffer.push_back(c);
        m_md5.update(m_buffer);
    }
    Md5Stream& md5() { return m_md5; }

private:
    Md5Stream m_md5;
    std::string m_buffer;
};

} // namespace

int64_t sessionIdFromText(const QString& idText) {
    return regional::tryStrToInt64(idText).value_or(0);
}

QString signParametros(const json::JsonValue& parametros, int32_t companyCode) {
    LettersAndDigitsMd5 sink;
    json::writeSigningText(parametros, sink);
    const QByteArray key = RetSenInt(companyCode);
    sink.md5().update(std::string_view(key.constData(), std::size_t(key.size())));
    return sink.md5().finish();
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
