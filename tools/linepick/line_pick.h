// linepick's work: reads a text file through a line buffer, keeps the most
// recent lines in the LineRing and shows the window of lines that ends at
// the target line (line + after), or the last lines read when the file ends
// before it. With lfMode the file's lines are measured first and the buffer
// is sized to the longest.
#pragma once

#include <cstdint>
#include <cstdio>

struct PickRequest {
    std::int32_t line = 0;
    std::int32_t after = 0;
    std::int32_t window = 1;  // lines shown, at most 127
    std::int32_t bufferSize = 4224;
    bool lfMode = false;
    const char* fileName = nullptr;
};

// Writes the LF-mode report and the window to output, messages to standard
// error. Returns the exit code: 0 when the target line was reached.
int pickLines(const PickRequest& request, std::FILE* output);
