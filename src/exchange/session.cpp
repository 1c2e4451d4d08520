#include "exchange/session.h"

#include "contracts/tapiresult.h"

#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/tfuncoeswindows.h"
#include "common/tjsonutil.h"
#include "common/tsobrecommerce.h"
#include "exchange/utf8step.h"

SessionFields SessionFields::defaults() {
    SessionFields f;
    f.userOS = TFuncoesWindows::UsuarioWindows();
    f.nomeMaquina = TFuncoesWindows::NomeMaquina();
    f.versaoBase = QString::number(TSobreCommerce::GetInstance().GetBancoVersao());
    f.dataSolicitacao = regional::dateTimeToStr(regional::now());
    return f;
}

json::JsonValue buildSessionRequest(const SessionFields& f,
                                    TEnumConexaoMiddlewareTipoRetorno form) {
    using U = TJSONUtil;
    json::JsonValue o = json::JsonValue::object();
    o.add("VersaoLayout", U::SetInt(regional::strToInt(f.versaoLayout)));
    o.add("CodigoEmpresa", U::SetInt(regional::strToInt(f.codigoEmpresa)));
    o.add("UserOS", U::SetStr(f.userOS));
    o.add("DataSolicitacao", U::SetDateTime(regional::strToDateTime(f.dataSolicitacao),
                                            QStringLiteral("DD/MM/YYYY HH:NN:SS")));
    o.add("NomeMaquina", U::SetStr(f.nomeMaquina));
    o.add("VersaoBase", U::SetInt(regional::strToInt(f.versaoBase)));
    o.add("NomeSistema", U::SetStr(f.nomeSistema));
    o.add("VersaoSistema", U::SetStr(f.versaoSistema));
    o.add("TipoRetorno",
          U::SetStr(form == TEnumConexaoMiddlewareTipoRetorno_Completo ? QStringLiteral("C")
                                                                       : QStringLiteral("S")));
    o.add("CNPJ", U::SetStr(f.cnpj));
    o.add("IPMiddlewareServidor", U::SetStr(f.ipMiddlewareServidor));
    o.add("PortaMiddlewareServidor",
          U::SetInt(regional::strToIntDef(f.portaMiddlewareServidor, 0)));
    if (!f.filialUsuario.trimmed().isEmpty() && !f.codigoUsuario.trimmed().isEmpty()) {
        o.add("FilialUsuario", U::SetStr(LPad(f.filialUsuario.trimmed(), u'0', 3)));
        o.add("CodigoUsuario", U::SetStr(LPad(f.codigoUsuario.trimmed(), u' ', 3)));
    }
    return o;
}

QString sessionIdFromSimpleAnswer(const QString& answerText) {
    // The answer as the response pane holds it: its lines joined with CR LF, a final break.
    QString text = answerText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.endsWith(u'\n'))
        text.chop(1);
    text = text.isEmpty() ? QString()
                          : text.replace(u'\n', QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    const QString head = QStringLiteral("{\"result\":{\"SessaoID\":");
    if (const qsizetype at = text.indexOf(head); at >= 0)
        text.remove(at, head.size());
    if (const qsizetype at = text.indexOf(QStringLiteral("}}")); at >= 0)
        text.remove(at, 2);
    return TrimControls(text);
}

std::optional<QString> sessionIdFromCompleteAnswer(const QByteArray& body) {
    const auto answer = parseUtf8Answer(body);
    if (!answer || !answer->isObject())
        return std::nullopt;
    const json::JsonValue* livre = answerLivre(&*answer);
    if (!livre)
        return std::nullopt;
    return QString::number(TJSONUtil::GetInt64(livre, QStringLiteral("Id"), 0));
}
