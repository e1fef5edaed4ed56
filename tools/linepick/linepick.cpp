// linepick: prints a chosen line of a text file with a number of lines
// before and after it, and with -LF measures the file's longest line first.
#include "line_ring.h"
#include "line_splitter.h"
#include "line_stats.h"
#include "platform.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double version = 1.03;
constexpr std::int32_t defaultBufferSize = 4224;
constexpr std::int32_t largestWindow = 127;

const char* const plainUsageLines[] = {
    "linepick -a2 -p567 file_name \n",
    "linepick -b3 -p567 file_name \n",
    "linepick -c4 -p567 file_name \n",
    "linepick -LF -p567 file_name \n",
    "linepick -p567 file_name \n",
    "linepick -s10240 -p567 file_name \n",
    "linepick -V \n",
    "linepick -VC \n",
};

const char* const commentedUsageLines[] = {
    "linepick -a2 -p567 file_name # 2 lines after line-567 \n",
    "linepick -b3 -p567 file_name # 3 lines before line-567 \n",
    "linepick -c4 -p567 file_name # 4 lines before line-567 and 4 lines after line-567 \n",
    "linepick -LF -p567 file_name # Count lines. Record the maximum span from LF to LF. \n",
    "linepick -p567 file_name # line-567 \n",
    "linepick -s10240 -p567 file_name # large buffer size of 10240 bytes \n",
    "linepick -V # version \n",
    "linepick -VC # version with comments \n",
};

void printUsage(const char* const (&lines)[8]) {
    std::fprintf(stderr, "linepick %1.2f\n\n", version);
    for (const char* line : lines) std::fputs(line, stderr);
}

enum class Request { pick, plainUsage, commentedUsage };

struct Settings {
    Request request = Request::pick;
    std::int32_t after = 0;
    std::int32_t before = 0;
    std::int32_t window = 1;
    std::int32_t bufferSize = defaultBufferSize;
    bool hasLine = false;
    std::int32_t line = 0;
    bool lfMode = false;
    const char* fileName = nullptr;
};

std::int32_t windowFor(std::int32_t after, std::int32_t before) {
    return static_cast<std::int32_t>(std::min<std::int64_t>(std::int64_t{after} + before + 1, largestWindow));
}

// The length of argument without the run of decimal digits at its end.
std::size_t splitTrailingNumber(const char* argument) {
    std::size_t length = std::strlen(argument);
    while (length > 0 && argument[length - 1] >= '0' && argument[length - 1] <= '9') --length;
    return length;
}

Settings readArguments(int count, char** arguments) {
    Settings settings;
    for (int i = 0; i < count; ++i) {
        const char* argument = arguments[i];
        if (std::strcmp(argument, "-LF") == 0) {
            settings.lfMode = true;
            continue;
        }
        if (std::strcmp(argument, "-V") == 0 || std::strcmp(argument, "-VC") == 0) {
            settings.request = argument[2] == 'C' ? Request::commentedUsage : Request::plainUsage;
            return settings;
        }
        std::size_t prefixLength = std::strlen(argument) > 2 ? splitTrailingNumber(argument) : 0;
        if (prefixLength != 2 || argument[0] != '-') {
            settings.fileName = argument;
            continue;
        }
        // The digits alone: an empty run is 0, a value beyond 32 bits the largest.
        std::int32_t n = platform::readDecimal(argument + 2).value;
        char letter = argument[1];
        if (letter == 'a' || letter == 'c') settings.after = n;
        if (letter == 'b' || letter == 'c') settings.before = n;
        if (letter == 'a' || letter == 'b' || letter == 'c') {
            settings.window = windowFor(settings.after, settings.before);
        } else if (letter == 's') {
            settings.bufferSize = std::max(n, defaultBufferSize);
        } else if (letter == 'p') {
            settings.hasLine = true;
            settings.line = n;
        } else {
            settings.fileName = argument;
        }
    }
    return settings;
}

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

int pick(const Settings& settings) {
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
        std::printf("%s: %lld lines\n", settings.fileName, static_cast<long long>(stats.lines));
        std::printf("maximum LF-to-LF span of %lld bytes (line-%lld)\n", static_cast<long long>(stats.maxSpan),
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
    LineRing ring;
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

int run(const Settings& settings) {
    if (settings.request == Request::commentedUsage) {
        printUsage(commentedUsageLines);
        return 1;
    }
    // Without a line to pick or a file to pick it from there is nothing to do.
    if (settings.request == Request::plainUsage || !settings.hasLine || settings.fileName == nullptr) {
        printUsage(plainUsageLines);
        return 1;
    }
    return pick(settings);
}

}  // namespace

int main(int argc, char** argv) {
    int status = run(readArguments(argc - 1, argv + 1));
    if (int error = platform::finishStandardOutput()) {
        std::fprintf(stderr, "linepick: %s\n", platform::errorText(error));
        status = 1;
    }
    return status;
}
