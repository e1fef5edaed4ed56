// The Windows directory search and file deletion.
#include "platform.h"

#include <windows.h>

namespace platform {

namespace {
void copyEntry(const WIN32_FIND_DATAA& data, DirectoryEntry& entry) {
    entry.name = data.cFileName;
    entry.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
    entry.attributes = data.dwFileAttributes;
}
}  // namespace

bool DirectorySearch::first(const char* pattern, DirectoryEntry& entry) {
    close();
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA(pattern, &data);
    if (search == INVALID_HANDLE_VALUE) return false;
    handle_ = search;
    copyEntry(data, entry);
    return true;
}

bool DirectorySearch::next(DirectoryEntry& entry) {
    WIN32_FIND_DATAA data;
    if (handle_ == nullptr || !FindNextFileA(static_cast<HANDLE>(handle_), &data)) return false;
    copyEntry(data, entry);
    return true;
}

void DirectorySearch::close() {
    if (handle_ != nullptr) FindClose(static_cast<HANDLE>(handle_));
    handle_ = nullptr;
}

bool deleteFile(const char* name) { return DeleteFileA(name) != 0; }

}  // namespace platform
