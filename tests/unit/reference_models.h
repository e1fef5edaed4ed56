// Plain transcriptions of the suite's rules, byte by byte, for tests and
// fuzzers to hold the fast implementations against.
#pragma once

#include <cstdint>
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
// letters without regard to case; "*.*" every name; a pattern ending in "."
// also the names without a dot that match it without its final dots.
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
    if (pattern == "*.*" || matchesPlainly(pattern.c_str(), name.c_str())) return true;
    if (pattern.empty() || pattern.back() != '.' || name.find('.') != std::string::npos) return false;
    std::string stripped = pattern;
    while (!stripped.empty() && stripped.back() == '.') stripped.pop_back();
    return matchesPlainly(stripped.c_str(), name.c_str());
}

}  // namespace reference
