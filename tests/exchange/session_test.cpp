#include "common/exception.h"
#include "common/tjsonutil.h"
#include "exchange/httpclient.h"
#include "exchange/session.h"
#include "exchange/utf8step.h"
#include "simserver.h"

#include <gtest/gtest.h>

namespace {

SessionFields sample() {
    SessionFields f;
    f.userOS = QStringLiteral("ana");
    f.nomeMaquina = QStringLiteral("CAIXA01");
    f.versaoBase = QStringLiteral("237");
    f.dataSolicitacao = QStringLiteral("25/03/2024 14:07:09");
    return f;
}

std::string keysOf(const json::JsonValue& o) {
    std::string keys;
    for (std::size_t i = 0; i < o.size(); ++i)
        keys += (i ? "," : "") + o.keyAt(i);
    return keys;
}

} // namespace

TEST(SessionRequest, KeysInOrderWithUserCodesOnlyWhenBothAreGiven) {
    const std::string base =
        "VersaoLayout,CodigoEmpresa,UserOS,DataSolicitacao,NomeMaquina,VersaoBase,"
        "NomeSistema,VersaoSistema,TipoRetorno,CNPJ,IPMiddlewareServidor,PortaMiddlewareServidor";
    const struct {
        const char* filial;
        const char* codigo;
        std::string keys;
        const char* filialSent;
        const char* codigoSent;
    } cases[] = {
        {"1", "7", base + ",FilialUsuario,CodigoUsuario", "001", "  7"},
        {" 12 ", "abcd", base + ",FilialUsuario,CodigoUsuario", "012", "abcd"},
        {"1", " ", base, nullptr, nullptr},
        {"", "7", base, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SessionFields f = sample();
        f.filialUsuario = QString::fromLatin1(c.filial);
        f.codigoUsuario = QString::fromLatin1(c.codigo);
        const json::JsonValue o = buildSessionRequest(f, TEnumConexaoMiddlewareTipoRetorno_Simples);
        EXPECT_EQ(keysOf(o), c.keys) << c.filial << "/" << c.codigo;
        if (c.filialSent) {
            EXPECT_EQ(o.find("FilialUsuario")->text(), c.filialSent);
            EXPECT_EQ(o.find("CodigoUsuario")->text(), c.codigoSent);
        }
    }
}

TEST(SessionRequest, ValuesAndConversions) {
    SessionFields f = sample();
    f.dataSolicitacao = QStringLiteral("31/12/2024");
    f.portaMiddlewareServidor = QStringLiteral("porta");
    const json::JsonValue o = buildSessionRequest(f, TEnumConexaoMiddlewareTipoRetorno_Completo);
    EXPECT_EQ(
        json::toWireText(o),
        R"({"VersaoLayout":2,"CodigoEmpresa":0,"UserOS":"ana","DataSolicitacao":"31\/12\/2024 00:00:00",)"
        R"("NomeMaquina":"CAIXA01","VersaoBase":237,"NomeSistema":"RevovivuZuvadaroreRarirod","VersaoSistema":"1.0",)"
        R"("TipoRetorno":"C","CNPJ":"11222333000181","IPMiddlewareServidor":"","PortaMiddlewareServidor":0})");

    const struct {
        QString SessionFields::*field;
        const char* text;
        const char* message;
    } errors[] = {
        {&SessionFields::versaoLayout, "dois", "'dois' is not a valid integer value"},
        {&SessionFields::codigoEmpresa, "X", "'X' is not a valid integer value"},
        {&SessionFields::versaoBase, "", "'' is not a valid integer value"},
        {&SessionFields::dataSolicitacao, "32/01/2024",
         "'32/01/2024' is not a valid date and time"},
    };
    for (const auto& e : errors) {
        SessionFields bad = sample();
        bad.*e.field = QString::fromLatin1(e.text);
        try {
            buildSessionRequest(bad, TEnumConexaoMiddlewareTipoRetorno_Simples);
            ADD_FAILURE() << e.text;
        } catch (const EConvertError& ex) {
            EXPECT_EQ(ex.message(), QString::fromLatin1(e.message));
        }
    }
}

TEST(SessionAnswer, SimpleFormKeepsTheTextLessTheMarkers) {
    const struct {
        const char* answer;
        const char* id;
    } cases[] = {
        {R"({"result":{"SessaoID":1001}})", "1001"},
        {"{\"result\":{\"SessaoID\":77}}\r\n", "77"},
        {R"({"outra":"coisa"}})", R"({"outra":"coisa")"},
        {R"({"result":{"SessaoID":"abc"}})", R"("abc")"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sessionIdFromSimpleAnswer(QString::fromLatin1(c.answer)),
                  QString::fromLatin1(c.id))
            << c.answer;
}

TEST(SessionAnswer, CompleteFormReadsLivreId) {
    const struct {
        const char* body;
        std::optional<QString> id;
    } cases[] = {
        {R"({"result":{"conteudo":{"livre":{"Id":5000000000}}}})", QStringLiteral("5000000000")},
        {R"({"result":{"conteudo":{"livre":{"ID":12}}}})", QStringLiteral("12")},
        {R"({"result":{"conteudo":{"livre":{}}}})", QStringLiteral("0")},
        {R"({"result":{"conteudo":{}}})", std::nullopt},
        {R"({"result":{}})", std::nullopt},
        {"not json", std::nullopt},
        {"[1]", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sessionIdFromCompleteAnswer(c.body), c.id) << c.body;
}

TEST(SessionAnswer, StandInOpensSessionsInBothForms) {
    sim::MiddlewareSim sim;
    sim.start();
    MiddlewareHttpClient client(credentialsForCompany(0));
    const QString url = serviceUrl(sim.baseUrl(), QString::fromLatin1(kConectaMiddlewarePath));
    const auto wire = [](const json::JsonValue& v) {
        return QByteArray::fromStdString(json::toWireText(v));
    };
    const HttpAnswer simple = client.post(
        url, wire(buildSessionRequest(sample(), TEnumConexaoMiddlewareTipoRetorno_Simples)));
    EXPECT_TRUE(simple.body.startsWith("{\"result\":{\"SessaoID\":"));
    const QString first =
        sessionIdFromSimpleAnswer(answerDisplayText(simple.body, simple.contentType));
    const HttpAnswer complete = client.post(
        url, wire(buildSessionRequest(sample(), TEnumConexaoMiddlewareTipoRetorno_Completo)));
    const auto second = sessionIdFromCompleteAnswer(complete.body);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->toLongLong(), first.toLongLong() + 1);
    EXPECT_EQ(sim.sessionCompany(first.toLongLong()), 0);
}
