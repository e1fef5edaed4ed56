// Untranslated file access and the local time on POSIX systems.
#include "platform.h"
#include "platform_internal.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int ByteFile::openForReading(const char* name) {
    close();
    lastError_ = 0;
    handle_ = ::open(name, O_RDONLY | O_CLOEXEC);
    if (handle_ < 0) return lastError_ = errno;
    // Windows refuses to open a directory as a file; so do we.
    struct stat status;
    if (::fstat(handle_, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(handle_);
        handle_ = -1;
        return lastError_ = EACCES;
    }
    return 0;
}

int ByteFile::createForWriting(const char* name) {
    close();
    lastError_ = 0;
    handle_ = ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    // A directory cannot be written as a file; Windows calls that EACCES too.
    if (handle_ < 0) return lastError_ = errno == EISDIR ? EACCES : errno;
    return 0;
}

std::ptrdiff_t ByteFile::read(void* buffer, std::size_t size) {
    for (;;) {
        ssize_t count = ::read(handle_, buffer, size);
        if (count >= 0) return count;
        if (errno != EINTR) {
            lastError_ = errno;
            return -1;
        }
    }
}

int ByteFile::seekTo(std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(INT64_MAX)) return EINVAL;
    return ::lseek(handle_, static_cast<off_t>(offset), SEEK_SET) < 0 ? errno : 0;
}

bool ByteFile::writeAll(const void* data, std::size_t size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t count = ::write(handle_, next, size);
        if (count < 0) {
            if (errno == EINTR) continue;
            lastError_ = errno;
            return false;
        }
        next += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

bool ByteFile::isSameFileAs(const char* name) const {
    struct stat mine, theirs;
    if (::fstat(handle_, &mine) != 0 || ::stat(name, &theirs) != 0) return false;
    return mine.st_dev == theirs.st_dev && mine.st_ino == theirs.st_ino;
}

int ByteFile::close() {
    if (handle_ < 0) return 0;
    int result = ::close(handle_) == 0 ? 0 : errno;
    handle_ = -1;
    return result;
}

void toLocalFields(std::time_t when, std::tm& fields) { localtime_r(&when, &fields); }

}  // namespace platform
