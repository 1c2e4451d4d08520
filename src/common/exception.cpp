#include "common/exception.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

Exception::Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

TQuorvaException::TQuorvaException(const QString& message) : Exception(message) {}

namespace {
QString wrapped(const QString& message, const QString& innerClass, const QString& innerMessage) {
    return message + QStringLiteral("\r\nTipo: ") + innerClass + QStringLiteral("\r\nMensagem: ") +
           innerMessage;
}

QString demangledName(const std::type_info& type) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
    return QString::fromLatin1(status == 0 && name ? name.get() : type.name());
}
} // namespace

TQuorvaException::TQuorvaException(const QString& message, const Exception& inner)
    : Exception(wrapped(message, inner.className(), inner.message())) {}

TQuorvaException::TQuorvaException(const QString& message, const std::exception& inner)
    : Exception(wrapped(message, demangledName(typeid(inner)), QString::fromUtf8(inner.what()))) {}

void raiseInvalidInteger(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

void raiseInvalidDateTime(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(text));
}
