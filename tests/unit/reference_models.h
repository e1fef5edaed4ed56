// Plain transcriptions of the suite's rules, byte by byte, for tests and
// fuzzers to hold the fast implementations against.
#pragma once

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace reference {

// Reading as text: every CR dropped, the text ends at 0x1A.
inline std::string textOf(const std::string& raw) {
    std::string text;
    for (char c : raw) {
        if (c == 0x1A) break;
        if (c != '\r') text += c;
    }
    return text;
}

// The lines that reading text with a line buffer of maxLine + 1 bytes gives:
// each line at most maxLine bytes of text, up to and including its LF.
inline std::vector<std::string> linesOf(const std::string& raw, std::size_t maxLine) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : textOf(raw)) {
        line += c;
        if (c == '\n' || line.size() == maxLine) {
            lines.push_back(line);
            line.clear();
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// lintally's conversion as its rules are written, one byte at a time.
inline std::string lineBreaksConverted(const std::string& input, std::int32_t groupSize, std::int64_t& written) {
    const std::int64_t limit = std::int64_t{groupSize} - 1;
    bool pending = false;
    std::int64_t extra = 0;
    std::string output;
    written = 0;
    for (char byte : input) {
        if (byte == '\n' || byte == '\r') {
            if (!pending) {
                pending = true;
            } else if (++extra == limit && byte == '\n') {
                output += '\n';
                ++written;
                pending = false;
                extra = 0;
            }
        } else {
            if (extra == 1) {
                output += '\n';
                ++written;
            }
            pending = false;
            extra = 0;
            output += byte;
        }
    }
    if (extra == 1) {
        output += '\n';
        ++written;
    }
    return output;
}

// Wildcard matching tried every way: "*" any run, "?" one character,
// letters without regard to case; a final "." followed by stars also
// matching nothing (so "*.*" is every name); a pattern ending in "." also the
// names without a dot that match it without its final dots.
inline bool matchesPlainly(const char* pattern, const char* name) {
    auto upper = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    const std::string p = pattern, n = name;
    // matches[i][j]: the pattern from i on matches the name from j on.
    std::vector<std::vector<bool>> matches(p.size() + 1, std::vector<bool>(n.size() + 1, false));
    matches[p.size()][n.size()] = true;
    for (std::size_t i = p.size(); i-- > 0;) {
        for (std::size_t j = n.size() + 1; j-- > 0;) {
            if (p[i] == '*')
                matches[i][j] = matches[i + 1][j] || (j < n.size() && matches[i][j + 1]);
            else
                matches[i][j] = j < n.size() && (p[i] == '?' || upper(p[i]) == upper(n[j])) && matches[i + 1][j + 1];
        }
    }
    return matches[0][0];
}

inline bool matchesWildcard(const std::string& pattern, const std::string& name) {
    if (matchesPlainly(pattern.c_str(), name.c_str())) return true;
    const std::size_t body = pattern.find_last_not_of('*');
    if (body != std::string::npos && body + 1 < pattern.size() && pattern[body] == '.')
        return matchesPlainly(pattern.substr(0, body).c_str(), name.c_str());
    if (pattern.empty() || pattern.back() != '.' || name.find('.') != std::string::npos) return false;
    std::string stripped = pattern;
    while (!stripped.empty() && stripped.back() == '.') stripped.pop_back();
    return matchesPlainly(stripped.c_str(), name.c_str());
}

// Short lines as the pattern file and the removal list are read: the text
// rule, lines cut at LF, a line of more than longest characters passed over
// whole, a last line without LF taken when it holds something.
inline std::vector<std::string> shortLinesOf(const std::string& raw, std::size_t longest) {
    std::vector<std::string> lines;
    std::string text = textOf(raw), line;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != '\n') {
            line += text[at];
            continue;
        }
        if (line.size() <= longest && (at < text.size() || !line.empty())) lines.push_back(line);
        line.clear();
    }
    return lines;
}

// A decimal number read the C library's way (strtoll), then held to 32 bits.
struct Decimal {
    std::int32_t value = 0;
    bool hasDigits = false;
    bool outOfRange = false;
};

inline Decimal decimalOf(const std::string& text) {
    Decimal decimal;
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long value = std::strtoll(begin, &end, 10);
    // strtoll takes "+" or "-" without digits as nothing read.
    decimal.hasDigits = end != begin;
    bool beyond = errno == ERANGE || value > INT32_MAX || value < INT32_MIN;
    decimal.outOfRange = beyond;
    decimal.value = static_cast<std::int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
    return decimal;
}

// linepick's measure of a text: its LF count and its longest LF-ended line,
// LF included (the first of equals), as read after the text rule.
struct Measure {
    std::int64_t lines = 0;
    std::int64_t maxSpan = 0;
    std::int64_t maxSpanLine = 0;
};

inline Measure measureOf(const std::string& raw) {
    Measure measure;
    std::int64_t span = 0;
    for (char c : textOf(raw)) {
        ++span;
        if (c != '\n') continue;
        ++measure.lines;
        if (span > measure.maxSpan) {
            measure.maxSpan = span;
            measure.maxSpanLine = measure.lines;
        }
        span = 0;
    }
    return measure;
}

// The lines linepick shows: the window lines ending at line target, lines
// read with room for maxLine bytes each and shown without their LF and up to
// a NUL byte (the ring keeps NUL-ended lines), places before line 1 as a
// single space; or, when the text ends first (reached false), the last
// window lines read.
inline std::string pickedWindow(const std::string& raw, std::int64_t target, int window, std::size_t maxLine,
                                bool& reached) {
    std::vector<std::string> shown(static_cast<std::size_t>(window), " ");
    for (std::string line : linesOf(raw, maxLine)) {
        if (!line.empty() && line.back() == '\n') line.pop_back();
        shown.push_back(line.substr(0, line.find('\0')));
    }
    const std::int64_t read = static_cast<std::int64_t>(shown.size()) - window;
    reached = target >= 1 && target <= read;
    const std::int64_t last = window + (reached ? target : read);  // one past the last line shown
    std::string output;
    for (std::int64_t i = last - window; i < last; ++i) output += shown[static_cast<std::size_t>(i)] + "\n";
    return output;
}

}  // namespace reference
