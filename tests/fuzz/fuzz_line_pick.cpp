// linepick shows the window of lines that a plain reading of the text gives,
// with placeholders before line 1 and the last lines when the text ends
// first; in LF mode after a report of the measured lines.
#include "line_pick.h"
#include "reference_models.h"
#include "test_files.h"

#include <cstdint>
#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    static const std::int32_t bufferSizes[] = {2, 3, 5, 17, 64, 4224};
    PickRequest request;
    request.line = data[0] | (data[3] & 0x70) << 4;  // 0 to 1791
    request.after = data[1] % 140;
    const int before = data[2] % 140;
    request.window = static_cast<std::int32_t>(std::min(request.after + before + 1, 127));
    request.bufferSize = bufferSizes[((data[3] & 0x0E) >> 1) % 6];
    request.lfMode = data[3] & 1;
    request.fileName = "fuzz-pick.txt";
    const std::string raw(reinterpret_cast<const char*>(data) + 4, size - 4);
    writeBytes(request.fileName, raw);

    std::string expected;
    std::size_t maxLine = static_cast<std::size_t>(request.bufferSize) - 1;
    if (request.lfMode) {
        const reference::Measure measure = reference::measureOf(raw);
        char report[200];
        std::snprintf(report, sizeof report, "%s: %lld lines\nmaximum LF-to-LF span of %lld bytes (line-%lld)\n",
                      request.fileName, static_cast<long long>(measure.lines),
                      static_cast<long long>(measure.maxSpan), static_cast<long long>(measure.maxSpanLine));
        expected = report;
        if (measure.lines > 0) maxLine = static_cast<std::size_t>(measure.maxSpan);
    }
    bool reached = false;
    expected += reference::pickedWindow(raw, std::int64_t{request.line} + request.after, request.window, maxLine,
                                        reached);

    std::FILE* output = std::tmpfile();
    if (output == nullptr) __builtin_trap();
    const int status = pickLines(request, output);
    std::string written(expected.size() + 1, '\0');
    std::rewind(output);
    written.resize(std::fread(&written[0], 1, written.size(), output));
    std::fclose(output);
    if (written != expected || status != (reached ? 0 : 1)) __builtin_trap();
    return 0;
}
