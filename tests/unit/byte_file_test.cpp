#include "platform.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace {

TEST(ByteFile, CopiesEveryByteUntranslated) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    bytes += "\r\n\n\r\x1A\r";

    platform::ByteFile out;
    ASSERT_EQ(out.createForWriting("bytes.bin"), 0);
    ASSERT_TRUE(out.writeAll(bytes.data(), bytes.size()));
    ASSERT_EQ(out.close(), 0);

    platform::ByteFile in;
    ASSERT_EQ(in.openForReading("bytes.bin"), 0);
    std::string back;
    char piece[100];
    for (std::ptrdiff_t count; (count = in.read(piece, sizeof piece)) > 0;) back.append(piece, count);
    EXPECT_EQ(back, bytes);
    EXPECT_EQ(in.lastError(), 0);
}

TEST(ByteFile, ReportsWhyAFileCannotBeOpened) {
    platform::ByteFile file;
    EXPECT_EQ(file.openForReading("missing.bin"), ENOENT);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.openForReading(""), ENOENT);
    EXPECT_EQ(file.openForReading("."), EACCES);
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(file.createForWriting("missing folder/x.bin"), ENOENT);
}

TEST(ByteFile, MovingHandsOverTheOpenFile) {
    writeBytes("move.bin", "abc");
    platform::ByteFile first;
    ASSERT_EQ(first.openForReading("move.bin"), 0);
    platform::ByteFile second(std::move(first));
    EXPECT_FALSE(first.isOpen());
    char piece[4];
    EXPECT_EQ(second.read(piece, sizeof piece), 3);
}

TEST(ErrorText, IsTheCLibraryText) {
    EXPECT_STREQ(platform::errorText(ENOENT), "No such file or directory");
    EXPECT_STREQ(platform::errorText(EACCES), "Permission denied");
}

}  // namespace
