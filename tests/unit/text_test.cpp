#include "platform.h"
#include "reference_models.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <vector>

namespace {

std::string readAllWithRead(const char* name, std::size_t pieceSize) {
    platform::TextReader reader;
    EXPECT_EQ(reader.open(name), 0);
    std::string text;
    std::string piece(pieceSize, '\0');
    while (std::size_t count = reader.read(&piece[0], pieceSize)) text.append(piece, 0, count);
    EXPECT_FALSE(reader.failed());
    return text;
}

std::string readAllWithGet(const char* name) {
    platform::TextReader reader;
    EXPECT_EQ(reader.open(name), 0);
    std::string text;
    for (int c; (c = reader.get()) != -1;) text += static_cast<char>(c);
    return text;
}

struct TextCase {
    const char* what;
    std::string raw;
    std::string text;
};

TEST(TextReader, DropsCarriageReturnsAndStopsAtEndOfText) {
    const TextCase cases[] = {
        {"plain lines", "ab\ncd\n", "ab\ncd\n"},
        {"CR LF", "ab\r\ncd\r\n", "ab\ncd\n"},
        {"CR in the middle of a line", "a\rb\n", "ab\n"},
        {"CR at the end", "ab\r", "ab"},
        {"CR CR LF", "ab\r\r\ncd", "ab\ncd"},
        {"only CRs", "\r\r\r", ""},
        {"0x1A ends the input", std::string("ab\n\x1A" "cd\n"), "ab\n"},
        {"0x1A first", std::string("\x1A" "ab"), ""},
        {"CR before 0x1A", std::string("ab\r\x1A" "cd"), "ab"},
        {"NUL is a plain byte", std::string("a\0b\n", 4), std::string("a\0b\n", 4)},
        {"empty file", "", ""},
    };
    for (const TextCase& c : cases) {
        writeBytes("text_case.txt", c.raw);
        EXPECT_EQ(readAllWithRead("text_case.txt", 7), c.text) << c.what;
        EXPECT_EQ(readAllWithGet("text_case.txt"), c.text) << c.what;
    }
}

// Large inputs cross the reader's internal blocks; CRs and LFs land on every
// kind of boundary, and the result must not depend on the caller's piece size.
TEST(TextReader, AgreesWithTheRuleAcrossBlockBoundaries) {
    std::mt19937 random(20261211);
    const char alphabet[] = {'\r', '\r', '\n', 'x', 'y', '\0'};
    for (int round = 0; round < 4; ++round) {
        std::string raw(200000 + round * 4099, 'a');
        for (char& c : raw) c = alphabet[random() % sizeof alphabet];
        if (round == 3) raw[150001] = 0x1A;
        writeBytes("text_large.txt", raw);
        const std::string wanted = reference::textOf(raw);
        for (std::size_t pieceSize : {1u, 13u, 65536u, 300000u})
            EXPECT_EQ(readAllWithRead("text_large.txt", pieceSize), wanted) << "round " << round;
        EXPECT_EQ(readAllWithGet("text_large.txt"), wanted) << "round " << round;
    }
}

TEST(TextReader, GoesOnFromWhereItIsSent) {
    writeBytes("text_seek.txt", "ab\r\ncd\r\nef");
    platform::TextReader reader;
    ASSERT_EQ(reader.open("text_seek.txt"), 0);
    EXPECT_EQ(reader.get(), 'a');
    ASSERT_EQ(reader.seekTo(4), 0);  // what was read ahead is dropped
    std::string rest;
    for (int c; (c = reader.get()) != -1;) rest += static_cast<char>(c);
    EXPECT_EQ(rest, "cd\nef");
}

TEST(TextReader, ReadsLinesAndPassesOverTooLongOnesWhole) {
    writeBytes("text_lines.txt", "one\r\n\n" + std::string(6, 'x') + "\n" + std::string(5, 'y') + "\r\nlast");
    platform::TextReader reader;
    ASSERT_EQ(reader.open("text_lines.txt"), 0);
    std::vector<std::string> lines;
    for (std::string line; reader.readLine(line, 5);) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "yyyyy", "last"}));

    writeBytes("text_lines.txt", "ok\n" + std::string(9, 'z'));  // a too long last line
    ASSERT_EQ(reader.open("text_lines.txt"), 0);
    std::string line;
    EXPECT_TRUE(reader.readLine(line, 5));
    EXPECT_FALSE(reader.readLine(line, 5));
}

TEST(TextReader, ReportsFilesThatCannotBeOpened) {
    platform::TextReader reader;
    EXPECT_EQ(reader.open("no such file.txt"), ENOENT);
    EXPECT_EQ(reader.get(), -1);
    EXPECT_EQ(reader.open("."), EACCES);  // a directory is not a file
}

TEST(TextWriter, WritesEveryLineFeedAsCarriageReturnLineFeed) {
    platform::TextWriter writer;
    ASSERT_EQ(writer.create("text_out.txt"), 0);
    EXPECT_TRUE(writer.write("one\n"));
    EXPECT_TRUE(writer.write("\n"));
    EXPECT_TRUE(writer.write("two\r\nthree"));  // a CR already there is kept
    EXPECT_EQ(writer.close(), 0);
    EXPECT_EQ(readBytes("text_out.txt"), "one\r\n\r\ntwo\r\r\nthree");
}

TEST(TextWriter, LargeOutputCrossesItsBufferIntact) {
    // Line feeds on and around the internal 64 KiB boundary.
    std::string text(65535, 'x');
    text += "\n\n";
    text += std::string(70000, 'y') + "\n";
    std::string wanted(65535, 'x');
    wanted += "\r\n\r\n" + std::string(70000, 'y') + "\r\n";

    platform::TextWriter writer;
    ASSERT_EQ(writer.create("text_big.txt"), 0);
    for (std::size_t at = 0; at < text.size(); at += 4096)
        ASSERT_TRUE(writer.write(text.data() + at, std::min<std::size_t>(4096, text.size() - at)));
    EXPECT_EQ(writer.close(), 0);
    EXPECT_EQ(readBytes("text_big.txt"), wanted);
}

TEST(TextWriter, ReplacesAnExistingFileAndReportsFailures) {
    writeBytes("text_old.txt", "a much longer old content\n");
    platform::TextWriter writer;
    ASSERT_EQ(writer.create("text_old.txt"), 0);
    writer.write("new\n");
    EXPECT_EQ(writer.close(), 0);
    EXPECT_EQ(readBytes("text_old.txt"), "new\r\n");

    EXPECT_EQ(writer.create("no such folder/out.txt"), ENOENT);
}

#ifndef _WIN32
TEST(TextWriter, AFullDiskIsReportedByClose) {
    platform::TextWriter writer;
    ASSERT_EQ(writer.create("/dev/full"), 0);
    writer.write("lost\n");  // buffered: the failure shows when it is written out
    EXPECT_EQ(writer.close(), ENOSPC);
}
#endif

}  // namespace
