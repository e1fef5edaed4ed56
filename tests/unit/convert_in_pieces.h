// Feeds lintally's converter a text in pieces of one size, as the tool
// feeds it blocks; for the tests and the fuzzer.
#pragma once

#include "line_break_converter.h"

#include <algorithm>
#include <cstdint>
#include <string>

inline std::string convertInPieces(const std::string& input, std::int32_t groupSize, std::size_t piece,
                                   std::int64_t& written) {
    LineBreakConverter converter(groupSize);
    std::string output(input.size() + 1, '\0');
    char* out = &output[0];
    for (std::size_t at = 0; at < input.size(); at += piece) {
        std::size_t size = std::min(piece, input.size() - at);
        out = converter.convert(input.data() + at, input.data() + at + size, out);
    }
    out = converter.finish(out);
    output.resize(out - output.data());
    written = converter.written();
    return output;
}
