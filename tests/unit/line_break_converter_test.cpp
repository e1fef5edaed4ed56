#include "convert_in_pieces.h"
#include "reference_models.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

// Random stretches of break bytes of every length and mix, between runs of
// ordinary bytes, cut into blocks of many sizes: the converter must give
// exactly what the rules give.
TEST(LineBreakConverter, AgreesWithTheRulesOnRandomInput) {
    std::mt19937 random(3141);
    for (int round = 0; round < 200; ++round) {
        std::string input;
        const std::size_t size = random() % 3000;
        while (input.size() < size) {
            std::size_t breaks = random() % 4 == 0 ? random() % 12 : random() % 3;
            for (std::size_t i = 0; i < breaks; ++i) input += random() % 2 ? '\r' : '\n';
            std::size_t ordinary = random() % 3 == 0 ? random() % 100 : random() % 3;
            for (std::size_t i = 0; i < ordinary; ++i) input += static_cast<char>("ab\0\x1a\xff"[random() % 5]);
        }
        for (std::int32_t groupSize : {INT32_MIN, -3, 0, 1, 2, 3, 4, 5, INT32_MAX}) {
            std::int64_t expectedCount = 0;
            const std::string expected = reference::lineBreaksConverted(input, groupSize, expectedCount);
            for (std::size_t piece : {1u, 2u, 3u, 63u, 64u, 65u, 4096u}) {
                std::int64_t count = 0;
                ASSERT_EQ(convertInPieces(input, groupSize, piece, count), expected)
                    << "round " << round << ", group size " << groupSize << ", pieces of " << piece;
                ASSERT_EQ(count, expectedCount);
            }
        }
    }
}

}  // namespace
