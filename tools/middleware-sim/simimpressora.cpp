// The stand-in's answers to the non-fiscal printer services. They take the data value itself,
// without envelope; the two printer tokens come from the NF-e class through the envelope.
#include "simanswers.h"
#include "simhelpers.h"

#include "common/tjsonutil.h"

#include <QCryptographicHash>

namespace sim {

namespace {

using json::JsonValue;

QString text(const JsonValue* dados, const char* key) {
    return TJSONUtil::GetStr(dados, QString::fromLatin1(key));
}

Answer done(const QString& msg) {
    return resultEnvelope(false, "", msg);
}

Answer rejection(const QString& why) {
    return resultEnvelope(true, "6", QStringLiteral("Rejeição simulada: ") + why);
}

// The printer of port "999" does not answer, so the error path can be seen.
Answer inicializa(const Request&, const JsonValue* dados) {
    const QString porta = text(dados, "PORTA");
    if (porta == QLatin1String("999"))
        return rejection(QStringLiteral("a impressora não responde na porta 999."));
    return done(QStringLiteral("Impressora %1 inicializada na porta %2 a %3 bps.")
                    .arg(text(dados, "MODELO"), porta)
                    .arg(TJSONUtil::GetInt(dados, QStringLiteral("VELOCIDADE"), 0)));
}

// The token of a CNPJ: a bare string under "result"; "999" has none.
ServiceHandler token(const char* kind) {
    return [kind](const Request&, const JsonValue* dados) {
        const QString cnpj = dados && dados->isString() ? dados->toQString() : QString();
        if (cnpj.trimmed().isEmpty() || cnpj == QLatin1String("999"))
            return rejection(QStringLiteral("CNPJ sem token de impressão."));
        const QByteArray hash =
            QCryptographicHash::hash((QByteArray(kind) + cnpj.toUtf8()), QCryptographicHash::Md5)
                .toHex()
                .toUpper();
        return wrapped(TJSONUtil::SetStr(QString::fromLatin1(hash.left(16))));
    };
}

Answer imprimeTexto(const Request&, const JsonValue* dados) {
    if (!dados || !dados->isString())
        return rejection(QStringLiteral("o texto deve ser enviado como uma string JSON."));
    return done(QStringLiteral("Texto impresso (%1 caracteres).").arg(dados->toQString().size()));
}

Answer imprimeDANFENFCe(const Request&, const JsonValue* dados) {
    if (text(dados, "XML").trimmed().isEmpty())
        return rejection(QStringLiteral("XML da NFC-e não informado."));
    return done(QStringLiteral("DANFE NFC-e impresso."));
}

Answer imprimeEvento(const Request&, const JsonValue*) {
    return done(QStringLiteral("Evento impresso."));
}

Answer setvTroco(const Request&, const JsonValue* dados) {
    const JsonValue* valor = dados && dados->isObject() ? dados->find("VALOR") : nullptr;
    return done(QStringLiteral("Troco definido: %1.")
                    .arg(valor ? QString::fromStdString(json::toWireText(*valor)) : QString()));
}

ServiceHandler extrato(const QString& what) {
    return [what](const Request&, const JsonValue* dados) {
        if (text(dados, "XMLVEN").trimmed().isEmpty())
            return rejection(QStringLiteral("XML do recibo de venda não informado."));
        return done(what + QStringLiteral(" impresso."));
    };
}

Answer usaCodigoEan(const Request&, const JsonValue* dados) {
    return done(TJSONUtil::GetBool(dados, QStringLiteral("VALOR"), false)
                    ? QStringLiteral("Código EAN será impresso.")
                    : QStringLiteral("Código EAN não será impresso."));
}

} // namespace

void installImpressoraAnswers(MiddlewareSim& server) {
    server.setHandler("TImpressoraNaoFiscalAPI/InicializaImpressoraNaoFiscal", inicializa);
    server.setHandler("TImpressoraNaoFiscalAPI/Ativar", [](const Request&, const JsonValue*) {
        return done(QStringLiteral("Impressora ativada."));
    });
    server.setHandler("TImpressoraNaoFiscalAPI/Desativar", [](const Request&, const JsonValue*) {
        return done(QStringLiteral("Impressora desativada."));
    });
    server.setHandler("TNFeAPI/Token", token("TOKEN"));
    server.setHandler("TNFeAPI/TokenID", token("IDTOKEN"));
    server.setHandler("TImpressoraNaoFiscalAPI/imprimeTextoNaoFiscal", imprimeTexto);
    server.setHandler("TImpressoraNaoFiscalAPI/imprimeDANFENFCe", imprimeDANFENFCe);
    server.setHandler("TImpressoraNaoFiscalAPI/imprimeEvento", imprimeEvento);
    server.setHandler("TImpressoraNaoFiscalAPI/SetvTroco", setvTroco);
    server.setHandler("TImpressoraNaoFiscalAPI/ImprimirExtratoCFeSAT",
                      extrato(QStringLiteral("Extrato do CF-e SAT")));
    server.setHandler("TImpressoraNaoFiscalAPI/ImprimirExtratoResumidoCFeSAT",
                      extrato(QStringLiteral("Extrato resumido do CF-e SAT")));
    server.setHandler("TImpressoraNaoFiscalAPI/ImprimirExtratoCancelamento",
                      extrato(QStringLiteral("Extrato de cancelamento do CF-e SAT")));
    server.setHandler("TImpressoraNaoFiscalAPI/SetUsaCodigoEanImpressao", usaCodigoEan);
}

} // namespace sim
