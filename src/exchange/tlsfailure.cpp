#include "exchange/tlsfailure.h"

#include "exchange/failurehints.h"

#include <QUrl>

#include <curl/curl.h>
#include <openssl/ssl.h>
#include <openssl/x509_vfy.h>

using namespace Qt::StringLiterals;

namespace {

using Kind = ETlsError::Kind;

// Why no trusted authority stands behind the certificate, by the check's error.
QString untrustedReason(int error) {
    switch (error) {
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
        return u"ele é autoassinado (emitido por ele mesmo)"_s;
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
        return u"a autoridade na raiz da cadeia que o servidor enviou não está entre as "
               u"confiáveis"_s;
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
        return u"a autoridade que o emitiu não está entre as confiáveis"_s;
    default:
        return QString::fromUtf8(X509_verify_cert_error_string(error));
    }
}

bool aboutClientCertificate(int alert, bool asked) {
    switch (alert) {
    case SSL_AD_CERTIFICATE_REQUIRED:
    case SSL_AD_BAD_CERTIFICATE:
    case SSL_AD_UNSUPPORTED_CERTIFICATE:
    case SSL_AD_CERTIFICATE_REVOKED:
    case SSL_AD_CERTIFICATE_EXPIRED:
    case SSL_AD_CERTIFICATE_UNKNOWN:
    case SSL_AD_UNKNOWN_CA:
    case SSL_AD_ACCESS_DENIED:
        return true;
    case SSL_AD_HANDSHAKE_FAILURE: // what TLS 1.2 sends when a required certificate is missing
        return asked;
    default:
        return false;
    }
}

QString alertText(int alert) {
    switch (alert) {
    case SSL_AD_CERTIFICATE_REQUIRED:
        return u"certificado exigido"_s;
    case SSL_AD_UNKNOWN_CA:
        return u"autoridade desconhecida"_s;
    case SSL_AD_CERTIFICATE_EXPIRED:
        return u"certificado vencido"_s;
    case SSL_AD_CERTIFICATE_REVOKED:
        return u"certificado revogado"_s;
    case SSL_AD_ACCESS_DENIED:
        return u"acesso negado"_s;
    case SSL_AD_HANDSHAKE_FAILURE:
        return u"falha na negociação"_s;
    default:
        return u"certificado recusado"_s;
    }
}

bool plainServer(const QString& curlText) {
    return curlText.contains(u"wrong version number"_s) ||
           curlText.contains(u"packet length too long"_s) ||
           curlText.contains(u"unknown protocol"_s);
}

bool noCommonProtocol(int alert, const QString& curlText) {
    return alert == SSL_AD_PROTOCOL_VERSION || alert == SSL_AD_HANDSHAKE_FAILURE ||
           alert == SSL_AD_INSUFFICIENT_SECURITY || curlText.contains(u"unsupported protocol"_s) ||
           curlText.contains(u"no protocols available"_s) ||
           curlText.contains(u"no shared cipher"_s) || curlText.contains(u"version too low"_s);
}

} // namespace

ETlsError::ETlsError(Kind kind, const QString& message, TlsSession session)
    : Exception(message), m_kind(kind), m_session(std::move(session)) {}

std::optional<ETlsError> tlsFailure(const TlsFailureFacts& f) {
    const QUrl url(f.url.trimmed());
    const QString host = url.host();
    const QString where = serverAddress(f.url.trimmed());
    const QString said = u"\n(libcurl: %1)"_s.arg(f.curlText);
    const TlsCertificate& certificate = f.session.server;
    const QString details = certificate.isNull() ? QString() : u'\n' + certificate.details();
    const auto error = [&](Kind kind, const QString& text) {
        return std::optional<ETlsError>(std::in_place, kind, text + said, f.session);
    };

    if (url.scheme().compare(u"https"_s, Qt::CaseInsensitive) != 0) {
        // What a TLS server sends back to plain text is not an HTTP answer.
        if ((f.curlCode == CURLE_UNSUPPORTED_PROTOCOL && f.curlText.contains(u"HTTP/0.9"_s)) ||
            f.curlCode == CURLE_WEIRD_SERVER_REPLY)
            return error(Kind::ProtocolMismatch,
                         u"O servidor em %1 não respondeu em HTTP: ele pode esperar uma conexão "
                         u"segura. Use https:// no endereço."_s.arg(where));
        return std::nullopt;
    }
    if (f.authorityUnreadable || f.curlCode == CURLE_SSL_CACERT_BADFILE)
        return error(Kind::AuthorityUnreadable,
                     u"O arquivo da autoridade (CA) \"%1\" não pôde ser lido: ele precisa trazer "
                     u"um ou mais certificados em PEM (-----BEGIN CERTIFICATE-----)."_s.arg(
                         f.settings.authorityFile));
    if (f.curlCode == CURLE_SSL_CERTPROBLEM)
        return error(Kind::ClientCertificateUnusable,
                     u"O certificado de cliente \"%1\" não pôde ser usado. Confira se o arquivo é "
                     u"PEM ou PKCS#12 (.p12, .pfx), se a chave é a dele e se a senha está "
                     u"certa."_s.arg(f.settings.clientCertificate));
    if (f.verifyError == X509_V_ERR_CERT_HAS_EXPIRED ||
        f.verifyError == X509_V_ERR_CERT_NOT_YET_VALID) {
        const bool early = f.verifyError == X509_V_ERR_CERT_NOT_YET_VALID;
        const QString whose =
            f.verifyErrorDepth == 0
                ? u"O certificado do servidor %1"_s.arg(host)
                : u"Um certificado da cadeia do servidor %1 (uma autoridade)"_s.arg(host);
        const QString when =
            early ? u"ainda não vale: só vale a partir de %1"_s.arg(
                        f.verifyErrorDepth == 0 ? tlsDateText(certificate.notBefore) : u"?"_s)
                  : u"venceu"_s + (f.verifyErrorDepth == 0
                                       ? u" em %1"_s.arg(tlsDateText(certificate.notAfter))
                                       : QString());
        return error(Kind::Expired,
                     whose + u' ' + when + u'.' + details +
                         (early ? u"\nConfira a data e a hora deste computador."_s
                                : u"\nPeça a quem administra o middleware que renove o "
                                  u"certificado (e confira a data e a hora deste computador)."_s));
    }
    if (f.verifyError != 0)
        return error(Kind::NotTrusted,
                     u"O certificado do servidor %1 não é confiável: %2."_s.arg(
                         host, untrustedReason(f.verifyError)) +
                         details +
                         u"\nInforme no ambiente o arquivo da autoridade (CA) que emitiu o "
                         u"certificado (na linha de comando, --ca ARQ). Só para testes, dá para "
                         u"não verificar o certificado: \"Não verificar o certificado do "
                         u"servidor (inseguro)\" (--inseguro)."_s);
    if (f.curlCode == CURLE_PEER_FAILED_VERIFICATION) {
        // The chain was trusted: what failed is libcurl's check of the host name.
        const QString names = certificate.names.isEmpty()
                                  ? u"nenhum nome"_s
                                  : u"\"%1\""_s.arg(certificate.names.join(u"\", \""_s));
        return error(Kind::NameMismatch,
                     u"O certificado do servidor não vale para o nome \"%1\" do endereço: ele "
                     u"vale para %2."_s.arg(host, names) +
                         details +
                         u"\nUse no endereço um dos nomes do certificado, ou peça a quem "
                         u"administra o middleware um certificado que inclua \"%1\"."_s.arg(host));
    }
    if (aboutClientCertificate(f.alertReceived, f.clientCertificateAsked)) {
        if (f.settings.clientCertificate.isEmpty())
            return error(
                Kind::ClientCertificateRefused,
                u"O servidor %1 exige um certificado de cliente, e nenhum foi informado "
                u"(%2). Informe no ambiente o certificado e a chave do cliente (na linha "
                u"de comando, --cert ARQ --chave ARQ)."_s.arg(host, alertText(f.alertReceived)));
        return error(Kind::ClientCertificateRefused,
                     u"O servidor %1 recusou o certificado de cliente \"%2\" (%3). Confira se ele "
                     u"foi emitido por uma autoridade que o servidor aceita e se ainda vale."_s.arg(
                         host, f.settings.clientCertificate, alertText(f.alertReceived)));
    }
    if (f.curlCode == CURLE_SSL_CONNECT_ERROR && plainServer(f.curlText))
        return error(Kind::ProtocolMismatch,
                     u"O servidor em %1 não respondeu em TLS: ele parece falar HTTP sem "
                     u"criptografia. Use http:// no endereço, ou confira a porta."_s.arg(where));
    if (noCommonProtocol(f.alertReceived, f.curlText))
        return error(
            Kind::ProtocolMismatch,
            u"O servidor %1 e o testador não têm uma versão de TLS ou uma cifra em comum. "
            u"O testador usa TLS 1.2 ou 1.3; confira a configuração de TLS do servidor."_s.arg(
                host));
    if (f.curlCode == CURLE_SSL_CONNECT_ERROR || f.curlCode == CURLE_SSL_CIPHER ||
        f.curlCode == CURLE_SSL_ISSUER_ERROR || f.curlCode == CURLE_SSL_CRL_BADFILE)
        return error(Kind::Other, u"Falha na conexão segura (TLS) com %1."_s.arg(where));
    return std::nullopt;
}
