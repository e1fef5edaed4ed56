#include "line_ring.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// What a stream written by the ring holds, read back from the start.
std::string contents(std::FILE* stream) {
    std::string text;
    std::rewind(stream);
    for (int c; (c = std::fgetc(stream)) != EOF;) text += static_cast<char>(c);
    return text;
}

struct RingOnFiles : ::testing::Test {
    std::FILE* output = std::tmpfile();
    std::FILE* errors = std::tmpfile();
    void TearDown() override {
        std::fclose(output);
        std::fclose(errors);
    }
};

void* noMemory(std::size_t) { return nullptr; }
void* smallBlocksOnly(std::size_t size) { return size <= 150 ? std::malloc(size) : nullptr; }

TEST_F(RingOnFiles, HoldsAtMost127EntriesAndReportsEmptyAndFull) {
    LineRing ring(output, errors);
    EXPECT_TRUE(ring.ringEmpty());
    EXPECT_EQ(ring.dropOldest(), LineRing::wasEmpty);
    for (int i = 0; i < 127; ++i) ASSERT_EQ(ring.pushLine("x", 8), LineRing::pushed) << i;
    EXPECT_EQ(ring.ringCount(), 127);
    EXPECT_EQ(ring.pushLine("one too many", 16), LineRing::wasFull);
    EXPECT_EQ(ring.ringCount(), 127);
    EXPECT_EQ(ring.dropOldest(), LineRing::dropped);
    EXPECT_EQ(ring.ringCount(), 126);
    ring.clearRing();
    EXPECT_TRUE(ring.ringEmpty());
}

TEST_F(RingOnFiles, FillRingPlacesSingleSpacesUpTo127) {
    LineRing ring(output, errors);
    EXPECT_EQ(ring.fillRing(200, 8), 127);
    EXPECT_EQ(ring.fillRing(3, 8), 3);
    ring.showRing(10, 8);
    EXPECT_EQ(contents(output), " \n \n \n");
    EXPECT_EQ(ring.fillRing(0, 8), 0);
    EXPECT_TRUE(ring.ringEmpty());
}

TEST_F(RingOnFiles, StaysInReadingOrderWhenTheIndicesWrap) {
    LineRing ring(output, errors);
    ring.fillRing(3, 16);
    // 300 pairs of drop and push move the indices round the 128 slots twice.
    for (int i = 1; i <= 300; ++i) {
        ASSERT_EQ(ring.dropOldest(), LineRing::dropped);
        ASSERT_EQ(ring.pushLine(("line " + std::to_string(i)).c_str(), 16), LineRing::pushed);
    }
    EXPECT_EQ(ring.ringCount(), 3);
    ring.showRing(3, 16);
    EXPECT_EQ(contents(output), "line 298\nline 299\nline 300\n");
}

TEST_F(RingOnFiles, ShowRingClampsItsRepetitionAndWritesTheOldestFirst) {
    LineRing ring(output, errors);
    ring.pushLine("first", 8);
    ring.pushLine("", 8);
    ring.pushLine("third", 8);
    ring.showRing(5, 8);
    EXPECT_EQ(contents(output), "first\n\nthird\n");
    EXPECT_EQ(ring.ringCount(), 3);  // showing changes nothing
    ring.showRing(2, 8);
    EXPECT_EQ(contents(output), "first\n\nthird\nfirst\n\n");
    EXPECT_EQ(contents(errors), "");
}

TEST_F(RingOnFiles, ShowRingOnAnEmptyRingWritesOnlyTheMessage) {
    LineRing ring(output, errors);
    ring.showRing(5, 4224);
    EXPECT_EQ(contents(output), "");
    EXPECT_EQ(contents(errors), "showRing(): buffer_size = 4224 ( repetition = 0 )\n");
}

TEST_F(RingOnFiles, WithoutMemoryNothingIsStoredOrShown) {
    LineRing ring(output, errors, noMemory);
    EXPECT_EQ(ring.pushLine("lost", 8), LineRing::noMemory);
    EXPECT_TRUE(ring.ringEmpty());
    EXPECT_EQ(ring.fillRing(5, 8), 0);  // fewer placeholders when blocks cannot be had
    ring.showRing(5, 8);
    EXPECT_EQ(contents(errors), "showRing(): buffer_size = 8 ( repetition = 0 )\n");
}

TEST_F(RingOnFiles, AnOutputThatCannotBeAssembledIsReportedNotShown) {
    LineRing ring(output, errors, smallBlocksOnly);
    EXPECT_EQ(ring.fillRing(2, 100), 2);
    ring.showRing(2, 100);  // needs 2 * 100 + 1 bytes at once
    EXPECT_EQ(contents(output), "");
    EXPECT_EQ(contents(errors), "showRing(): buffer_size = 100 ( repetition = 2 )\n");
}

}  // namespace
