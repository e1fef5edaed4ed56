// lintally's conversion, fed in blocks of any size, must give what its
// rules give byte by byte; its count is the LF bytes it wrote, and no CR
// passes.
#include "convert_in_pieces.h"
#include "reference_models.h"

#include <algorithm>
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

    std::int64_t written = 0, expectedWritten = 0;
    const std::string output = convertInPieces(input, groupSize, piece, written);
    if (output != reference::lineBreaksConverted(input, groupSize, expectedWritten) || written != expectedWritten)
        __builtin_trap();
    // No CR ever reaches the output, and every LF in it is one the rules wrote.
    if (output.find('\r') != std::string::npos ||
        std::count(output.begin(), output.end(), '\n') != written)
        __builtin_trap();
    return 0;
}
