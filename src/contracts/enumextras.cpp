#include "contracts/enumextras.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList& states() {
    static const QStringList list = {u"AC"_s, u"AL"_s, u"AP"_s, u"AM"_s, u"BA"_s, u"CE"_s, u"DF"_s,
                                     u"ES"_s, u"GO"_s, u"MA"_s, u"MT"_s, u"MS"_s, u"MG"_s, u"PA"_s,
                                     u"PB"_s, u"PR"_s, u"PE"_s, u"PI"_s, u"RJ"_s, u"RN"_s, u"RS"_s,
                                     u"RO"_s, u"RR"_s, u"SC"_s, u"SP"_s, u"SE"_s, u"TO"_s};
    return list;
}

template <typename E>
E firstContained(const QString& text, std::initializer_list<std::pair<const char*, E>> parts,
                 E none) {
    for (const auto& [part, member] : parts)
        if (text.contains(QLatin1String(part)))
            return member;
    return none;
}

} // namespace

namespace TEnum {

TEnumVersaoMDFe VersaoMDFeFromStr(const QString& s) {
    return s.left(4) == QLatin1String("3.00") ? vm300 : vmNaoDefinido;
}

TEnumVersaoNfe VersaoNfeFromFloat(regional::Currency value) {
    if (value == regional::Currency::fromScaled(31000))
        return vn310;
    if (value == regional::Currency::fromScaled(40000))
        return vn400;
    return vnNaoDefinido;
}

TEnumBandeiraCartao BandeiraCartaoFromStr(const QString& s) {
    return firstContained<TEnumBandeiraCartao>(s,
                                               {{"VISA", bcVisa},
                                                {"MASTER", bcMastercard},
                                                {"AMEX", bcAmericanExpress},
                                                {"AMERICAN", bcAmericanExpress},
                                                {"EXPRES", bcAmericanExpress},
                                                {"SOROCRED", bcSorocred},
                                                {"DINERS", bcDinersClub},
                                                {"ELO", bcElo},
                                                {"HIPERCARD", bcHipercard},
                                                {"AURA", bcAura},
                                                {"CABAL", bcCabal}},
                                               bcOutros);
}

TEnumRecebimentoOrc RecebimentoFromSkyhub(const QString& s) {
    return firstContained<TEnumRecebimentoOrc>(
        s.toUpper(),
        {{"BRASIL", TEnumRecebimentoOrc_BancoBrasil},
         {"BRADESCO", TEnumRecebimentoOrc_Bradesco},
         {"BANRISUL", TEnumRecebimentoOrc_Banrisul},
         {"HSBC", TEnumRecebimentoOrc_HSBC},
         {"ITAU", TEnumRecebimentoOrc_Itau},
         {"PAGAMENTO DIGITAL", TEnumRecebimentoOrc_PagamentoDigital},
         {"AMEX", TEnumRecebimentoOrc_Amex},
         {"BOLETO", TEnumRecebimentoOrc_Boleto},
         {"PAGSEGURO", TEnumRecebimentoOrc_PagSeguroCartao},
         {"DINNERS", TEnumRecebimentoOrc_Dinners},
         {"ELO", TEnumRecebimentoOrc_Elo},
         {"HIPERCARD", TEnumRecebimentoOrc_HiperCard},
         {"MASTERCARD", TEnumRecebimentoOrc_MasterCard},
         {"OUTROS", TEnumRecebimentoOrc_Outros},
         {"AURA", TEnumRecebimentoOrc_Aura},
         {"VISA", TEnumRecebimentoOrc_Visa},
         {"WIZ", TEnumRecebimentoOrc_Wix},
         {"PAYPAL", TEnumRecebimentoOrc_PayPal}},
        TEnumRecebimentoOrc_NaoDefinido);
}

QString TipoTributacaoPAFECFToStr(TEnumRegraTipoTributacao regra, TEnumTipoItem tipoItem) {
    switch (regra) {
    case TEnumRegraTipoTributacao_Tributado:
        return tipoItem == tiServicos ? QStringLiteral("S") : QStringLiteral("T");
    case TEnumRegraTipoTributacao_NaoTributado:
        return QStringLiteral("N");
    case TEnumRegraTipoTributacao_Isento:
    case TEnumRegraTipoTributacao_IsentoEstado:
        return QStringLiteral("I");
    case TEnumRegraTipoTributacao_Substituido:
        return QStringLiteral("F");
    case TEnumRegraTipoTributacao_NaoInformado:
        break;
    }
    return QString();
}

int32_t PrazoCancelamentoFromModeloUF(TEnumModeloDocumento modelo, const QString& uf) {
    if (!states().contains(uf))
        return 24;
    if (modelo == mdNFCe)
        return 24;
    if (modelo == mdNFe) {
        if (uf == QLatin1String("MT"))
            return 2;
        if (uf == QLatin1String("PR") || uf == QLatin1String("RS"))
            return 168;
        return 24;
    }
    throw EEnumeradorInvalido(QStringLiteral("Prazo não definido para Modelo informado."));
}

TEnumTipoEmissao TipoEmissaoContingenciaFromModeloUF(TEnumModeloDocumento modelo,
                                                     const QString& uf) {
    const bool listed = states().contains(uf);
    if (modelo == mdNFCe)
        return TEnumTipoEmissao_OffLine;
    if (modelo == mdNFe) {
        static const QStringList svcrs = {u"AM"_s, u"BA"_s, u"CE"_s, u"GO"_s, u"MA"_s, u"MT"_s,
                                          u"MS"_s, u"PA"_s, u"PR"_s, u"PE"_s, u"PI"_s};
        return listed && svcrs.contains(uf) ? TEnumTipoEmissao_SVCRS : TEnumTipoEmissao_SVCAN;
    }
    if (!listed)
        return TEnumTipoEmissao_SVCAN;
    throw EEnumeradorInvalido(
        QStringLiteral("Tipo de Emissão não encontrar para Modelo informado."));
}

TParListaList BancoDadosGetList() {
    TParListaList pairs{{BancoDadosToInt(bdVazio), BancoDados(bdVazio)}};
    for (const TEnumBancoDados m :
         {bdOracle, bdPostgreSQL, bdODBC, bdOraClient, bdFirebird, bdSQLServer})
        pairs.emplace_back(BancoDadosToInt(m), BancoDados(m));
    return pairs;
}

TParListaList PortaVirtualImpressoraGetList() {
    return {{QStringLiteral("XPSPort:"), QStringLiteral("Microsoft XPS Document Writer")},
            {QStringLiteral("PORTPROMPT:"), QStringLiteral("Microsoft Print to PDF")},
            {QStringLiteral("SHRFAX:"), QStringLiteral("Microsoft Shared Fax")},
            {QStringLiteral("PDF_REDIRECT_PORT:"), QStringLiteral("PDF reDirect Pro")},
            {QStringLiteral("FOXIT_Reader:"), QStringLiteral("Foxit Reader PDF Printer")},
            {QStringLiteral("nul:"), QStringLiteral("Send to Microsoft OneNote 16")}};
}

} // namespace TEnum
