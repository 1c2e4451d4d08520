// The NF-e API pages of numbering, disablement, SEFAZ status and the certificate download.
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "pages/kit/batchrun.h"
#include "pages/kit/pagecontext.h"
#include "pages/nfecommon.h"
#include "pages/registry.h"
#include "tables/memtable.h"
#include "widgets/dialogs.h"
#include "widgets/textpane.h"

#include <QSaveFile>
#include <QUrl>

using namespace kit;
using namespace nfe;

namespace {

Page horaSefazOnline() {
    Action a = send(QStringLiteral("TNFeAPI/HoraSefazOnline"));
    a.dados = dados::bareString(QStringLiteral("ed_CNPJHoraSefazOnline"));
    return page("ts_HoraSefazOnline",
                {line(QStringLiteral("ed_CNPJHoraSefazOnline"), QStringLiteral("CNPJ"),
                      QString::fromLatin1(kCnpj)),
                 button(QStringLiteral("bt_TestarHoraSefazOnline"), QStringLiteral("Testar"), a)});
}

// The certificate travels as raw bytes from a GET whose path carries the session Id and the
// CNPJ; each segment is percent-encoded so typed text cannot change the path.
void downloadCertificate(PageContext& page) {
    page.exchange()._Conecta(false, TEnumConexaoMiddlewareTipoRetorno_Simples);
    const QString id = page.text(QStringLiteral("ed_Id"));
    if (id.trimmed().isEmpty())
        page.dialogs().message(QStringLiteral("Não conectado ao Middleware"),
                               Dialogs::Kind::Warning);
    page.as<TextPane>(QStringLiteral("mm_Request")).clear();
    page.as<TextPane>(QStringLiteral("mm_Response")).clear();
    const QString path = QStringLiteral("TNFeAPI/Certificado/") +
                         QString::fromLatin1(QUrl::toPercentEncoding(id)) + u'/' +
                         QString::fromLatin1(QUrl::toPercentEncoding(
                             page.text(QStringLiteral("ed_CNPJCertificado"))));
    ExchangeOptions quiet;
    quiet.showInPanes = false;
    const HttpAnswer answer = page.exchange().get(path, quiet);
    const QString file = page.dialogs().saveFile(QStringLiteral("Salvar certificado"),
                                                 QStringLiteral("Certificado (*.pfx)"), QString());
    if (file.isEmpty())
        return;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(answer.body) != answer.body.size() ||
        !out.commit())
        throw EFileError(
            QStringLiteral("Não foi possível gravar \"%1\": %2").arg(file, out.errorString()));
}

Page certificado() {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = downloadCertificate;
    return page("ts_Certificado",
                {line(QStringLiteral("ed_CNPJCertificado"), QStringLiteral("CNPJ"),
                      QString::fromLatin1(kCnpj)),
                 button(QStringLiteral("bt_TestarCertificado"), QStringLiteral("Testar"), a)});
}

// The disablement data value: the page's fields, with the range of the single fields or of a row.
json::JsonValue disablementDados(PageContext& page, MemTable* row) {
    json::JsonValue d = json::JsonValue::object();
    d.add("CNPJ", TJSONUtil::SetStr(page.text(QStringLiteral("ed_CNPJInutilizaSEFAZ"))));
    d.add("Justificativa",
          TJSONUtil::SetStr(page.text(QStringLiteral("ed_JustificativaInutilizaSEFAZ"))));
    d.add("Serie", kinds::integer()(page.value(QStringLiteral("ed_SerieInutilizaSEFAZ"))));
    if (row) {
        d.add("NumeroInicial", TJSONUtil::SetInt(row->asInteger(QStringLiteral("NumeroInicial"))));
        d.add("NumeroFinal", TJSONUtil::SetInt(row->asInteger(QStringLiteral("NumeroFinal"))));
    } else {
        d.add("NumeroInicial",
              kinds::integer()(page.value(QStringLiteral("ed_NumeracaoInicialInutilizaSEFAZ"))));
        d.add("NumeroFinal",
              kinds::integer()(page.value(QStringLiteral("ed_NumeracaoFinalInutilizaSEFAZ"))));
    }
    d.add("ModeloFiscal",
          TJSONUtil::SetStr(page.text(QStringLiteral("cb_ModeloInutilizaSEFAZ")).left(2)));
    return d;
}

} // namespace

namespace {

Page inutilizaSEFAZ() {
    BatchRun b = disablementRun("vt_InutilizaSEFAZFaixas", "TNFeAPI/InutilizaSEFAZ",
                                {QStringLiteral("ed_NumeracaoInicialInutilizaSEFAZ"),
                                 QStringLiteral("ed_NumeracaoFinalInutilizaSEFAZ")});
    b.modeGroup = QStringLiteral("rg_InutilizaSEFAZTipo");
    b.groupBox = QStringLiteral("gb_InutilizaSEFAZFaixas");
    b.grid = QStringLiteral("dbg_InutilizaSEFAZFaixas");
    b.navigator = QStringLiteral("db_InutilizaSEFAZFaixas");
    b.importButton = QStringLiteral("bt_ImportarArquivoInutilizaSEFAZ");
    b.clearButton = QStringLiteral("bt_LimparGridInutilizaSEFAZ");
    b.rowDados = [](PageContext& page, MemTable& row) { return disablementDados(page, &row); };

    Action single = send(QStringLiteral("TNFeAPI/InutilizaSEFAZ"));
    single.dados = [](PageContext& page) { return disablementDados(page, nullptr); };
    const Action run = b.action(
        {notBlank(QStringLiteral("ed_CNPJInutilizaSEFAZ"), QStringLiteral("Informe o CNPJ.")),
         notBlank(QStringLiteral("ed_JustificativaInutilizaSEFAZ"),
                  QStringLiteral("Informe a justificativa.")),
         notBlank(QStringLiteral("ed_SerieInutilizaSEFAZ"), QStringLiteral("Informe a série."))},
        {notBlank(QStringLiteral("ed_NumeracaoInicialInutilizaSEFAZ"),
                  QStringLiteral("Informe a numeração inicial.")),
         notBlank(QStringLiteral("ed_NumeracaoFinalInutilizaSEFAZ"),
                  QStringLiteral("Informe a numeração final."))},
        single);
    std::vector<Control> controls = {
        line(QStringLiteral("ed_CNPJInutilizaSEFAZ"), QStringLiteral("CNPJ"),
             QString::fromLatin1(kCnpj)),
        line(QStringLiteral("ed_JustificativaInutilizaSEFAZ"), QStringLiteral("Justificativa"),
             QStringLiteral("Teste de Inutilização")),
        line(QStringLiteral("ed_SerieInutilizaSEFAZ"), QStringLiteral("Série"),
             QStringLiteral("0")),
        comboList(QStringLiteral("cb_ModeloInutilizaSEFAZ"), QStringLiteral("Modelo"),
                  {QStringLiteral("55 - NF-e"), QStringLiteral("65 - NFC-e")}, 0),
    };
    const std::vector<Control> batch = b.controls();
    controls.push_back(batch[0]);
    controls.push_back(line(QStringLiteral("ed_NumeracaoInicialInutilizaSEFAZ"),
                            QStringLiteral("Numeração Inicial"), QStringLiteral("0")));
    controls.push_back(line(QStringLiteral("ed_NumeracaoFinalInutilizaSEFAZ"),
                            QStringLiteral("Numeração Final"), QStringLiteral("0")));
    controls.push_back(batch[1]);
    controls.push_back(
        button(QStringLiteral("bt_TestarInutilizaSEFAZ"), QStringLiteral("Testar"), run));
    Page p = page("ts_InutilizaSEFAZ", std::move(controls));
    p.onBuilt = [b](PageContext& page) { b.applyMode(page); };
    return p;
}

Page getProximaNota() {
    return page("ts_GetProximaNota",
                {
                    line(QStringLiteral("ed_FilialGetProximaNota"), QStringLiteral("Filial"),
                         QStringLiteral("001"))
                        .maxLen(3)
                        .sends(QStringLiteral("Filial"), kinds::text()),
                    line(QStringLiteral("ed_SerieGetProximaNota"), QStringLiteral("Série"),
                         QStringLiteral("1"))
                        .maxLen(2)
                        .sends(QStringLiteral("Serie"), kinds::text()),
                    line(QStringLiteral("ed_QuantidadeGetProximaNota"),
                         QStringLiteral("Quantidade"), QStringLiteral("1"))
                        .maxLen(8)
                        .sends(QStringLiteral("Quantidade"), kinds::integerEmptyZero()),
                    button(QStringLiteral("bt_TestarGetProximaNota"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/GetProximaNota"))),
                });
}

Page setProximaNota() {
    return page("ts_SetProximaNota",
                {
                    line(QStringLiteral("ed_FilialSetProximaNota"), QStringLiteral("Filial"),
                         QStringLiteral("001"))
                        .maxLen(3)
                        .sends(QStringLiteral("Filial"), kinds::text()),
                    line(QStringLiteral("ed_SerieSetProximaNota"), QStringLiteral("Série"),
                         QStringLiteral("1"))
                        .maxLen(2)
                        .sends(QStringLiteral("Serie"), kinds::text()),
                    line(QStringLiteral("ed_ProximaSetProximaNota"), QStringLiteral("Próxima"),
                         QStringLiteral("1"))
                        .maxLen(8)
                        .sends(QStringLiteral("Proxima"), kinds::integerEmptyZero()),
                    button(QStringLiteral("bt_TestarSetProximaNota"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/SetProximaNota"))),
                });
}

Page zerarNumeroNota() {
    return page("ts_ZerarNumeroNota",
                {
                    line(QStringLiteral("ed_FilialZerarNumeroNota"), QStringLiteral("Filial"),
                         QStringLiteral("001"))
                        .maxLen(3)
                        .sends(QStringLiteral("Filial"), kinds::text()),
                    button(QStringLiteral("bt_TestarZerarNumeroNota"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/ZerarNumeroNota"))),
                });
}

Page sefazOnLine() {
    return page(
        "ts_SefazOnLine",
        {
            line(QStringLiteral("ed_CnpjSefazOnline"), QStringLiteral("CNPJ"),
                 QString::fromLatin1(kCnpj))
                .sends(QStringLiteral("CNPJ"), kinds::text()),
            comboEditable(
                QStringLiteral("cb_TipoEmissaoSefazOnline"), QStringLiteral("Contingência"),
                {QStringLiteral("Normal"), QStringLiteral("SVCAN"), QStringLiteral("SVCRS")},
                QStringLiteral("Normal"), 0)
                .sends(QStringLiteral("TIPOEMISSAO"), kinds::position()),
            comboEditable(QStringLiteral("cb_ModeloNotaSefazOnline"),
                          QStringLiteral("Modelo da Nota"),
                          {QStringLiteral("55"), QStringLiteral("65")}, QStringLiteral("55"))
                .sends(QStringLiteral("MODELONOTA"), kinds::text()),
            button(QStringLiteral("btSefazOnline"), QStringLiteral("Testar"),
                   send(QStringLiteral("TNFeAPI/SefazOnLine"))),
        });
}

Page getUltimaNota() {
    return page("ts_GetUltimaNota",
                {
                    line(QStringLiteral("ed_GetUltimaNotaFilial"), QStringLiteral("Filial"),
                         QStringLiteral("001"))
                        .maxLen(3)
                        .sends(QStringLiteral("Filial"), kinds::text()),
                    line(QStringLiteral("ed_GetUltimaNotaSerie"), QStringLiteral("Série"),
                         QStringLiteral("1"))
                        .maxLen(2)
                        .sends(QStringLiteral("Serie"), kinds::text()),
                    button(QStringLiteral("bt_GetUltimaNotaTestar"), QStringLiteral("Testar"),
                           send(QStringLiteral("TNFeAPI/GetUltimaNota"))),
                });
}

} // namespace

std::vector<Page> nfeNumeracaoPages() {
    return {horaSefazOnline(), certificado(),     inutilizaSEFAZ(), getProximaNota(),
            setProximaNota(),  zerarNumeroNota(), sefazOnLine(),    getUltimaNota()};
}
