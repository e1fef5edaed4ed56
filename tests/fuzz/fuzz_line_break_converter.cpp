// lintally's conversion, fed in blocks of any size, must give what its
// rules give byte by byte.
#include "line_break_converter.h"
#include "reference_models.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 5) return 0;
    std::int32_t groupSize;
    std::memcpy(&groupSize, data, 4);
    if (data[0] & 1) groupSize = static_cast<std::int8_t>(data[1]);  // mostly small sizes
    const std::size_t piece = 1 + data[4];
    const std::string input(reinterpret_cast<const char*>(data) + 5, size - 5);

    LineBreakConverter converter(groupSize);
    std::string output(input.size() + 1, '\0');
    char* out = &output[0];
    for (std::size_t at = 0; at < input.size(); at += piece) {
        std::size_t length = std::min(piece, input.size() - at);
        out = converter.convert(input.data() + at, input.data() + at + length, out);
    }
    out = converter.finish(out);
    output.resize(out - output.data());

    std::int64_t written = 0;
    if (output != reference::lineBreaksConverted(input, groupSize, written) || converter.written() != written)
        __builtin_trap();
    return 0;
}
