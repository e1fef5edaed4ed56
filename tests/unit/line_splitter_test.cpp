#include "line_splitter.h"
#include "reference_models.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::string withoutReturns(const char* begin, const char* end) {
    std::string text;
    for (; begin < end; ++begin)
        if (*begin != '\r') text += *begin;
    return text;
}

// Splits the file line by line, every line handed over.
std::vector<std::string> splitEveryLine(const char* name, std::size_t maxLine, bool measured) {
    platform::TextReader text;
    EXPECT_EQ(text.open(name), 0);
    LineSplitter splitter(text, maxLine, measured);
    std::vector<std::string> lines;
    while (splitter.nextBlock())
        splitter.forEachLine([&](const char* begin, const char* end) {
            lines.push_back(withoutReturns(begin, end));
            return true;
        });
    return lines;
}

// Splits the file the quick way where a block allows it: only the count and
// the last `keep` lines of such a block are known; checks them against the
// reference and returns the number of lines.
std::size_t splitQuickly(const char* name, std::size_t maxLine, bool measured, int keep,
                         const std::vector<std::string>& expected) {
    platform::TextReader text;
    EXPECT_EQ(text.open(name), 0);
    LineSplitter splitter(text, maxLine, measured);
    std::size_t count = 0;
    while (splitter.nextBlock()) {
        std::int64_t simple = splitter.countSimpleLines();
        if (simple < 0) {
            splitter.forEachLine([&](const char* begin, const char* end) {
                EXPECT_LT(count, expected.size());
                if (count < expected.size()) {
                    EXPECT_EQ(withoutReturns(begin, end), expected[count]) << count;
                }
                ++count;
                return true;
            });
            continue;
        }
        std::vector<std::string> kept;
        splitter.passSimpleLines(keep, [&](const char* begin, const char* end) { kept.push_back(withoutReturns(begin, end)); });
        count += static_cast<std::size_t>(simple);
        EXPECT_EQ(kept.size(), std::min<std::size_t>(keep, simple));
        for (std::size_t i = 0; i < kept.size() && count - kept.size() + i < expected.size(); ++i)
            EXPECT_EQ(kept[i], expected[count - kept.size() + i]) << "line " << count - kept.size() + i;
    }
    return count;
}

struct SplitCase {
    const char* what;
    std::string raw;
    std::size_t maxLine;
};

TEST(LineSplitter, CutsLinesAsALineBufferWould) {
    const SplitCase cases[] = {
        {"short lines", "ab\ncd\n", 10},
        {"CR LF", "ab\r\ncd\r\n", 10},
        {"a last line without LF", "ab\ncd", 10},
        {"a line longer than the buffer", "abcdefg\n", 3},
        {"exactly the buffer, LF included", "abc\nd\n", 4},
        {"CR bytes do not count", "a\r\r\r\rb\r\n", 3},
        {"a CR run at the end is no line", "ab\n\r\r\r", 5},
        {"0x1A ends the text", std::string("ab\ncd\x1A" "ef\n"), 10},
        {"a one-byte buffer", "ab\n", 1},
        {"empty", "", 5},
    };
    for (const SplitCase& c : cases) {
        writeBytes("split_case.txt", c.raw);
        EXPECT_EQ(splitEveryLine("split_case.txt", c.maxLine, false), reference::linesOf(c.raw, c.maxLine)) << c.what;
    }
}

// Random texts over many blocks, with lines short and long, CR runs and
// NUL bytes, cut with buffers of many sizes; the quick way and the line by
// line way must both agree with the reference.
TEST(LineSplitter, AgreesWithTheReferenceOnRandomTexts) {
    std::mt19937 random(5121);
    for (int round = 0; round < 16; ++round) {
        const std::size_t maxLine = std::vector<std::size_t>{1, 2, 3, 31, 64, 100, 4223, 70000}[round % 8];
        std::string raw;
        const std::size_t size = 200000 + random() % 300000;
        while (raw.size() < size) {
            // Even rounds mix in many long lines; odd rounds are short lines
            // with a rare one up to twice the buffer, so that most blocks are
            // counted the quick way and a few test where it must not be used.
            const unsigned kind = random() % 16;
            std::size_t length = random() % 40;
            if (round % 2 == 0 && kind == 0) length = random() % 9000;
            if (round % 2 == 0 && kind == 1) length = random() % 300;
            if (round % 2 == 1 && random() % 3000 == 0) length = random() % (2 * maxLine + 10);
            for (std::size_t i = 0; i < length; ++i) raw += random() % 50 == 0 ? '\r' : static_cast<char>('a' + i % 26);
            if (random() % 30 == 0) raw += std::string(random() % (round % 2 == 0 ? 300 : 30), '\r');
            if (random() % 200 == 0) raw += '\0';
            raw += random() % 3 == 0 ? "\r\n" : "\n";
        }
        if (round % 5 == 4) raw.resize(raw.size() - 1);          // no LF at the end
        if (round % 7 == 6) raw[raw.size() / 2] = 0x1A;          // the text ends halfway
        writeBytes("split_random.txt", raw);
        const std::vector<std::string> expected = reference::linesOf(raw, maxLine);

        EXPECT_EQ(splitEveryLine("split_random.txt", maxLine, false), expected) << "round " << round;
        EXPECT_EQ(splitQuickly("split_random.txt", maxLine, false, 9, expected), expected.size()) << "round " << round;
    }
}

// One line just shorter or just longer than the buffer among short lines, at
// every alignment: a block that holds a line that must be cut is never
// counted as if each of its lines ended at its LF.
TEST(LineSplitter, LinesNearTheBufferSizeAreCutWhereNeeded) {
    for (std::size_t maxLine : {100u, 4223u}) {
        for (std::size_t length : {maxLine - 1, maxLine, maxLine + 1, maxLine + maxLine / 4}) {
            for (std::size_t offset = 0; offset < 64; ++offset) {
                std::string raw = std::string(offset, 'a') + "\n";
                for (int i = 0; i < 20; ++i) raw += "short\n";
                raw += std::string(length, 'b') + "\n";
                for (int i = 0; i < 20; ++i) raw += "short\n";
                writeBytes("split_near.txt", raw);
                const std::vector<std::string> expected = reference::linesOf(raw, maxLine);
                ASSERT_EQ(splitQuickly("split_near.txt", maxLine, false, 5, expected), expected.size())
                    << "buffer " << maxLine + 1 << ", line " << length << ", offset " << offset;
            }
        }
    }
}

// With measured lines (every line that ends in LF fits) the quick way
// applies to every block; the unfinished end of the text is still cut.
TEST(LineSplitter, MeasuredLinesAreCountedQuickly) {
    std::string raw;
    for (int i = 0; i < 40000; ++i) raw += "line " + std::to_string(i) + "\r\n";
    raw += std::string(100, 'z');  // a last line longer than the longest measured one
    writeBytes("split_measured.txt", raw);
    const std::size_t maxLine = 11;  // "line 39999\n"
    const std::vector<std::string> expected = reference::linesOf(raw, maxLine);
    EXPECT_EQ(splitQuickly("split_measured.txt", maxLine, true, 127, expected), expected.size());
}

TEST(LineSplitter, ReadToEndLeavesNothing) {
    writeBytes("split_end.txt", std::string(1000000, 'x') + "\n");
    platform::TextReader text;
    ASSERT_EQ(text.open("split_end.txt"), 0);
    LineSplitter splitter(text, 4223);
    ASSERT_TRUE(splitter.nextBlock());
    splitter.readToEnd();
    EXPECT_FALSE(splitter.nextBlock());
}

}  // namespace
