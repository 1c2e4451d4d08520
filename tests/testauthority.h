#pragma once

// A certificate authority made at run time, and the certificates it issues, written as PEM (and
// PKCS#12) files in a folder: what the TLS tests run the stand-in and the client with.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/pkcs12.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <memory>
#include <stdexcept>

class TestAuthority {
public:
    struct Issued {
        QString certificate; // PEM
        QString key;         // PEM, unencrypted
        QByteArray der;      // the certificate's bytes
    };

    // A self-signed authority named commonName, written to folder/fileName.pem.
    TestAuthority(const QString& folder, const QString& fileName, const QString& commonName)
        : m_folder(folder), m_key(newKey()), m_certificate(X509_new()) {
        X509* x = m_certificate.get();
        fill(x, commonName, -1, 3650, m_key.get());
        X509_set_issuer_name(x, X509_get_subject_name(x));
        addExtension(x, x, NID_basic_constraints, "critical,CA:TRUE");
        addExtension(x, x, NID_key_usage, "critical,keyCertSign,cRLSign");
        addExtension(x, x, NID_subject_key_identifier, "hash");
        X509_sign(x, m_key.get(), EVP_sha256());
        m_file = path(fileName + QStringLiteral(".pem"));
        writePem(m_file, x);
    }

    const QString& certificateFile() const { return m_file; }

    // A certificate for the names (DNS names and IP addresses), valid from `fromDays` to
    // `untilDays` days from now, written to folder/fileName.pem with its key in fileName.key.
    Issued issue(const QString& fileName, const QString& commonName, const QStringList& names,
                 int fromDays = -1, int untilDays = 30) const {
        const std::unique_ptr<EVP_PKEY, KeyFree> key(newKey());
        const std::unique_ptr<X509, X509Free> x(X509_new());
        fill(x.get(), commonName, fromDays, untilDays, key.get());
        X509_set_issuer_name(x.get(), X509_get_subject_name(m_certificate.get()));
        addExtension(m_certificate.get(), x.get(), NID_basic_constraints, "CA:FALSE");
        if (!names.isEmpty()) {
            QStringList alternative;
            for (const QString& n : names)
                alternative << (n.front().isDigit() ? QStringLiteral("IP:")
                                                    : QStringLiteral("DNS:")) +
                                   n;
            addExtension(m_certificate.get(), x.get(), NID_subject_alt_name,
                         alternative.join(u',').toUtf8().constData());
        }
        X509_sign(x.get(), m_key.get(), EVP_sha256());
        Issued issued{path(fileName + QStringLiteral(".pem")),
                      path(fileName + QStringLiteral(".key")), der(x.get())};
        writePem(issued.certificate, x.get());
        const std::unique_ptr<BIO, BioFree> out(
            BIO_new_file(QFile::encodeName(issued.key).constData(), "w"));
        if (!out ||
            !PEM_write_bio_PrivateKey(out.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr))
            throw std::runtime_error("não foi possível gravar a chave");
        return issued;
    }

    // The certificate and its key in one PKCS#12 file, under the password.
    QString pkcs12(const Issued& issued, const QString& fileName, const QString& password) const {
        const std::unique_ptr<X509, X509Free> x(readCertificate(issued.certificate));
        const std::unique_ptr<BIO, BioFree> in(
            BIO_new_file(QFile::encodeName(issued.key).constData(), "r"));
        const std::unique_ptr<EVP_PKEY, KeyFree> key(
            PEM_read_bio_PrivateKey(in.get(), nullptr, nullptr, nullptr));
        const QByteArray secret = password.toUtf8();
        PKCS12* p = PKCS12_create(secret.constData(), "cliente", key.get(), x.get(), nullptr, 0, 0,
                                  0, 0, 0);
        const QString file = path(fileName);
        const std::unique_ptr<BIO, BioFree> out(
            BIO_new_file(QFile::encodeName(file).constData(), "wb"));
        const bool written = p && out && i2d_PKCS12_bio(out.get(), p) == 1;
        PKCS12_free(p);
        if (!written)
            throw std::runtime_error("não foi possível gravar o PKCS#12");
        return file;
    }

private:
    struct KeyFree {
        void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
    };
    struct X509Free {
        void operator()(X509* x) const { X509_free(x); }
    };
    struct BioFree {
        void operator()(BIO* b) const { BIO_free(b); }
    };

    static EVP_PKEY* newKey() {
        EVP_PKEY* key = EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256");
        if (!key)
            throw std::runtime_error("não foi possível gerar a chave");
        return key;
    }

    static void fill(X509* x, const QString& commonName, int fromDays, int untilDays,
                     EVP_PKEY* key) {
        static long serial = 1;
        X509_set_version(x, 2);
        ASN1_INTEGER_set(X509_get_serialNumber(x), serial++);
        X509_gmtime_adj(X509_getm_notBefore(x), long(fromDays) * 86400);
        X509_gmtime_adj(X509_getm_notAfter(x), long(untilDays) * 86400);
        X509_set_pubkey(x, key);
        const QByteArray cn = commonName.toUtf8();
        X509_NAME_add_entry_by_txt(X509_get_subject_name(x), "CN", MBSTRING_UTF8,
                                   reinterpret_cast<const unsigned char*>(cn.constData()), -1, -1,
                                   0);
    }

    static void addExtension(X509* issuer, X509* x, int nid, const char* value) {
        X509V3_CTX context;
        X509V3_set_ctx(&context, issuer, x, nullptr, nullptr, 0);
        X509_EXTENSION* e = X509V3_EXT_conf_nid(nullptr, &context, nid, value);
        if (!e)
            throw std::runtime_error("extensão recusada");
        X509_add_ext(x, e, -1);
        X509_EXTENSION_free(e);
    }

    static QByteArray der(const X509* x) {
        QByteArray bytes(i2d_X509(x, nullptr), Qt::Uninitialized);
        auto* out = reinterpret_cast<unsigned char*>(bytes.data());
        i2d_X509(x, &out);
        return bytes;
    }

    static void writePem(const QString& file, X509* x) {
        const std::unique_ptr<BIO, BioFree> out(
            BIO_new_file(QFile::encodeName(file).constData(), "w"));
        if (!out || !PEM_write_bio_X509(out.get(), x))
            throw std::runtime_error("não foi possível gravar o certificado");
    }

    static X509* readCertificate(const QString& file) {
        const std::unique_ptr<BIO, BioFree> in(
            BIO_new_file(QFile::encodeName(file).constData(), "r"));
        return PEM_read_bio_X509(in.get(), nullptr, nullptr, nullptr);
    }

    QString path(const QString& name) const { return m_folder + u'/' + name; }

    QString m_folder;
    std::unique_ptr<EVP_PKEY, KeyFree> m_key;
    std::unique_ptr<X509, X509Free> m_certificate;
    QString m_file;
};
