#include "exchange/tls.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <openssl/bio.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <ctime>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct X509Free {
    void operator()(X509* x) const { X509_free(x); }
};
struct BioFree {
    void operator()(BIO* b) const { BIO_free(b); }
};
struct NamesFree {
    void operator()(GENERAL_NAMES* n) const { GENERAL_NAMES_free(n); }
};

// "CN=localhost, O=Loja", in UTF-8, in the order the certificate holds.
QString nameText(const X509_NAME* name) {
    const std::unique_ptr<BIO, BioFree> bio(BIO_new(BIO_s_mem()));
    if (!name || !bio)
        return {};
    constexpr unsigned long kFlags =
        (ASN1_STRFLGS_RFC2253 & ~ASN1_STRFLGS_ESC_MSB) | XN_FLAG_SEP_CPLUS_SPC | XN_FLAG_FN_SN;
    if (X509_NAME_print_ex(bio.get(), name, 0, kFlags) < 0)
        return {};
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return QString::fromUtf8(data, qsizetype(size));
}

QDateTime timeOf(const ASN1_TIME* time) {
    std::tm t{};
    if (!time || ASN1_TIME_to_tm(time, &t) != 1)
        return {};
    return QDateTime(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday),
                     QTime(t.tm_hour, t.tm_min, t.tm_sec), Qt::UTC);
}

QString addressText(const ASN1_OCTET_STRING* address) {
    const unsigned char* b = ASN1_STRING_get0_data(address);
    const int n = ASN1_STRING_length(address);
    if (n == 4)
        return u"%1.%2.%3.%4"_s.arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]);
    QStringList groups;
    for (int i = 0; i + 1 < n; i += 2)
        groups << QString::number((b[i] << 8) | b[i + 1], 16);
    return groups.join(u':');
}

QStringList namesOf(const X509* certificate) {
    QStringList names;
    const std::unique_ptr<GENERAL_NAMES, NamesFree> general(static_cast<GENERAL_NAMES*>(
        X509_get_ext_d2i(certificate, NID_subject_alt_name, nullptr, nullptr)));
    for (int i = 0; general && i < sk_GENERAL_NAME_num(general.get()); ++i) {
        const GENERAL_NAME* n = sk_GENERAL_NAME_value(general.get(), i);
        if (n->type == GEN_DNS)
            names << QString::fromUtf8(
                reinterpret_cast<const char*>(ASN1_STRING_get0_data(n->d.dNSName)),
                ASN1_STRING_length(n->d.dNSName));
        else if (n->type == GEN_IPADD)
            names << addressText(n->d.iPAddress);
    }
    return names;
}

// The common name of a subject text, which stands for the names when the certificate has no
// alternative names.
QString commonName(const QString& subject) {
    for (const QString& part : subject.split(u", "_s))
        if (part.startsWith(u"CN="_s))
            return part.mid(3);
    return {};
}

} // namespace

bool TlsSettings::clientIsPkcs12() const {
    const QString suffix = QFileInfo(clientCertificate).suffix().toLower();
    if (suffix == u"p12"_s || suffix == u"pfx"_s)
        return true;
    if (suffix == u"pem"_s || suffix == u"crt"_s || suffix == u"cer"_s ||
        clientCertificate.isEmpty())
        return false;
    // Any other name: PEM is text that says so near its start, PKCS#12 is binary.
    QFile f(clientCertificate);
    return f.open(QIODevice::ReadOnly) && !f.read(4096).contains("-----BEGIN");
}

TlsCertificate TlsCertificate::fromDer(const QByteArray& der) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(der.constData());
    const std::unique_ptr<X509, X509Free> x(d2i_X509(nullptr, &bytes, long(der.size())));
    if (!x)
        return {};
    TlsCertificate c;
    c.subject = nameText(X509_get_subject_name(x.get()));
    c.issuer = nameText(X509_get_issuer_name(x.get()));
    c.notBefore = timeOf(X509_get0_notBefore(x.get()));
    c.notAfter = timeOf(X509_get0_notAfter(x.get()));
    c.names = namesOf(x.get());
    if (c.names.isEmpty())
        if (const QString cn = commonName(c.subject); !cn.isEmpty())
            c.names << cn;
    c.sha256 = QString::fromLatin1(
        QCryptographicHash::hash(der, QCryptographicHash::Sha256).toHex(':').toUpper());
    return c;
}

QString TlsCertificate::details() const {
    QStringList lines;
    lines << u"  Emitido para: "_s + subject << u"  Emitido por: "_s + issuer
          << u"  Válido de %1 até %2"_s.arg(tlsDateText(notBefore), tlsDateText(notAfter));
    if (!names.isEmpty())
        lines << u"  Nomes: "_s + names.join(u", "_s);
    lines << u"  SHA-256: "_s + sha256;
    return lines.join(u'\n');
}

QString TlsSession::brief() const {
    QStringList parts;
    if (!version.isEmpty())
        parts << version;
    if (!server.isNull())
        parts << server.subject << u"emitido por "_s + server.issuer;
    return parts.join(u" · "_s);
}

QString TlsSession::summary() const {
    return server.isNull() ? brief() : brief() + u" · SHA-256 "_s + server.sha256;
}

QString tlsDateText(const QDateTime& utc) {
    return utc.isValid() ? utc.toUTC().toString(u"dd/MM/yyyy HH:mm"_s) + u" UTC"_s : u"?"_s;
}
