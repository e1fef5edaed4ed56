// The line-break conversion of lintally, fed block by block: each stretch of
// CR and LF bytes is counted, and LF bytes are written only where the pair
// rule or the group rule selects them.
#pragma once

#include "byte_scan.h"

#include <cstdint>
#include <cstring>

// Counts are 64-bit so that no input, however long its stretches of break
// bytes, can make them wrap.
class LineBreakConverter {
public:
    explicit LineBreakConverter(std::int32_t groupSize) : limit_(std::int64_t{groupSize} - 1) {}

    // Converts [from, end) into out, which has room for (end - from) + 1
    // bytes; returns the end of what was written.
    char* convert(const char* from, const char* end, char* out) {
        platform::ByteCursor breakBytes('\n', '\r');
        breakBytes.reset(from, end);
        while (from < end) {
            const char* breakByte = breakBytes.next();
            if (breakByte > from) {
                out = pairRule(out);
                pending_ = false;
                std::memcpy(out, from, breakByte - from);
                out += breakByte - from;
                from = breakByte;
            }
            if (from == end) break;
            if (!pending_ && end - from > 2) {
                // After an ordinary byte, a stretch of one break byte writes
                // nothing and a stretch of two writes one LF (by the pair or,
                // for group size 2, the group rule), whatever the bytes.
                if (!isBreak(from[1])) {
                    from += 1;
                    continue;
                }
                if (!isBreak(from[2])) {
                    *out++ = '\n';
                    ++written_;
                    from += 2;
                    breakBytes.skipTo(from);
                    continue;
                }
            }
            // Any other stretch, byte by byte.
            const char* run = from;
            for (; from < end && isBreak(*from); ++from) {
                if (!pending_) {
                    pending_ = true;
                } else if (++extra_ == limit_ && *from == '\n') {  // group rule
                    *out++ = '\n';
                    ++written_;
                    pending_ = false;
                    extra_ = 0;
                }
            }
            if (from - run > 1) breakBytes.skipTo(from);
        }
        return out;
    }

    // The end of the input; returns the end of what was written.
    char* finish(char* out) { return pairRule(out); }

    std::int64_t written() const { return written_; }

private:
    static bool isBreak(char byte) { return byte == '\n' || byte == '\r'; }

    // A stretch of exactly two break bytes ends in one LF.
    char* pairRule(char* out) {
        if (extra_ == 1) {
            *out++ = '\n';
            ++written_;
        }
        extra_ = 0;
        return out;
    }

    const std::int64_t limit_;
    bool pending_ = false;
    std::int64_t extra_ = 0;
    std::int64_t written_ = 0;
};

