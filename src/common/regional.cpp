#include "common/regional.h"

#include "common/exception.h"

#include <QTimeZone>

#include <cmath>
#include <cstdio>
#include <limits>

namespace regional {

namespace {

const QTimeZone& naiveZone() {
    static const QTimeZone utc = QTimeZone::utc();
    return utc;
}

// Reads an unsigned run of decimal digits starting at pos.
std::optional<int> readDigits(const QString& s, qsizetype& pos, int maxDigits) {
    int value = 0;
    int count = 0;
    while (pos < s.size() && count < maxDigits && s[pos].isDigit() && s[pos].unicode() < 128) {
        value = value * 10 + (s[pos].unicode() - '0');
        ++pos;
        ++count;
    }
    if (count == 0)
        return std::nullopt;
    return value;
}

template <typename T> std::optional<T> parseInteger(const QString& text) {
    qsizetype pos = 0;
    while (pos < text.size() && text[pos] == u' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    int base = 10;
    if (pos < text.size() && text[pos] == u'$') {
        base = 16;
        ++pos;
    } else if (pos + 1 < text.size() && text[pos] == u'0' &&
               (text[pos + 1] == u'x' || text[pos + 1] == u'X')) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size())
        return std::nullopt;
    // Accumulate as a negative number so that the minimum value fits.
    using U = std::make_unsigned_t<T>;
    const U limit =
        negative ? U(std::numeric_limits<T>::max()) + 1 : U(std::numeric_limits<T>::max());
    U value = 0;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos].unicode();
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        if (value > (limit - U(digit)) / U(base))
            return std::nullopt;
        value = value * U(base) + U(digit);
    }
    if (negative)
        return value == U(std::numeric_limits<T>::max()) + 1 ? std::numeric_limits<T>::min()
                                                             : -T(value);
    return T(value);
}

} // namespace

QDateTime zeroDateTime() {
    return makeDateTime(1899, 12, 30);
}

bool isZero(const QDateTime& value) {
    return value == zeroDateTime();
}

QDateTime makeDateTime(int year, int month, int day, int hour, int minute, int second, int msec) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, msec), naiveZone());
}

QDateTime now() {
    const QDateTime local = QDateTime::currentDateTime();
    return QDateTime(local.date(), local.time(), naiveZone());
}

QString dateTimeToStr(const QDateTime& value) {
    const QString date = formatDateTime(QStringLiteral("dd/mm/yyyy"), value);
    if (value.time() == QTime(0, 0))
        return date;
    return date + u' ' + formatDateTime(QStringLiteral("hh:nn:ss"), value);
}

std::optional<QDateTime> tryStrToDateTime(const QString& input) {
    const QString text = input.trimmed();
    qsizetype pos = 0;
    const auto day = readDigits(text, pos, 2);
    if (!day || pos >= text.size() || text[pos] != kDateSeparator)
        return std::nullopt;
    ++pos;
    const auto month = readDigits(text, pos, 2);
    if (!month)
        return std::nullopt;
    int year = now().date().year();
    if (pos < text.size() && text[pos] == kDateSeparator) {
        ++pos;
        const qsizetype start = pos;
        const auto y = readDigits(text, pos, 4);
        if (!y)
            return std::nullopt;
        year = *y;
        if (pos - start <= 2)
            year += *y < 50 ? 2000 : 1900;
    }
    int hour = 0, minute = 0, second = 0, msec = 0;
    if (pos < text.size()) {
        if (text[pos] != u' ')
            return std::nullopt;
        while (pos < text.size() && text[pos] == u' ')
            ++pos;
        const auto h = readDigits(text, pos, 2);
        if (!h)
            return std::nullopt;
        hour = *h;
        if (pos < text.size() && text[pos] == kTimeSeparator) {
            ++pos;
            const auto n = readDigits(text, pos, 2);
            if (!n)
                return std::nullopt;
            minute = *n;
            if (pos < text.size() && text[pos] == kTimeSeparator) {
                ++pos;
                const auto s = readDigits(text, pos, 2);
                if (!s)
                    return std::nullopt;
                second = *s;
                if (pos < text.size() && text[pos] == u'.') {
                    ++pos;
                    const auto z = readDigits(text, pos, 3);
                    if (!z)
                        return std::nullopt;
                    msec = *z;
                }
            }
        }
        if (pos != text.size())
            return std::nullopt;
    }
    const QDate date(year, *month, *day);
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    return QDateTime(date, QTime(hour, minute, second, msec), naiveZone());
}

QDateTime strToDateTime(const QString& text) {
    if (auto value = tryStrToDateTime(text))
        return *value;
    raiseInvalidDateTime(text);
}

QString formatDateTime(const QString& format, const QDateTime& value) {
    const QDate d = value.date();
    const QTime t = value.time();
    QString out;
    out.reserve(format.size() + 4);
    qsizetype i = 0;
    while (i < format.size()) {
        const QChar c = format[i].toUpper();
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run].toUpper() == c)
            ++run;
        auto put = [&](int number, int width) {
            out += QString::number(number).rightJustified(width, u'0');
        };
        switch (c.unicode()) {
        case 'D':
            put(d.day(), run >= 2 ? 2 : 1);
            break;
        case 'M':
            put(d.month(), run >= 2 ? 2 : 1);
            break;
        case 'Y':
            if (run <= 2)
                put(d.year() % 100, 2);
            else
                put(d.year(), 4);
            break;
        case 'H':
            put(t.hour(), run >= 2 ? 2 : 1);
            break;
        case 'N':
            put(t.minute(), run >= 2 ? 2 : 1);
            break;
        case 'S':
            put(t.second(), run >= 2 ? 2 : 1);
            break;
        case 'Z':
            put(t.msec(), run >= 3 ? 3 : 1);
            break;
        case '/':
            out += QString(run, kDateSeparator);
            break;
        case ':':
            out += QString(run, kTimeSeparator);
            break;
        default:
            out += format.mid(i, run);
            break;
        }
        i += run;
    }
    return out;
}

std::optional<int32_t> tryStrToInt(const QString& text) {
    return parseInteger<int32_t>(text);
}
std::optional<int64_t> tryStrToInt64(const QString& text) {
    return parseInteger<int64_t>(text);
}

int32_t strToInt(const QString& text) {
    if (auto v = tryStrToInt(text))
        return *v;
    raiseInvalidInteger(text);
}

int64_t strToInt64(const QString& text) {
    if (auto v = tryStrToInt64(text))
        return *v;
    raiseInvalidInteger(text);
}

int32_t strToIntDef(const QString& text, int32_t defaultValue) {
    return tryStrToInt(text).value_or(defaultValue);
}

std::optional<double> tryStrToFloat(const QString& input) {
    const QString text = input.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    // Only digits, one sign, one regional decimal separator and an exponent are accepted.
    QByteArray ascii;
    ascii.reserve(text.size());
    for (const QChar c : text) {
        if (c == kDecimalSeparator)
            ascii += '.';
        else if (c.unicode() < 128 &&
                 (c.isDigit() || c == u'+' || c == u'-' || c == u'e' || c == u'E'))
            ascii += char(c.unicode());
        else
            return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(ascii.constData(), &end);
    if (end != ascii.constData() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double strToFloat(const QString& text) {
    if (auto v = tryStrToFloat(text))
        return *v;
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

QString floatToStr(double value) {
    QString s = formatGeneral15(value);
    s.replace(u'.', kDecimalSeparator);
    return s;
}

QString formatGeneral15(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    // 15 significant digits, then decide between fixed and scientific notation.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    QByteArray sci(buf);
    const qsizetype ePos = sci.indexOf('e');
    const int exponent = sci.mid(ePos + 1).toInt();
    QByteArray mantissa = sci.left(ePos);
    const bool negative = mantissa.startsWith('-');
    if (negative)
        mantissa.remove(0, 1);
    QByteArray digits = mantissa.left(1) + mantissa.mid(2);
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    QByteArray out;
    if (exponent >= 15 || exponent < -5) {
        out = digits.left(1);
        if (digits.size() > 1)
            out += '.' + digits.mid(1);
        out += 'E' + QByteArray::number(exponent);
    } else if (exponent < 0) {
        out = "0." + QByteArray(-exponent - 1, '0') + digits;
    } else {
        if (digits.size() <= exponent + 1)
            out = digits + QByteArray(exponent + 1 - digits.size(), '0');
        else
            out = digits.left(exponent + 1) + '.' + digits.mid(exponent + 1);
    }
    if (negative)
        out.prepend('-');
    return QString::fromLatin1(out);
}

namespace {
// The ten-thousandths of the value, when they fit in 64 bits (2^63 is exactly representable,
// so the comparison is exact).
std::optional<int64_t> scaledCurrency(double value) {
    const double scaled = std::nearbyint(value * 10000.0);
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (!(scaled >= -kLimit && scaled < kLimit))     // NaN fails both
        return std::nullopt;
    return static_cast<int64_t>(scaled);
}

// The ten-thousandths of a plain decimal text ("-922337203685477,5807"), counted exactly, for
// the amounts near the ends of the range that a double cannot tell apart; further decimals are
// rounded half to even, as the double's rounding does.
std::optional<int64_t> exactScaledCurrency(const QString& input) {
    const QString text = input.trimmed();
    qsizetype i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    __int128 scaled = 0;
    int decimals = -1; // digits read after the separator; -1 before it
    bool anyDigit = false;
    int firstDropped = -1;
    bool restDropped = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == kDecimalSeparator && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c.unicode() > 127 || !c.isDigit())
            return std::nullopt;
        anyDigit = true;
        const int digit = c.unicode() - u'0';
        if (decimals >= 4) {
            if (firstDropped < 0)
                firstDropped = digit;
            else
                restDropped = restDropped || digit != 0;
            continue;
        }
        scaled = scaled * 10 + digit;
        if (decimals >= 0)
            ++decimals;
        if (scaled > (__int128(1) << 70))
            return std::nullopt;
    }
    if (!anyDigit)
        return std::nullopt;
    for (int d = std::max(decimals, 0); d < 4; ++d)
        scaled *= 10;
    if (firstDropped > 5 || (firstDropped == 5 && (restDropped || scaled % 2 != 0)))
        ++scaled;
    if (negative)
        scaled = -scaled;
    if (scaled < -(__int128(1) << 63) || scaled >= (__int128(1) << 63))
        return std::nullopt;
    return int64_t(scaled);
}
} // namespace

Currency Currency::fromDouble(double value) {
    if (const auto scaled = scaledCurrency(value))
        return fromScaled(*scaled);
    throw EConvertError(QStringLiteral("Valor fora do intervalo de moeda (-922337203685477,5808 a "
                                       "922337203685477,5807): %1")
                            .arg(floatToStr(value)));
}

std::optional<Currency> Currency::tryFromText(const QString& text) {
    const auto v = tryStrToFloat(text);
    if (!v)
        return std::nullopt;
    if (const auto scaled = scaledCurrency(*v))
        return fromScaled(*scaled);
    if (const auto scaled = exactScaledCurrency(text))
        return fromScaled(*scaled);
    return std::nullopt;
}

Currency Currency::fromText(const QString& text) {
    if (auto c = tryFromText(text))
        return *c;
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

QString Currency::toJsonText() const {
    const bool negative = m_scaled < 0;
    const uint64_t magnitude = negative ? uint64_t(0) - uint64_t(m_scaled) : uint64_t(m_scaled);
    QString s = QString::number(magnitude / 10000);
    QString frac = QString::number(magnitude % 10000).rightJustified(4, u'0');
    while (frac.endsWith(u'0'))
        frac.chop(1);
    if (!frac.isEmpty())
        s += u'.' + frac;
    return negative ? u'-' + s : s;
}

QString Currency::toString() const {
    QString s = toJsonText();
    s.replace(u'.', kDecimalSeparator);
    return s;
}

} // namespace regional
