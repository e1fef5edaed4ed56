// The measurement of a file's lines for LF mode: how many there are, the
// longest, and where lines begin.
#pragma once

#include "line_ring.h"

#include <cstdint>

struct LineStats {
    std::int64_t lines = 0;        // line feeds read
    std::int64_t maxSpan = 0;      // length of the longest line, its LF included
    std::int64_t maxSpanLine = 0;  // 1-based number of the first longest line
    // Where lines begin in the file: line n at lineStarts[n % 128] for the
    // last 128 lines, and the line asked for by number.
    std::uint64_t lineStarts[LineRing::slotCount] = {};
    std::int64_t wantedLine = 1;
    std::uint64_t wantedStart = 0;
};

// Counts the lines of the file as text, finds the longest and notes where
// lines begin. Prints the message and returns false when the file cannot be
// read.
bool countLines(const char* fileName, LineStats& stats);
