// Decimal number reading shared by every program that takes a number from text.
#include "platform.h"

#include <cstdint>

namespace platform {

namespace {
bool isWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

DecimalReading readDecimal(const char* text) {
    DecimalReading reading;
    while (isWhiteSpace(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;

    // Accumulate the magnitude, stopping its growth just past the 32-bit range
    // so that any number of digits is read without overflow.
    const std::int64_t limit = negative ? INT64_C(2147483648) : INT64_C(2147483647);
    std::int64_t magnitude = 0;
    for (; isDigit(*text); ++text) {
        reading.hasDigits = true;
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit) {
            reading.outOfRange = true;
            magnitude = limit;
        }
    }
    reading.value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return reading;
}

}  // namespace platform
