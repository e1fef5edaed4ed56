// Wildcard matching as the Windows directory search applies it to long names.
#include "platform.h"

#include <cstring>
#include <string>

namespace platform {

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// "*" matches any run of characters, "?" exactly one; letters match without
// regard to case. A star that fails is retried one character further on.
bool matchesPlainly(const char* pattern, const char* name) {
    const char* star = nullptr;
    const char* afterStar = nullptr;
    while (*name != '\0') {
        if (*pattern == '*') {
            star = pattern++;
            afterStar = name;
        } else if (*pattern != '\0' && (*pattern == '?' || upper(*pattern) == upper(*name))) {
            ++pattern;
            ++name;
        } else if (star != nullptr) {
            pattern = star + 1;
            name = ++afterStar;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

}  // namespace

bool matchesWildcard(const char* pattern, const char* name) {
    if (matchesPlainly(pattern, name)) return true;
    std::size_t length = std::strlen(pattern);
    // A final "." followed by stars may also match nothing, so "*.*" is every
    // name and "ab.*" takes "ab" as well.
    std::size_t stars = 0;
    while (stars < length && pattern[length - 1 - stars] == '*') ++stars;
    if (stars > 0 && stars < length && pattern[length - 1 - stars] == '.')
        return matchesPlainly(std::string(pattern, length - 1 - stars).c_str(), name);
    // A pattern ending in "." stands for names without an extension too.
    if (length == 0 || pattern[length - 1] != '.' || std::strchr(name, '.') != nullptr) return false;
    while (length > 0 && pattern[length - 1] == '.') --length;
    return matchesPlainly(std::string(pattern, length).c_str(), name);
}

}  // namespace platform
