// The launcher's command line: Split gives the first 128 runs of characters
// between delimiters, from ".exe" on; Numbered takes each apart into a prefix
// and its trailing digits, whose value it gives when it fits in 32 bits.
#include "reference_models.h"
#include "split.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool skipToExe = data[0] & 1;
    const char* delimiters = data[0] & 2 ? " \t" : " ";
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    text = text.substr(0, text.find('\0'));

    std::string rest = text;
    if (skipToExe && rest.find(".exe") != std::string::npos) rest = rest.substr(rest.find(".exe"));
    std::vector<std::string> expected;
    std::string token;
    for (char c : rest + delimiters[0]) {
        if (std::strchr(delimiters, c) == nullptr) {
            token += c;
        } else if (!token.empty()) {
            if (expected.size() < Split::maxTokens) expected.push_back(token);
            token.clear();
        }
    }

    std::vector<char> writable(text.begin(), text.end());
    writable.push_back('\0');
    Split split(writable.data(), delimiters, skipToExe);
    if (split.count != static_cast<std::int32_t>(expected.size())) __builtin_trap();
    for (int i = 0; i < split.count; ++i) {
        if (expected[i] != split.tokens[i]) __builtin_trap();
        Numbered numbered(split.tokens[i]);
        const std::string prefix = numbered.prefixText(), digits = numbered.digits;
        const bool endsInDigit = !prefix.empty() && prefix.back() >= '0' && prefix.back() <= '9';
        if (prefix + digits != expected[i] || endsInDigit ||
            digits.find_first_not_of("0123456789") != std::string::npos)
            __builtin_trap();
        const reference::Decimal value = reference::decimalOf(digits);
        if (numbered.number() != (value.hasDigits && !value.outOfRange ? value.value : 0)) __builtin_trap();
    }
    return 0;
}
