// The commerce API pages of returns: the returns of a customer, the items of a sales document
// that can be returned, and the return itself, made of the items the user marks.
#include "common/tjsonutil.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "pages/registry.h"
#include "tables/memtable.h"
#include "widgets/dbgrid.h"
#include "widgets/dialogs.h"

#include <QEvent>
#include <QScopeGuard>
#include <QStyledItemDelegate>

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

Page consultaDevolucoes() {
    return Page{
        .name = u"ts_ConsultaDevolucoes"_s,
        .description =
            u"Consulta as devoluções de um parceiro, com filtros de documentos eletrônicos e vínculos"_s,
        .controls = {
            line(u"ed_FilialConsultaDevolucoes"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_ECFConsultaDevolucoes"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            line(u"ed_FilialUsuarioConsultaDevolucoes"_s, u"Filial Usuário"_s, u"001"_s)
                .sends(u"FilialUsuario"_s),
            line(u"ed_CodigoUsuarioConsultaDevolucoes"_s, u"Código Usuário"_s, u"1"_s)
                .sends(u"CodigoUsuario"_s, kinds::padded(3, u' ')),
            line(u"ed_FilialParceiroConsultaDevolucoes"_s, u"Filial Parceiro"_s, u"001"_s)
                .sends(u"FilialParceiro"_s),
            line(u"ed_CodigoParceiroConsultaDevolucoes"_s, u"Código Parceiro"_s, u"7"_s)
                .sends(u"CodigoParceiro"_s, kinds::padded(6, u' ')),
            check(u"ck_SomenteEletronicasConsultaDevolucoes"_s, u"Somente eletrônicas?"_s)
                .sends(u"SomenteEletronicas"_s, kinds::boolean()),
            check(u"ck_DevolveVinculosConsultaDevolucoes"_s, u"Devolve vínculos?"_s)
                .sends(u"DevolveVinculos"_s, kinds::boolean()),
            button(u"bt_TestarConsultaDevolucoes"_s, u"Testar"_s,
                   send(u"TCommerceAPI/ConsultaDevolucoes"_s)),
        }};
}

Page dadosDevolucao() {
    return Page{
        .name = u"ts_DadosDevolucao"_s,
        .description =
            u"Busca os dados de uma nota fiscal para preparar a devolução dos seus itens"_s,
        .controls = {
            line(u"ed_FilialDadosDevolucao"_s, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
            line(u"ed_ECFDadosDevolucao"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
            line(u"ed_FilialUsuarioDadosDevolucao"_s, u"Filial Usuário"_s, u"001"_s)
                .sends(u"FilialUsuario"_s),
            line(u"ed_CodigoUsuarioDadosDevolucao"_s, u"Código Usuário"_s, u"1"_s)
                .sends(u"CodigoUsuario"_s, kinds::padded(3, u' ')),
            line(u"ed_FilialNFDadosDevolucao"_s, u"Filial NF"_s, u"001"_s).sends(u"FilialNF"_s),
            line(u"ed_ECFNFDadosDevolucao"_s, u"ECF NF"_s, u"001"_s).sends(u"ECFNF"_s),
            line(u"ed_SerieNFDadosDevolucao"_s, u"Série NF"_s, u"1"_s).sends(u"SerieNF"_s),
            line(u"ed_NumeroNFDadosDevolucao"_s, u"Número NF"_s, u"100007"_s)
                .sends(u"NumeroNF"_s, kinds::padded(6, u' ')),
            check(u"ck_SomenteEletronicasDadosDevolucao"_s, u"Somente eletrônicas?"_s)
                .sends(u"SomenteEletronicas"_s, kinds::boolean()),
            check(u"ck_DevolveVinculosDadosDevolucao"_s, u"Devolve vínculos?"_s)
                .sends(u"DevolveVinculos"_s, kinds::boolean()),
            button(u"bt_DadosDevolucao"_s, u"Testar"_s, send(u"TCommerceAPI/DadosDevolucao"_s)),
        }};
}

// The returns grid: cells of read-only fields in the button-face colour with black text, and the
// "Devolver" check box toggled by one click anywhere in its cell.
class ReturnItemsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.flags() & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable))
            return;
        option->backgroundBrush = option->palette.button();
        option->palette.setColor(QPalette::Text, Qt::black);
    }
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override {
        if (index.flags() & Qt::ItemIsUserCheckable) {
            if (event->type() == QEvent::MouseButtonRelease) {
                const bool on = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
                return model->setData(index, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
            }
            if (event->type() == QEvent::MouseButtonPress ||
                event->type() == QEvent::MouseButtonDblClick)
                return true;
        }
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
};

const QString kItens = u"vt_ProcessaDevolucao"_s;
const QStringList kReadOnlyFields = {u"CODFIL"_s, u"SEQUEN"_s,    u"NUMITE"_s, u"QTDDEVOLVIDA"_s,
                                     u"QTDPEN"_s, u"QTDDEVREM"_s, u"QTDREM"_s, u"SIGNAT"_s};

// The items of the answer's "Devolucao" list into the returns table, every one marked.
Reading returnItemsIntoTable() {
    return {[](PageContext& page, const HttpAnswer& answer) {
                const auto parsed = parseUtf8Answer(answer.body);
                if (!parsed || !parsed->isObject())
                    throw Exception(u"Resposta inesperada: o texto não é um objeto JSON. "
                                    "Nenhum item foi carregado."_s);
                const json::JsonValue* result = parsed->find("result");
                if (!result || !result->isObject())
                    throw Exception(u"Resposta inesperada: \"result\" não é um objeto. "
                                    "Nenhum item foi carregado."_s);
                if (result->empty()) {
                    page.dialogs().message(
                        u"Nenhuma devolução encontrada com os dados informados!"_s,
                        Dialogs::Kind::Information);
                    return;
                }
                const json::JsonValue* itens = TJSONUtil::GetValue(*result, u"Devolucao"_s);
                if (!itens)
                    return; // the table stays closed
                if (!itens->isArray())
                    throw Exception(u"Resposta inesperada: \"Devolucao\" não é uma lista. "
                                    "Nenhum item foi carregado."_s);
                MemTable& t = page.table(kItens);
                t.open();
                for (const QString& f : kReadOnlyFields)
                    t.setReadOnly(f, false);
                const auto readOnlyAgain = qScopeGuard([&t] {
                    for (const QString& f : kReadOnlyFields)
                        t.setReadOnly(f, true);
                });
                for (std::size_t i = 0; i < itens->size(); ++i) {
                    const json::JsonValue* e = &itens->at(i);
                    const auto amount = [e](const QString& key) {
                        return TJSONUtil::GetCurr(e, key).toDouble();
                    };
                    t.append();
                    t.setValue(u"MARCAR"_s, true);
                    t.setValue(u"CODFIL"_s, TJSONUtil::GetStr(e, u"Filial"_s));
                    t.setValue(u"SEQUEN"_s, TJSONUtil::GetStr(e, u"Sequenciador"_s));
                    t.setValue(u"NUMITE"_s, TJSONUtil::GetInt(e, u"Item"_s));
                    t.setValue(u"QTDDEV"_s, amount(u"QtdDevolver"_s));
                    t.setValue(u"QTDDEVOLVIDA"_s, amount(u"QtdDevolvida"_s));
                    t.setValue(u"QTDPEN"_s, amount(u"QtdPendente"_s));
                    t.setValue(u"QTDDEVREM"_s, amount(u"QtdDevRemessa"_s));
                    t.setValue(u"QTDREM"_s, amount(u"QtdRemessa"_s));
                    t.setValue(u"SIGNAT"_s, TJSONUtil::GetInt(e, u"SigNat"_s));
                    t.post();
                }
                t.first();
            },
            {kItens}};
}

Page processaDevolucao() {
    const QString filial = u"ed_FilialProcessaDevolucao"_s;
    const QString filialUsuario = u"ed_FilialUsuarioProcessaDevolucao"_s;
    const QString codigoUsuario = u"ed_CodigoUsuarioProcessaDevolucao"_s;
    const QString devolveVinculos = u"ck_DevolveVinculosProcessaDevolucao"_s;
    const QString grade = u"dbg_ProcessaDevolucao"_s;
    const QString retorno = u"ed_RetornoProcessaDevolucao"_s;
    const QString guarda = u"ed_RetornoGravacaoGuardaProcessaDevolucao"_s;
    const QString commerce = u"ed_RetornoGravacaoCommerceProcessaDevolucao"_s;
    const QString validacao = u"ed_RetornoValidacaoXMLProcessaDevolucao"_s;
    const QString gravacao = u"ed_RetornoGravacaoXMLProcessaDevolucao"_s;
    const QStringList results = {retorno, guarda, commerce, validacao, gravacao};

    // "Carregar": the result fields emptied and the table closed before the items are asked.
    Action carregar = send(u"TCommerceAPI/DadosDevolucao"_s, returnItemsIntoTable());
    carregar.dados = DadosFn{[results](PageContext& page) {
                                 for (const QString& r : results)
                                     page.setText(r, QString());
                                 page.table(kItens).close();
                                 return page.keyedObject();
                             },
                             results};

    // "Testar": the marked items with a quantity to return.
    Action testar = send(u"TCommerceAPI/ProcessaDevolucao"_s,
                         readings::resultRecordIntoFields({{u"RETORNO"_s, retorno},
                                                           {u"GRAVACAOGUARDA"_s, guarda},
                                                           {u"GRAVACAOCOMMERCE"_s, commerce},
                                                           {u"VALIDACAOXML"_s, validacao},
                                                           {u"GRAVACAOXML"_s, gravacao}}));
    testar.checks = {Check{[](PageContext& page) -> std::optional<QString> {
                               const MemTable& t = page.table(kItens);
                               if (!t.isOpen() || t.recordCount() == 0)
                                   return u"Primeiro pesquise uma devolução informando os dados "
                                          "ao lado!"_s;
                               return std::nullopt;
                           },
                           {kItens}}};
    testar.dados =
        DadosFn{[=](PageContext& page) {
                    json::JsonValue d = json::JsonValue::object();
                    d.add("Filial", TJSONUtil::SetStr(page.text(filial)));
                    d.add("FilialUsuario", TJSONUtil::SetStr(page.text(filialUsuario)));
                    d.add("CodigoUsuario", TJSONUtil::SetStr(page.text(codigoUsuario)));
                    d.add("MotivoDevolucao", TJSONUtil::SetInt(1));
                    d.add("TipoCCC", TJSONUtil::SetInt(1));
                    d.add("DevolveVinculos", TJSONUtil::SetBool(page.checked(devolveVinculos)));
                    const std::vector<Column> columns = {
                        {u"CODFIL"_s, u"Filial"_s, Cell::Text},
                        {u"SEQUEN"_s, u"Sequenciador"_s, Cell::Text},
                        {u"NUMITE"_s, u"Item"_s, Cell::Integer},
                        {u"QTDDEV"_s, u"QtdDevolver"_s, Cell::Money},
                        {u"QTDDEVOLVIDA"_s, u"QtdDevolvida"_s, Cell::Money},
                        {u"QTDPEN"_s, u"QtdPendente"_s, Cell::Money},
                        {u"QTDDEVREM"_s, u"QtdDevRemessa"_s, Cell::Money},
                        {u"QTDREM"_s, u"QtdRemessa"_s, Cell::Money},
                        {u"SIGNAT"_s, u"SigNat"_s, Cell::Integer}};
                    json::JsonValue itens = json::JsonValue::array();
                    MemTable& t = page.table(kItens);
                    for (t.first(); !t.eof(); t.next()) {
                        if (!t.asBoolean(u"MARCAR"_s) || t.asCurrency(u"QTDDEV"_s).scaled() <= 0)
                            continue;
                        json::JsonValue row = json::JsonValue::object();
                        for (const Column& c : columns)
                            row.add(c.key.toStdString(), cellValue(t, c));
                        itens.append(std::move(row));
                    }
                    t.moveTo(t.recordCount() - 1); // the walk ends on the last row, not past it
                    if (itens.empty())
                        throw CheckFailed(u"Nenhum item foi marcado!"_s);
                    d.add("Devolucao", std::move(itens));
                    return d;
                },
                {filial, filialUsuario, codigoUsuario, devolveVinculos, kItens}};

    return Page{
        .name = u"ts_ProcessaDevolucao"_s,
        .description = u"Processa a devolução dos itens de uma nota fiscal informados na grade"_s,
        .controls =
            {
                line(filial, u"Filial"_s, u"001"_s).sends(u"Filial"_s),
                line(u"ed_ECFProcessaDevolucao"_s, u"ECF"_s, u"001"_s).sends(u"ECF"_s),
                line(u"ed_FilialNFProcessaDevolucao"_s, u"Filial NF"_s, u"001"_s)
                    .sends(u"FilialNF"_s),
                line(u"ed_ECFNFProcessaDevolucao"_s, u"ECF NF"_s, u"001"_s).sends(u"ECFNF"_s),
                line(filialUsuario, u"Filial Usuário"_s, u"001"_s).sends(u"FilialUsuario"_s),
                line(codigoUsuario, u"Código Usuário"_s, u"1"_s)
                    .sends(u"CodigoUsuario"_s, kinds::padded(3, u' ')),
                line(u"ed_SerieNFProcessaDevolucao"_s, u"Série NF"_s, u"1"_s).sends(u"SerieNF"_s),
                line(u"ed_NumeroNFProcessaDevolucao"_s, u"Número NF"_s, u"100007"_s)
                    .sends(u"NumeroNF"_s, kinds::padded(6, u' ')),
                check(u"ck_SomenteEletronicasProcessaDevolucao"_s, u"Somente eletrônicas?"_s)
                    .sends(u"SomenteEletronicas"_s, kinds::boolean()),
                check(devolveVinculos, u"Devolve vínculos?"_s)
                    .sends(u"DevolveVinculos"_s, kinds::boolean()),
                button(u"bt_CarregarProcessaDevolucao"_s, u"Carregar"_s, carregar),
                grid(grade, kItens, QString()),
                button(u"bt_ProcessaDevolucao"_s, u"Testar"_s, testar),
                line(retorno, u"Retorno:"_s).readOnlyField(),
                line(guarda, u"Retorno Gravação Guarda:"_s).readOnlyField(),
                line(commerce, u"Retorno Gravação Commerce:"_s).readOnlyField(),
                line(validacao, u"Retorno Validação XML:"_s).readOnlyField(),
                line(gravacao, u"Retorno Gravação XML:"_s).readOnlyField(),
            },
        // "Carregar" sends the user before the document.
        .keyOrder = {u"Filial"_s, u"ECF"_s, u"FilialUsuario"_s, u"CodigoUsuario"_s},
        .onBuilt =
            [grade](PageContext& page) {
                auto& g = page.as<DbGrid>(grade);
                g.setItemDelegate(new ReturnItemsDelegate(&g));
                g.setMinimumHeight(170); // a document's items stay readable below the header
            },
    };
}

} // namespace

std::vector<Page> commerceDevolucaoPages() {
    return {consultaDevolucoes(), dadosDevolucao(), processaDevolucao()};
}
