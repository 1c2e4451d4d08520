// The commerce API pages that send a JSON object typed by the user: partner, DAV and the pre-sale
// note. The partner text travels as typed (UTF-8); the two DAV texts are reduced to ASCII first,
// every other character becoming "?".
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

// The starting text of the partner page: a guide to the object, not valid JSON until each
// <placeholder> is replaced.
const QString kParceiro = uR"json({
  "__comment__": "Substitua cada <descrição> pelo valor do campo. As chaves marcadas (opcional) podem ser retiradas. Entre colchetes, a coluna gravada.",
  "Parceiro": {
    "CodigoExterno": <Código do parceiro no sistema de origem [CODEXT]>,
    "FilCli": <Filial do parceiro [FILCLI] (opcional)>,
    "CodCli": <Código do parceiro [CODCLI] (opcional)>,
    "RazaoSocial": <Razão social ou nome [RAZSOC]>,
    "NomeFantasia": <Nome fantasia [NOMFAN] (opcional)>,
    "Documento": <CNPJ ou CPF, somente números [NUMDOC]>,
    "Documento2": <Inscrição estadual ou RG [NUMDO2] (opcional)>,
    "Documento2Emissao": <Data de emissão do documento 2, DD/MM/AAAA [DATEMI] (opcional)>,
    "Documento2Uf": <UF do emissor do documento 2 [UFEMIS] (opcional)>,
    "Documento2Orgao": <Órgão emissor do documento 2 [ORGEMI] (opcional)>,
    "TipoPessoa": <Tipo de pessoa [TIPPES]: 0 - Física; 1 - Jurídica; 2 - Entidade; 3 - Especial; 4 - M.E.; 5 - Filial>,
    "CodigoPais": <Código do país [CODPAI] (opcional)>,
    "CodSex": <Sexo [CODSEX]: 0 - Não conhecido; 1 - Masculino; 2 - Feminino (opcional)>,
    "DatNas": <Data de nascimento, DD/MM/AAAA [DATNAS] (opcional)>,
    "DataOperacao": <Data e hora da operação, DD/MM/AAAA HH:NN:SS [DATOPE]>,
    "eMail": <Endereço de e-mail [EMAIL] (opcional)>,
    "EstadoCivil": <Estado civil [ESTCIV]: 0 - Indefinido; 1 - Solteiro; 2 - Casado; 3 - Viúvo; 4 - Divorciado; 5 - União estável; 6 - Separado (opcional)>,
    "FidelizacaoChave": <Chave da fidelização, da consulta à retaguarda com origem C e tipo 81 [CODFID] (opcional)>,
    "Sufram": <Inscrição na SUFRAMA [SUFRAM] (opcional)>,
    "RegimeTributario": <Regime tributário [REGTRI]: 0 - Nenhum; 1 - Simples Nacional; 2 - Simples Nacional, excesso de sublimite de receita bruta; 3 - Regime Normal (opcional)>,
    "Observ": <Observações [OBSERV] (opcional)>,
    "Revenda": <Revenda, true ou false [REVEND] (opcional)>,
    "ValorLimiteCredito": <Valor do limite de crédito [VLRLIM] (opcional)>,
    "VencimentoLimiteCredito": <Vencimento do limite de crédito, DD/MM/AAAA [VENLIM] (opcional)>,
    "Denegado": <Crédito denegado [DENEGA]: 1 - Não; 2 - Sim; 3 - Sim. Permitir Vendas (opcional)>,
    "CelularDDD": <DDD do celular [DDDCEL] (opcional)>,
    "Celular": <Número do celular [NUMCEL] (opcional)>,
    "__comment__": "Papéis do parceiro: true ou false, padrão false.",
    "AdministradoraDeCartao": <Administradora de cartão [INDADM] (opcional)>,
    "Fornecedor": <Fornecedor [INDFOR] (opcional)>,
    "IndicadorVenda": <Indicador de venda [INDVEN] (opcional)>,
    "Marca": <Marca [INDMAR] (opcional)>,
    "TecnicoInterno": <Técnico interno [INDTIN] (opcional)>,
    "Motorista": <Motorista [INDMOT] (opcional)>,
    "Representante": <Representante [INDREP] (opcional)>,
    "Transportador": <Transportador [INDTRA] (opcional)>,
    "ClienteTransportadora": <Cliente transportadora [INDCTR] (opcional)>,
    "TecnicoExterno": <Técnico externo [INDTEX] (opcional)>,
    "Enderecos": [
      {
        "CodigoExterno": <Código do endereço no sistema de origem [CODEXT]>,
        "CodFil": <Filial do endereço [CODFIL] (opcional)>,
        "NumEnd": <Número do endereço [NUMEND] (opcional)>,
        "Tipo": <Chave do tipo de endereço, da consulta à retaguarda com origem C e tipo 79 [TIPEND]>,
        "Logradouro": <Logradouro [LOGRAD]>,
        "Numero": <Número [NUMERO]>,
        "Comple": <Complemento [COMPLE] (opcional)>,
        "Bairro": <Bairro [BAIRRO]>,
        "CEP": <CEP, somente números [NUMCEP]>,
        "DDD": <DDD do telefone [NUMDDD] (opcional)>,
        "Telefone": <Telefone [NUMTEL] (opcional)>,
        "CodIbg": <Código IBGE do município [CODIBG]>,
        "CodPai": <Código do país [CODPAI] (opcional)>,
        "Documento": <CNPJ ou CPF do endereço [NUMDOC] (opcional)>,
        "Documento2": <Inscrição estadual do endereço [NUMDO2] (opcional)>,
        "InsMun": <Inscrição municipal [INSMUN] (opcional)>
      }
    ]
  }
})json"_s;

// The starting text of the DAV page: a guide to the object, not valid JSON until each
// <placeholder> is replaced.
const QString kOrcamento = uR"json({
  "__comment__": "Substitua cada <descrição> pelo valor do campo. As chaves marcadas (opcional) podem ser retiradas. Entre colchetes, a coluna gravada. Chaves de consulta: consulta à retaguarda com origem C e o tipo indicado.",
  "Orcamento": {
    "Filial": <Filial do DAV [CODFIL]>,
    "TipoPedido": <Tipo do pedido [TIPPED]: O - DAV, S - DAV-OS>,
    "NumeroPedido": <Número do pedido [NUMPED] (opcional)>,
    "NumeroPedidoRE": <Número da requisição externa [NUMPRE]>,
    "DataPedido": <Data do pedido, DD/MM/AAAA HH:NN:SS [DATPED]>,
    "DataPrevisaoEntrega": <Previsão de entrega, DD/MM/AAAA HH:NN:SS [DATPRE] (opcional)>,
    "ValorTotal": <Valor total [VLRTOT]>,
    "ValorDesconto": <Valor do desconto [VLRDES] (opcional)>,
    "ValorAcrescimo": <Valor do acréscimo [VLRACR] (opcional)>,
    "ValorParcela": <Valor da parcela [VLRPAR] (opcional)>,
    "QuantidadeParcelas": <Quantidade de parcelas [QTDPAR] (opcional)>,
    "ValorSeguro": <Valor do seguro [VLRSEG] (opcional)>,
    "ValorFrete": <Valor do frete [VLRFRE] (opcional)>,
    "Situacao": <Situação [SITPED]: A - Aberto; E - Entregue; O - Concluído; C - Cancelado>,
    "PendenteEnvioEcommerce": <Pendente de envio ao e-commerce, true ou false [PENECO] (opcional)>,
    "SituacaoEcommerce": <Situação no e-commerce [SITECO]: T - Pagamento em análise; R - Pendente de pagamento; P - Pagamento aprovado; F - Pagamento efetivado; E - Produto Enviado (opcional)>,
    "TipoEntrega": <Tipo de entrega [TIPENT]: 0 - Cliente Leva; 1 - Depósito Entrega; 2 - Loja Entrega; 3 - Retira no Depósito; 4 - Em Outra Loja; 5 - Entrega Futura; 6 - Apenas Orçamento; 7 - Venda Sob Encomenda>,
    "PlanoDePagamento": {
      "Chave": <Chave do plano de pagamento, tipo 36 [CODPLA]>
    },
    "TabelaDePrecos": {
      "Chave": <Chave da tabela de preços, tipo 40 [CODTAB] (opcional)>
    },
    "Cliente": {
      "CodigoExterno": <Código do cliente no sistema de origem [CODEXT] (opcional)>,
      "FilCli": <Filial do cliente [FILCLI] (opcional)>,
      "CodCli": <Código do cliente [CODCLI] (opcional)>,
      "Documento": <CNPJ ou CPF do cliente [NUMDOC] (opcional)>
    },
    "EnderecoCobranca": {
      "CodigoExterno": <Código do endereço no sistema de origem [CODEXT] (opcional)>,
      "CodFil": <Filial do endereço [ENDCOB] (opcional)>,
      "NumEnd": <Número do endereço [NUMCOB] (opcional)>
    },
    "EnderecoEntrega": {
      "CodigoExterno": <Código do endereço no sistema de origem [CODEXT] (opcional)>,
      "CodFil": <Filial do endereço [ENDENT] (opcional)>,
      "NumEnd": <Número do endereço [NUMENT] (opcional)>
    },
    "EnderecoFatura": {
      "CodigoExterno": <Código do endereço no sistema de origem [CODEXT] (opcional)>,
      "CodFil": <Filial do endereço [ENDFAT] (opcional)>,
      "NumEnd": <Número do endereço [NUMFAT] (opcional)>
    },
    "Vendedor": {
      "CodigoExterno": <Código do vendedor no sistema de origem [CODEXT] (opcional)>,
      "Apelido": <Apelido do vendedor [APELID] (opcional)>
    },
    "Itens": [
      {
        "NumeroItem": <Número do item [NUMITE]>,
        "ProdutoServico": {
          "__comment__": "Informe uma das três chaves: Chave, CodExt ou RefPro.",
          "Chave": <Chave do produto, tipo 41 [CODMAT] (opcional)>,
          "CodExt": <Código do produto no sistema de origem [CODEXT] (opcional)>,
          "RefPro": <Referência do produto [REFPRO] (opcional)>
        },
        "QtdItem": <Quantidade [QTDITE]>,
        "vUnitario": <Valor unitário [VLRUNI]>,
        "vDesconto": <Valor do desconto [VLRDES] (opcional)>,
        "vAcrescimo": <Valor do acréscimo [VLRACR] (opcional)>,
        "vTotalSemDesc": <Valor total sem desconto [VLRBRU]>,
        "vTotal": <Valor total [VLRTOT]>,
        "Promocao": <Promoção [INDPRO]: N - Não Promocional no Plano; E - Promocional no Plano; Q - Qualquer Plano (opcional)>,
        "TipoEntrega": <Tipo de entrega do item [TIPENT]: códigos como os do pedido (opcional)>,
        "Lote": {
          "Chave": <Chave do lote, tipo 73 [SEQLOT] (opcional)>
        }
      }
    ],
    "__comment__": "Pagamentos é opcional.",
    "Pagamentos": [
      {
        "TipoDeRecebimento": <Tipo de recebimento [TIPREC]: 1 - Banco Brasil; 2 - Bradesco; 3 - Banrisul; 4 - HSBC; 5 - Itau; 9 - Pagamento Digital; A - Amex; B - Boleto; C - PagSeguro Cartão; D - Dinners; E - Elo; H - HiperCard; M - MasterCard; O - Outros; P - PagSeguro Boleto; S - PagSeguro; U - Aura; V - Visa; X - Wix Pagamentos; Y - PayPal; W - Boleto a prazo/Gerar boleto em aberto>,
        "DataDeVencimento": <Vencimento, DD/MM/AAAA [DATVEN]>,
        "ValorDocumento": <Valor do documento [VLRDOC]>,
        "NumeroDeParcelas": <Número de parcelas [QTDPAR] (opcional)>,
        "ValorJuros": <Valor dos juros [VLRJUR] (opcional)>,
        "DataDePagamento": <Data do pagamento, DD/MM/AAAA [DATPAG] (opcional)>,
        "NumeroDeAutorizacao": <Número da autorização [NUMAUT] (opcional)>,
        "NumeroDoComprovanteDeVenda": <Número do comprovante de venda [NUMCOM] (opcional)>,
        "NumeroCartao": <Número do cartão [NUMCAR] (opcional)>,
        "CodigoExternoCartao": <Código do cartão no sistema de origem [CODEXC] (opcional)>,
        "ValidadeCartao": <Validade do cartão, MM/AAAA [VALCAR] (opcional)>,
        "NossoNumeroBoleto": <Nosso número do boleto [NOSNUM] (opcional)>,
        "CodigoDaNacionalidadeDoEmissor": <Nacionalidade do emissor [CODNAC] (opcional)>,
        "CodigoDoBancoEmissor": <Banco emissor [CODBAN] (opcional)>,
        "CidadeDoTitular": <Cidade do titular [CIDTIT] (opcional)>,
        "EnderecoDoTitular": <Endereço do titular [ENDTIT] (opcional)>,
        "CepDoTitular": <CEP do titular [CEPTIT] (opcional)>,
        "EstadoDoTitular": <UF do titular [UFTIT] (opcional)>,
        "NumeroDaTransacao": <Número da transação [NUMTRA] (opcional)>,
        "CodigoDeIdentificacaoDaTransacao": <Identificação da transação [IDETRA] (opcional)>
      }
    ]
  }
})json"_s;

// The memo's text parsed as one JSON object, sent itself as the data value. Text that is not
// JSON, or JSON that is not an object, is refused with the reason and nothing is sent.
DadosFn jsonObject(const QString& memo, bool asciiFirst) {
    const DadosFn parse = dados::freeJson(memo, asciiFirst);
    return {[parse](PageContext& page) {
                json::JsonValue value = parse(page);
                if (!value.isObject())
                    throw Exception(u"O texto não é um objeto JSON (entre chaves). Nada foi "
                                    u"enviado."_s);
                return value;
            },
            parse.names};
}

Page freeJsonPage(const QString& name, const QString& path, const QString& memoName,
                  const QString& testar, const QString& limpar, bool asciiFirst,
                  const QString& startText, const QString& description) {
    Action send = kit::send(path);
    send.dados = jsonObject(memoName, asciiFirst);
    return Page{.name = name,
                .description = description,
                .controls = {
                    memo(memoName, u"Json para Teste:"_s, startText),
                    button(testar, u"Testar"_s, send),
                    button(limpar, u"Limpar"_s, clearField(memoName)),
                }};
}

} // namespace

std::vector<Page> commercePersistPages() {
    return {
        freeJsonPage(
            u"ts_PersisteParceiro"_s, u"TCommerceAPI/PersisteParceiro"_s,
            u"mm_PersisteParceiroMemo"_s, u"btn_PersisteParceiroTestar"_s,
            u"btn_PersisteParceiroLimpar"_s, false, kParceiro,
            u"Envia o JSON digitado para cadastrar ou atualizar um parceiro (cliente ou fornecedor)"_s),
        freeJsonPage(u"ts_PersisteDAV"_s, u"TCommerceAPI/PersisteDAV"_s, u"mm_PersisteDAVMemo"_s,
                     u"btn_PersisteDAVTestar"_s, u"btn_tsPersisteDAV_Limpar"_s, true, kOrcamento,
                     u"Envia o JSON digitado para gravar um DAV ou pré-venda"_s),
        freeJsonPage(u"ts_GeraNotaDAVPreVenda"_s, u"TCommerceAPI/GeraNotaDAVPreVenda"_s,
                     u"mm_GeraNotaDAVPreVendaMemo"_s, u"btn_GeraNotaDAVPreVendaTestar"_s,
                     u"btn_GeraNotaDAVPreVendaLimpar"_s, true, QString(),
                     u"Envia o JSON digitado para emitir a nota fiscal de um DAV ou pré-venda"_s),
    };
}
