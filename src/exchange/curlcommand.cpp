#include "exchange/curlcommand.h"

#include "exchange/httpclient.h"

#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

QString shellQuoted(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\'', u"'\\''"_s);
    return u'\'' + quoted + u'\'';
}

bool curlBodyFitsInline(const QByteArray& body) {
    return body.size() <= kCurlInlineBodyLimit &&
           std::all_of(body.begin(), body.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

namespace {

// The TLS options of an HTTPS request, as the client sets them.
QStringList tlsOptions(const ReplayRequest& r) {
    if (!r.url.trimmed().startsWith(u"https://"_s, Qt::CaseInsensitive))
        return {};
    const TlsSettings& t = r.tls;
    QStringList options{u"--http1.1"_s};
    if (!t.authorityFile.isEmpty())
        options << u"--cacert"_s << shellQuoted(t.authorityFile);
    if (!t.clientCertificate.isEmpty()) {
        // curl reads a colon in --cert as the start of the password.
        const QString file = shellQuoted(QString(t.clientCertificate).replace(u':', u"\\:"_s));
        if (t.clientIsPkcs12())
            options << u"--cert-type"_s << u"P12"_s << u"--cert"_s
                    << file + u":\"$"_s + QString::fromLatin1(kClientPasswordVariable) + u'"';
        else
            options << u"--cert"_s << file;
    }
    if (!t.clientKey.isEmpty())
        options << u"--key"_s << shellQuoted(t.clientKey);
    return options;
}

} // namespace

QString curlCommand(const ReplayRequest& r, const QString& bodyFile) {
    const bool hasBody = r.method != u"GET"_s;
    QStringList parts{u"curl"_s};
    const bool https = r.url.trimmed().startsWith(u"https://"_s, Qt::CaseInsensitive);
    if (https && r.tls.insecure)
        parts << u"-k"_s; // first, where it is seen
    parts << u"--silent"_s << u"--show-error"_s << u"--noproxy"_s << u"'*'"_s << tlsOptions(r);
    if (r.method != u"GET"_s && r.method != u"POST"_s)
        parts << u"--request"_s << shellQuoted(r.method);
    if (r.user)
        parts << u"--basic"_s << u"--user"_s << shellQuoted(*r.user + u':' + r.password);
    // The headers the middleware client sends beside curl's own.
    const QByteArray contentType =
        r.contentType.isEmpty() ? QByteArray(MiddlewareHttpClient::kContentType) : r.contentType;
    parts << u"--header"_s << shellQuoted(u"Content-Type: "_s + QString::fromLatin1(contentType))
          << u"--header"_s << shellQuoted(u"Expect:"_s);
    if (hasBody) {
        parts << u"--data-binary"_s
              << (bodyFile.isEmpty() ? u"@-"_s : shellQuoted(u'@' + bodyFile));
    }
    parts << shellQuoted(r.url);
    const QString command = parts.join(u' ');
    if (!hasBody || !bodyFile.isEmpty())
        return command;
    // printf '%s' writes the body exactly, without a line break after it.
    return u"printf '%s' "_s + shellQuoted(QString::fromLatin1(r.body)) + u" | "_s + command;
}
