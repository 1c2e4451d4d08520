#include "simbodies.h"

#include "exchange/session.h"

#include <QString>
#include <QStringList>

namespace sim {

BodyKind bodyKindOf(const std::string& path) {
    const QStringList parts = QString::fromStdString(path).split(u'/');
    const QString api = parts.value(0).toLower();
    const QString service = parts.value(1).toLower();
    const QString both = api + u'/' + service;
    if (both == QString::fromLatin1(kConectaMiddlewarePath).toLower())
        return BodyKind::Session;
    // The non-fiscal printer services post the bare data value (an object, or a string).
    if (api == QLatin1String("timpressoranaofiscalapi") ||
        both == QLatin1String("tconexaoapi/testacomunicacao") ||
        both == QLatin1String("tnfelocalapi/consultaformaemissaocfe"))
        return BodyKind::Plain;
    // The public pending-message services of the fiscal reporting.
    if (api == QLatin1String("tpafapi") &&
        service.startsWith(QLatin1String("mensagempendenciaspublic")))
        return BodyKind::PlainPublic;
    return BodyKind::Envelope;
}

} // namespace sim
