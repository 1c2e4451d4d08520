#include "exchange/evidence.h"

#include "common/exception.h"
#include "common/filesave.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <zip.h>

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString sha256(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QByteArray fileBytes(const QString& path, QString* error = nullptr) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = f.errorString();
        return {};
    }
    return f.readAll();
}

struct ZipDiscard {
    void operator()(zip_t* z) const { zip_discard(z); }
};

void addEntry(zip_t* archive, const QString& name, const QByteArray& bytes) {
    // The archive keeps its own copy until it is written.
    void* copy = std::malloc(std::size_t(qMax<qsizetype>(bytes.size(), 1)));
    if (!copy)
        throw EFileError(u"Memória insuficiente para a evidência"_s);
    std::memcpy(copy, bytes.constData(), std::size_t(bytes.size()));
    zip_source_t* source = zip_source_buffer(archive, copy, zip_uint64_t(bytes.size()), 1);
    if (!source) {
        std::free(copy);
        throw EFileError(u"Não foi possível montar a evidência: %1"_s.arg(
            QString::fromUtf8(zip_strerror(archive))));
    }
    if (zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        throw EFileError(u"Não foi possível montar a evidência: %1"_s.arg(
            QString::fromUtf8(zip_strerror(archive))));
    }
}

} // namespace

QByteArray redactPasswords(const QByteArray& json) {
    // A member name holding "senha" or "password", then its string value; the second form is
    // the same inside JSON text carried as a string, where every quote and backslash of the
    // inner text is escaped once more. Inside that inner string a character is a plain one, an
    // escape of the outer text other than \\ and \" (a line break, \u00E7), or an escape of
    // the inner text: an escaped backslash followed by the character it escapes. Blanks between
    // the inner name and value may be escaped line breaks or tabs.
    static const QRegularExpression plain(
        uR"re(("[^"\\]*(?:senha|password)[^"\\]*"\s*:\s*")(?:[^"\\]|\\.)*")re"_s,
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression nested(
        uR"re((\\"[^"\\]*(?:senha|password)[^"\\]*\\"(?:\s|\\[nrt])*:(?:\s|\\[nrt])*\\"))re"
        uR"re((?:[^"\\]|\\[^"\\]|\\\\(?:\\"|\\\\|[^"\\]|\\[^"\\]))*\\")re"_s,
        QRegularExpression::CaseInsensitiveOption);
    QString text = QString::fromUtf8(json);
    text.replace(plain, u"\\1***\""_s);
    text.replace(nested, u"\\1***\\\""_s);
    return text.toUtf8();
}

QString evidenceSummary(const Evidence& e) {
    QStringList lines;
    const auto line = [&](const QString& label, const QString& value) {
        lines << label.leftJustified(22, u' ') + value;
    };
    lines << u"Evidência de uma troca com o middleware"_s << QString();
    line(u"Página:"_s, e.page);
    line(u"Serviço:"_s, e.servicePath);
    line(u"Quando:"_s, e.started.toString(u"dd/MM/yyyy HH:mm:ss.zzz t"_s));
    line(u"Requisição:"_s, e.method + u' ' + e.url);
    if (e.tls.insecure)
        line(u"ATENÇÃO:"_s, QString::fromUtf8(kInsecureMark));
    if (!e.tlsSession.version.isEmpty())
        line(u"TLS:"_s, e.tlsSession.version);
    if (const TlsCertificate& c = e.tlsSession.server; !c.isNull()) {
        line(u"Certificado servidor:"_s, c.subject);
        line(u"Emitido por:"_s, c.issuer);
        line(u"Válido até:"_s, tlsDateText(c.notAfter));
        line(u"SHA-256 certificado:"_s, c.sha256);
    }
    if (!e.tls.authorityFile.isEmpty())
        line(u"Autoridade (CA):"_s, e.tls.authorityFile);
    if (!e.tls.clientCertificate.isEmpty())
        line(u"Certificado cliente:"_s, e.tls.clientCertificate);
    line(u"Código da empresa:"_s,
         e.companyCode.isEmpty() ? u"(sem autenticação)"_s : e.companyCode);
    if (!e.user.isEmpty())
        line(u"Usuário HTTP:"_s, e.user + u" (senha não registrada)"_s);
    line(u"Status:"_s, e.status ? e.statusLine.trimmed() : u"nenhuma resposta"_s);
    if (!e.failure.isEmpty())
        line(u"Falha:"_s, e.failure);
    line(u"Duração:"_s, u"%1 ms"_s.arg(e.elapsedMs, 0, 'f', 1));
    line(u"Versão do programa:"_s, e.programVersion);
    lines << QString();
    lines << u"Conteúdo"_s;
    const auto entry = [&](const QString& name, const QByteArray& bytes) {
        lines << u"  "_s + name + u" (%1 bytes)"_s.arg(bytes.size())
              << u"    SHA-256 "_s + sha256(bytes);
    };
    entry(u"requisição (enviada)"_s, e.request);
    entry(u"resposta"_s, e.answer);
    for (const Evidence::File& f : e.files) {
        QString error;
        const QByteArray bytes = fileBytes(f.path, &error);
        if (!error.isEmpty())
            lines << u"  arquivos/"_s + f.name + u": não foi possível ler ("_s + error + u')';
        else
            entry(u"arquivos/"_s + f.name, bytes);
    }
    lines << QString() << u"requisicao.txt traz a requisição com as senhas trocadas por ***;"_s
          << u"o SHA-256 acima é o da requisição como foi enviada."_s
          << u"A chave da empresa nunca é registrada."_s;
    return lines.join(u'\n') + u'\n';
}

void writeEvidence(const Evidence& e, const QString& zipPath) {
    // Written aside and moved into place, so that a failure leaves no half archive.
    const QString partial = zipPath + u".parcial"_s;
    QFile::remove(partial);
    int error = 0;
    std::unique_ptr<zip_t, ZipDiscard> archive(
        zip_open(QFile::encodeName(partial).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error));
    if (!archive)
        throw EFileError(u"Não foi possível gravar \"%1\""_s.arg(zipPath));
    addEntry(archive.get(), u"resumo.txt"_s, evidenceSummary(e).toUtf8());
    addEntry(archive.get(), u"requisicao.txt"_s, redactPasswords(e.request));
    addEntry(archive.get(), u"resposta.txt"_s, e.answer);
    for (const Evidence::File& f : e.files) {
        QString readError;
        const QByteArray bytes = fileBytes(f.path, &readError);
        if (readError.isEmpty())
            addEntry(archive.get(), u"arquivos/"_s + f.name, bytes);
    }
    if (zip_close(archive.get()) < 0) {
        const QString why = QString::fromUtf8(zip_strerror(archive.get()));
        QFile::remove(partial);
        throw EFileError(u"Não foi possível gravar \"%1\": %2"_s.arg(zipPath, why));
    }
    archive.release(); // closed
    placeFile(partial, zipPath);
}
