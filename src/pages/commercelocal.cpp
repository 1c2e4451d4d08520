// The local commerce API pages: bank slips, e-mail, CNPJ and CPF lookups and DAV printing.
#include "common/filehelpers.h"
#include "common/tjsonutil.h"
#include "contracts/tcombo.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "pages/registry.h"
#include "tables/memtable.h"
#include "widgets/pageroutines.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

const QString kCnpj = u"11222333000181"_s;

// One key of a data value: the control it is read from and how.
struct Key {
    QString key;
    QString control;
    ValueKind kind = kinds::text();
};

json::JsonValue keysObject(const PageContext& page, const std::vector<Key>& keys) {
    json::JsonValue o = json::JsonValue::object();
    for (const Key& k : keys)
        o.add(k.key.toStdString(), k.kind(page.value(k.control)));
    return o;
}

QStringList controlsOf(const std::vector<Key>& keys) {
    QStringList names;
    for (const Key& k : keys)
        names << k.control;
    return names;
}

// A data value made of these keys only, in this order.
DadosFn keysOnly(const std::vector<Key>& keys) {
    return {[keys](PageContext& page) { return keysObject(page, keys); }, controlsOf(keys)};
}

// ---- ts_GeraBoleto -------------------------------------------------------------------------

const QString kTitulos = u"vt_GeraBoletoTitulos"_s;
const QString kQuebraDeLinha = u"ed_GeraBoletoConfigQuebraDeLinha"_s;
const QString kPdfCompressao = u"cb_GeraBoletoConfigPDFCompressao"_s;
const QString kLayout = u"ed_GeraBoletoCCLayout"_s;
const QString kArquivoPersonalizado = u"ed_GeraBoletoCCNomeArquivoPersonalizado"_s;

// The fields of a person with an address: the account holder ("Titular") or the payer
// ("Sacado"); their names differ only by that word.
QString person(const QString& who, const char* field) {
    return u"ed_GeraBoleto"_s + who + QString::fromLatin1(field);
}

std::vector<Key> addressKeys(const QString& who) {
    return {{u"Endereco"_s, person(who, "Endereco")},
            {u"Numero"_s, person(who, "Numero")},
            {u"Comple"_s, person(who, "Complemento")},
            {u"Bairro"_s, person(who, "Bairro")},
            {u"CEP"_s, person(who, "CEP"), kinds::integerElse(0)},
            {u"DDD"_s, person(who, "DDD")},
            {u"Telefone"_s, person(who, "Telefone")},
            {u"Cidade"_s, person(who, "Cidade")},
            {u"UF"_s, person(who, "Estado")}};
}

std::vector<Key> personKeys(const QString& who) {
    return {{u"RazaoSocial"_s, person(who, "RazaoSocial")},
            {u"Documento"_s, person(who, "Documento")},
            {u"TipoPessoa"_s, person(who, "Tipo"), kinds::position()}};
}

// The holder or the payer: name, document, person type, [e-mail,] address.
json::JsonValue personObject(const PageContext& page, const QString& who, bool withEmail) {
    json::JsonValue o = keysObject(page, personKeys(who));
    if (withEmail)
        o.add("eMail", kinds::text()(page.value(person(who, "EMail"))));
    o.add("Endereco", keysObject(page, addressKeys(who)));
    return o;
}

const std::vector<Key> kContaKeys = {
    {u"CodigoBanco"_s, u"ed_GeraBoletoCCBanco"_s},
    {u"NumeroAgencia"_s, u"ed_GeraBoletoCCAgencia"_s},
    {u"DigitoAgencia"_s, u"ed_GeraBoletoCCDVAgencia"_s},
    {u"ContaCorrente"_s, u"ed_GeraBoletoCCConta"_s},
    {u"DigitoContaCorrente"_s, u"ed_GeraBoletoCCDVConta"_s},
    {u"CodigoModalidade"_s, u"ed_GeraBoletoCCModalidade"_s},
    {u"CodigoConvenio"_s, u"ed_GeraBoletoCCConvenio"_s},
    {u"CodigoCedente"_s, u"ed_GeraBoletoCCCedente"_s},
    {u"CodigoTransmissao"_s, u"ed_GeraBoletoCCTransmissao"_s},
    {u"CodigoGeracao"_s, u"ed_GeraBoletoCCGeracao"_s},
    {u"Carteira"_s, u"ed_GeraBoletoCCCarteira"_s},
    {u"TipoDocumento"_s, u"ed_GeraBoletoCCTipoDoc"_s, kinds::firstChars(1)},
    {u"TipoCarteira"_s, u"ed_GeraBoletoCCTipoCarteira"_s, kinds::firstChars(1)},
    {u"ResponEmissao"_s, u"ed_GeraBoletoCCEmissao"_s, kinds::firstChars(1)},
    {u"LocalPagamento"_s, u"ed_GeraBoletoCCLocalPGT"_s},
    {u"LayoutBoleto"_s, kLayout, kinds::firstChars(1)},
    {u"NomeArquivoPersonalizado"_s, kArquivoPersonalizado},
};

// The title's row fields around the keys that do not come from the row.
const std::vector<Column> kTituloDatas = {
    {u"DataVencimento"_s, u"DataVencimento"_s, Cell::DateTime},
    {u"DataDocumento"_s, u"DataDocumento"_s, Cell::DateTime},
    {u"DataMoraJuros"_s, u"DataMoraJuros"_s, Cell::DateTime},
    {u"DataDesconto"_s, u"DataDesconto"_s, Cell::DateTime},
    {u"DataAbatimento"_s, u"DataAbatimento"_s, Cell::DateTime},
    {u"DataProtesto"_s, u"DataProtesto"_s, Cell::DateTime},
    {u"NumeroDocumento"_s, u"NumeroDocumento"_s, Cell::Text},
    {u"NossoNumero"_s, u"NossoNumero"_s, Cell::Text},
    {u"Parcela"_s, u"Parcela"_s, Cell::Integer},
};
const std::vector<Column> kTituloValores = {
    {u"EspecieDoc"_s, u"EspecieDoc"_s, Cell::Text},
    {u"Aceite"_s, u"Aceite"_s, Cell::Boolean},
    {u"ValorDocumento"_s, u"ValorDocumento"_s, Cell::Money},
    {u"ValorAbatimento"_s, u"ValorAbatimento"_s, Cell::Money},
    {u"ValorMoraJuros"_s, u"ValorMoraJuros"_s, Cell::Money},
    {u"ValorDesconto"_s, u"ValorDesconto"_s, Cell::Money},
    {u"PercentualMulta"_s, u"PercentualMulta"_s, Cell::Money},
};
const std::vector<Column> kTituloTextos = {
    {u"Mensagem"_s, u"Mensagem"_s, Cell::Text},
    {u"Instrucao1"_s, u"Instrucao1"_s, Cell::Text},
    {u"Instrucao2"_s, u"Instrucao2"_s, Cell::Text},
};

// One title object per row of the titles table, each with its own copy of the payer.
json::JsonValue titulos(const PageContext& page) {
    MemTable& t = page.table(kTitulos);
    const int total = t.recordCount();
    const QString quebra = page.text(kQuebraDeLinha);
    json::JsonValue list = json::JsonValue::array();
    auto addCells = [&t](json::JsonValue& o, const std::vector<Column>& columns) {
        for (const Column& c : columns)
            o.add(c.key.toStdString(), cellValue(t, c));
    };
    for (t.first(); !t.eof(); t.next()) {
        json::JsonValue titulo = json::JsonValue::object();
        titulo.add("Sacado", personObject(page, u"Sacado"_s, true));
        addCells(titulo, kTituloDatas);
        titulo.add("TotalParcelas", TJSONUtil::SetInt(total));
        addCells(titulo, kTituloValores);
        titulo.add("QuebraDeLinha", TJSONUtil::SetStr(quebra));
        addCells(titulo, kTituloTextos);
        list.append(std::move(titulo));
    }
    return list;
}

// The bank-slip data value; the PDF request and the print request differ in their options.
DadosFn boletoDados(bool pdf) {
    QStringList names = {u"cb_GeraBoletoConfigTituloPorPagina"_s,
                         u"cb_GeraBoletoConfigImprimir"_s,
                         u"ed_GeraBoletoImpressora"_s,
                         kPdfCompressao,
                         u"ed_GeraBoletoConfigImpressaoNumeroVias"_s,
                         kQuebraDeLinha,
                         kTitulos,
                         person(u"Sacado"_s, "EMail")};
    names << controlsOf(kContaKeys);
    for (const QString& who : {u"Titular"_s, u"Sacado"_s})
        names << controlsOf(personKeys(who)) << controlsOf(addressKeys(who));
    return {
        [pdf](PageContext& page) {
            json::JsonValue dados = json::JsonValue::object();
            dados.add("GeraTituloPorPagina",
                      TJSONUtil::SetBool(page.checked(u"cb_GeraBoletoConfigTituloPorPagina"_s)));
            if (!pdf)
                dados.add("Imprimir",
                          TJSONUtil::SetBool(page.checked(u"cb_GeraBoletoConfigImprimir"_s)));
            dados.add("NomeImpressora", kinds::text()(page.value(u"ed_GeraBoletoImpressora"_s)));
            if (pdf)
                dados.add("ComprimirArquivoRetorno",
                          TJSONUtil::SetBool(page.checked(kPdfCompressao)));
            else
                dados.add("NumeroViasPorTitulo", kinds::integer()(page.value(
                                                     u"ed_GeraBoletoConfigImpressaoNumeroVias"_s)));
            json::JsonValue conta = json::JsonValue::object();
            conta.add("Titular", personObject(page, u"Titular"_s, false));
            conta.addMembersOf(keysObject(page, kContaKeys));
            dados.add("ContaBancaria", std::move(conta));
            dados.add("Titulos", titulos(page));
            return dados;
        },
        names};
}

// The holder's or the payer's fields, pre-filled with the sample company.
std::vector<Control> personControls(const QString& who) {
    return {
        line(person(who, "RazaoSocial"), u"Razão Social"_s, u"QUORVA SISTEMAS LTDA"_s),
        line(person(who, "Documento"), u"CNPJ/CPF"_s, kCnpj),
        comboEditable(person(who, "Tipo"), u"Pessoa"_s, {u"Física"_s, u"Jurídica"_s}, {}, 1),
        line(person(who, "Endereco"), u"Endereço"_s, u"Rua Marechal Deodoro"_s),
        line(person(who, "Numero"), u"Número"_s, u"630"_s),
        line(person(who, "Complemento"), u"Complemento"_s, u"Sala 1201"_s),
        line(person(who, "Bairro"), u"Bairro"_s, u"Centro"_s),
        line(person(who, "CEP"), u"CEP"_s, u"80010010"_s),
        line(person(who, "DDD"), {}, u"41"_s),
        line(person(who, "Telefone"), u"Telefone"_s, u"30301234"_s),
        line(person(who, "Cidade"), u"Cidade"_s, u"Curitiba"_s),
        line(person(who, "Estado"), {}, u"PR"_s),
    };
}

// The form grid a control sits in.
QGridLayout* gridOf(QWidget* control) {
    for (auto* grid : control->parentWidget()->findChildren<QGridLayout*>())
        if (grid->indexOf(control) >= 0)
            return grid;
    return nullptr;
}

// Puts a short unlabelled field in the row of a labelled one, before or after it as it comes
// in tab order.
void sideBySide(PageContext& page, const QString& shortField, const QString& rowField,
                const QString& hint) {
    auto& small = page.as<QLineEdit>(shortField);
    QWidget* field = page.widget(rowField);
    QGridLayout* grid = gridOf(field);
    if (!grid)
        return;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(field), &row, &column, &rows, &columns);
    const bool first = grid->indexOf(&small) < grid->indexOf(field);
    grid->removeWidget(&small);
    grid->removeWidget(field);
    auto* pair = new QWidget(field->parentWidget());
    auto* line = new QHBoxLayout(pair);
    line->setContentsMargins(0, 0, 0, 0);
    small.setPlaceholderText(hint);
    small.setToolTip(hint);
    small.setMaximumWidth(small.fontMetrics().horizontalAdvance(u"MMMM"_s) + 12);
    line->addWidget(first ? static_cast<QWidget*>(&small) : field, first ? 0 : 1);
    line->addWidget(first ? field : static_cast<QWidget*>(&small), first ? 1 : 0);
    grid->addWidget(pair, row, column, rows, columns);
}

// The second button moves into the first one's row: one bottom panel for both.
void inOneRow(PageContext& page, const QString& firstButton, const QString& secondButton) {
    QWidget* first = page.widget(firstButton);
    QWidget* second = page.widget(secondButton);
    QGridLayout* grid = gridOf(first);
    if (!grid)
        return;
    int row = 0, column = 0, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(first), &row, &column, &rows, &columns);
    grid->removeWidget(first);
    grid->removeWidget(second);
    auto* panel = new QWidget(first->parentWidget());
    auto* line = new QHBoxLayout(panel);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(first);
    line->addWidget(second);
    line->addStretch(1);
    grid->addWidget(panel, row, column, rows, columns);
}

Page geraBoleto() {
    std::vector<Control> sacado = personControls(u"Sacado"_s);
    sacado.push_back(line(person(u"Sacado"_s, "EMail"), u"E-Mail"_s));
    std::vector<Control> titular = personControls(u"Titular"_s);
    return Page{
        .name = u"ts_GeraBoleto"_s,
        .description =
            u"Gera o boleto bancário de cada título informado, em PDF gravado em arquivo ou para impressão"_s,
        .controls =
            {
                tabs(
                    u"pc_GeraBoleto"_s,
                    {
                        tab(u"ts_GeraBoletoConfig"_s, u"Configurações"_s,
                            {
                                check(u"cb_GeraBoletoConfigTituloPorPagina"_s,
                                      u"Gera Título por Página"_s, true),
                                check(u"cb_GeraBoletoConfigImprimir"_s, u"Imprimir?"_s, true),
                                comboEditable(u"ed_GeraBoletoImpressora"_s, u"Impressora"_s, {})
                                    .withPrinterLookup(u"bt_GeraBoletoImpressora"_s),
                                group(u"gb_GeraBoletoConfigPDF"_s, u"PDF"_s,
                                      {check(kPdfCompressao, u"Comprimir Retorno"_s, false)}),
                                group(u"gb_GeraBoletoConfigImpressao"_s, u"Impressão"_s,
                                      {spin(u"ed_GeraBoletoConfigImpressaoNumeroVias"_s,
                                            u"Nº Vias:"_s, 1, 1, 99)}),
                                line(kQuebraDeLinha, u"Quebra de Linha Mensagem"_s, u"|"_s),
                            }),
                        tab(u"ts_GeraBoletoCC"_s, u"Conta Bancária"_s,
                            {
                                line(u"ed_GeraBoletoCCBanco"_s, u"Banco"_s, u"237"_s),
                                line(u"ed_GeraBoletoCCAgencia"_s, u"Agência"_s, u"03375"_s),
                                line(u"ed_GeraBoletoCCDVAgencia"_s, u"DV"_s, u"4"_s),
                                line(u"ed_GeraBoletoCCConta"_s, u"Conta"_s, u"0000012345"_s),
                                line(u"ed_GeraBoletoCCDVConta"_s, u"DV"_s, u"6"_s),
                                line(u"ed_GeraBoletoCCModalidade"_s, u"Código da Modalidade"_s,
                                     u"1"_s),
                                line(u"ed_GeraBoletoCCConvenio"_s, u"Código da Convênio"_s,
                                     u"1234567"_s),
                                line(u"ed_GeraBoletoCCCedente"_s, u"Código do Cedente"_s,
                                     u"1234567"_s),
                                line(u"ed_GeraBoletoCCTransmissao"_s, u"Código de Transmissão"_s,
                                     u"1234567"_s),
                                line(u"ed_GeraBoletoCCGeracao"_s, u"Código de Geração"_s, u"3"_s),
                                line(u"ed_GeraBoletoCCCarteira"_s, u"Carteira"_s, u"009"_s),
                                comboEditable(u"ed_GeraBoletoCCTipoDoc"_s, u"Tipo Doc."_s,
                                              {u"1 - Tradicional"_s, u"2 - Escritural"_s}, {}, 1),
                                comboEditable(
                                    u"ed_GeraBoletoCCTipoCarteira"_s, u"Tipo Carteira"_s,
                                    {u"1 - Registrada"_s, u"2 - Simples"_s, u"3 - Eletronica"_s},
                                    {}, 0),
                                comboEditable(u"ed_GeraBoletoCCEmissao"_s, u"Emissão"_s,
                                              {u"1 - Banco Emite"_s, u"2 - Cliente Emite"_s,
                                               u"3 - Banco Reemite"_s, u"4 - Banco Nao Reemite"_s},
                                              {}, 1),
                                line(u"ed_GeraBoletoCCLocalPGT"_s, u"Local Pgt."_s,
                                     u"Até o Vencimento pagável em qualquer agência ou casa "
                                     u"lotérica."_s),
                                comboEditable(kLayout, u"Layout Impressão"_s,
                                              {u"P - Padrão"_s, u"C - Carne"_s, u"F - Fatura"_s,
                                               u"E - Padrão Entrega"_s, u"O - Outros"_s},
                                              {}, 0),
                                line(kArquivoPersonalizado, u"Arq. Person."_s,
                                     u"BoletoPersonalizado.fr3"_s),
                                group(u"gb_GeraBoletoTitular"_s, u"Titular"_s, std::move(titular)),
                            }),
                        tab(u"ts_GeraBoletoTitulos"_s, u"Titulos"_s,
                            {
                                grid(u"db_GeraBoletoTitulos"_s, kTitulos, u"nv_GeraBoletoTitulos"_s)
                                    .withColumns({
                                        {u"DataVencimento"_s, u"Data~Vencimento"_s},
                                        {u"DataDocumento"_s, u"Data~Documento"_s},
                                        {u"DataMoraJuros"_s, u"Data~Cobrança de Juros"_s},
                                        {u"DataDesconto"_s, u"Data~Desconto"_s},
                                        {u"DataAbatimento"_s, u"Data~Abatimento"_s},
                                        {u"DataProtesto"_s, u"Data~Protesto"_s},
                                        {u"NumeroDocumento"_s, u"Número do Documento"_s},
                                        {u"EspecieDoc"_s, u"Espécie do Documento"_s},
                                        {u"NossoNumero"_s, u"Nosso Número"_s},
                                        {u"Parcela"_s, u"Nº Parcela"_s},
                                        {u"Aceite"_s, u"Aceito?"_s},
                                        {u"ValorDocumento"_s, u"Valor~Documento"_s},
                                        {u"ValorAbatimento"_s, u"Valor~Abatimento"_s},
                                        {u"ValorMoraJuros"_s, u"Valor~Juros"_s},
                                        {u"ValorDesconto"_s, u"Valor~Desconto"_s},
                                        {u"PercentualMulta"_s, u"Percentual de~Multa"_s},
                                        {u"Mensagem"_s, u"Mensagens \\ Instruções"_s},
                                        {u"Instrucao1"_s, u"Código de Instruções~1"_s},
                                        {u"Instrucao2"_s, u"Código de Instruções~2"_s},
                                    }),
                                group(u"gb_GeraBoletoSacado"_s, u"Sacado"_s, std::move(sacado)),
                            }),
                    }),
                button(u"bt_GeraBoletoPDF"_s, u"Gera Boleto PDF"_s,
                       Action{.path = u"TCommerceLocalAPI/GeraBoletoPDF"_s,
                              .dados = boletoDados(true),
                              .reading = readings::bankSlipFiles(
                                  [](PageContext& page) { return page.checked(kPdfCompressao); })}),
                button(
                    u"bt_GeraBoleto"_s, u"Gera Boleto"_s,
                    Action{.path = u"TCommerceLocalAPI/GeraBoleto"_s, .dados = boletoDados(false)}),
            },
        .onBuilt =
            [](PageContext& page) {
                // The personalised report only counts for layout "O"; it is sent either way.
                auto* layout = &page.as<QComboBox>(kLayout);
                auto* arquivo = &page.as<QLineEdit>(kArquivoPersonalizado);
                auto follow = [arquivo](const QString& text) {
                    arquivo->setEnabled(text.startsWith(u'O'));
                };
                QObject::connect(layout, &QComboBox::editTextChanged, arquivo, follow);
                follow(layout->currentText());
                // The holder beside the bank fields, so the page's buttons stay in reach.
                if (auto* conta =
                        qobject_cast<QGridLayout*>(page.widget(u"ts_GeraBoletoCC"_s)->layout())) {
                    QWidget* holder = page.widget(u"gb_GeraBoletoTitular"_s);
                    conta->removeWidget(holder);
                    conta->addWidget(holder, 0, 2, int(kContaKeys.size()), 1, Qt::AlignTop);
                    conta->setColumnStretch(2, 1);
                }
                inOneRow(page, u"bt_GeraBoletoPDF"_s, u"bt_GeraBoleto"_s);
                page.widget(u"db_GeraBoletoTitulos"_s)->setMinimumHeight(130);
                // The area code beside the phone, the state beside the city, as on paper.
                for (const QString& who : {u"Titular"_s, u"Sacado"_s}) {
                    sideBySide(page, person(who, "DDD"), person(who, "Telefone"), u"DDD"_s);
                    sideBySide(page, person(who, "Estado"), person(who, "Cidade"), u"UF"_s);
                }
            },
    };
}

// ---- ts_EnviaEmail -------------------------------------------------------------------------

const QString kAnexos = u"lbx_EnviaEmailAnexosArquivos"_s;
const QString kAnexosBase64 = u"lbx_EnviaEmailAnexosArquivosBase64"_s;
const QString kExcluir = u"bt_EnviaEmailExcluir"_s;

// "Adicionar": the chosen file's path into the list and its base64, taken now, beside it.
Action addAttachment() {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [](PageContext& page) {
        const QString file = getFile(QString());
        if (file.isEmpty())
            return;
        const QString base64 = QString::fromLatin1(readFileBytes(file).toBase64());
        page.as<QListWidget>(kAnexos).addItem(file);
        page.as<QListWidget>(kAnexosBase64).addItem(base64);
        page.setEnabled(kExcluir, true);
    };
    a.uses = {kAnexos, kAnexosBase64, kExcluir};
    return a;
}

// "Excluir": the selected entry leaves both lists.
Action removeAttachment() {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [](PageContext& page) {
        auto& names = page.as<QListWidget>(kAnexos);
        auto& contents = page.as<QListWidget>(kAnexosBase64);
        const int row =
            names.currentItem() && names.currentItem()->isSelected() ? names.currentRow() : -1;
        if (row >= 0) {
            delete names.takeItem(row);
            delete contents.takeItem(row);
        }
        page.setEnabled(kExcluir, names.count() > 0);
    };
    a.uses = {kAnexos, kAnexosBase64, kExcluir};
    return a;
}

Page enviaEmail() {
    return Page{
        .name = u"ts_EnviaEmail"_s,
        .description = u"Envia um e-mail com anexos pelo middleware"_s,
        .controls =
            {
                line(u"ed_EnviaEmailCNPJ"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
                line(u"ed_EnviaEmailPara"_s, u"Para"_s,
                     u"fiscal@exemplo.com.br; contabilidade@exemplo.com.br"_s)
                    .sends(u"Para"_s),
                hint(u"lb_EnviaEmailParaDica"_s, u"(informar os endereços separados por \";\")"_s),
                line(u"ed_EnviaEmailAssunto"_s, u"Assunto"_s).sends(u"Assunto"_s),
                memo(u"mm_EnviaEmailMensagem"_s, u"Mensagem"_s).sends(u"Mensagem"_s),
                listBox(kAnexos, u"Anexos"_s)
                    .sends(u"Anexos"_s, kinds::attachmentsFrom(kAnexosBase64)),
                button(u"bt_EnviaEmailAdicionar"_s, u"Adicionar"_s, addAttachment()),
                button(kExcluir, u"Excluir"_s, removeAttachment()),
                listBox(kAnexosBase64, {}),
                button(u"bt_EnviaEmailTestar"_s, u"Testar"_s,
                       send(u"TCommerceLocalAPI/EnviaEmail"_s)),
            },
        .onBuilt =
            [](PageContext& page) {
                page.setVisible(kAnexosBase64, false);
                page.as<QListWidget>(kAnexos).setMaximumHeight(120);
                page.setEnabled(kExcluir, false);
            },
    };
}

// ---- ts_ConsultaCNPJ and ts_ConsultaCPF ----------------------------------------------------

// A registry lookup guarded by a captcha: step 1 fetches the picture, step 2 sends the
// document with the characters the user read from it.
Page consultaComCaptcha(const QString& doc, const QString& docLabel, int docLength,
                        std::vector<Control> extra, std::vector<Key> extraKeys) {
    const QString service = u"Consulta"_s + doc;
    const QString compactado = u"ed_Consulta"_s + doc + u"ComprimirRetornoCaptcha"_s;
    const QString captcha = u"ed_Consulta"_s + doc + u"Captcha"_s;
    const QString imagem = u"imgConsulta"_s + doc + u"CaptchaPNG"_s;
    const QString documento = u"ed_Consulta"_s + doc + doc;

    std::vector<Key> step1 = {
        {u"ArquivoCompactado"_s, compactado, kinds::boolean()},
        {u"FormatoBitmap"_s, compactado, kinds::constant(json::JsonValue::boolean(false))}};
    std::vector<Key> step2 = {{doc, documento}};
    step2.insert(step2.end(), extraKeys.begin(), extraKeys.end());
    step2.push_back({u"Captcha"_s, captcha});

    std::vector<Control> controls = {
        check(compactado, u"Comprimir Retorno Captcha"_s, true),
        button(u"bt_Consulta"_s + doc + u"Captcha"_s, u"Consulta Captcha"_s,
               Action{.path = u"TCommerceLocalAPI/"_s + service + u"Captcha"_s,
                      .dados = keysOnly(step1),
                      .reading =
                          readings::captcha(service + u"Captcha"_s, compactado, imagem, captcha)}),
        line(documento, docLabel, {}).maxLen(docLength),
    };
    for (Control& c : extra)
        controls.push_back(std::move(c));
    controls.push_back(line(captcha, u"Captcha"_s));
    controls.push_back(image(imagem, u"PNG"_s));
    controls.push_back(
        button(u"bt_Consulta"_s + doc, u"Consulta"_s,
               Action{.path = u"TCommerceLocalAPI/"_s + service, .dados = keysOnly(step2)}));
    return Page{
        .name = u"ts_Consulta"_s + doc,
        .description =
            doc == u"CNPJ"_s
                ? u"Consulta o cadastro de uma empresa na Receita pelo CNPJ, resolvendo antes o captcha"_s
                : u"Consulta o cadastro de uma pessoa na Receita pelo CPF, resolvendo antes o captcha"_s,
        .controls = std::move(controls)};
}

Page consultaCNPJ() {
    return consultaComCaptcha(u"CNPJ"_s, u"CNPJ"_s, 14, {}, {});
}

Page consultaCPF() {
    const QString nascimento = u"ed_ConsultaCPFDataNascimento"_s;
    Page p =
        consultaComCaptcha(u"CPF"_s, u"CPF"_s, 11, {datePicker(nascimento, u"Data Nascimento"_s)},
                           {{u"DataNascimento"_s, nascimento, kinds::pickerDateTime()}});
    p.onBuilt = [nascimento](PageContext& page) {
        page.setText(nascimento, u"05/05/2017 15:03:44"_s);
    };
    return p;
}

// ---- tsImprimeDAV --------------------------------------------------------------------------

const QString kModelos = u"ed_ImprimeDAVModelos"_s;
const QString kImpressoras = u"ed_ImprimeDAVImpressoras"_s;
const QString kTipoComunicacao = u"ed_ImprimeDAVTipoComunicacaoImpressora"_s;
const QString kComprimirDAV = u"ed_ImprimeDAVComprimirRetorno"_s;

// "Consulta Modelos/Impressoras": the printers of the chosen communication type, then the
// report models of the transaction type.
Action consultaModelos() {
    const std::vector<Key> keys = {
        {u"Tipo"_s, u"ed_ImprimeDAVTipo"_s, kinds::firstTwoCharsAsInteger()},
        {u"TipoComunicacaoImpressora"_s, kTipoComunicacao, kinds::code()},
        {u"SubDiretorioReport"_s, u"ed_ImprimeDAVSubDiretorioModelo"_s},
    };
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [keys](PageContext& page) {
        auto& modelos = page.as<QComboBox>(kModelos);
        const QString typed = modelos.currentText();
        modelos.clear();
        modelos.setEditText(typed);
        page.exchange().conecta(false, TEnumConexaoMiddlewareTipoRetorno_Simples);
        readings::printerLookup(kImpressoras, readings::codeOf(kTipoComunicacao)).custom(page);
        page.runAction(Action{.path = u"TCommerceLocalAPI/ConsultaModelosDAV"_s,
                              .dados = keysOnly(keys),
                              .reading = readings::fileRecordNamesAppended(kModelos)});
    };
    a.uses = controlsOf(keys) << kModelos << kImpressoras;
    return a;
}

// "Imprime": without a printer the middleware sends the document back, saved in Arquivos.
Reading savedWithoutPrinter() {
    return {[](PageContext& page, const HttpAnswer& answer) {
                if (!page.text(kImpressoras).trimmed().isEmpty())
                    return;
                ResultDecodeBase64(u"ImprimeDAV"_s,
                                   page.checked(kComprimirDAV) ? u"zip"_s : u"pdf"_s, answer.body);
            },
            {kImpressoras, kComprimirDAV}};
}

Page imprimeDAV() {
    Control tipo = comboEditable(u"ed_ImprimeDAVTipo"_s, u"Tipo"_s,
                                 {u"50 - DAV"_s, u"60 - DAV-OS"_s, u"22 - Etiqueta de clientes"_s,
                                  u"33 - Etiqueta de volumes"_s},
                                 {}, 0);
    tipo.reselectFirst = true;
    const std::vector<Key> imprime = {
        {u"XML"_s, u"ed_ImprimeDAVXMLTransacao"_s, kinds::rawFileText(EmptyPath::Error)},
        {u"Modelo"_s, kModelos},
        {u"NomeImpressora"_s, kImpressoras},
        {u"ComprimirArquivoRetorno"_s, kComprimirDAV, kinds::boolean()},
        {u"SubDiretorioReport"_s, u"ed_ImprimeDAVSubDiretorioModelo"_s},
    };
    return Page{
        .name = u"tsImprimeDAV"_s,
        .description =
            u"Imprime um DAV (ou etiquetas) a partir do XML da transação, com um modelo de relatório do middleware"_s,
        .controls =
            {
                comboEditable(kModelos, u"Modelos"_s, {}),
                line(u"ed_ImprimeDAVXMLTransacao"_s, u"XML Transação"_s, u".\\XMLTransacao.xml"_s)
                    .withFilePicker(u"bt_ImprimeDAVXMLTransacao"_s),
                comboEditable(kImpressoras, u"Impressora"_s, {}),
                std::move(tipo),
                enumCombo(
                    kTipoComunicacao, u"Tipo Impressora"_s,
                    [] { return TCombo::Create<TComboTipoComunicacaoImpressora>(nullptr, false); },
                    0),
                line(u"ed_ImprimeDAVSubDiretorioModelo"_s, u"Sub-Diretório Modelo"_s),
                check(kComprimirDAV, u"Comprimir Retorno"_s, true),
                button(u"bt_ImprimeDAVConsultaModelos"_s, u"Consulta Modelos/Impressoras"_s,
                       consultaModelos()),
                button(u"bt_ImprimeDAV"_s, u"Imprime"_s,
                       Action{.path = u"TCommerceLocalAPI/ImprimeDAV"_s,
                              .dados = keysOnly(imprime),
                              .reading = savedWithoutPrinter()}),
            },
    };
}

} // namespace

std::vector<Page> commerceLocalPages() {
    return {geraBoleto(), enviaEmail(), consultaCNPJ(), consultaCPF(), imprimeDAV()};
}
