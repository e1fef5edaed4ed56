// Split cuts a text into tokens at delimiter characters; Numbered takes one
// token apart into a prefix and the run of decimal digits at its end.
#pragma once

#include <cstdint>
#include <string>

class Split {
public:
    static constexpr int maxTokens = 128;

    // Cuts text in place (it must be writable). With skipToExe, cutting
    // starts at the first ".exe", so that a program path with spaces never
    // becomes tokens of its own.
    Split(char* text, const char* delimiters, bool skipToExe);
    ~Split();
    Split(const Split&) = delete;
    Split& operator=(const Split&) = delete;

    std::int32_t count = 0;
    char* tokens[maxTokens] = {};
};

class Numbered {
public:
    explicit Numbered(const char* text);
    ~Numbered();
    Numbered(const Numbered&) = delete;
    Numbered& operator=(const Numbered&) = delete;

    // The value of the trailing digits; 0 when there are none or when they
    // stand for more than a signed 32-bit number holds.
    std::int32_t number() const;
    // The text without its trailing digits.
    std::string prefixText() const { return prefix; }

    char* copy;  // the text, reversed once construction is over
    std::int32_t length;
    std::int32_t prefixLength;
    std::int32_t digitCount;
    char* prefix;
    char* digits;
};
