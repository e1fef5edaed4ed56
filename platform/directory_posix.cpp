// The Windows directory search and file deletion, emulated on POSIX systems.
#include "platform.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

std::string upperCased(const std::string& name) {
    std::string upper = name;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

// The attributes and size Windows would report for the entry at path.
void describe(const std::string& path, const std::string& name, DirectoryEntry& entry) {
    struct stat status;
    entry.attributes = 0;
    entry.size = 0;
    if (::stat(path.c_str(), &status) != 0) return;  // a dangling link: no kind Windows knows
    if (S_ISDIR(status.st_mode)) {
        entry.attributes = directoryAttribute;
    } else if (S_ISREG(status.st_mode)) {
        entry.attributes = archiveAttribute;
        if ((status.st_mode & S_IWUSR) == 0) entry.attributes |= readOnlyAttribute;
        entry.size = static_cast<std::uint64_t>(status.st_size);
    } else {
        return;  // devices, pipes and sockets report none of the attributes
    }
    if (name[0] == '.' && name != "." && name != "..") entry.attributes |= hiddenAttribute;
}

}  // namespace

bool DirectorySearch::first(const char* pattern, DirectoryEntry& entry) {
    close();
    // The directory part ends at the last separator; Windows takes both.
    std::string text = pattern;
    std::replace(text.begin(), text.end(), '\\', '/');
    std::size_t separator = text.rfind('/');
    std::string directory = separator == std::string::npos ? "." : separator == 0 ? "/" : text.substr(0, separator);
    std::string namePattern = separator == std::string::npos ? text : text.substr(separator + 1);
    if (namePattern.empty()) return false;

    DIR* listing = ::opendir(directory.c_str());
    if (listing == nullptr) return false;
    while (const dirent* item = ::readdir(listing)) {
        if (!matchesWildcard(namePattern.c_str(), item->d_name)) continue;
        DirectoryEntry found;
        found.name = item->d_name;
        describe(directory + "/" + found.name, found.name, found);
        found_.push_back(std::move(found));
    }
    ::closedir(listing);

    std::sort(found_.begin(), found_.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        std::string upperA = upperCased(a.name), upperB = upperCased(b.name);
        return upperA != upperB ? upperA < upperB : a.name < b.name;
    });
    return next(entry);
}

bool DirectorySearch::next(DirectoryEntry& entry) {
    if (nextFound_ >= found_.size()) return false;
    entry = found_[nextFound_++];
    return true;
}

void DirectorySearch::close() {
    found_.clear();
    nextFound_ = 0;
}

bool deleteFile(const char* name) {
    struct stat status;
    if (::lstat(name, &status) != 0 || S_ISDIR(status.st_mode)) return false;
    if (S_ISREG(status.st_mode) && (status.st_mode & S_IWUSR) == 0) return false;  // read-only
    return ::unlink(name) == 0;
}

}  // namespace platform
