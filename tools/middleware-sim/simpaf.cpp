// The stand-in's answers to the PAF-ECF and Bloco X services.
#include "simanswers.h"
#include "simhelpers.h"

#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/regional.h"
#include "common/tjsonutil.h"
#include "contracts/pageenums.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace sim {

namespace {

using json::JsonValue;

QString str(const JsonValue* dados, const char* key) {
    return TJSONUtil::GetStr(dados, QString::fromLatin1(key));
}

bool compactado(const JsonValue* dados) {
    return TJSONUtil::GetBool(dados, QStringLiteral("ArquivoCompactado"), false);
}

QString stamp() {
    return regional::formatDateTime(QStringLiteral("DD/MM/YYYY HH:NN:SS"), regional::now());
}

// A fiscal-menu report: the text file, or a ZIP archive holding it when asked (form A).
ServiceHandler report(const char* method, const char* firstLine) {
    return [method, firstLine](const Request&, const JsonValue* dados) {
        const QString name = QString::fromLatin1(method);
        const QByteArray text =
            QByteArray(firstLine) + "\r\n" +
            QStringLiteral("%1 gerado pelo simulador em %2\r\n").arg(name, stamp()).toUtf8() +
            "EAD" + QByteArray(32, 'A') + "\r\n";
        const QString message = QStringLiteral("Arquivo %1 gerado.").arg(name);
        if (compactado(dados))
            return resultEnvelope(false, "", message, std::nullopt,
                                  zippedBase64(name + QStringLiteral(".txt"), text));
        return contentFile(text, message);
    };
}

// A file named by the answer itself (form B), packed when asked.
ServiceHandler namedFile(const char* prefix) {
    return [prefix](const Request&, const JsonValue* dados) {
        const QString base = QString::fromLatin1(prefix) + u'_' + str(dados, "Filial");
        const QByteArray text =
            "J1" + str(dados, "Filial").toUtf8() + "|registros do simulador\r\n";
        if (!compactado(dados))
            return fileRecord(base + QStringLiteral(".txt"), text,
                              QStringLiteral("Arquivo gerado."));
        const QByteArray zip =
            QByteArray::fromBase64(zippedBase64(base + QStringLiteral(".txt"), text).toLatin1());
        return fileRecord(base + QStringLiteral(".zip"), zip, QStringLiteral("Arquivo gerado."));
    };
}

// A generated Bloco X XML (form A), packed when asked.
ServiceHandler blocoXFile(const char* method, const char* root) {
    return [method, root](const Request&, const JsonValue* dados) {
        const QString name = QString::fromLatin1(method);
        const QByteArray xml = QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><") + root +
                               " Versao=\"1.0\"><Mensagem><Estabelecimento><Filial>" +
                               str(dados, "Filial").toUtf8() +
                               "</Filial><Observacao>Geração simulada</Observacao>"
                               "</Estabelecimento></Mensagem></" +
                               root + ">";
        const QString message = QStringLiteral("Arquivo %1 gerado.").arg(name);
        if (compactado(dados))
            return resultEnvelope(false, "", message, std::nullopt,
                                  zippedBase64(name + QStringLiteral(".xml"), xml));
        return contentFile(xml, message);
    };
}

// The XML handed over for storage: as text, or a ZIP archive in base64 holding one XML file
// under a bare name. Anything else is refused.
Answer inclusao(const Request&, const JsonValue* dados) {
    const QString xml = str(dados, "XML");
    if (!TJSONUtil::GetBool(dados, QStringLiteral("XMLCodificado"), false)) {
        if (!xml.trimmed().startsWith(u'<'))
            return resultEnvelope(true, "6", QStringLiteral("XML inválido: o conteúdo não é XML."));
        return resultEnvelope(false, "",
                              QStringLiteral("XML incluído (%1 caracteres).").arg(xml.size()));
    }
    const QByteArray zip =
        QByteArray::fromBase64(xml.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    const QTemporaryDir work;
    const QString archive = QDir(work.path()).filePath(QStringLiteral("recebido.zip"));
    QFile out(archive);
    if (zip.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(zip) != zip.size())
        return resultEnvelope(true, "6", QStringLiteral("XML codificado inválido."));
    out.close();
    const QString folder = QDir(work.path()).filePath(QStringLiteral("xml"));
    try {
        DescompactFile(archive, folder);
    } catch (const Exception& e) {
        return resultEnvelope(true, "6", QStringLiteral("XML codificado inválido: ") + e.message());
    }
    const QStringList files = QDir(folder).entryList(QDir::Files);
    if (files.size() != 1 || !files[0].endsWith(QStringLiteral(".xml"), Qt::CaseInsensitive))
        return resultEnvelope(true, "6",
                              QStringLiteral("O arquivo compactado deve conter um único XML."));
    return resultEnvelope(false, "", QStringLiteral("XML %1 incluído.").arg(files[0]));
}

JsonValue record(std::initializer_list<std::pair<const char*, JsonValue>> members) {
    JsonValue o = JsonValue::object();
    for (const auto& [key, value] : members)
        o.add(key, value);
    return o;
}

JsonValue text(const QString& t) {
    return TJSONUtil::SetStr(t);
}

Answer permite(const Request&, const JsonValue* dados) {
    return resultEnvelope(
        false, "", QStringLiteral("Geração permitida."),
        record({{"Permite", JsonValue::boolean(true)}, {"Filial", text(str(dados, "Filial"))}}));
}

Answer transmissao(const Request&, const JsonValue* dados) {
    return resultEnvelope(false, "", QStringLiteral("Arquivos transmitidos."),
                          record({{"Filial", text(str(dados, "Filial"))},
                                  {"Recibo", text(QStringLiteral("BX2016000000123"))},
                                  {"Situacao", text(QStringLiteral("Aguardando"))}}));
}

Answer ultimaTransmissao(const Request&, const JsonValue* dados) {
    return resultEnvelope(false, "", QStringLiteral("Última transmissão encontrada."),
                          record({{"Filial", text(str(dados, "Filial"))},
                                  {"DataHora", text(stamp())},
                                  {"Recibo", text(QStringLiteral("BX2016000000122"))},
                                  {"SituacaoProcessamento", text(QStringLiteral("Sucesso"))}}));
}

Answer pendencias(const Request&, const JsonValue* dados) {
    return resultEnvelope(
        false, "", QStringLiteral("Consulta de pendências realizada."), std::nullopt,
        QStringLiteral("Filial %1: nenhuma pendência de transmissão.").arg(str(dados, "Filial")));
}

// The public form is a bare object sent without credentials; an envelope or credentials are
// refused, so a page that sends either is caught.
Answer pendenciasPublic(const Request& request, const JsonValue* dados) {
    const auto body = json::parse(request.body).value;
    const bool enveloped = body && body->isObject() && body->find("Parametros");
    if (!request.authUser.empty() || enveloped)
        return resultEnvelope(
            true, "6",
            QStringLiteral("Serviço público: envie o objeto simples, sem envelope e sem "
                           "credenciais."));
    return pendencias(request, dados);
}

Answer ultimoRegistro(const Request&, const JsonValue* dados) {
    return resultEnvelope(false, "", QStringLiteral("Último registro encontrado."),
                          record({{"Filial", text(str(dados, "Filial"))},
                                  {"NumCRZ", JsonValue::integer(12)},
                                  {"DataMovimento", text(stamp())}}));
}

// One functionality of a state, or every functionality when none is named.
Answer perfilEstado(const Request&, const JsonValue* dados) {
    const QString estado = str(dados, "Estado");
    const QString funcionalidade = str(dados, "Funcionalidade");
    JsonValue list = JsonValue::array();
    for (const TParLista& par : TEnum::FuncionalidadePAFECFGetList())
        if (!par.Valor.isEmpty() && (funcionalidade.isEmpty() || par.Valor == funcionalidade))
            list.append(record({{"Funcionalidade", text(par.Valor)},
                                {"Estado", text(estado)},
                                {"Permitido", JsonValue::boolean(estado != u"SP")}}));
    return resultEnvelope(
        false, "",
        QStringLiteral("Perfil do estado %1: %2 funcionalidade(s).").arg(estado).arg(list.size()),
        std::move(list));
}

Answer perfilWiki(const Request&, const JsonValue*) {
    QString table = QStringLiteral("{| class=\"wikitable\"/n! Funcionalidade !! AC !! SP");
    for (const TParLista& par : TEnum::FuncionalidadePAFECFGetList())
        if (!par.Valor.isEmpty())
            table += QStringLiteral("/n|-/n| %1 || Sim || Não").arg(par.Valor);
    table += QStringLiteral("/n|}");
    return resultEnvelope(false, "", QStringLiteral("Tabela gerada."), std::nullopt, table);
}

Answer arquivosPAFECF(const Request&, const JsonValue* dados) {
    if (!dados || !dados->isObject())
        return resultEnvelope(true, "6", QStringLiteral("Dados inválidos."));
    const JsonValue* diretorios = TJSONUtil::GetValue(*dados, QStringLiteral("ListaDiretorios"));
    const JsonValue* extensoes = TJSONUtil::GetValue(*dados, QStringLiteral("ListaExtensoes"));
    JsonValue list = JsonValue::array();
    if (diretorios && diretorios->isArray() && extensoes && extensoes->isArray() &&
        !extensoes->empty())
        for (std::size_t i = 0; i < diretorios->size(); ++i) {
            const QString dir = TJSONUtil::GetStr(&diretorios->at(i), QStringLiteral("Diretorio"));
            if (dir.trimmed().isEmpty())
                continue;
            const QString ext = TJSONUtil::GetStr(&extensoes->at(0), QStringLiteral("Extensao"));
            list.append(
                record({{"Arquivo", text(dir + QStringLiteral("programa") + ext)},
                        {"MD5", text(QStringLiteral("0CC175B9C0F1B6A831C399E269772661"))}}));
        }
    return resultEnvelope(false, "",
                          QStringLiteral("%1 arquivo(s) listado(s) em %2.")
                              .arg(list.size())
                              .arg(str(dados, "CaminhoCompletoArquivo")),
                          std::move(list));
}

} // namespace

void installPafAnswers(MiddlewareSim& server) {
    server.setHandler("TPAFAPI/ConsultarPerfilEstado", perfilEstado);
    server.setHandler("TPAFAPI/GeraTabelaPerfilUFWiki", perfilWiki);
    server.setHandler("TPAFAPI/VendasIdentificadas",
                      report("VendasIdentificadas", "Z1VENDAS IDENTIFICADAS"));
    server.setHandler("TPAFAPI/DAVEmitidos", report("DAVEmitidos", "DAV EMITIDOS"));
    server.setHandler("TPAFAPI/ImprimeDAV", report("ImprimeDAV", "DOCUMENTO AUXILIAR DE VENDA"));
    server.setHandler("TPAFAPI/ParametrosConfiguracao",
                      report("ParametrosConfiguracao", "PARAMETROS DE CONFIGURACAO"));
    server.setHandler("TPAFAPI/TabelaIndiceTecnicoProducao",
                      report("TabelaIndiceTecnicoProducao", "INDICE TECNICO DE PRODUCAO"));
    server.setHandler("TPAFAPI/IdentificacaoPAFECF",
                      report("IdentificacaoPAFECF", "IDENTIFICACAO DO PAF-ECF"));
    server.setHandler("TPAFAPI/RegistrosPAFECF", namedFile("RegistrosPAFECF"));
    server.setHandler("TPAFAPI/GeraArquivoRequisicaoExterna", namedFile("RequisicaoExterna"));
    server.setHandler("TPAFAPI/GeracaoFiscoReducaoZ",
                      blocoXFile("GeracaoFiscoReducaoZ", "ReducaoZ"));
    server.setHandler("TPAFAPI/GeracaoFiscoEstoque", blocoXFile("GeracaoFiscoEstoque", "Estoque"));
    for (const char* kind : {"ReducaoZ", "Estoque"}) {
        const std::string k(kind);
        for (const char* suffix : {"", "_2"}) {
            server.setHandler("TPAFAPI/PermiteGeracaoFisco" + k + suffix, permite);
            server.setHandler("TPAFAPI/InclusaoFisco" + k + suffix, inclusao);
            server.setHandler("TPAFAPI/TransmissaoFisco" + k + suffix, transmissao);
            server.setHandler("TPAFAPI/MensagemPendenciasFisco" + k + suffix, pendencias);
        }
        server.setHandler("TPAFAPI/UltimaTransmissaoFisco" + k, ultimaTransmissao);
        server.setHandler("TPAFAPI/UltimoRegistroFisco" + k, ultimoRegistro);
        server.setHandler("TPAFAPI/MensagemPendenciasPublicFisco" + k, pendenciasPublic);
    }
    server.setHandler("TPafLocalAPI/ArquivosPAFECF", arquivosPAFECF);
}

} // namespace sim
