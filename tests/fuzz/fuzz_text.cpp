// Reading as text, in pieces of any size, must give the text rule's result.
#include "platform.h"
#include "reference_models.h"
#include "test_files.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t piece = 1 + data[0];
    const std::string raw(reinterpret_cast<const char*>(data) + 1, size - 1);
    writeBytes("fuzz-text.txt", raw);
    platform::TextReader reader;
    if (reader.open("fuzz-text.txt") != 0) __builtin_trap();
    std::string text(piece, '\0'), read;
    while (std::size_t count = reader.read(&text[0], piece)) read.append(text, 0, count);
    if (read != reference::textOf(raw)) __builtin_trap();
    return 0;
}
