#pragma once

#include "common/jsonvalue.h"
#include "contracts/pageenums.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The fields of the session page, as typed.
struct SessionFields {
    QString versaoLayout = QStringLiteral("2");
    QString codigoEmpresa = QStringLiteral("0");
    QString userOS;
    QString dataSolicitacao;
    QString nomeMaquina;
    QString versaoBase;
    QString nomeSistema = QStringLiteral("RevovivuZuvadaroreRarirod");
    QString versaoSistema = QStringLiteral("1.0");
    QString cnpj = QStringLiteral("11222333000181");
    QString ipMiddlewareServidor;
    QString portaMiddlewareServidor;
    QString filialUsuario;
    QString codigoUsuario;

    // The defaults of the session page as it is when the window is shown: host user and
    // machine names, the database version and the current date and time.
    static SessionFields defaults();
};

inline const char* const kConectaMiddlewarePath = "TConexaoAPI/ConectaMiddleware";

// The session request object, keys in order. Raises the conversion errors of its numeric
// fields and of the request date before anything is sent.
json::JsonValue buildSessionRequest(const SessionFields& fields,
                                    TEnumConexaoMiddlewareTipoRetorno form);

// The new session Id from a simple-form answer: the answer text (lines joined with CR LF and a
// final line break) less its first {"result":{"SessaoID": and its first }}, trimmed. Kept as
// it stands even when it is not a number.
QString sessionIdFromSimpleAnswer(const QString& answerText);
// The new session Id from a complete-form answer: "result"."conteudo"."livre"."Id" (default 0)
// in decimal; nothing when a level is missing or the body is not a JSON object.
std::optional<QString> sessionIdFromCompleteAnswer(const QByteArray& body);
