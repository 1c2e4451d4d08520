#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// Base of every error the program raises. The message is what the user sees in the
// error box; className() names the kind of error, as the wrapped-error message shows it.
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    ~Exception() override = default;

    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }
    virtual QString className() const { return QStringLiteral("Exception"); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that cannot be converted to a number or a date-time.
class EConvertError : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("EConvertError"); }
};

// A file that cannot be opened, read or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("EFileError"); }
};

// A file that could not be written because the disk is full; the message names the file the
// user asked for.
class EDiskFull : public EFileError {
public:
    explicit EDiskFull(const QString& path)
        : EFileError(QStringLiteral("Sem espaço em disco ao gravar %1").arg(path)) {}
};

// The product's own error class.
class TQuorvaException : public Exception {
public:
    explicit TQuorvaException(const QString& message);
    // Wraps another error: the message, then "Tipo: " and the inner error's class name,
    // then "Mensagem: " and its message, on three lines.
    TQuorvaException(const QString& message, const Exception& inner);
    TQuorvaException(const QString& message, const std::exception& inner);
    QString className() const override { return QStringLiteral("TQuorvaException"); }
};

// "'%s' is not a valid integer value"
[[noreturn]] void raiseInvalidInteger(const QString& text);
// "'%s' is not a valid date and time"
[[noreturn]] void raiseInvalidDateTime(const QString& text);
