#include "platform.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(LocalTime, GivesTheFieldsOfTheLocalClock) {
    std::time_t before = std::time(nullptr);
    platform::LocalTime now = platform::localTimeNow();
    std::time_t after = std::time(nullptr);

    std::tm fields{};
    fields.tm_year = now.year - 1900;
    fields.tm_mon = now.month - 1;
    fields.tm_mday = now.day;
    fields.tm_hour = now.hour;
    fields.tm_min = now.minute;
    fields.tm_sec = now.second;
    fields.tm_isdst = -1;
    std::time_t back = std::mktime(&fields);  // the local fields turned back into a calendar time
    EXPECT_GE(back, before);
    EXPECT_LE(back, after);
    EXPECT_GE(now.year, 2020);
}

}  // namespace
