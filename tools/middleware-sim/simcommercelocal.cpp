// The stand-in's answers to the local commerce services: bank slips, e-mail, lookups, DAV printing.
#include "simanswers.h"
#include "simhelpers.h"

#include "common/tjsonutil.h"

namespace sim {

namespace {

using json::JsonValue;

// A captcha picture reading "Q7RV2" (150 x 44, greyscale PNG).
const char* const kCaptchaPng =
    "iVBORw0KGgoAAAANSUhEUgAAAJYAAAAsCAAAAACiOx4tAAABPklEQVR42u2Y2w7DIAiGeRIf0fe/25LGVqAc"
    "m85opjfblF8/EG0HfKZssLE21sYa1ApqT7AqbcpMvjCMVSt4psd0uLs0tACS3aVgHUZAbduq3MXCWx/jfVps"
    "SADJpFUQwgV4qi5T5GIRWhsjETy+6OHCcC1Cp3OVCK/cEvJHdLHHXxESKypEqluM2EZCd4ynHv+NVjiH+gGQ"
    "sgRZsQm5A7e1UG55WPLZMlR6TN21QB8ybgF57cSQMeFDLGWnNtZfYznPxMAsga6N5XU51+l6WNopiGMZvg7B"
    "4p/LYuVPw8RY1pv3Oli5eE+OlXsuTYql/DkYguUkahALm+dTfmIsQ7UGVrI0YmAF3ysTV/kvKzbDsUI1hYgw"
    "ioU0oJv4JZh4oaZEhGa0gvWW1FhaCK9FJLZLwS2Al/LnZd0u6WbaFzMBGIj5asbyAAAAAElFTkSuQmCC";
// The characters in the picture; the lookups accept them in any case.
const QString kCaptchaText = QStringLiteral("Q7RV2");

QByteArray captchaPng() {
    return QByteArray::fromBase64(QByteArray(kCaptchaPng));
}

QString text(const JsonValue* dados, const char* key) {
    return TJSONUtil::GetStr(dados, QString::fromLatin1(key));
}

// A small PDF naming what it holds.
QByteArray pdf(const QString& what) {
    return "%PDF-1.4\n% " + what.toUtf8() + "\n%%EOF\n";
}

Answer rejection(const QString& why) {
    return resultEnvelope(true, "6", QStringLiteral("Rejeição simulada: ") + why);
}

// One bank slip per title, the PDF packed in a ZIP archive when asked.
Answer geraBoletoPDF(const Request&, const JsonValue* dados) {
    const JsonValue* conta = dados && dados->isObject() ? dados->find("ContaBancaria") : nullptr;
    if (text(conta, "CodigoBanco") == QLatin1String("999"))
        return rejection(QStringLiteral("banco 999 não homologado."));
    const bool packed = TJSONUtil::GetBool(dados, QStringLiteral("ComprimirArquivoRetorno"), false);
    const JsonValue* titulos = dados && dados->isObject() ? dados->find("Titulos") : nullptr;
    JsonValue slips = JsonValue::array();
    for (std::size_t i = 0; titulos && titulos->isArray() && i < titulos->size(); ++i) {
        const JsonValue& t = titulos->at(i);
        const QString nosso = text(&t, "NossoNumero");
        const QByteArray file = pdf(QStringLiteral("Boleto ") + nosso);
        JsonValue slip = JsonValue::object();
        slip.add("NumeroDocumento", TJSONUtil::SetStr(text(&t, "NumeroDocumento")));
        slip.add("NossoNumero", TJSONUtil::SetStr(nosso));
        slip.add("Boleto_Base64",
                 TJSONUtil::SetStr(packed ? zippedBase64(QStringLiteral("boleto.pdf"), file)
                                          : QString::fromLatin1(file.toBase64())));
        slips.append(std::move(slip));
    }
    const QString msg = QStringLiteral("%1 boleto(s) gerado(s).").arg(slips.size());
    return resultEnvelope(false, "", msg, std::move(slips));
}

Answer geraBoleto(const Request&, const JsonValue* dados) {
    const JsonValue* conta = dados && dados->isObject() ? dados->find("ContaBancaria") : nullptr;
    if (text(conta, "CodigoBanco") == QLatin1String("999"))
        return rejection(QStringLiteral("banco 999 não homologado."));
    const JsonValue* titulos = dados && dados->isObject() ? dados->find("Titulos") : nullptr;
    const std::size_t count = titulos && titulos->isArray() ? titulos->size() : 0;
    const QString impressora = text(dados, "NomeImpressora");
    return resultEnvelope(
        false, "",
        QStringLiteral("%1 boleto(s) enviado(s) para a impressora \"%2\" (%3 via(s)).")
            .arg(count)
            .arg(impressora.isEmpty() ? QStringLiteral("padrão") : impressora)
            .arg(TJSONUtil::GetInt(dados, QStringLiteral("NumeroViasPorTitulo"), 1)));
}

Answer enviaEmail(const Request&, const JsonValue* dados) {
    const QString para = text(dados, "Para");
    if (para.trimmed().isEmpty())
        return rejection(QStringLiteral("nenhum destinatário."));
    const JsonValue* anexos = dados && dados->isObject() ? dados->find("Anexos") : nullptr;
    return resultEnvelope(false, "",
                          QStringLiteral("E-mail enviado para %1 com %2 anexo(s).")
                              .arg(para)
                              .arg(anexos && anexos->isArray() ? anexos->size() : 0));
}

// The captcha picture, alone or packed in a ZIP archive under the service's name.
ServiceHandler captcha(const QString& service) {
    return [service](const Request&, const JsonValue* dados) {
        const bool packed = TJSONUtil::GetBool(dados, QStringLiteral("ArquivoCompactado"), false);
        const QString str = packed ? zippedBase64(service + QStringLiteral(".png"), captchaPng())
                                   : QString::fromLatin1(captchaPng().toBase64());
        return resultEnvelope(false, "", QStringLiteral("Captcha gerado."), std::nullopt, str);
    };
}

// A registry lookup answers only with the characters of the picture.
Answer consulta(const JsonValue* dados, const char* documentKey, JsonValue livre) {
    const QString documento = text(dados, documentKey);
    if (documento.trimmed().isEmpty())
        return rejection(QStringLiteral("%1 não informado.").arg(QLatin1String(documentKey)));
    if (text(dados, "Captcha").compare(kCaptchaText, Qt::CaseInsensitive) != 0)
        return rejection(QStringLiteral("captcha inválido."));
    return resultEnvelope(false, "", QStringLiteral("Consulta realizada."), std::move(livre));
}

Answer consultaCNPJ(const Request&, const JsonValue* dados) {
    JsonValue empresa = JsonValue::object();
    empresa.add("CNPJ", TJSONUtil::SetStr(text(dados, "CNPJ")));
    empresa.add("RazaoSocial", TJSONUtil::SetStr(QStringLiteral("EMPRESA SIMULADA LTDA")));
    empresa.add("Situacao", TJSONUtil::SetStr(QStringLiteral("ATIVA")));
    empresa.add("Municipio", TJSONUtil::SetStr(QStringLiteral("CURITIBA")));
    empresa.add("UF", TJSONUtil::SetStr(QStringLiteral("PR")));
    return consulta(dados, "CNPJ", std::move(empresa));
}

Answer consultaCPF(const Request&, const JsonValue* dados) {
    JsonValue pessoa = JsonValue::object();
    pessoa.add("CPF", TJSONUtil::SetStr(text(dados, "CPF")));
    pessoa.add("Nome", TJSONUtil::SetStr(QStringLiteral("PESSOA SIMULADA")));
    pessoa.add("DataNascimento", TJSONUtil::SetStr(text(dados, "DataNascimento")));
    pessoa.add("Situacao", TJSONUtil::SetStr(QStringLiteral("REGULAR")));
    return consulta(dados, "CPF", std::move(pessoa));
}

// The report models of a transaction type, as file records.
Answer consultaModelosDAV(const Request&, const JsonValue* dados) {
    if (text(dados, "SubDiretorioReport") == QLatin1String("999"))
        return rejection(QStringLiteral("sub-diretório 999 não encontrado."));
    QStringList nomes;
    switch (TJSONUtil::GetInt(dados, QStringLiteral("Tipo"), 0)) {
    case 50:
        nomes = {QStringLiteral("DAV.fr3"), QStringLiteral("DAVResumido.fr3")};
        break;
    case 60:
        nomes = {QStringLiteral("DAVOS.fr3")};
        break;
    case 22:
        nomes = {QStringLiteral("EtiquetaCliente.fr3")};
        break;
    case 33:
        nomes = {QStringLiteral("EtiquetaVolume.fr3"), QStringLiteral("EtiquetaVolume2.fr3")};
        break;
    default:
        break;
    }
    JsonValue modelos = JsonValue::array();
    for (const QString& nome : nomes) {
        JsonValue m = JsonValue::object();
        m.add("Nome", TJSONUtil::SetStr(nome));
        m.add("MD5", TJSONUtil::SetStr(QString()));
        modelos.append(std::move(m));
    }
    return resultEnvelope(false, "", QStringLiteral("%1 modelo(s).").arg(nomes.size()),
                          std::move(modelos));
}

// Prints on the named printer, or sends the document back (a PDF, packed when asked).
Answer imprimeDAV(const Request&, const JsonValue* dados) {
    const QString modelo = text(dados, "Modelo");
    if (modelo == QLatin1String("999"))
        return rejection(QStringLiteral("modelo 999 não encontrado."));
    const QString impressora = text(dados, "NomeImpressora");
    if (!impressora.trimmed().isEmpty())
        return resultEnvelope(
            false, "",
            QStringLiteral("DAV impresso em \"%1\" com o modelo \"%2\".").arg(impressora, modelo));
    const QByteArray file = pdf(QStringLiteral("DAV ") + modelo);
    const bool packed = TJSONUtil::GetBool(dados, QStringLiteral("ComprimirArquivoRetorno"), false);
    return resultEnvelope(false, "", QStringLiteral("DAV gerado."), std::nullopt,
                          packed ? zippedBase64(QStringLiteral("ImprimeDAV.pdf"), file)
                                 : QString::fromLatin1(file.toBase64()));
}

} // namespace

void installCommerceLocalAnswers(MiddlewareSim& server) {
    server.setHandler("TCommerceLocalAPI/GeraBoletoPDF", geraBoletoPDF);
    server.setHandler("TCommerceLocalAPI/GeraBoleto", geraBoleto);
    server.setHandler("TCommerceLocalAPI/EnviaEmail", enviaEmail);
    server.setHandler("TCommerceLocalAPI/ConsultaCNPJCaptcha",
                      captcha(QStringLiteral("ConsultaCNPJCaptcha")));
    server.setHandler("TCommerceLocalAPI/ConsultaCPFCaptcha",
                      captcha(QStringLiteral("ConsultaCPFCaptcha")));
    server.setHandler("TCommerceLocalAPI/ConsultaCNPJ", consultaCNPJ);
    server.setHandler("TCommerceLocalAPI/ConsultaCPF", consultaCPF);
    server.setHandler("TCommerceLocalAPI/ConsultaModelosDAV", consultaModelosDAV);
    server.setHandler("TCommerceLocalAPI/ImprimeDAV", imprimeDAV);
}

} // namespace sim
