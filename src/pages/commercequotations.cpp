// The commerce API pages of supplier quotations: e-mail, supplier answer file, approval and
// winners. Quotation keys are padded to the widths of the quotation's database keys.
#include "common/tjsonutil.h"
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

Page enviaEmailCotacao() {
    return Page{
        .name = u"EnviaEmailCotacao"_s,
        .description =
            u"Envia por e-mail a um fornecedor a cotação de compra para que ele a preencha"_s,
        .controls = {
            line(u"ed_CodfilCPF"_s, u"Código Cotação"_s).sends(u"CODFIL"_s, kinds::padded(3, u'0')),
            line(u"ed_SequenCPF"_s, u"Sequen Cotação"_s)
                .sends(u"SEQUEN"_s, kinds::padded(10, u' ')),
            line(u"ed_CotacaoFilfor"_s, u"Filial Fornecedor"_s)
                .sends(u"FILFOR"_s, kinds::paddedZerosOrBlanks(3)),
            line(u"ed_CotacaoCodfor"_s, u"Código Fornecedor"_s)
                .sends(u"CODFOR"_s, kinds::padded(6, u' ')),
            button(u"bt_EnviaEmailCotacao"_s, u"Testar"_s,
                   send(u"TCommerceAPI/EnviaEmailCotacaoFornecedor"_s)),
        }};
}

// The answer file's type by its path, upper-cased: "J" when it holds "JSON", "E" when it holds
// "XLS" (checked second, so it wins), "" otherwise.
ValueKind tipoArquivo() {
    return [](const FieldValue& v) {
        const QString path = v.text.toUpper();
        QString tipo;
        if (path.contains(u"JSON"_s))
            tipo = u"J"_s;
        if (path.contains(u"XLS"_s))
            tipo = u"E"_s;
        return TJSONUtil::SetStr(tipo);
    };
}

Page processaCotacaoFornecedor() {
    const QString arquivo = u"ed_RetornoArquivoCotacao"_s;
    Action testar = send(u"TCommerceAPI/ProcessaCotacaoFornecedor"_s);
    // One field gives both keys: the file's type and its bytes.
    testar.dados =
        DadosFn{[arquivo](PageContext& page) {
                    const FieldValue v = page.value(arquivo);
                    json::JsonValue dados = json::JsonValue::object();
                    dados.add("TipoArquivo", tipoArquivo()(v));
                    dados.add("ArquivoRetorno", kinds::fileBase64(false, EmptyPath::Error)(v));
                    return dados;
                },
                {arquivo}};
    return Page{.name = u"ProcessaCotacaoFornecedor"_s,
                .description =
                    u"Envia o arquivo da cotação preenchida pelo fornecedor para processamento"_s,
                .controls = {
                    line(arquivo, u"Arquivo Retorno"_s, u"T:\\testes.xlsx"_s)
                        .withFilePicker(u"bt_ProcuraArquivoRetornoCotacao"_s),
                    button(u"bt_ProcessaRetornoCotacao"_s, u"Testar"_s, testar),
                }};
}

Page aprovarCotacaoFornecedor() {
    return Page{.name = u"AprovarCotacaoFornecedor"_s,
                .description = u"Aprova uma cotação de compra de fornecedores"_s,
                .controls = {
                    line(u"ed_AprovarCotacaoCodfil"_s, u"Código Cotação"_s)
                        .sends(u"CODFIL"_s, kinds::padded(3, u'0')),
                    line(u"ed_AprovarCotacaoSequen"_s, u"Sequen Cotação"_s)
                        .sends(u"SEQUEN"_s, kinds::padded(10, u' ')),
                    button(u"bt_AprovarCotacaoTestar"_s, u"Testar"_s,
                           send(u"TCommerceAPI/AprovarCotacaoFornecedor"_s)),
                }};
}

Page defineVencedoresCotacaoFornecedor() {
    return Page{
        .name = u"ts_DefineVencedoresCotacaoFornecedor"_s,
        .description = u"Define as ofertas vencedoras de uma cotação de compra de fornecedores"_s,
        .controls = {
            line(u"ed_DefineVencedoresCotacaoFornecedorFilial"_s, u"Código Cotação"_s)
                .sends(u"CODFIL"_s, kinds::padded(3, u'0')),
            line(u"ed_DefineVencedoresCotacaoFornecedorSequen"_s, u"Sequen Cotação"_s)
                .sends(u"SEQUEN"_s, kinds::padded(10, u' ')),
            line(u"ed_DefineVencedoresCotacaoFornecedorFilUsu"_s, u"Filial Usuário"_s, u"001"_s)
                .sends(u"FILUSU"_s, kinds::padded(3, u'0')),
            line(u"ed_DefineVencedoresCotacaoFornecedorCodUsu"_s, u"Código Usuário"_s, u"1"_s)
                .sends(u"CODUSU"_s, kinds::padded(3, u' ')),
            button(u"bt_DefineVencedoresCotacaoFornecedor"_s, u"Testar"_s,
                   send(u"TCommerceAPI/DefineVencedoresCotacaoFornecedor"_s)),
        }};
}

} // namespace

std::vector<Page> commerceQuotationPages() {
    return {enviaEmailCotacao(), processaCotacaoFornecedor(), aprovarCotacaoFornecedor(),
            defineVencedoresCotacaoFornecedor()};
}
