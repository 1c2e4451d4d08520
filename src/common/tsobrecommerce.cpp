#include "common/tsobrecommerce.h"

#include "common/regional.h"
#include "common/texthelpers.h"

TSobreCommerce::TSobreCommerce()
    : m_sistemaVersao(regional::formatGeneral15(6) + u'G'),
      m_bancoVersao(Str2Int(QStringLiteral("237"))), m_preparacaoMinima(230004) {}

TSobreCommerce& TSobreCommerce::GetInstance() {
    static TSobreCommerce instance;
    return instance;
}
