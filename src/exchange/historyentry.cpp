#include "exchange/historyentry.h"

using namespace Qt::StringLiterals;

QString verdictOf(const ExchangeRecord& r) {
    if (r.cancelled)
        return u"Cancelada"_s;
    if (r.status == 0)
        return u"Falha"_s;
    if (r.status >= 400)
        return u"Erro HTTP"_s;
    if (r.rejected)
        return u"Rejeitada"_s;
    return u"OK"_s;
}

QStringList allVerdicts() {
    return {u"OK"_s, u"Rejeitada"_s, u"Erro HTTP"_s, u"Cancelada"_s, u"Falha"_s};
}
