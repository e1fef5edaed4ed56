// The parts of the portability layer that are the same on every platform.
#include "platform.h"
#include "platform_internal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace platform {

ByteFile::~ByteFile() { close(); }

ByteFile::ByteFile(ByteFile&& other) noexcept
    : handle_(std::exchange(other.handle_, -1)), lastError_(other.lastError_) {}

ByteFile& ByteFile::operator=(ByteFile&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, -1);
        lastError_ = other.lastError_;
    }
    return *this;
}

const char* errorText(int error) { return std::strerror(error); }

int finishStandardOutput() {
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) return errno != 0 ? errno : EIO;
    return 0;
}

LocalTime localTimeNow() {
    std::tm fields{};
    toLocalFields(std::time(nullptr), fields);
    LocalTime local;
    local.year = fields.tm_year + 1900;
    local.month = fields.tm_mon + 1;
    local.day = fields.tm_mday;
    local.hour = fields.tm_hour;
    local.minute = fields.tm_min;
    local.second = fields.tm_sec;
    return local;
}

}  // namespace platform
