#include "test_files.h"
#include "version_report.h"

#include <gtest/gtest.h>

namespace {

const char shortReport[] =
    "pressGo Version 1.09\r\n"
    "\r\n"
    "pressGo        \r\n"
    "pressGo -c3    \r\n"
    "pressGo -p     \r\n"
    "pressGo -s-    \r\n"
    "pressGo -s- -w \r\n"
    "pressGo -V     \r\n"
    "pressGo -VC    \r\n";

const char commentedReport[] =
    "pressGo Version 1.09\r\n"
    "\r\n"
    "pressGo        # Decide according to pressGo.txt \r\n"
    "pressGo -c3    # diagonal \r\n"
    "pressGo -p     # PDF help \r\n"
    "pressGo -s-    # manual start \r\n"
    "pressGo -s- -w # Show where the cursor is. \r\n"
    "pressGo -V     # version \r\n"
    "pressGo -VC    # version with comments \r\n";

TEST(WriteVersionReport, WritesBothFormsByteForByteAndReplacesTheFile) {
    writeVersionReport(true);
    EXPECT_EQ(readBytes("version.txt"), commentedReport);
    writeVersionReport(false);
    EXPECT_EQ(readBytes("version.txt"), shortReport);
    writeVersionReport(false);
    EXPECT_EQ(readBytes("version.txt"), shortReport);
}

}  // namespace
