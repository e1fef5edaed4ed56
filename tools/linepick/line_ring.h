// LineRing: the most recent lines read, in a circular queue of 128 slots of
// which at most 127 hold an entry; each entry owns a block of the line buffer
// size holding one NUL-terminated line.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

class LineRing {
public:
    enum Result { pushed = 0, dropped = 1, wasEmpty = 2, wasFull = 3, noMemory = 4 };
    static constexpr int slotCount = 128;
    using Allocator = void* (*)(std::size_t);

    // showRing writes its lines to output and its message to errors; blocks
    // come from allocate (tests pass one that fails).
    explicit LineRing(std::FILE* output = stdout, std::FILE* errors = stderr, Allocator allocate = std::malloc);
    ~LineRing();
    LineRing(const LineRing&) = delete;
    LineRing& operator=(const LineRing&) = delete;

    bool ringEmpty() const;
    int ringCount() const;
    // Releases the oldest entry: dropped, or wasEmpty when there is none.
    Result dropOldest();
    // Copies text (shorter than size) into a new block of size bytes at the
    // write end: pushed, wasFull or noMemory.
    Result pushLine(const char* text, std::int32_t size);
    void clearRing();
    // Empties the ring, then pushes n placeholder lines of a single space;
    // returns the number of entries, at most 127.
    int fillRing(int n, std::int32_t size);
    // Writes the oldest min(repetition, ringCount()) entries, each followed by
    // a line feed, in one write; the ring does not change.
    void showRing(int repetition, std::int32_t size);

private:
    static int nextSlot(int slot) { return (slot + 1) % slotCount; }

    char* slots_[slotCount] = {};
    int read_ = 0;
    int write_ = 0;
    std::FILE* output_;
    std::FILE* errors_;
    Allocator allocate_;
};
