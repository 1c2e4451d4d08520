#include "common/exception.h"
#include "common/regional.h"
#include "common/texthelpers.h"

#include <gtest/gtest.h>

#include <limits>

#include <cmath>

using namespace regional;

TEST(Regional, ReadsDatesWithOptionalTime) {
    const struct {
        const char* text;
        std::optional<QDateTime> expected;
    } cases[] = {
        {"25/03/2024 14:07:09", makeDateTime(2024, 3, 25, 14, 7, 9)},
        {"31/12/2024", makeDateTime(2024, 12, 31)},
        {" 1/2/2024 8:05 ", makeDateTime(2024, 2, 1, 8, 5)},
        {"29/02/2023", std::nullopt},
        {"2024-03-25", std::nullopt},
        {"25/03/2024 25:00:00", std::nullopt},
        {"25/03/2024x", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tryStrToDateTime(QString::fromUtf8(c.text)), c.expected) << c.text;
    try {
        strToDateTime(QStringLiteral("amanhã"));
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'amanhã' is not a valid date and time"));
    }
}

TEST(Regional, WritesDateTimeLeavingOutMidnight) {
    EXPECT_EQ(dateTimeToStr(makeDateTime(2024, 3, 25, 14, 7, 9)),
              QStringLiteral("25/03/2024 14:07:09"));
    EXPECT_EQ(dateTimeToStr(makeDateTime(2024, 3, 25)), QStringLiteral("25/03/2024"));
    EXPECT_EQ(dateTimeToStr(makeDateTime(2024, 3, 25, 0, 0, 1)),
              QStringLiteral("25/03/2024 00:00:01"));
}

TEST(Regional, IntegerConversions) {
    const struct {
        const char* text;
        std::optional<int32_t> expected;
    } cases[] = {
        {"42", 42},
        {" 5", 5},
        {"5 ", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"$1F", 31},
        {"0x10", 16},
        {"+7", 7},
        {"", std::nullopt},
        {"1.5", std::nullopt},
        {"abc", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tryStrToInt(QString::fromUtf8(c.text)), c.expected) << c.text;
    EXPECT_EQ(Str2IntDef(QString(), 5), 5);
    try {
        Str2Int(QStringLiteral("5 "));
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'5 ' is not a valid integer value"));
    }
}

TEST(Regional, DecimalsUseCommaAndCurrencyHasFourPlaces) {
    EXPECT_DOUBLE_EQ(strToFloat(QStringLiteral("10,50")), 10.5);
    EXPECT_FALSE(tryStrToFloat(QStringLiteral("10.50")));
    EXPECT_EQ(floatToStr(1234.5), QStringLiteral("1234,5"));
    EXPECT_EQ(Currency::fromText(QStringLiteral("12,34567")).scaled(), 123457);
    EXPECT_EQ(Currency::fromScaled(-5).toJsonText(), QStringLiteral("-0.0005"));
    EXPECT_EQ(Currency::fromScaled(70000).toString(), QStringLiteral("7"));
    EXPECT_EQ(Currency::fromScaled(123450).toString(), QStringLiteral("12,345"));
}

// A currency holds 64 bits of ten-thousandths: a value beyond that, or not a number at all, is
// a conversion error, never a wrapped-around amount.
TEST(Regional, CurrencyOutOfRangeIsAConversionError) {
    EXPECT_EQ(Currency::fromDouble(900000000000000.0).scaled(), 9000000000000000000LL);
    EXPECT_EQ(Currency::fromDouble(-900000000000000.0).scaled(), -9000000000000000000LL);
    for (const double v : {1e15, -1e15, 922337203685477.875, 1e300, std::nan(""), HUGE_VAL}) {
        try {
            Currency::fromDouble(v);
            ADD_FAILURE() << v;
        } catch (const EConvertError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("fora do intervalo"))) << v;
        }
    }
    EXPECT_FALSE(Currency::tryFromText(QStringLiteral("922337203685477,875")));
    EXPECT_FALSE(Currency::tryFromText(QStringLiteral("1E15")));
    // The ends the message names are amounts, counted exactly.
    EXPECT_EQ(Currency::fromText(QStringLiteral("922337203685477,5807")).scaled(),
              std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Currency::fromText(QStringLiteral("-922337203685477,5808")).scaled(),
              std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Currency::fromText(QStringLiteral("922337203685477,58069")).scaled(),
              std::numeric_limits<int64_t>::max());
    EXPECT_FALSE(Currency::tryFromText(QStringLiteral("922337203685477,5808")));
    EXPECT_FALSE(Currency::tryFromText(QStringLiteral("922337203685477,58075")));
}

TEST(Regional, GeneralNumberFormat) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-1.5, "-1.5"},
        {100, "100"},
        {1e14, "100000000000000"},
        {1e15, "1E15"},
        {0.0001, "0.0001"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {1.0 / 3, "0.333333333333333"},
        {-2.5e-10, "-2.5E-10"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral15(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(TextHelpers, LettersAndDigitsAndPadding) {
    EXPECT_EQ(LetrasENumeros(QString::fromUtf8("{\"Água\":1.5E3,\"ç\":true}")),
              QStringLiteral("gua15E3true"));
    EXPECT_EQ(LPad(QStringLiteral(" 7 "), u' ', 3), QStringLiteral("  7"));
    EXPECT_EQ(LPad(QStringLiteral("12345"), u'0', 3), QStringLiteral("12345"));
    EXPECT_EQ(TrazSomenteNumeros(QStringLiteral("11.222.333/0001-81")),
              QStringLiteral("11222333000181"));
}

TEST(TextHelpers, ControlsMadeVisible) {
    const struct {
        QByteArray in;
        bool keepLineBreaks;
        const char* out;
    } cases[] = {
        {"a\nb\tc", true, "a\nb\tc"},
        {"a\nb\tc", false, "a\\x0Ab\\x09c"},
        {"\x1b[31mred\r\x7f", true, "\\x1B[31mred\\x0D\\x7F"},
        {"ação \xc2\x85 \xff\xc3", true, "ação \\u0085 \\xFF\\xC3"},
        {"\xed\xa0\x80 \xc0\xaf", true, "\\xED\\xA0\\x80 \\xC0\\xAF"}, // surrogate, overlong
    };
    for (const auto& c : cases)
        EXPECT_EQ(escapeControls(c.in, c.keepLineBreaks), QByteArray(c.out)) << c.out;
}
