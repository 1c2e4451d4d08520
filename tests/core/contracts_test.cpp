#include "common/exception.h"
#include "common/tjsonutil.h"
#include "contracts/pageenums.h"
#include "contracts/tapiresult.h"
#include "contracts/tarquivo.h"
#include "contracts/timpressora.h"
#include "conversion_cases.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace {

json::JsonValue parsed(const char* text) {
    auto r = json::parse(text);
    EXPECT_TRUE(r.value) << text;
    return r.value ? std::move(*r.value) : json::JsonValue();
}

struct ConversionCase {
    const char* what;
    std::function<int()> convert;
    int expected;                // ordinal, when no error
    const char* error = nullptr; // the exact message, when it raises
};

} // namespace

TEST(Enumerations, ReverseConversionsDefaultsAndErrors) {
    checkConversions({
        {"frete 9", [] { return int(TEnum::ModalidadeFreteFromStr("9")); }, tfSemFrete},
        {"frete 5", [] { return int(TEnum::ModalidadeFreteFromStr("5")); }, tfSemFrete},
        {"frete empty", [] { return int(TEnum::ModalidadeFreteFromStr("")); }, tfSemFrete},
        {"frete 3", [] { return int(TEnum::ModalidadeFreteFromStr("3")); }, tfProprioEmitente},
        {"empresa 14", [] { return int(TEnum::CodigoEmpresaFromInt(14)); },
         TEnumCodigoEmpresa_NaoDefinido},
        {"empresa -1", [] { return int(TEnum::CodigoEmpresaFromInt(-1)); },
         TEnumCodigoEmpresa_NaoDefinido},
        {"empresa 11", [] { return int(TEnum::CodigoEmpresaFromInt(11)); },
         TEnumCodigoEmpresa_KOLVER},
        {"retorno c", [] { return int(TEnum::ConexaoMiddlewareTipoRetornoFromStr("c")); },
         TEnumConexaoMiddlewareTipoRetorno_Simples},
        {"retorno C", [] { return int(TEnum::ConexaoMiddlewareTipoRetornoFromStr("C")); },
         TEnumConexaoMiddlewareTipoRetorno_Completo},
        {"cod 0", [] { return int(TEnum::APIResultCodFromStr("0")); },
         TEnumAPIResultCodNaoDefinido},
        {"cod -2", [] { return int(TEnum::APIResultCodFromStr("-2")); },
         TEnumAPIResultCodEventoNaoLocalizado},
        {"arredonda empty", [] { return int(TEnum::ECFArredondaTruncaFromStr("")); },
         TEnumECFArredondaTruncaNulo},
        {"arredonda a", [] { return int(TEnum::ECFArredondaTruncaFromStr("a")); }, 0,
         "Valor de enumerador \"a\" inválido para TEnumECFArredondaTrunca."},
        {"modelo bematech", [] { return int(TEnum::ModeloImpressoraFromStr("bematech")); },
         miBematech},
        {"modelo other", [] { return int(TEnum::ModeloImpressoraFromStr("Elgin i9")); }, 0,
         "Modelo de impressora não tratado:Elgin i9"},
        {"modelo empty", [] { return int(TEnum::ModeloImpressoraFromStr("")); }, 0,
         "Modelo de impressora não tratado:"},
        {"comunicacao a", [] { return int(TEnum::TipoComunicacaoImpressoraFromStr("a")); },
         TEnumTipoComunicacaoImpressora_Normal},
        {"comunicacao Z", [] { return int(TEnum::TipoComunicacaoImpressoraFromStr("Z")); },
         TEnumTipoComunicacaoImpressora_ZPLII},
        {"documento 1", [] { return int(TEnum::ModeloDocumentoFromCodigo("1")); }, mdVazio},
        {"documento 2d", [] { return int(TEnum::ModeloDocumentoFromCodigo("2d")); }, mdInvalido},
        {"documento 58", [] { return int(TEnum::ModeloDocumentoFromCodigo("58")); }, mdMDFe},
        {"documento 104", [] { return int(TEnum::ModeloDocumentoFromInt(104)); }, mdNFCe},
        {"emissao 3", [] { return int(TEnum::TipoEmissaoFromInt(3)); }, TEnumTipoEmissao_Normal},
        {"emissao 8", [] { return int(TEnum::TipoEmissaoFromInt(8)); }, TEnumTipoEmissao_OffLine},
        {"dpi 250", [] { return int(TEnum::DPIImpressoraFromInt(250)); }, TEnumDPIImpressora_203},
        {"mensageria 4", [] { return int(TEnum::MensageriaDfeFromInt(4)); }, 0,
         "Mensageria para Documento Fiscal Eletrônico inválida."},
        {"carteira empty", [] { return int(TEnum::TipoCarteiraTituloBancarioFromStr("")); }, 0,
         "Valor de enumerador \"\" inválido para TEnumTipoCarteiraTituloBancario."},
        {"layout x", [] { return int(TEnum::LayoutBoletoFromStr("x")); }, TEnumLayoutBoleto_Padrao},
        {"pedido x", [] { return int(TEnum::TipoPedidoFromStr("x")); }, tpDAVNulo},
        {"parceiro 9", [] { return int(TEnum::TipoParceiroFromInt(9)); }, TEnumTipoParceiro_Fisica},
        {"funcionalidade",
         [] { return int(TEnum::FuncionalidadePAFECFFromStr("PERMITIR_TROCO_TEF")); },
         fpPermitirTrocoTEF},
    });
}

TEST(Enumerations, ForwardConversionsAndLists) {
    EXPECT_EQ(TEnum::ModalidadeFreteToStr(tfSemFrete), QStringLiteral("9"));
    EXPECT_EQ(TEnum::CodigoEmpresaToInt(TEnumCodigoEmpresa_NaoDefinido), -1);
    EXPECT_EQ(TEnum::TipoEmissaoToInt(TEnumTipoEmissao_OffLine), 8);
    EXPECT_EQ(TEnum::ECFArredondaTruncaToStr(TEnumECFArredondaTruncaNulo), QString());
    EXPECT_EQ(TEnum::TipoComunicacaoImpressoraFileExt(TEnumTipoComunicacaoImpressora_ZPLII),
              QStringLiteral("zplii"));
    EXPECT_EQ(TEnum::TipoPedidoPAFECF(tpDAVOS), QStringLiteral("ORDEM DE SERVIÇO"));
    EXPECT_EQ(TEnum::ModeloDocumentoToCodigo(mdCTe), QStringLiteral("57"));
    const TParListaList funcoes = TEnum::FuncionalidadePAFECFGetList();
    ASSERT_EQ(funcoes.size(), 15u);
    EXPECT_EQ(funcoes[0].Valor, QString());
    EXPECT_EQ(funcoes[0].Descricao, QStringLiteral("Requisito Inválido/Não Definido"));
    const TParListaList dpi = TEnum::DPIImpressoraGetList();
    EXPECT_EQ(dpi[2].Valor, QStringLiteral("600"));
    EXPECT_EQ(TParLista(-1, QStringLiteral("x")).Valor, QStringLiteral("-1"));
}

TEST(Enumerations, EveryEnumerationIsCompleteAndItsCodesMapBack) {
    for (const enumkit::EnumInfo* e : enumkit::all()) {
        const std::size_t n = e->members.size();
        for (const enumkit::Column& c : e->columns)
            EXPECT_EQ(c.cells.size(), n) << e->typeName << " " << c.operation;
        if (!e->values.empty()) {
            EXPECT_EQ(e->values.size(), n) << e->typeName;
        }
        for (const enumkit::Reverse& r : e->reverses) {
            if (r.otherwise.kind == enumkit::Otherwise::Kind::Default) {
                EXPECT_LT(std::size_t(r.otherwise.member), n) << e->typeName << " " << r.operation;
            }
            for (const enumkit::Input& input : r.inputs)
                EXPECT_LT(std::size_t(input.ordinal), n)
                    << e->typeName << " " << r.operation << " " << input.text;
            // Every reverse conversion recognises something.
            EXPECT_FALSE(r.inputs.empty()) << e->typeName << " " << r.operation;
            // A reverse conversion that accepts a column's codes gives back each code's member
            // (the first one, where several members share a code).
            if (const enumkit::Column* c = r.codes) {
                for (std::size_t i = 0; i < n; ++i) {
                    if (c->cells[i].raise)
                        continue; // a member without a code
                    const QString code = QString::fromUtf8(c->cells[i].value);
                    std::size_t first = 0;
                    while (c->cells[first].raise ||
                           QString::fromUtf8(c->cells[first].value) != code)
                        ++first;
                    const int back = r.integer ? enumkit::fromInt(*e, r, code.toInt())
                                               : enumkit::fromText(*e, r, code);
                    EXPECT_EQ(std::size_t(back), first)
                        << e->typeName << " " << r.operation << " " << code.toStdString();
                }
            }
        }
        if (e->listValue) {
            const TParListaList pairs = enumkit::list(*e);
            ASSERT_EQ(pairs.size(), n) << e->typeName;
            for (std::size_t i = 0; i < n; ++i)
                EXPECT_EQ(pairs[i].Valor, enumkit::text(*e, *e->listValue, e->valueOf(int(i))))
                    << e->typeName;
        }
    }
}

TEST(ResultEnvelope, ReadsControlAndContentWithDefaults) {
    const struct {
        const char* answer;
        bool err;
        TEnumAPIResultCod cod;
        const char* msg;
    } cases[] = {
        {R"({"result":{"controle":{"err":true,"cod":"1","msg":"Denegada**ABORTE**"}}})", true,
         TEnumAPIResultCodNotaDenegada, "Denegada"},
        {R"({"controle":{"err":false,"cod":1,"msg":"x"}})", false, TEnumAPIResultCodNaoDefinido,
         "x"},
        {R"({"result":{"texto":"falhou **ABORTE**"}})", true, TEnumAPIResultCodNaoDefinido,
         R"({"texto":"falhou "})"},
        {R"({"result":{"texto":"ok"}})", false, TEnumAPIResultCodNaoDefinido, R"({"texto":"ok"})"},
    };
    for (const auto& c : cases) {
        const auto r = TAPIResultHelper::fromJSON(parsed(c.answer), true);
        EXPECT_EQ(r->Controle().Err, c.err) << c.answer;
        EXPECT_EQ(r->Controle().Cod, c.cod) << c.answer;
        EXPECT_EQ(r->Controle().Msg, QString::fromUtf8(c.msg)) << c.answer;
    }
    const json::JsonValue answer = parsed(
        R"({"result":{"conteudo":{"int":5000000000,"str":"abc","curr":1.23456,"bool":true,"date":"2024-03-25T14:07:09","livre":{"Id":7}}}})");
    const auto withContent = TAPIResultHelper::fromJSON(answer, true);
    const TConteudo& c = withContent->Conteudo();
    EXPECT_EQ(c.Int, 5000000000LL);
    EXPECT_EQ(c.Str, QStringLiteral("abc"));
    EXPECT_EQ(c.Curr.scaled(), 12346);
    EXPECT_TRUE(c.Bool);
    EXPECT_EQ(c.Date, regional::makeDateTime(2024, 3, 25, 14, 7, 9));
    ASSERT_NE(c.Livre, nullptr);
    EXPECT_EQ(json::toWireText(*c.Livre), R"({"Id":7})");
    EXPECT_EQ(TAPIResultHelper::fromJSON(answer, false)->Conteudo().Str, QString());
    EXPECT_THROW(TAPIResultHelper::fromJSON(parsed(R"({"result":{"conteudo":{"int":1.5}}})"), true),
                 EConvertError);
    EXPECT_THROW(
        TAPIResultHelper::fromJSON(parsed(R"({"result":{"conteudo":{"curr":1e15}}})"), true),
        EConvertError);

    // Written back: zero date as 30/12/1899, members in order.
    TAPIResult fresh;
    EXPECT_EQ(
        json::toWireText(TAPIResultHelper::toJSON(fresh, true)),
        R"({"controle":{"err":false,"cod":"","msg":""},"conteudo":{"int":0,"str":"","curr":0,"bool":false,"date":"30\/12\/1899 00:00:00"}})");
}

TEST(ResultEnvelope, FreeObjectCopiedFromText) {
    EXPECT_FALSE(TAPIResultHelper::getConteudoLivreFromString(QStringLiteral("não é json")));
    EXPECT_FALSE(TAPIResultHelper::getConteudoLivreFromString(
        QStringLiteral(R"({"result":{"conteudo":{}}})")));
    EXPECT_THROW(TAPIResultHelper::getConteudoLivreFromString(QStringLiteral("[1,2]")), Exception);
    const auto livre = TAPIResultHelper::getConteudoLivreFromString(
        QString::fromUtf8(R"({"result":{"conteudo":{"livre":{"Nome":"ação"}}}})"));
    ASSERT_TRUE(livre);
    EXPECT_EQ(livre->find("Nome")->toQString(), QString::fromUtf8("ação"));
}

TEST(PrinterRecord, PartialObjectsAndWriting) {
    const json::JsonValue only = parsed(R"({"Nome":"Zebra","DPI":250,"Tipo":"X"})");
    const auto p = TImpressoraHelper::fromJSON(&only);
    EXPECT_EQ(p->Nome, QStringLiteral("Zebra"));
    EXPECT_EQ(p->Chave(), QString());
    EXPECT_EQ(p->Tipo, TEnumTipoComunicacaoImpressora_Normal);
    EXPECT_EQ(p->DPI, TEnumDPIImpressora_203);
    EXPECT_EQ(p->Unidade, TEnumUnidadeImpressora_Milimetros);
    EXPECT_FALSE(p->Ativo); // read without "Ativo": not active
    TImpressora fresh(QStringLiteral("k"));
    EXPECT_EQ(
        json::toWireText(*TImpressoraHelper::toJSON(&fresh)),
        R"({"Nome":"","Tipo":"N","Porta":"","Velocidade":0,"Temperatura":0,"DPI":203,"Unidade":"M","Ativo":true})");
    const json::JsonValue lists =
        parsed(R"({"vazia":[],"mista":[{"Nome":"A","DPI":600},5,{"Nome":"B"}]})");
    EXPECT_EQ(TImpressoraHelper::ListaFromJSON(lists, QStringLiteral("vazia"))->size(), 0u);
    EXPECT_FALSE(TImpressoraHelper::ListaFromJSON(lists, QStringLiteral("falta")));
    const auto mixed = TImpressoraHelper::ListaFromJSON(lists, QStringLiteral("mista"));
    ASSERT_EQ(mixed->size(), 2u);
    EXPECT_EQ((*mixed)[0].DPI, TEnumDPIImpressora_600);
    EXPECT_EQ(json::toWireText(TImpressoraHelper::ListaToJSON(*mixed)).find(R"("Nome":"B")") !=
                  std::string::npos,
              true);
}

TEST(FileRecords, FileAndBankSlipRoundTrips) {
    TArquivo a;
    a.Nome = QStringLiteral("x.pdf");
    a.MD5 = QStringLiteral("   ");
    a.Base64 = QStringLiteral("QUJD");
    EXPECT_EQ(json::toWireText(*TArquivoHelper::toJSON(&a)), R"({"Nome":"x.pdf","Base64":"QUJD"})");
    const json::JsonValue lower = parsed(R"({"nome":"y.txt","base64":"eHl6"})");
    const auto read = TArquivoHelper::fromJSON(&lower);
    EXPECT_EQ(read->Nome, QStringLiteral("y.txt"));
    EXPECT_EQ(read->Base64, QStringLiteral("eHl6"));
    EXPECT_FALSE(TArquivoHelper::ListaFromJSON(&lower, QStringLiteral("Arquivos")));

    const json::JsonValue slip =
        parsed(R"({"Chave":"9","NumeroDocumento":"12","NossoNumero":"9","Boleto_Base64":"AQID"})");
    const auto b = TBoletoHelper::fromJSON(&slip);
    EXPECT_EQ(b->Boleto, QByteArray("\x01\x02\x03", 3));
    EXPECT_EQ(json::toWireText(*TBoletoHelper::toJSON(b.get())),
              R"({"NumeroDocumento":"12","NossoNumero":"9","Boleto_Base64":"AQID"})");
    const json::JsonValue empty = parsed(R"({"Boleto_Base64":""})");
    const auto e = TBoletoHelper::fromJSON(&empty);
    EXPECT_TRUE(e->Boleto.isEmpty());
    EXPECT_EQ(json::toWireText(*TBoletoHelper::toJSON(e.get())),
              R"({"NumeroDocumento":"","NossoNumero":"","Boleto_Base64":""})");
    const json::JsonValue garbage = parsed(R"({"Boleto_Base64":"não é base64!"})");
    EXPECT_THROW(TBoletoHelper::fromJSON(&garbage), Exception);
}

TEST(FileRecords, BankSlipPackingKeepsTheUsersFiles) {
    QTemporaryDir tmp;
    const QDir dir(tmp.path());
    QFile pdf(dir.filePath(QStringLiteral("boleto.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    pdf.write("%PDF-1.4 boleto");
    pdf.close();
    QFile users(dir.filePath(QStringLiteral("boleto.zip")));
    ASSERT_TRUE(users.open(QIODevice::WriteOnly));
    users.write("do usuário");
    users.close();
    const auto plain =
        TBoletoHelper::CriaBoleto(QStringLiteral("1"), QStringLiteral("77"), pdf.fileName(), false);
    EXPECT_EQ(plain->Boleto, QByteArray("%PDF-1.4 boleto"));
    EXPECT_EQ(plain->Chave(), QStringLiteral("77"));
    const auto packed =
        TBoletoHelper::CriaBoleto(QStringLiteral("1"), QStringLiteral("77"), pdf.fileName(), true);
    EXPECT_TRUE(packed->Boleto.startsWith("PK"));
    ASSERT_TRUE(users.open(QIODevice::ReadOnly));
    EXPECT_EQ(users.readAll(), QByteArray("do usuário"));
    EXPECT_EQ(dir.entryList(QDir::Files).size(), 2);
    const TArquivo file = TArquivoHelper::NewArquivo(pdf.fileName(), true);
    EXPECT_EQ(file.Nome, QStringLiteral("boleto.zip"));
    EXPECT_TRUE(QByteArray::fromBase64(file.Base64.toLatin1()).startsWith("PK"));
}
