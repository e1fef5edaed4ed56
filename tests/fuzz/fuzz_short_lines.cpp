// The pattern file of trashlist and the removal list of purgeit are read as
// short lines: every line of at most the longest length, longer lines
// passed over whole, after the text rule.
#include "platform.h"
#include "reference_models.h"
#include "test_files.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t longest = data[0] == 0xFF ? 255 : data[0] % 16;  // the lists' 255, and short ones
    const std::string raw(reinterpret_cast<const char*>(data) + 1, size - 1);
    writeBytes("fuzz-list.txt", raw);
    platform::TextReader reader;
    if (reader.open("fuzz-list.txt") != 0) __builtin_trap();
    std::vector<std::string> lines;
    std::string line;
    while (reader.readLine(line, longest)) lines.push_back(line);
    if (lines != reference::shortLinesOf(raw, longest)) __builtin_trap();
    return 0;
}
