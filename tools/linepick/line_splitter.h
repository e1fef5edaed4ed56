// Cuts a text into the lines that reading with a line buffer of a given size
// gives: each line is at most maxLine bytes of text (CR bytes do not count,
// being dropped by the text rule), up to and including its LF; a longer line
// comes out as several. Works on large blocks, so that a short line costs a
// few instructions; CR bytes stay inside the lines for the caller to skip.
#pragma once

#include "byte_scan.h"
#include "platform.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

struct LineSpan {
    const char* begin;
    const char* end;  // one past the LF, or past the last byte of a final line without LF
};

class LineSplitter {
public:
    static constexpr std::size_t blockSize = 256 * 1024;

    // maxLine is the line buffer size less one, at least 1. everyLineFits
    // says that the caller has measured the text: every line ended by an LF
    // holds at most maxLine bytes of text.
    LineSplitter(platform::TextReader& text, std::size_t maxLine, bool everyLineFits = false);
    ~LineSplitter();
    LineSplitter(const LineSplitter&) = delete;
    LineSplitter& operator=(const LineSplitter&) = delete;

    // False when the memory for the blocks could not be had.
    bool ready() const { return data_ != nullptr; }
    // Reads the next block, keeping the unfinished line before it. False at
    // the end of the text.
    bool nextBlock();

    // The number of whole lines left in the current block when it can tell
    // cheaply that each of them ends at its LF; -1 when it cannot.
    std::int64_t countSimpleLines();

    // Passes over the lines that countSimpleLines counted, handing only the
    // last `keep` of them (at most 127) to onLine(begin, end), in order.
    template <typename OnLine>
    void passSimpleLines(int keep, OnLine&& onLine) {
        const char* start = data_ + next_;
        const char* lineEnds[129];
        int found = 0;
        for (const char* lineFeed = lastLineFeed_; lineFeed != nullptr && found <= keep;
             lineFeed = platform::findLastByte(start, lineFeed, '\n'))
            lineEnds[found++] = lineFeed + 1;
        int first = found > keep ? keep - 1 : found - 1;  // the earliest line that is handed on
        for (int i = first; i >= 0; --i) onLine(i + 1 < found ? lineEnds[i + 1] : start, lineEnds[i]);
        next_ = lastLineFeed_ + 1 - data_;
        lineFeeds_.reset(data_ + next_, data_ + filled_);
    }

    // Reads the rest of the text without looking at it.
    void readToEnd();

    // Hands each whole line of the current block to onLine(begin, end), in
    // order, until onLine returns false; returns false when it did. An
    // unfinished line waits for the next block, or at the end of the text is
    // the last line. The state lives in locals while the loop runs, so that a
    // short line costs a few instructions.
    template <typename OnLine>
    bool forEachLine(OnLine&& onLine) {
        platform::ByteCursor lineFeeds = lineFeeds_;
        const char* const end = data_ + filled_;
        const char* start = data_ + next_;
        bool goOn = true;
        while (goOn && start < end) {
            const char* lineFeed = lineFeeds.next();
            if (lineFeed < end && fits(start, lineFeed)) {
                goOn = onLine(start, lineFeed + 1);
                start = lineFeed + 1;
                continue;
            }
            next_ = start - data_;
            LineSpan line;
            if (!nextLongLine(line)) return true;  // no whole line left in the block
            goOn = onLine(line.begin, line.end);
            lineFeeds = lineFeeds_;
            start = data_ + next_;
        }
        next_ = start - data_;
        lineFeeds_ = lineFeeds;
        return goOn;
    }

private:
    // Whether the line from start to its LF holds at most maxLine bytes of text.
    bool fits(const char* start, const char* lineFeed) const {
        std::size_t raw = lineFeed - start;  // bytes before the LF, CR bytes included
        if (raw < maxLine_) return true;
        if (raw == maxLine_ && lineFeed[-1] == '\r') return true;  // the common CR LF end
        return raw - static_cast<std::size_t>(std::count(start, lineFeed, '\r')) < maxLine_;
    }
    bool nextLongLine(LineSpan& line);
    void keepUnfinishedLine();

    platform::TextReader& text_;
    const std::size_t maxLine_;
    const bool everyLineFits_;
    char* data_;
    const char* lastLineFeed_ = nullptr;  // found by countSimpleLines
    platform::ByteCursor lineFeeds_{'\n'};
    std::size_t carried_ = 0;  // bytes of text at the start of data_ kept from the last block, no CR or LF among them;
                               // they belong to the line that starts at data_
    std::size_t filled_ = 0;   // end of the bytes in data_
    std::size_t next_ = 0;     // start of the next line in data_
    bool atEnd_ = false;
};
