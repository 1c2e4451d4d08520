#pragma once

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

// The program's fixed regional settings: date "dd/mm/yyyy", time "hh:nn:ss", decimal
// separator ",", thousands separator ".". Every conversion between text and dates or
// numbers goes through here (the JSON text itself always uses ".").
namespace regional {

inline constexpr QChar kDateSeparator = u'/';
inline constexpr QChar kTimeSeparator = u':';
inline constexpr QChar kDecimalSeparator = u',';
inline constexpr QChar kThousandSeparator = u'.';

// Date-times are naive wall-clock values (no time zone). The zero date-time, 30/12/1899 at
// midnight, stands for "no date".
QDateTime zeroDateTime();
bool isZero(const QDateTime& value);
QDateTime makeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                       int msec = 0);
QDateTime now();

// Short date, a blank and the long time; the time is left out at exactly midnight.
QString dateTimeToStr(const QDateTime& value);
// A date, optionally followed by a blank and a time; raises the date-time conversion error.
QDateTime strToDateTime(const QString& text);
std::optional<QDateTime> tryStrToDateTime(const QString& text);
// Writes with a format of the letters D, M, Y, H, N, S, Z (case-insensitive), e.g. "DD/MM/YYYY
// HH:NN:SS".
QString formatDateTime(const QString& format, const QDateTime& value);

// Decimal integers: leading blanks skipped, optional sign, "$" or "0x" for hexadecimal;
// anything else (trailing blanks too) raises "'%s' is not a valid integer value".
int32_t strToInt(const QString& text);
int64_t strToInt64(const QString& text);
std::optional<int32_t> tryStrToInt(const QString& text);
std::optional<int64_t> tryStrToInt64(const QString& text);
int32_t strToIntDef(const QString& text, int32_t defaultValue);

// Decimal numbers written with "," (no thousands separator when reading).
double strToFloat(const QString& text);
std::optional<double> tryStrToFloat(const QString& text);
QString floatToStr(double value);

// A decimal number with four fixed decimal places.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromScaled(int64_t scaled) {
        Currency c;
        c.m_scaled = scaled;
        return c;
    }
    // Rounded to four decimal places, ties to even.
    static Currency fromDouble(double value);
    // Text with "," as decimal separator; raises "'%s' is not a valid floating point value".
    static Currency fromText(const QString& text);
    static std::optional<Currency> tryFromText(const QString& text);

    constexpr int64_t scaled() const { return m_scaled; }
    double toDouble() const { return static_cast<double>(m_scaled) / 10000.0; }
    // Shortest form with "." (for JSON): 12.5, 7, -0.0001.
    QString toJsonText() const;
    // Shortest form with the regional decimal separator: 12,5.
    QString toString() const;

    friend constexpr bool operator==(Currency a, Currency b) { return a.m_scaled == b.m_scaled; }

private:
    int64_t m_scaled = 0;
};

// Number text in the general format with up to 15 significant digits and "." as decimal
// separator; exponent (letter E) only for very large or very small values.
QString formatGeneral15(double value);

} // namespace regional
