#include "tdmprincipal.h"

TdmPrincipal::TdmPrincipal(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("dmPrincipal"));
}
