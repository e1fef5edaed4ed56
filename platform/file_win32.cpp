// Untranslated file access and the local time on Windows, through the C
// runtime's low-level I/O in binary mode (so no byte is translated).
#include "platform.h"
#include "platform_internal.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace platform {

namespace {
// The runtime's _read and _write take an unsigned int count.
constexpr std::size_t largestTransfer = 1u << 30;
}  // namespace

int ByteFile::openForReading(const char* name) {
    close();
    lastError_ = 0;
    handle_ = ::_open(name, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
    if (handle_ < 0) return lastError_ = errno;
    return 0;
}

int ByteFile::createForWriting(const char* name) {
    close();
    lastError_ = 0;
    handle_ = ::_open(name, _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                      _S_IREAD | _S_IWRITE);
    if (handle_ < 0) return lastError_ = errno;
    return 0;
}

std::ptrdiff_t ByteFile::read(void* buffer, std::size_t size) {
    if (size > largestTransfer) size = largestTransfer;
    int count = ::_read(handle_, buffer, static_cast<unsigned>(size));
    if (count < 0) {
        lastError_ = errno;
        return -1;
    }
    return count;
}

int ByteFile::seekTo(std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(INT64_MAX)) return EINVAL;
    return ::_lseeki64(handle_, static_cast<__int64>(offset), SEEK_SET) < 0 ? errno : 0;
}

bool ByteFile::writeAll(const void* data, std::size_t size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        std::size_t piece = size < largestTransfer ? size : largestTransfer;
        int count = ::_write(handle_, next, static_cast<unsigned>(piece));
        if (count <= 0) {
            lastError_ = count < 0 ? errno : ENOSPC;
            return false;
        }
        next += count;
        size -= static_cast<std::size_t>(count);
    }
    return true;
}

namespace {
// The volume and file index that identify a file whatever its name.
bool fileIdentity(HANDLE file, BY_HANDLE_FILE_INFORMATION& identity) {
    return file != INVALID_HANDLE_VALUE && GetFileInformationByHandle(file, &identity) != 0;
}
}  // namespace

bool ByteFile::isSameFileAs(const char* name) const {
    BY_HANDLE_FILE_INFORMATION mine, theirs;
    if (!fileIdentity(reinterpret_cast<HANDLE>(::_get_osfhandle(handle_)), mine)) return false;
    // Asking for no access opens even a file that others hold open.
    HANDLE other = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    bool found = fileIdentity(other, theirs);
    if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
    return found && mine.dwVolumeSerialNumber == theirs.dwVolumeSerialNumber &&
           mine.nFileIndexHigh == theirs.nFileIndexHigh && mine.nFileIndexLow == theirs.nFileIndexLow;
}

int ByteFile::close() {
    if (handle_ < 0) return 0;
    int result = ::_close(handle_) == 0 ? 0 : errno;
    handle_ = -1;
    return result;
}

void toLocalFields(std::time_t when, std::tm& fields) { localtime_s(&fields, &when); }

}  // namespace platform
