#include "exchange/failurehints.h"

#include <QUrl>

using namespace Qt::StringLiterals;

QString serverAddress(const QString& url) {
    const QUrl u(url);
    if (!u.isValid() || u.host().isEmpty())
        return url;
    return u
        .adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment |
                  QUrl::RemoveUserInfo)
        .toString();
}

QString failureHint(int socketCode, int httpStatus, const QString& url, int timeoutSeconds) {
    constexpr int kRefused = 10061;
    constexpr int kTimedOut = 10060;
    if (socketCode == kRefused)
        return u"Nenhum middleware respondeu em %1. Ele está em execução? O endereço e a porta "
               u"estão certos?"_s.arg(serverAddress(url));
    if (socketCode == kTimedOut && timeoutSeconds > 0)
        return u"O middleware não respondeu em %1 s."_s.arg(timeoutSeconds);
    // Every service lives under /datasnap/rest/: a whole service not found usually means the
    // address lacks it.
    if (httpStatus == 404 && !QUrl(url).path().contains(u"/datasnap/rest/"_s))
        return u"O endereço termina em /datasnap/rest/?"_s;
    return {};
}
