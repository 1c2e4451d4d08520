#include "servicos.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#ifdef QUORVA_HAS_CATALOGUE
extern const unsigned char kServiceCatalogueJson[];
#endif

namespace {

QString text(const QJsonObject& o, const char* name) {
    return o.value(QLatin1String(name)).toString();
}

QByteArray plainCatalogue(const QJsonArray& pages) {
    QString out;
    for (const QJsonValue& p : pages) {
        const QJsonObject page = p.toObject();
        out += QStringLiteral("%1 (%2 / %3)\n")
                   .arg(text(page, "pagina"), text(page, "grupo"), text(page, "titulo"));
        out += QStringLiteral("  %1\n").arg(text(page, "descricao"));
        for (const QJsonValue& s : page.value(QLatin1String("servicos")).toArray()) {
            const QJsonObject service = s.toObject();
            out += QStringLiteral("  %1").arg(text(service, "caminho"));
            if (!text(service, "botao").isEmpty())
                out += QStringLiteral(" (botão \"%1\")").arg(text(service, "botao"));
            out += QStringLiteral(": %1").arg(text(service, "envio"));
            if (!text(service, "dados").isEmpty())
                out += QStringLiteral("; Dados: %1").arg(text(service, "dados"));
            out += u'\n';
        }
        for (const QJsonValue& k : page.value(QLatin1String("chaves")).toArray()) {
            const QJsonObject key = k.toObject();
            out += QStringLiteral("    %1: %2 (%3, %4), %5\n")
                       .arg(text(key, "chave"), text(key, "rotulo"), text(key, "tipo_controle"),
                            text(key, "controle"), text(key, "valor"));
        }
        out += u'\n';
    }
    return out.toUtf8();
}

} // namespace

int runServicesCommand(const QStringList& args, const CliIo& io) {
    bool asJson = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--json"))
            asJson = true;
        else {
            io.err(QStringLiteral("testador-cli: servicos aceita só --json (recebeu %1)\n")
                       .arg(args[i])
                       .toUtf8());
            return 2;
        }
    }
#ifdef QUORVA_HAS_CATALOGUE
    const QByteArray json(reinterpret_cast<const char*>(kServiceCatalogueJson));
    if (asJson) {
        io.out(QJsonDocument::fromJson(json).toJson(QJsonDocument::Indented));
        return 0;
    }
    io.out(plainCatalogue(QJsonDocument::fromJson(json).array()));
    return 0;
#else
    (void)asJson;
    (void)&plainCatalogue;
    io.err("testador-cli: esta compilação não traz o catálogo de serviços (foi feita sem a "
           "janela); use a do pacote completo\n");
    return 2;
#endif
}
