#include "line_ring.h"

#include <cstring>

LineRing::LineRing(std::FILE* output, std::FILE* errors, Allocator allocate)
    : output_(output), errors_(errors), allocate_(allocate) {}

LineRing::~LineRing() { clearRing(); }

bool LineRing::ringEmpty() const { return read_ == write_; }

int LineRing::ringCount() const {
    if (read_ < write_) return write_ - read_;
    if (read_ == write_) return 0;
    return write_ + slotCount - read_;
}

LineRing::Result LineRing::dropOldest() {
    if (ringEmpty()) return wasEmpty;
    std::free(slots_[read_]);
    slots_[read_] = nullptr;
    read_ = nextSlot(read_);
    return dropped;
}

LineRing::Result LineRing::pushLine(const char* text, std::int32_t size) {
    if (nextSlot(write_) == read_) return wasFull;
    char* block = size > 0 ? static_cast<char*>(allocate_(static_cast<std::size_t>(size))) : nullptr;
    if (block == nullptr) return noMemory;
    std::memcpy(block, text, std::strlen(text) + 1);
    slots_[write_] = block;
    write_ = nextSlot(write_);
    return pushed;
}

void LineRing::clearRing() {
    for (int count = ringCount(); count > 0; --count) dropOldest();
}

int LineRing::fillRing(int n, std::int32_t size) {
    clearRing();
    for (int i = 0; i < n && i < slotCount; ++i) pushLine(" ", size);
    return ringCount();
}

void LineRing::showRing(int repetition, std::int32_t size) {
    if (ringCount() < repetition) repetition = ringCount();
    // Room for repetition lines of size bytes each and the terminator.
    const std::size_t lineRoom = size > 0 ? static_cast<std::size_t>(size) : 0;
    char* text = nullptr;
    if (repetition > 0 && lineRoom > 0 && lineRoom <= (SIZE_MAX - 1) / static_cast<std::size_t>(repetition))
        text = static_cast<char*>(allocate_(lineRoom * static_cast<std::size_t>(repetition) + 1));
    if (text == nullptr) {
        std::fprintf(errors_, "showRing(): buffer_size = %d ( repetition = %d )\n", size, repetition);
        return;
    }
    std::size_t used = 0;
    for (int slot = read_, i = 0; i < repetition; ++i, slot = nextSlot(slot)) {
        std::size_t length = std::strlen(slots_[slot]);
        std::memcpy(text + used, slots_[slot], length);
        used += length;
        text[used++] = '\n';
    }
    std::fwrite(text, 1, used, output_);
    std::free(text);
}
