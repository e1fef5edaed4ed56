// What the console tools need from the operating system, behind one header.
//
// Errors are reported as the C library's errno values, so every program can
// print them with errorText(). The POSIX implementation behaves as the
// Windows C runtime does where the two differ: a directory cannot be opened
// as a file (EACCES, as on Windows).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// An open file, read or written as untranslated bytes. Move-only; the file
// is closed when the object is destroyed.
class ByteFile {
public:
    ByteFile() = default;
    ~ByteFile();
    ByteFile(ByteFile&& other) noexcept;
    ByteFile& operator=(ByteFile&& other) noexcept;
    ByteFile(const ByteFile&) = delete;
    ByteFile& operator=(const ByteFile&) = delete;

    // Opens an existing file for reading. Returns 0 or an errno value.
    int openForReading(const char* name);
    // Creates the file, or empties an existing one, for writing. Returns 0 or an errno value.
    int createForWriting(const char* name);

    // Reads up to size bytes. Returns the count read, 0 at the end of the file,
    // or -1 on failure (lastError() tells which).
    std::ptrdiff_t read(void* buffer, std::size_t size);
    // Moves to offset bytes from the start. Returns 0 or an errno value.
    int seekTo(std::uint64_t offset);
    // Writes all size bytes. Returns false on failure (lastError() tells which).
    bool writeAll(const void* data, std::size_t size);
    // Closes the file. Returns 0 or the errno value of the failure.
    int close();

    // True when name refers to this open file, by whatever name or link; false
    // when name cannot be found.
    bool isSameFileAs(const char* name) const;

    bool isOpen() const { return handle_ >= 0; }
    int lastError() const { return lastError_; }

private:
    int handle_ = -1;
    int lastError_ = 0;
};

// A file read as text: every CR byte is dropped (the byte after it is taken
// in its place, so CR LF reads as LF) and a 0x1A byte ends the input.
class TextReader {
public:
    TextReader() = default;
    TextReader(const TextReader&) = delete;
    TextReader& operator=(const TextReader&) = delete;

    // Returns 0 or an errno value.
    int open(const char* name);
    // Fills buffer with up to size bytes of text. Returns the count, 0 at the
    // end of the text or on a failure (failed() tells which).
    std::size_t read(char* buffer, std::size_t size);
    // The next byte of text (0 to 255), or -1 at the end of the text or on a failure.
    int get();
    // The next line, without its LF, among those of at most `longest`
    // characters: a longer line is passed over whole, so that no piece of it
    // is taken for a line. A last line without LF counts. False at the end.
    bool readLine(std::string& line, std::size_t longest);
    // Like read, but leaves the CR bytes in place, for callers that pass over
    // them while they scan; the text still ends at a 0x1A byte.
    std::size_t readWithCarriageReturns(char* buffer, std::size_t size);
    // Goes on reading from offset bytes into the file. Returns 0 or an errno value.
    int seekTo(std::uint64_t offset);
    bool failed() const { return file_.lastError() != 0; }
    int lastError() const { return file_.lastError(); }
    int close() { return file_.close(); }
    bool isSameFileAs(const char* name) const { return file_.isSameFileAs(name); }

private:
    bool refill();

    ByteFile file_;
    static constexpr std::size_t blockSize = 64 * 1024;
    char block_[blockSize];
    std::size_t start_ = 0;  // next unread byte of block_
    std::size_t end_ = 0;    // one past the last translated byte of block_
    bool ended_ = false;     // 0x1A met, end of file reached or a read failed
};

// A file written as text: every LF goes out as CR LF, on every platform.
class TextWriter {
public:
    TextWriter() = default;
    ~TextWriter();
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    // Creates the file, or empties an existing one. Returns 0 or an errno value.
    int create(const char* name);
    // Returns false once any write has failed.
    bool write(const char* text, std::size_t size);
    bool write(const char* text);
    // Writes what is buffered and closes the file. Returns 0 or the errno
    // value of the first failure of any write or of the close.
    int close();

private:
    bool flush();

    ByteFile file_;
    static constexpr std::size_t blockSize = 64 * 1024;
    char block_[blockSize];
    std::size_t used_ = 0;
    int firstError_ = 0;
};

// A decimal number read from text: leading white space is skipped, an
// optional sign taken, then digits up to the first other character. The value
// is clamped to the signed 32-bit range; each program decides what no digits
// or an out-of-range value means for it.
struct DecimalReading {
    std::int32_t value = 0;   // 0 when there are no digits
    bool hasDigits = false;
    bool outOfRange = false;  // the digits named a value beyond the 32-bit range
};
DecimalReading readDecimal(const char* text);

// The C library's text for an errno value, as strerror gives it.
const char* errorText(int error);

// Writes out what is buffered on standard output. Returns 0 or the errno
// value of a failed write, so that a lost output is never reported as success.
int finishStandardOutput();

// A directory entry as the Windows directory search reports it.
struct DirectoryEntry {
    std::string name;              // the entry's own name, without a directory part
    std::uint64_t size = 0;        // in bytes; 0 for a directory
    std::uint32_t attributes = 0;  // the attribute bits below
};

// Entry attributes, with the values Windows gives them.
enum Attribute : std::uint32_t {
    readOnlyAttribute = 0x01,
    hiddenAttribute = 0x02,
    systemAttribute = 0x04,
    directoryAttribute = 0x10,
    archiveAttribute = 0x20,
};

// The entries that match a wildcard pattern, with the semantics of the
// Windows directory search: the pattern's directory part is searched
// relative to the current directory, "." and ".." are delivered where the
// pattern matches them. On POSIX systems the search is emulated: names
// match as matchesWildcard() says; a regular file reports archive, and
// read-only when its owner may not write it; a directory reports directory;
// a name beginning with "." (but "." and "..") adds hidden; other kinds of
// entry report no attribute. The entries come sorted by their names in upper
// case, as NTFS delivers them.
class DirectorySearch {
public:
    DirectorySearch() = default;
    ~DirectorySearch() { close(); }
    DirectorySearch(const DirectorySearch&) = delete;
    DirectorySearch& operator=(const DirectorySearch&) = delete;

    // Starts a search and gives its first entry; false when nothing matches.
    bool first(const char* pattern, DirectoryEntry& entry);
    // The next entry; false when there is none.
    bool next(DirectoryEntry& entry);
    void close();

private:
    [[maybe_unused]] void* handle_ = nullptr;  // the system's search (Windows)
    std::vector<DirectoryEntry> found_;   // the matches, in order (POSIX)
    [[maybe_unused]] std::size_t nextFound_ = 0;
};

// Whether name matches the wildcard pattern as Windows matches long names:
// ASCII letters without regard to case, "*" any run of characters, "?" one
// character, "*.*" every name, and a pattern ending in "." also the names
// without an extension that match it without its final dots.
bool matchesWildcard(const char* pattern, const char* name);

// Deletes a file, with the semantics of the Windows DeleteFileA: it refuses
// a directory and fails for a missing or read-only file. True when deleted.
bool deleteFile(const char* name);

// The current local date and time, to the second.
struct LocalTime {
    int year = 0;    // four digits
    int month = 0;   // 1 to 12
    int day = 0;     // 1 to 31
    int hour = 0;    // 0 to 23
    int minute = 0;  // 0 to 59
    int second = 0;  // 0 to 59 (60 in a leap second)
};
LocalTime localTimeNow();

}  // namespace platform
