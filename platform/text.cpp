// Text files by the suite's own rule, the same on every platform: reading
// drops every CR byte and stops at a 0x1A byte; writing sends LF as CR LF.
#include "platform.h"

#include <cstring>
#include <string>

namespace platform {

namespace {

constexpr char carriageReturn = '\r';
constexpr char endOfText = 0x1A;

// Removes every CR from bytes[0, size) in place; returns the new size.
std::size_t dropCarriageReturns(char* bytes, std::size_t size) {
    char* end = bytes + size;
    char* out = static_cast<char*>(std::memchr(bytes, carriageReturn, size));
    if (out == nullptr) return size;
    for (const char* in = out + 1; in < end;) {
        const char* next = static_cast<const char*>(std::memchr(in, carriageReturn, end - in));
        const char* stop = next != nullptr ? next : end;
        std::memmove(out, in, stop - in);
        out += stop - in;
        in = stop + 1;
    }
    return out - bytes;
}

}  // namespace

int TextReader::open(const char* name) {
    start_ = end_ = 0;
    ended_ = false;
    return file_.openForReading(name);
}

int TextReader::seekTo(std::uint64_t offset) {
    start_ = end_ = 0;
    ended_ = false;
    return file_.seekTo(offset);
}

bool TextReader::refill() {
    start_ = end_ = 0;
    while (!ended_ && end_ == 0) {
        std::ptrdiff_t count = file_.read(block_, blockSize);
        if (count <= 0) {
            ended_ = true;
            break;
        }
        std::size_t size = static_cast<std::size_t>(count);
        if (const void* stop = std::memchr(block_, endOfText, size)) {
            size = static_cast<const char*>(stop) - block_;
            ended_ = true;
        }
        end_ = dropCarriageReturns(block_, size);
    }
    return end_ > 0;
}

std::size_t TextReader::read(char* buffer, std::size_t size) {
    std::size_t copied = 0;
    while (copied < size) {
        if (start_ == end_ && !refill()) break;
        std::size_t piece = end_ - start_;
        if (piece > size - copied) piece = size - copied;
        std::memcpy(buffer + copied, block_ + start_, piece);
        start_ += piece;
        copied += piece;
    }
    return copied;
}

std::size_t TextReader::readWithCarriageReturns(char* buffer, std::size_t size) {
    if (start_ < end_) return read(buffer, size);  // what get() or read() left in the block
    if (ended_ || size == 0) return 0;
    std::ptrdiff_t count = file_.read(buffer, size);
    if (count <= 0) {
        ended_ = true;
        return 0;
    }
    if (const void* stop = std::memchr(buffer, endOfText, static_cast<std::size_t>(count))) {
        ended_ = true;
        return static_cast<const char*>(stop) - buffer;
    }
    return static_cast<std::size_t>(count);
}

int TextReader::get() {
    if (start_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(block_[start_++]);
}

bool TextReader::readLine(std::string& line, std::size_t longest) {
    for (;;) {
        line.clear();
        bool tooLong = false;
        int c;
        while ((c = get()) != -1 && c != '\n') {
            if (line.size() == longest)
                tooLong = true;
            else
                line += static_cast<char>(c);
        }
        if (!tooLong && (c != -1 || !line.empty())) return true;
        if (c == -1) return false;
    }
}

TextWriter::~TextWriter() { close(); }

int TextWriter::create(const char* name) {
    used_ = 0;
    firstError_ = 0;
    return file_.createForWriting(name);
}

bool TextWriter::flush() {
    if (firstError_ == 0 && used_ > 0 && !file_.writeAll(block_, used_)) firstError_ = file_.lastError();
    used_ = 0;
    return firstError_ == 0;
}

bool TextWriter::write(const char* text, std::size_t size) {
    const char* end = text + size;
    while (text < end) {
        const char* lineFeed = static_cast<const char*>(std::memchr(text, '\n', end - text));
        const char* stop = lineFeed != nullptr ? lineFeed : end;
        while (text < stop) {
            if (used_ == blockSize && !flush()) return false;
            std::size_t piece = blockSize - used_;
            if (piece > static_cast<std::size_t>(stop - text)) piece = stop - text;
            std::memcpy(block_ + used_, text, piece);
            used_ += piece;
            text += piece;
        }
        if (lineFeed != nullptr) {
            if (used_ + 2 > blockSize && !flush()) return false;
            block_[used_++] = '\r';
            block_[used_++] = '\n';
            ++text;
        }
    }
    return firstError_ == 0;
}

bool TextWriter::write(const char* text) { return write(text, std::strlen(text)); }

int TextWriter::close() {
    if (!file_.isOpen()) return firstError_;
    flush();
    int closeError = file_.close();
    if (firstError_ == 0) firstError_ = closeError;
    return firstError_;
}

}  // namespace platform
