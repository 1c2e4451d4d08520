// The NF-e API pages of numbering, disablement, SEFAZ status and the certificate download.
#include "common/filehelpers.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "pages/kit/batchrun.h"
#include "pages/kit/pagecontext.h"
#include "pages/nfecommon.h"
#include "pages/registry.h"
#include "tables/memtable.h"
#include "widgets/dialogs.h"
#include "widgets/textpane.h"

#include <QUrl>

using namespace Qt::StringLiterals;

using namespace kit;
using namespace nfe;

namespace {

Page horaSefazOnline() {
    const QString cNPJHoraSefazOnline = u"ed_CNPJHoraSefazOnline"_s;
    Action a = send(u"TNFeAPI/HoraSefazOnline"_s);
    a.dados = dados::bareString(cNPJHoraSefazOnline);
    return Page{.name = u"ts_HoraSefazOnline"_s,
                .description = u"Pergunta a hora do relógio do SEFAZ para uma empresa"_s,
                .controls = {line(cNPJHoraSefazOnline, u"CNPJ"_s, kCnpj),
                             button(u"bt_TestarHoraSefazOnline"_s, u"Testar"_s, a)}};
}

// The certificate travels as raw bytes from a GET whose path carries the session Id and the
// CNPJ; each segment is percent-encoded so typed text cannot change the path.
void downloadCertificate(PageContext& page) {
    page.exchange().conecta(false, TEnumConexaoMiddlewareTipoRetorno_Simples);
    const QString id = page.text(u"ed_Id"_s);
    if (id.trimmed().isEmpty())
        page.dialogs().message(u"Não conectado ao Middleware"_s, Dialogs::Kind::Warning);
    page.as<TextPane>(u"mm_Request"_s).clear();
    page.as<TextPane>(u"mm_Response"_s).clear();
    const QString path =
        u"TNFeAPI/Certificado/"_s + QString::fromLatin1(QUrl::toPercentEncoding(id)) + u'/' +
        QString::fromLatin1(QUrl::toPercentEncoding(page.text(u"ed_CNPJCertificado"_s)));
    ExchangeOptions quiet;
    quiet.showInPanes = false;
    const HttpAnswer answer = page.exchange().get(path, quiet);
    const QString file =
        page.dialogs().saveFile(u"Salvar certificado"_s, u"Certificado (*.pfx)"_s, QString());
    if (file.isEmpty())
        return;
    writeFileWhole(file, answer.body);
}

Page certificado() {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = downloadCertificate;
    return Page{.name = u"ts_Certificado"_s,
                .description = u"Baixa o arquivo do certificado digital de uma empresa"_s,
                .controls = {line(u"ed_CNPJCertificado"_s, u"CNPJ"_s, kCnpj),
                             button(u"bt_TestarCertificado"_s, u"Testar"_s, a)}};
}

} // namespace

namespace {

Page inutilizaSEFAZ() {
    const QString cNPJInutilizaSEFAZ = u"ed_CNPJInutilizaSEFAZ"_s;
    const QString justificativaInutilizaSEFAZ = u"ed_JustificativaInutilizaSEFAZ"_s;
    const QString serieInutilizaSEFAZ = u"ed_SerieInutilizaSEFAZ"_s;
    const QString inicial = u"ed_NumeracaoInicialInutilizaSEFAZ"_s;
    const QString final = u"ed_NumeracaoFinalInutilizaSEFAZ"_s;
    BatchRun b =
        disablementRun(u"vt_InutilizaSEFAZFaixas"_s, u"TNFeAPI/InutilizaSEFAZ"_s, {inicial, final});
    b.modeGroup = u"rg_InutilizaSEFAZTipo"_s;
    b.groupBox = u"gb_InutilizaSEFAZFaixas"_s;
    b.grid = u"dbg_InutilizaSEFAZFaixas"_s;
    b.navigator = u"db_InutilizaSEFAZFaixas"_s;
    b.importButton = u"bt_ImportarArquivoInutilizaSEFAZ"_s;
    b.clearButton = u"bt_LimparGridInutilizaSEFAZ"_s;
    const Action run =
        b.action({notBlank(cNPJInutilizaSEFAZ, u"Informe o CNPJ."_s),
                  notBlank(justificativaInutilizaSEFAZ, u"Informe a justificativa."_s),
                  notBlank(serieInutilizaSEFAZ, u"Informe a série."_s)},
                 {notBlank(inicial, u"Informe a numeração inicial."_s),
                  notBlank(final, u"Informe a numeração final."_s)},
                 send(u"TNFeAPI/InutilizaSEFAZ"_s));
    return Page{
        .name = u"ts_InutilizaSEFAZ"_s,
        .description =
            u"Inutiliza no SEFAZ uma faixa de números de NF-e ou NFC-e (ou várias, em lote)"_s,
        .controls =
            {
                line(cNPJInutilizaSEFAZ, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s),
                line(justificativaInutilizaSEFAZ, u"Justificativa"_s, u"Teste de Inutilização"_s)
                    .sends(u"Justificativa"_s),
                line(serieInutilizaSEFAZ, u"Série"_s, u"0"_s).sends(u"Serie"_s, kinds::integer()),
                comboList(u"cb_ModeloInutilizaSEFAZ"_s, u"Modelo"_s,
                          {u"55 - NF-e"_s, u"65 - NFC-e"_s}, 0)
                    .sends(u"ModeloFiscal"_s, kinds::firstChars(2)),
                b.modeControl(),
                line(inicial, u"Numeração Inicial"_s, u"0"_s)
                    .sends(u"NumeroInicial"_s, kinds::integer()),
                line(final, u"Numeração Final"_s, u"0"_s).sends(u"NumeroFinal"_s, kinds::integer()),
                b.gridBox(),
                button(u"bt_TestarInutilizaSEFAZ"_s, u"Testar"_s, run).keptInSight(),
            },
        .keyOrder = {u"CNPJ"_s, u"Justificativa"_s, u"Serie"_s, u"NumeroInicial"_s,
                     u"NumeroFinal"_s, u"ModeloFiscal"_s},
        .onBuilt = [b](PageContext& page) { b.applyMode(page); },
    };
}

Page getProximaNota() {
    return Page{
        .name = u"ts_GetProximaNota"_s,
        .description = u"Reserva os próximos números de nota de uma filial e série"_s,
        .controls = {
            line(u"ed_FilialGetProximaNota"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s, kinds::text()),
            line(u"ed_SerieGetProximaNota"_s, u"Série"_s, u"1"_s)
                .maxLen(2)
                .sends(u"Serie"_s, kinds::text()),
            line(u"ed_QuantidadeGetProximaNota"_s, u"Quantidade"_s, u"1"_s)
                .maxLen(8)
                .sends(u"Quantidade"_s, kinds::integerEmptyZero()),
            button(u"bt_TestarGetProximaNota"_s, u"Testar"_s, send(u"TNFeAPI/GetProximaNota"_s)),
        }};
}

Page setProximaNota() {
    return Page{
        .name = u"ts_SetProximaNota"_s,
        .description = u"Define o próximo número de nota de uma filial e série"_s,
        .controls = {
            line(u"ed_FilialSetProximaNota"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s, kinds::text()),
            line(u"ed_SerieSetProximaNota"_s, u"Série"_s, u"1"_s)
                .maxLen(2)
                .sends(u"Serie"_s, kinds::text()),
            line(u"ed_ProximaSetProximaNota"_s, u"Próxima"_s, u"1"_s)
                .maxLen(8)
                .sends(u"Proxima"_s, kinds::integerEmptyZero()),
            button(u"bt_TestarSetProximaNota"_s, u"Testar"_s, send(u"TNFeAPI/SetProximaNota"_s)),
        }};
}

Page zerarNumeroNota() {
    return Page{
        .name = u"ts_ZerarNumeroNota"_s,
        .description = u"Zera a numeração das notas de uma filial"_s,
        .controls = {
            line(u"ed_FilialZerarNumeroNota"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s, kinds::text()),
            button(u"bt_TestarZerarNumeroNota"_s, u"Testar"_s, send(u"TNFeAPI/ZerarNumeroNota"_s)),
        }};
}

Page sefazOnLine() {
    return Page{
        .name = u"ts_SefazOnLine"_s,
        .description =
            u"Pergunta se o serviço do SEFAZ está no ar para uma empresa, tipo de emissão e modelo de nota"_s,
        .controls = {
            line(u"ed_CnpjSefazOnline"_s, u"CNPJ"_s, kCnpj).sends(u"CNPJ"_s, kinds::text()),
            comboEditable(u"cb_TipoEmissaoSefazOnline"_s, u"Contingência"_s,
                          {u"Normal"_s, u"SVCAN"_s, u"SVCRS"_s}, u"Normal"_s, 0)
                .sends(u"TIPOEMISSAO"_s, kinds::position()),
            comboEditable(u"cb_ModeloNotaSefazOnline"_s, u"Modelo da Nota"_s, {u"55"_s, u"65"_s},
                          u"55"_s)
                .sends(u"MODELONOTA"_s, kinds::text()),
            button(u"btSefazOnline"_s, u"Testar"_s, send(u"TNFeAPI/SefazOnLine"_s)),
        }};
}

Page getUltimaNota() {
    return Page{
        .name = u"ts_GetUltimaNota"_s,
        .description = u"Devolve o último número de nota usado por uma filial e série"_s,
        .controls = {
            line(u"ed_GetUltimaNotaFilial"_s, u"Filial"_s, u"001"_s)
                .maxLen(3)
                .sends(u"Filial"_s, kinds::text()),
            line(u"ed_GetUltimaNotaSerie"_s, u"Série"_s, u"1"_s)
                .maxLen(2)
                .sends(u"Serie"_s, kinds::text()),
            button(u"bt_GetUltimaNotaTestar"_s, u"Testar"_s, send(u"TNFeAPI/GetUltimaNota"_s)),
        }};
}

} // namespace

std::vector<Page> nfeNumeracaoPages() {
    return {horaSefazOnline(), certificado(),     inutilizaSEFAZ(), getProximaNota(),
            setProximaNota(),  zerarNumeroNota(), sefazOnLine(),    getUltimaNota()};
}
