// The connection API pages: the session page and the connection services.
#include "kit/pagecontext.h"
#include "registry.h"

using namespace kit;

namespace {

Page conectaMiddleware() {
    Action conecta;
    conecta.exchange = Exchange::Custom;
    conecta.custom = [](PageContext& page) {
        const bool complete =
            page.text(QStringLiteral("cb_ConectaMiddlewareTipoRetorno")).startsWith(u'C');
        page.exchange()._Conecta(true, complete ? TEnumConexaoMiddlewareTipoRetorno_Completo
                                                : TEnumConexaoMiddlewareTipoRetorno_Simples);
    };
    return Page{
        QStringLiteral("ts_ConectaMiddleware"),
        QStringLiteral("gb_ConectaMiddleware"),
        QStringLiteral("Conecta Middleware"),
        {
            line(QStringLiteral("ed_VersaoLayout"), QStringLiteral("Versão do Layout"),
                 QStringLiteral("2")),
            line(QStringLiteral("ed_CodigoEmpresa"), QStringLiteral("Código da Empresa"),
                 QStringLiteral("0")),
            line(QStringLiteral("ed_UserOS"), QStringLiteral("Usuário do SO")),
            line(QStringLiteral("ed_DataSolicitacao"), QStringLiteral("Data")),
            line(QStringLiteral("ed_NomeMaquina"), QStringLiteral("Nome da Máquina")),
            line(QStringLiteral("ed_VersaoBase"), QStringLiteral("Versão da Base")),
            line(QStringLiteral("ed_NomeSistema"), QStringLiteral("Nome do Sistema"),
                 QStringLiteral("RevovivuZuvadaroreRarirod")),
            line(QStringLiteral("ed_VersaoSistema"), QStringLiteral("Versão do Sistema"),
                 QStringLiteral("1.0")),
            comboList(QStringLiteral("cb_ConectaMiddlewareTipoRetorno"),
                      QStringLiteral("Tipo Retorno"),
                      {QStringLiteral("S - Simples"), QStringLiteral("C - Completo")}, 0),
            line(QStringLiteral("ed_ConectaMiddlewareCNPJ"), QStringLiteral("CNPJ"),
                 QStringLiteral("11222333000181")),
            line(QStringLiteral("ed_ConectaIPMiddlewareServidor"),
                 QStringLiteral("IP Middleware Servidor")),
            line(QStringLiteral("ed_ConectaFilialUsuario"), QStringLiteral("Filial Usuário"))
                .maxLen(3),
            line(QStringLiteral("ed_ConectaCodigoUsuario"), QStringLiteral("Código Usuário"))
                .maxLen(3),
            button(QStringLiteral("bt_Conecta2"), QStringLiteral("Conecta"), conecta),
            line(QStringLiteral("ed_ConectaPortaMiddlewareServidor"),
                 QStringLiteral("Porta Middleware Servidor")),
        },
        {},
    };
}

Page sobre() {
    Action testar;
    testar.path = QStringLiteral("TConexaoAPI/Sobre");
    testar.dados = dados::emptyString();
    return Page{QStringLiteral("ts_Sobre"),
                {},
                {},
                {button(QStringLiteral("bt_TestarSobre"), QStringLiteral("Testar"), testar)},
                {}};
}

} // namespace

std::vector<Page> conexaoPages() {
    return {conectaMiddleware(), sobre()};
}
