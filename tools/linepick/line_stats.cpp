#include "line_stats.h"

#include "byte_scan.h"
#include "line_splitter.h"
#include "platform.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::int64_t countCarriageReturns(const char* from, const char* end) {
    return std::count(from, end, '\r');
}

}  // namespace

bool countLines(const char* fileName, LineStats& stats) {
    platform::TextReader text;
    if (int error = text.open(fileName)) {
        std::fprintf(stderr, "fopen(%s, \"rt\"): %s\n", fileName, platform::errorText(error));
        return false;
    }
    std::vector<char> block(LineSplitter::blockSize);
    std::int64_t unfinished = 0;  // bytes of text of the line that earlier blocks began
    std::uint64_t blockStart = 0;  // where the block lies in the file
    while (std::size_t count = text.readWithCarriageReturns(block.data(), block.size())) {
        const char* lineStart = block.data();
        const char* const end = lineStart + count;
        for (const char* chunk = lineStart; chunk < end; chunk += 64) {
            std::uint64_t lineFeeds = platform::byteMask(chunk, end, '\n');
            if (lineFeeds == 0) continue;
            // The LFs of CR LF ends (a CR LF across chunks is simply counted exactly below).
            std::uint64_t afterReturn = lineFeeds & (platform::byteMask(chunk, end, '\r') << 1);
            for (; lineFeeds != 0; lineFeeds &= lineFeeds - 1) {
                int bit = __builtin_ctzll(lineFeeds);
                const char* lineFeed = chunk + bit;
                ++stats.lines;
                // Its bytes with CR bytes included, less the CR of a CR LF end:
                // only a line longer than the longest so far even so is counted exactly.
                std::int64_t span = unfinished + (lineFeed + 1 - lineStart) - ((afterReturn >> bit) & 1);
                if (span > stats.maxSpan) {
                    span = unfinished + (lineFeed + 1 - lineStart) - countCarriageReturns(lineStart, lineFeed);
                    if (span > stats.maxSpan) {
                        stats.maxSpan = span;
                        stats.maxSpanLine = stats.lines;
                    }
                }
                unfinished = 0;
                lineStart = lineFeed + 1;
                const std::uint64_t nextStart = blockStart + (lineStart - block.data());
                stats.lineStarts[(stats.lines + 1) % LineRing::slotCount] = nextStart;
                if (stats.lines + 1 == stats.wantedLine) stats.wantedStart = nextStart;
            }
        }
        unfinished += (end - lineStart) - countCarriageReturns(lineStart, end);
        blockStart += count;
    }
    if (text.failed()) {
        std::fprintf(stderr, "%s: %s\n", fileName, platform::errorText(text.lastError()));
        return false;
    }
    return true;
}

