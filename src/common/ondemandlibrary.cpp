#include "common/ondemandlibrary.h"

#include "common/exception.h"

using namespace Qt::StringLiterals;

OnDemandLibrary::OnDemandLibrary(const char* name, int version, const char* purpose)
    : m_library(QString::fromLatin1(name), version), m_purpose(QString::fromUtf8(purpose)) {}

QFunctionPointer OnDemandLibrary::resolve(const char* symbol) {
    if (!m_library.isLoaded() && !m_library.load())
        throw Exception(u"Não foi possível carregar a biblioteca %1, %2: %3"_s.arg(
            m_library.fileName(), m_purpose, m_library.errorString()));
    if (const QFunctionPointer f = m_library.resolve(symbol))
        return f;
    throw Exception(u"A biblioteca %1 instalada não tem a função %2: %3"_s.arg(
        m_library.fileName(), QString::fromLatin1(symbol), m_library.errorString()));
}
