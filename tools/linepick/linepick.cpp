// linepick: prints a chosen line of a text file with a number of lines
// before and after it, and with -LF measures the file's longest line first.
#include "line_pick.h"
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
    std::int32_t before = 0;
    bool hasLine = false;
    PickRequest pick;
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
            settings.pick.lfMode = true;
            continue;
        }
        if (std::strcmp(argument, "-V") == 0 || std::strcmp(argument, "-VC") == 0) {
            settings.request = argument[2] == 'C' ? Request::commentedUsage : Request::plainUsage;
            return settings;
        }
        std::size_t prefixLength = std::strlen(argument) > 2 ? splitTrailingNumber(argument) : 0;
        if (prefixLength != 2 || argument[0] != '-') {
            settings.pick.fileName = argument;
            continue;
        }
        // The digits alone: an empty run is 0, a value beyond 32 bits the largest.
        std::int32_t n = platform::readDecimal(argument + 2).value;
        char letter = argument[1];
        if (letter == 'a' || letter == 'c') settings.pick.after = n;
        if (letter == 'b' || letter == 'c') settings.before = n;
        if (letter == 'a' || letter == 'b' || letter == 'c') {
            settings.pick.window = windowFor(settings.pick.after, settings.before);
        } else if (letter == 's') {
            settings.pick.bufferSize = std::max(n, defaultBufferSize);
        } else if (letter == 'p') {
            settings.hasLine = true;
            settings.pick.line = n;
        } else {
            settings.pick.fileName = argument;
        }
    }
    return settings;
}

int run(const Settings& settings) {
    if (settings.request == Request::commentedUsage) {
        printUsage(commentedUsageLines);
        return 1;
    }
    // Without a line to pick or a file to pick it from there is nothing to do.
    if (settings.request == Request::plainUsage || !settings.hasLine || settings.pick.fileName == nullptr) {
        printUsage(plainUsageLines);
        return 1;
    }
    return pickLines(settings.pick, stdout);
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
