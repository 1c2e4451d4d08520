#pragma once

#include "contracts/enumkit.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// One conversion and what it must give: a member's ordinal or the exact error message.
struct ConversionCase {
    const char* what;
    std::function<int()> convert;
    int expected;
    const char* error = nullptr;
};

inline void checkConversions(const std::vector<ConversionCase>& cases) {
    for (const auto& c : cases) {
        try {
            const int got = c.convert();
            EXPECT_EQ(c.error, nullptr) << c.what << " should raise";
            EXPECT_EQ(got, c.expected) << c.what;
        } catch (const EEnumeradorInvalido& e) {
            ASSERT_NE(c.error, nullptr) << c.what << " raised " << e.what();
            EXPECT_EQ(e.message(), QString::fromUtf8(c.error)) << c.what;
            EXPECT_EQ(e.className(), QStringLiteral("EEnumeradorInvalido"));
        }
    }
}
