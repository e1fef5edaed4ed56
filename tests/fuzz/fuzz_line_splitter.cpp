// linepick's line splitting, the line-by-line way and the quick way, must
// give the lines that reading with a line buffer gives.
#include "line_splitter.h"
#include "reference_models.h"
#include "test_files.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    static const std::size_t bufferSizes[] = {1, 2, 3, 7, 31, 64, 100, 4223};
    const std::size_t maxLine = bufferSizes[data[0] % 8];
    const int keep = data[1] % 128;
    const std::string raw(reinterpret_cast<const char*>(data) + 2, size - 2);
    const std::vector<std::string> expected = reference::linesOf(raw, maxLine);
    writeBytes("fuzz-lines.txt", raw);

    for (bool quickly : {false, true}) {
        platform::TextReader text;
        if (text.open("fuzz-lines.txt") != 0) __builtin_trap();
        LineSplitter splitter(text, maxLine);
        std::size_t count = 0;
        auto check = [&](const char* begin, const char* end) {
            std::string line;
            for (; begin < end; ++begin)
                if (*begin != '\r') line += *begin;
            if (count >= expected.size() || line != expected[count]) __builtin_trap();
            ++count;
            return true;
        };
        while (splitter.nextBlock()) {
            std::int64_t simple = quickly ? splitter.countSimpleLines() : -1;
            if (simple < 0) {
                splitter.forEachLine(check);
                continue;
            }
            std::size_t first = count + static_cast<std::size_t>(simple) - std::min<std::size_t>(keep, simple);
            count = first;
            splitter.passSimpleLines(keep, check);
            if (count != first + std::min<std::size_t>(keep, simple)) __builtin_trap();
        }
        if (count != expected.size()) __builtin_trap();
    }
    return 0;
}
