#include "split.h"

#include "platform.h"

#include <algorithm>
#include <cstring>

namespace {
char* duplicate(const char* text, std::size_t length) {
    char* copy = new char[length + 1];
    std::memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}
}  // namespace

Split::Split(char* text, const char* delimiters, bool skipToExe) {
    if (skipToExe)
        if (char* exe = std::strstr(text, ".exe")) text = exe;
    for (char* at = text; count < maxTokens;) {
        at += std::strspn(at, delimiters);
        if (*at == '\0') break;
        std::size_t length = std::strcspn(at, delimiters);
        char* end = at + length;
        bool last = *end == '\0';
        *end = '\0';  // the token is cut out of the text
        tokens[count++] = duplicate(at, length);
        if (last) break;
        at = end + 1;
    }
}

Split::~Split() {
    for (int i = 0; i < count; ++i) delete[] tokens[i];
}

Numbered::Numbered(const char* text) {
    length = static_cast<std::int32_t>(std::strlen(text));
    copy = duplicate(text, static_cast<std::size_t>(length));
    std::reverse(copy, copy + length);
    digitCount = static_cast<std::int32_t>(std::strspn(copy, "0123456789"));
    prefixLength = length - digitCount;
    prefix = duplicate(text, static_cast<std::size_t>(prefixLength));
    digits = duplicate(text + prefixLength, static_cast<std::size_t>(digitCount));
}

Numbered::~Numbered() {
    delete[] copy;
    delete[] prefix;
    delete[] digits;
}

std::int32_t Numbered::number() const {
    platform::DecimalReading reading = platform::readDecimal(digits);
    return reading.hasDigits && !reading.outOfRange ? reading.value : 0;
}
