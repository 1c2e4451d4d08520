#include "tlsoptions.h"

using namespace Qt::StringLiterals;

const char* const kTlsUsage =
    "  HTTPS (call e cenario):\n"
    "  --ca ARQ: autoridades (PEM) confiáveis além das do sistema\n"
    "  --cert ARQ [--chave ARQ]: certificado do cliente, PEM com a chave (no mesmo arquivo ou\n"
    "      em --chave) ou PKCS#12 (.p12, .pfx); a senha vem da variável TESTADOR_CERT_SENHA\n"
    "      ou, com --ambiente, do chaveiro\n"
    "  --inseguro: não verifica o certificado do servidor (recusado num ambiente de produção\n"
    "      que não o tenha marcado)\n";

bool isTlsOption(const QString& option) {
    return option == u"--ca"_s || option == u"--cert"_s || option == u"--chave"_s ||
           option == u"--inseguro"_s;
}

bool takeTlsOption(const QString& option, const std::function<QString()>& value, TlsOptions& into) {
    TlsSettings& s = into.settings;
    if (option == u"--ca"_s)
        s.authorityFile = value();
    else if (option == u"--cert"_s)
        s.clientCertificate = value();
    else if (option == u"--chave"_s)
        s.clientKey = value();
    else if (option == u"--inseguro"_s)
        s.insecure = true;
    else
        return false;
    into.given << option;
    return true;
}

QString settleTlsOptions(TlsOptions& o, const Environment* e) {
    if (e) {
        const TlsSettings& from = e->tls;
        if (e->production && o.given.contains(u"--inseguro"_s) && !from.insecure)
            return u"o ambiente %1 é de produção: a verificação do certificado do servidor só é "
                   u"desligada nele quando marcada e confirmada no próprio ambiente (Gerenciar "
                   u"ambientes…)"_s.arg(e->name);
        if (!o.given.contains(u"--ca"_s))
            o.settings.authorityFile = from.authorityFile;
        // A certificate given replaces the environment's with its own key.
        if (!o.given.contains(u"--cert"_s)) {
            o.settings.clientCertificate = from.clientCertificate;
            if (!o.given.contains(u"--chave"_s))
                o.settings.clientKey = from.clientKey;
            o.clientPassword = e->clientPassword;
        }
        o.settings.insecure = o.settings.insecure || from.insecure;
    }
    if (!o.settings.clientKey.isEmpty() && o.settings.clientCertificate.isEmpty())
        return u"--chave precisa de --cert"_s;
    if (const QString variable = qEnvironmentVariable(kClientPasswordVariable); !variable.isEmpty())
        o.clientPassword = variable;
    return {};
}

QByteArray tlsReport(const TlsSettings& settings, const TlsSession& session) {
    QString text;
    if (settings.insecure)
        text += QString::fromUtf8(kInsecureMark) + u" (--inseguro)\n"_s;
    if (!session.isEmpty())
        text += u"TLS: "_s + session.summary() + u'\n';
    return text.toUtf8();
}
