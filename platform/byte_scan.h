// Finding given byte values in memory, sixteen bytes at a time where the
// processor offers SSE2, a byte at a time elsewhere. The tools' inner loops
// look for line-break bytes in text whose lines are a few dozen bytes long,
// where a library call per line would cost more than the search.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform {

// The last byte in [from, end) equal to wanted, or nullptr.
inline const char* findLastByte(const char* from, const char* end, char wanted) {
#if defined(__SSE2__)
    const __m128i pattern = _mm_set1_epi8(wanted);
    while (end - from >= 16) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 16));
        if (int mask = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, pattern)))
            return end - 16 + (31 - __builtin_clz(static_cast<unsigned>(mask)));
        end -= 16;
    }
#endif
    while (end > from)
        if (*--end == wanted) return end;
    return nullptr;
}

// Counts the bytes equal to wanted in [from, end). With a window size (a
// multiple of 16, at most 2048) it also tells whether every whole window of
// that size, laid from `from` on, holds at least one of them: then no two
// neighbouring hits lie 2 * window bytes or more apart.
struct ByteCount {
    std::size_t hits = 0;
    bool everyWindowHit = true;
};

inline ByteCount countByte(const char* from, const char* end, char wanted, std::size_t window) {
    ByteCount count;
    // Without a window, pieces small enough that a byte lane cannot overflow.
    const std::size_t piece = window != 0 ? window : 255 * 16;
    while (static_cast<std::size_t>(end - from) >= piece) {
        std::size_t hits = 0;
#if defined(__SSE2__)
        const __m128i pattern = _mm_set1_epi8(wanted);
        __m128i lanes = _mm_setzero_si128();
        for (std::size_t i = 0; i < piece; i += 16) {
            __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, pattern));  // a hit is -1
        }
        __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        hits = static_cast<std::size_t>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
#else
        for (std::size_t i = 0; i < piece; ++i) hits += from[i] == wanted;
#endif
        if (hits == 0 && window != 0) count.everyWindowHit = false;
        count.hits += hits;
        from += piece;
    }
    for (; from < end; ++from) count.hits += *from == wanted;
    return count;
}

// One bit for each of the 64 bytes from chunk that equals first or second
// (bit 0 for chunk[0]); never reads at or past end.
inline std::uint64_t byteMask(const char* chunk, const char* end, char first, char second) {
    std::uint64_t mask = 0;
    if (end - chunk < 64) {
        for (std::ptrdiff_t i = 0; i < end - chunk; ++i)
            if (chunk[i] == first || chunk[i] == second) mask |= std::uint64_t{1} << i;
        return mask;
    }
#if defined(__SSE2__)
    const __m128i firstPattern = _mm_set1_epi8(first);
    const __m128i secondPattern = _mm_set1_epi8(second);
    for (int i = 0; i < 4; ++i) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * i));
        __m128i hits = _mm_or_si128(_mm_cmpeq_epi8(bytes, firstPattern), _mm_cmpeq_epi8(bytes, secondPattern));
        mask |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(hits))} << (16 * i);
    }
#else
    for (int i = 0; i < 64; ++i)
        if (chunk[i] == first || chunk[i] == second) mask |= std::uint64_t{1} << i;
#endif
    return mask;
}

inline std::uint64_t byteMask(const char* chunk, const char* end, char wanted) {
    return byteMask(chunk, end, wanted, wanted);
}

// Walks the places of one or two byte values in a range, in order. It looks
// at 64 bytes at a time and hands out their hits one by one, so that a text
// of short lines costs a few instructions per line, not a search per line.
class ByteCursor {
public:
    explicit ByteCursor(char first, char second) : first_(first), second_(second) {}
    explicit ByteCursor(char wanted) : ByteCursor(wanted, wanted) {}

    // The next call of next() gives the first hit at or after from.
    void reset(const char* from, const char* end) {
        chunk_ = from;
        end_ = end;
        hits_ = byteMask(chunk_, end_, first_, second_);
    }

    // The next hit, or the end of the range when there is none.
    const char* next() {
        while (hits_ == 0) {
            chunk_ += 64;
            if (chunk_ >= end_) return end_;
            hits_ = byteMask(chunk_, end_, first_, second_);
        }
        const char* hit = chunk_ + __builtin_ctzll(hits_);
        hits_ &= hits_ - 1;
        return hit;
    }

    // Passes over the hits before at, which lies at or after the last hit given.
    void skipTo(const char* at) {
        if (at - chunk_ >= 64) {
            reset(at, end_);
        } else {
            hits_ &= ~std::uint64_t{0} << (at - chunk_);
        }
    }

private:
    char first_;
    char second_;
    const char* chunk_ = nullptr;
    const char* end_ = nullptr;
    std::uint64_t hits_ = 0;
};

}  // namespace platform
