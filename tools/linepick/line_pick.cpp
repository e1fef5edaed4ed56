#include "line_pick.h"

#include "line_ring.h"
#include "line_splitter.h"
#include "line_stats.h"
#include "platform.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Keeps where the most recent lines of the current block lie, so that only
// the lines that can still be shown are copied into the ring.
class RecentLines {
public:
    void startBlock() { count_ = 0; }
    void add(const char* begin, const char* end) {
        std::size_t slot = count_++ % LineRing::slotCount;
        begins_[slot] = begin;
        ends_[slot] = end;
    }

    // Pushes the last min(window, lines of this block) lines into the ring,
    // as their text: CR bytes dropped, the LF removed, ended at a NUL byte.
    void pushInto(LineRing& ring, int window, char* text, std::int32_t bufferSize) const {
        std::uint64_t first = count_ > static_cast<std::uint64_t>(window) ? count_ - window : 0;
        for (std::uint64_t i = first; i < count_; ++i) {
            std::size_t slot = i % LineRing::slotCount;
            // A line holds at most bufferSize - 1 bytes of text; should the
            // file have changed since it was measured, the rest is cut off.
            char* out = text;
            char* const full = text + (bufferSize - 1);
            for (const char* at = begins_[slot]; at < ends_[slot] && out < full; ++at)
                if (*at != '\r') *out++ = *at;
            if (out > text && out[-1] == '\n') --out;
            *out = '\0';
            ring.dropOldest();
            ring.pushLine(text, bufferSize);
        }
    }

private:
    const char* begins_[LineRing::slotCount];
    const char* ends_[LineRing::slotCount];
    std::uint64_t count_ = 0;
};

}  // namespace

int pickLines(const PickRequest& settings, std::FILE* output) {
    // The target line, p + after, saturates at the largest 32-bit number.
    const std::int64_t target = std::min<std::int64_t>(std::int64_t{settings.line} + settings.after, INT32_MAX);
    std::int32_t bufferSize = settings.bufferSize;
    bool everyLineFits = false;  // known after measuring the lines
    std::int64_t firstLine = 1;  // the first line the display needs to read
    std::uint64_t firstLineStart = 0;
    if (settings.lfMode) {
        LineStats stats;
        stats.wantedLine = std::max<std::int64_t>(1, target - settings.window + 1);
        if (!countLines(settings.fileName, stats)) return 1;
        std::fprintf(output, "%s: %lld lines\n", settings.fileName, static_cast<long long>(stats.lines));
        std::fprintf(output, "maximum LF-to-LF span of %lld bytes (line-%lld)\n", static_cast<long long>(stats.maxSpan),
                    static_cast<long long>(stats.maxSpanLine));
        // Every line fits in one read. A file without LF has no line to
        // measure and keeps the size it had.
        if (stats.lines > 0 && stats.maxSpan < INT32_MAX) {
            bufferSize = static_cast<std::int32_t>(stats.maxSpan + 1);
            everyLineFits = true;
            // With every line in one read, line n is the n-th LF line: the
            // display need not read the lines before its window.
            if (target >= 1 && target <= stats.lines) {
                firstLine = stats.wantedLine;
                firstLineStart = stats.wantedStart;
            } else {
                firstLine = std::max<std::int64_t>(1, stats.lines - settings.window + 1);
                firstLineStart = firstLine == 1 ? 0 : stats.lineStarts[firstLine % LineRing::slotCount];
            }
        } else if (stats.lines > 0) {
            bufferSize = INT32_MAX;
        }
    }

    platform::TextReader text;
    const std::size_t maxLine = static_cast<std::size_t>(bufferSize) - 1;
    LineSplitter lines(text, maxLine, everyLineFits);
    char* lineText = static_cast<char*>(std::malloc(static_cast<std::size_t>(bufferSize)));
    if (!lines.ready() || lineText == nullptr) {
        std::free(lineText);
        std::fprintf(stderr, "main(): buffer_size = %d\n", bufferSize);
        return 1;
    }
    LineRing ring(output);
    const int window = ring.fillRing(settings.window, bufferSize);
    if (text.open(settings.fileName) != 0) {
        std::free(lineText);
        std::fprintf(stderr, "%s\n", settings.fileName);
        return 1;
    }
    if (firstLine > 1 && text.seekTo(firstLineStart) != 0) {
        firstLine = 1;  // the file cannot seek: read it all
        text.seekTo(0);
    }

    std::int64_t lineNumber = firstLine - 1;
    bool reached = false;
    RecentLines recent;
    while (!reached && lines.nextBlock()) {
        recent.startBlock();
        const auto keep = [&](const char* begin, const char* end) { recent.add(begin, end); };
        // A block of plain short lines that cannot hold the target is only counted.
        std::int64_t simple = lines.countSimpleLines();
        if (simple >= 0 && (target <= lineNumber || lineNumber + simple < target)) {
            lineNumber += simple;
            lines.passSimpleLines(window, keep);
        } else {
            reached = !lines.forEachLine([&](const char* begin, const char* end) {
                keep(begin, end);
                return ++lineNumber != target;
            });
        }
        recent.pushInto(ring, window, lineText, bufferSize);
        if (reached) ring.showRing(window, bufferSize);
    }
    // The file is read to its end, also after the target was shown.
    lines.readToEnd();
    std::free(lineText);

    if (text.failed()) {
        std::fprintf(stderr, "%s: %s\n", settings.fileName, platform::errorText(text.lastError()));
        return 1;
    }
    if (!reached) ring.showRing(window, bufferSize);
    ring.clearRing();
    return reached ? 0 : 1;
}

