#include "line_splitter.h"

#include <cstdlib>

LineSplitter::LineSplitter(platform::TextReader& text, std::size_t maxLine, bool everyLineFits)
    : text_(text),
      maxLine_(maxLine),
      everyLineFits_(everyLineFits),
      // An unfinished line holds fewer than maxLine bytes of text.
      data_(maxLine <= SIZE_MAX - blockSize ? static_cast<char*>(std::malloc(maxLine + blockSize)) : nullptr) {}

LineSplitter::~LineSplitter() { std::free(data_); }

// Moves the unfinished line to the front of the buffer, dropping its CR
// bytes, so that it never takes more room than maxLine bytes.
void LineSplitter::keepUnfinishedLine() {
    std::size_t kept = 0;
    for (std::size_t i = next_; i < filled_; ++i)
        if (data_[i] != '\r') data_[kept++] = data_[i];
    carried_ = kept;
    filled_ = kept;
    next_ = 0;
}

bool LineSplitter::nextBlock() {
    if (atEnd_) return false;
    keepUnfinishedLine();
    std::size_t count = text_.readWithCarriageReturns(data_ + filled_, blockSize);
    if (count == 0) atEnd_ = true;
    filled_ += count;
    // What was carried over holds no LF: the search starts after it.
    lineFeeds_.reset(data_ + carried_, data_ + filled_);
    return filled_ > 0;
}

std::int64_t LineSplitter::countSimpleLines() {
    // Lines fit for certain when every window of `window` bytes holds an LF
    // and 2 * window <= maxLine; or when the caller measured them.
    std::size_t window = 0;
    if (!everyLineFits_) {
        window = 2048;
        while (window >= 16 && 2 * window > maxLine_) window /= 2;
        if (window < 16) return -1;
    }
    const char* start = data_ + next_;
    const char* end = data_ + filled_;
    lastLineFeed_ = platform::findLastByte(start, end, '\n');
    if (lastLineFeed_ == nullptr) return -1;
    // What follows the last LF must be an unfinished line that the next block continues.
    std::size_t tail = end - (lastLineFeed_ + 1);
    if (tail >= maxLine_ || (atEnd_ && tail > 0)) return -1;
    platform::ByteCount lineFeeds = platform::countByte(start, lastLineFeed_ + 1, '\n', window);
    if (!lineFeeds.everyWindowHit) return -1;
    return static_cast<std::int64_t>(lineFeeds.hits);
}

void LineSplitter::readToEnd() {
    while (text_.readWithCarriageReturns(data_, blockSize) > 0) {}
    atEnd_ = true;
    filled_ = next_ = carried_ = 0;
}

// A line that may hold more than maxLine bytes of text, or that the block
// does not finish: its bytes of text are counted one by one.
bool LineSplitter::nextLongLine(LineSpan& line) {
    const char* start = data_ + next_;
    const char* end = data_ + filled_;
    const std::size_t known = next_ == 0 ? carried_ : 0;
    std::size_t length = known;
    for (const char* at = start + known; at < end; ++at) {
        if (*at == '\r') continue;
        if (++length == maxLine_ || *at == '\n') {
            line = {start, at + 1};
            next_ = at + 1 - data_;
            lineFeeds_.reset(data_ + next_, end);
            return true;
        }
    }
    if (atEnd_ && length > 0) {
        line = {start, end};  // the last line, without LF
        next_ = filled_;
        return true;
    }
    if (atEnd_) next_ = filled_;
    return false;
}
