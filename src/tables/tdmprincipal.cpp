#include "tables/tdmprincipal.h"

#include "common/exception.h"
#include "common/random.h"
#include "common/texthelpers.h"

using T = FieldDef::Type;

namespace {

FieldDef str(const char* name, int size, const char* label = "", bool readOnly = false,
             bool hidden = false) {
    return {QString::fromUtf8(name), T::String, size, QString::fromUtf8(label), readOnly, hidden};
}
FieldDef typed(const char* name, T type, const char* label = "", bool readOnly = false,
               bool hidden = false) {
    return {QString::fromUtf8(name), type, 0, QString::fromUtf8(label), readOnly, hidden};
}

bool filled(const MemTable& t, const QString& name) {
    const QVariant v = t.value(name);
    if (!v.isValid())
        return false;
    const T type = t.field(name).type;
    if (type == T::String || type == T::Memo)
        return !v.toString().trimmed().isEmpty();
    return v.toDouble() != 0;
}

std::vector<FieldDef> inutilizacaoFields() {
    return {typed("NumeroInicial", T::Integer, "Número Inicial"),
            typed("NumeroFinal", T::Integer, "Número Final"), str("Situacao", 20, "Situação", true),
            str("Request", 4000, "", true), str("Response", 4000, "", true)};
}

std::vector<FieldDef> davDetailTail() {
    return {str("Filial", 3, "", false, true), str("TipoPedido", 1, "", false, true),
            str("NumeroDAV", 13, "", false, true)};
}

template <typename... Lists>
std::vector<FieldDef> join(std::vector<FieldDef> first, Lists... rest) {
    (first.insert(first.end(), rest.begin(), rest.end()), ...);
    return first;
}

} // namespace

void tablerules::blankRowDiscard(MemTable& table, const QStringList& fields) {
    table.addBeforePost([fields](MemTable& t) {
        for (const QString& f : fields)
            if (filled(t, f))
                return MemTable::PostDecision::Store;
        return MemTable::PostDecision::Discard;
    });
}

void tablerules::masterRowGuarantee(MemTable& detail, MemTable& master) {
    detail.addBeforeInsert([&master](MemTable&) {
        master.postIfEditing();
        if (master.totalRecordCount() == 0) {
            master.append();
            master.post();
        }
    });
}

TdmPrincipal::TdmPrincipal(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("dmPrincipal"));
    add(QStringLiteral("vt_ParamsConsultaRetaguarda"), {str("Nome", 100), str("Valor", 100)});
    add(QStringLiteral("vt_ProcessaDevolucao"),
        {typed("MARCAR", T::Boolean, "Devolver"), str("CODFIL", 3, "Filial", true),
         str("SEQUEN", 10, "Sequenciador", true), typed("NUMITE", T::Integer, "Item", true),
         typed("QTDDEV", T::Float, "Qtd Devolver"),
         typed("QTDDEVOLVIDA", T::Float, "Qtd Devolvida", true),
         typed("QTDPEN", T::Float, "Qtd Pend", true),
         typed("QTDDEVREM", T::Float, "Qtd Dev Rem", true),
         typed("QTDREM", T::Float, "Qtd Rem", true), typed("SIGNAT", T::Integer, "SigNat", true)});
    add(QStringLiteral("vt_ListaDocEmitidos"),
        {str("Filial", 3), str("NumeroECF", 3, "Número ECF"), str("Serie", 2, "Série"),
         typed("NumeroNota", T::Integer, "Número Nota")});
    add(QStringLiteral("vt_CodigosRemessaCNAB"), {str("Codigo", 2, "Código")});
    add(QStringLiteral("vt_ItemPedidoReposicao"),
        {str("CODFIL", 3, "Filial"), str("NUMPED", 10, "Número~Pedido"),
         typed("NUMITE", T::Integer, "Número~Item"), typed("QTDITE", T::Float, "Quantidade")});
    add(QStringLiteral("vt_LoteItemPedidoReposicao"),
        {str("FILLOT", 3, "Filial"), str("SEQLOT", 10, "Sequênciador"),
         typed("QTDITE", T::Float, "Quantidade"), str("CODFIL", 3, "Filial", false, true),
         str("NUMPED", 10, "Número~Pedido", false, true),
         typed("NUMITE", T::Integer, "Número~Item", false, true)});
    add(QStringLiteral("vt_GeraBoletoTitulos"),
        {typed("DataVencimento", T::Date, "Vencimento"),
         typed("DataDocumento", T::DateTime, "Data do Documento"),
         typed("DataMoraJuros", T::Date, "Data para Cobrança de Juros"),
         typed("DataDesconto", T::Date, "Data para Desconto"),
         typed("DataAbatimento", T::Date, "Data para Abatimento"),
         typed("DataProtesto", T::Date, "Data para Protesto"),
         str("NumeroDocumento", 20, "Número do Documento"), str("NossoNumero", 20, "Nosso Número"),
         str("EspecieDoc", 4, "Espécie do Documento"),
         typed("Aceite", T::Boolean, "Titulo Aceito?"),
         typed("ValorDocumento", T::Currency, "Valor do Documento"),
         typed("ValorAbatimento", T::Currency, "Valor do Abatimento"),
         typed("ValorMoraJuros", T::Currency, "Valor do Juros"),
         typed("ValorDesconto", T::Currency, "Valor do Desconto"),
         typed("PercentualMulta", T::Currency, "Percentual de Multa"),
         str("Mensagem", 254, "Mensagens \\ Instruções"),
         str("Instrucao1", 2, "Código de Instruções 1"),
         str("Instrucao2", 2, "Código de Instruções 2"),
         typed("Parcela", T::Integer, "Nº Parcela")});
    add(QStringLiteral("vt_InutilizaSEFAZFaixas"), inutilizacaoFields());
    add(QStringLiteral("vt_InutilizaCTe"), inutilizacaoFields());
    add(QStringLiteral("vt_RegerarXMLSefazNumeros"),
        {str("Filial", 3), str("ECF", 3), str("Serie", 3, "Série"),
         typed("Numero", T::Integer, "Número"), str("Situacao", 20, "Situação", true),
         str("Response", 4000, "", true), str("Request", 4000, "", true)});
    add(QStringLiteral("vt_AutenticaCFeSATComplementarItens"),
        {typed("Item", T::Integer), typed("BaseICMS", T::Float, "Base ICMS"),
         typed("AliqICMS", T::Float, "Alíq. ICMS")});
    add(QStringLiteral("vt_ListaProdutoPAFECF"),
        {str("FILMAT", 3), str("CODMAT", 5), typed("CODCOR", T::Integer),
         typed("CODTAM", T::Integer), str("CHAVE", 13)});
    add(QStringLiteral("vt_ListaECFPAFECF"), {str("NumeroFabricacao", 50, "Número Fabricação")});
    add(QStringLiteral("vt_ListaArquivosPAFECF"), {str("Nome", 254), str("MD5", 50)});
    add(QStringLiteral("vt_DAVEmitidos"), {str("Filial", 3),
                                           str("TipoPedido", 1),
                                           str("NumeroDAV", 13),
                                           typed("DataPedido", T::Timestamp),
                                           str("RazaoSocial", 100),
                                           str("NomeFantasia", 60),
                                           str("Documento", 14),
                                           typed("TipoPessoa", T::Integer),
                                           str("FilialECF", 3),
                                           str("NumeroECF", 3),
                                           str("NumeroFabricacao", 20),
                                           str("Modelo", 20),
                                           str("Marca", 20),
                                           str("Tipo", 20),
                                           str("MFAdicional", 1),
                                           str("COOImpressaoDAV", 6),
                                           typed("ValorTotal", T::Currency),
                                           str("COOVendaDAV", 6),
                                           str("NumeroECFVendaDAV", 3),
                                           typed("RegistroValido", T::Boolean)});
    const std::vector<FieldDef> davItemHead = {typed("NumeroItem", T::Integer),
                                               str("CodigoFiscal", 20),
                                               str("Desmat", 50),
                                               str("TipoTributacao", 1),
                                               str("CodFps", 2),
                                               typed("PerIcm", T::Currency),
                                               str("UniMed", 5)};
    add(QStringLiteral("vt_DAVEmitidosItens"),
        join(davItemHead,
             std::vector<FieldDef>{
                 typed("QtdItem", T::Currency), typed("vUnitario", T::Currency),
                 typed("vDesconto", T::Currency), typed("vAcrescimo", T::Currency),
                 typed("vTotalSemDesc", T::Currency), str("SituacaoItemOrcamentoPAF", 1),
                 typed("CasasDecimaisQuantidade", T::Integer),
                 typed("CasasDecimaisValor", T::Integer), typed("RegistroValido", T::Boolean)},
             davDetailTail()));
    add(QStringLiteral("vt_DAVEmitidosAlteracoes"),
        join(davItemHead,
             std::vector<FieldDef>{
                 typed("Data", T::DateTime), str("TipoLog", 1), typed("Quantidade", T::Currency),
                 typed("ValorUnitario", T::Currency), typed("ValorDesconto", T::Currency),
                 typed("ValorAcrescimo", T::Currency), typed("ValorTotal", T::Currency),
                 typed("Cancelado", T::Boolean), typed("CasasDecimaisQuantidade", T::Integer),
                 typed("CasasDecimaisValor", T::Integer), typed("RegistroValido", T::Boolean)},
             davDetailTail()));
    addRules();
    for (MemTable* t : m_tables)
        if (t->objectName() != QLatin1String("vt_ProcessaDevolucao"))
            t->open();
}

TdmPrincipal::~TdmPrincipal() {
    for (MemTable* t : m_tables)
        if (t->isOpen())
            t->close();
}

MemTable& TdmPrincipal::add(const QString& name, std::vector<FieldDef> fields) {
    auto* t = new MemTable(name, std::move(fields), this);
    m_tables.append(t);
    m_byName.insert(name, t);
    m_byName.insert(dataSourceName(name), t);
    return *t;
}

MemTable& TdmPrincipal::table(const QString& name) const {
    MemTable* t = m_byName.value(name);
    if (!t)
        throw Exception(QStringLiteral("Tabela não encontrada: %1").arg(name));
    return *t;
}

void TdmPrincipal::addRules() {
    using namespace tablerules;
    const auto now = [] { return regional::now(); };
    auto setDefaults = [](MemTable& t,
                          std::initializer_list<std::pair<const char*, QVariant>> values) {
        for (const auto& [field, value] : values)
            t.setValue(QString::fromLatin1(field), value);
    };

    blankRowDiscard(table(QStringLiteral("vt_ListaDocEmitidos")),
                    {QStringLiteral("Filial"), QStringLiteral("Serie"), QStringLiteral("NumeroECF"),
                     QStringLiteral("NumeroNota")});
    blankRowDiscard(table(QStringLiteral("vt_ListaECFPAFECF")),
                    {QStringLiteral("NumeroFabricacao")});
    blankRowDiscard(table(QStringLiteral("vt_ListaArquivosPAFECF")), {QStringLiteral("Nome")});

    MemTable& itens = table(QStringLiteral("vt_ItemPedidoReposicao"));
    MemTable& lotes = table(QStringLiteral("vt_LoteItemPedidoReposicao"));
    itens.addAfterInsert([=](MemTable& t) {
        setDefaults(t, {{"CODFIL", QStringLiteral("001")}, {"QTDITE", 0}});
    });
    blankRowDiscard(itens,
                    {QStringLiteral("CODFIL"), QStringLiteral("NUMPED"), QStringLiteral("NUMITE")});
    const QStringList itemKeys = {QStringLiteral("CODFIL"), QStringLiteral("NUMPED"),
                                  QStringLiteral("NUMITE")};
    lotes.setMaster(&itens, itemKeys);
    masterRowGuarantee(lotes, itens);
    lotes.addAfterInsert([&itens, itemKeys, setDefaults](MemTable& t) {
        for (const QString& k : itemKeys)
            t.setValue(k, itens.value(k));
        setDefaults(t, {{"QTDITE", 0}});
    });
    blankRowDiscard(lotes, {QStringLiteral("FILLOT"), QStringLiteral("SEQLOT")});

    table(QStringLiteral("vt_GeraBoletoTitulos")).addAfterInsert([=](MemTable& t) {
        const QDateTime moment = now();
        for (const char* f : {"DataVencimento", "DataDocumento", "DataMoraJuros", "DataDesconto",
                              "DataAbatimento", "DataProtesto"})
            t.setValue(QString::fromLatin1(f), moment);
        setDefaults(t, {{"Aceite", true},
                        {"Parcela", t.recordCount()}, // the new row is already counted
                        {"ValorDocumento", 0},
                        {"ValorAbatimento", 0},
                        {"ValorMoraJuros", 0},
                        {"ValorDesconto", 0},
                        {"PercentualMulta", 0},
                        {"NumeroDocumento", QString::number(randomBelow(1000000))},
                        {"NossoNumero", QString::number(randomBelow(1000000000))},
                        {"EspecieDoc", QStringLiteral("NF")},
                        {"Mensagem", QStringLiteral("Cobrar Juros de 2% após vencimento.")},
                        {"Instrucao1", QString()},
                        {"Instrucao2", QString()}});
    });

    table(QStringLiteral("vt_ListaProdutoPAFECF")).addBeforePost([](MemTable& t) {
        const bool byCode =
            filled(t, QStringLiteral("FILMAT")) && filled(t, QStringLiteral("CODMAT")) &&
            !t.isNull(QStringLiteral("CODCOR")) && !t.isNull(QStringLiteral("CODTAM"));
        return byCode || filled(t, QStringLiteral("CHAVE")) ? MemTable::PostDecision::Store
                                                            : MemTable::PostDecision::Discard;
    });

    MemTable& davs = table(QStringLiteral("vt_DAVEmitidos"));
    davs.addAfterInsert([=](MemTable& t) {
        setDefaults(t, {{"Filial", QStringLiteral("001")},
                        {"TipoPedido", QStringLiteral("O")},
                        {"NumeroDAV", LPad(QString::number(randomBelow(90000000)), u'0', 8)},
                        {"DataPedido", now()},
                        {"ValorTotal", 100.0},
                        {"RazaoSocial", QStringLiteral("CLIENTE CONSUMIDOR")},
                        {"RegistroValido", true}});
    });
    const QStringList davKeys = {QStringLiteral("Filial"), QStringLiteral("TipoPedido"),
                                 QStringLiteral("NumeroDAV")};
    for (const char* detailName : {"vt_DAVEmitidosItens", "vt_DAVEmitidosAlteracoes"}) {
        MemTable& detail = table(QString::fromLatin1(detailName));
        detail.setMaster(&davs, davKeys);
        masterRowGuarantee(detail, davs);
        const bool isItem = qstrcmp(detailName, "vt_DAVEmitidosItens") == 0;
        detail.addAfterInsert([&davs, davKeys, setDefaults, isItem, now](MemTable& t) {
            for (const QString& k : davKeys)
                t.setValue(k, davs.value(k));
            setDefaults(t, {{"NumeroItem", t.recordCount()},
                            {"CodigoFiscal", QStringLiteral("10102020")},
                            {"Desmat", QStringLiteral("Produto Teste")},
                            {"TipoTributacao", QStringLiteral("0")},
                            {"CodFps", QStringLiteral("00")},
                            {"PerIcm", 18.0},
                            {"UniMed", QStringLiteral("UN")},
                            {"CasasDecimaisQuantidade", 4},
                            {"CasasDecimaisValor", 2},
                            {"RegistroValido", true}});
            if (isItem)
                setDefaults(t, {{"QtdItem", 1.0},
                                {"vUnitario", 110.0},
                                {"vDesconto", 10.0},
                                {"vAcrescimo", 100.0},
                                {"vTotalSemDesc", 100.0},
                                {"SituacaoItemOrcamentoPAF", QStringLiteral("A")}});
            else
                setDefaults(t, {{"Data", now()},
                                {"TipoLog", QStringLiteral("A")},
                                {"Quantidade", 1.0},
                                {"ValorUnitario", 110.0},
                                {"ValorDesconto", 10.0},
                                {"ValorAcrescimo", 100.0},
                                {"ValorTotal", 100.0},
                                {"Cancelado", false}});
        });
    }
}
