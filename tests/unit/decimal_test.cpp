#include "platform.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct DecimalCase {
    const char* text;
    std::int32_t value;
    bool hasDigits;
    bool outOfRange;
};

TEST(ReadDecimal, FollowsTheSharedRule) {
    const DecimalCase cases[] = {
        {"42", 42, true, false},
        {"007", 7, true, false},
        {"+3", 3, true, false},
        {"-17x", -17, true, false},
        {"3x4", 3, true, false},
        {" \t\n\v\f\r 8", 8, true, false},
        {"", 0, false, false},
        {"abc", 0, false, false},
        {"-", 0, false, false},
        {"- 5", 0, false, false},  // no blank between sign and digits
        {"+-5", 0, false, false},
        {"2147483647", 2147483647, true, false},
        {"2147483648", 2147483647, true, true},
        {"-2147483648", INT32_MIN, true, false},
        {"-2147483649", INT32_MIN, true, true},
        {"99999999999999999999999999999", 2147483647, true, true},
        {"-99999999999999999999999999999", INT32_MIN, true, true},
        {"00000000000000000000000000012", 12, true, false},
    };
    for (const DecimalCase& c : cases) {
        platform::DecimalReading reading = platform::readDecimal(c.text);
        EXPECT_EQ(reading.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(reading.hasDigits, c.hasDigits) << '"' << c.text << '"';
        EXPECT_EQ(reading.outOfRange, c.outOfRange) << '"' << c.text << '"';
    }
}

}  // namespace
