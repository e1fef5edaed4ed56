// hexpeek: prints the beginning of a file as hexadecimal bytes, twenty to a
// line, stopping right after a given number of LF bytes (five by default).
#include "platform.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr double version = 1.04;
constexpr int defaultLineLimit = 5;
constexpr int entriesPerLine = 20;

void printShortUsage() {
    std::fprintf(stderr, "hexpeek Version %1.3f\n\n", version);
    std::fputs("hexpeek -m3 file_name \n"
               "hexpeek -V            \n"
               "hexpeek -VC           \n"
               "hexpeek file_name     \n",
               stderr);
}

void printLongUsage() {
    std::fprintf(stderr, "hexpeek Version %1.3f\n\n", version);
    std::fputs("hexpeek -m3 file_name # Express 3 lines in hexadecimal notation. \n"
               "hexpeek -V            # version \n"
               "hexpeek -VC           # version with comments \n"
               "hexpeek file_name     # Express the first part of file as hexadecimal. \n",
               stderr);
}

// The file name, ": " and the system's text; only the text for an empty name.
void printFileError(const char* fileName, int error) {
    if (fileName[0] == '\0')
        std::fprintf(stderr, "%s\n", platform::errorText(error));
    else
        std::fprintf(stderr, "%s: %s\n", fileName, platform::errorText(error));
}

// Collects dump text and hands it to standard output in large pieces.
class DumpOutput {
public:
    ~DumpOutput() { flush(); }
    void entry(unsigned char byte) {
        static const char digits[] = "0123456789ABCDEF";
        if (used_ + 4 > sizeof text_) flush();
        text_[used_++] = digits[byte >> 4];
        text_[used_++] = digits[byte & 0x0F];
        text_[used_++] = ' ';
        if (++column_ == entriesPerLine) {
            text_[used_++] = '\n';
            column_ = 0;
        }
    }
    void flush() {
        std::fwrite(text_, 1, used_, stdout);
        used_ = 0;
    }

private:
    char text_[64 * 1024];
    std::size_t used_ = 0;
    int column_ = 0;
};

// Dumps the file until lineLimit LF bytes have been printed or the file ends.
// Only as much of the file is read as the dump walks.
int dumpFile(const char* fileName, int lineLimit) {
    platform::ByteFile file;
    if (int error = file.openForReading(fileName)) {
        printFileError(fileName, error);
        return 1;
    }
    static unsigned char block[64 * 1024];
    DumpOutput output;
    int lines = 0;
    while (lines < lineLimit) {
        std::ptrdiff_t count = file.read(block, sizeof block);
        if (count < 0) {
            output.flush();
            printFileError(fileName, file.lastError());
            return 1;
        }
        if (count == 0) break;
        for (std::ptrdiff_t i = 0; i < count && lines < lineLimit; ++i) {
            if (block[i] == '\n') ++lines;
            output.entry(block[i]);
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int status;
    if (argc == 2 && std::strcmp(argv[1], "-VC") == 0) {
        printLongUsage();
        status = 1;
    } else if (argc == 2 && std::strcmp(argv[1], "-V") == 0) {
        printShortUsage();
        status = 1;
    } else if (argc == 2) {
        status = dumpFile(argv[1], defaultLineLimit);
    } else if (argc == 3 && std::strncmp(argv[1], "-m", 2) == 0) {
        int lineLimit = platform::readDecimal(argv[1] + 2).value;
        status = dumpFile(argv[2], lineLimit < 0 ? defaultLineLimit : lineLimit);
    } else {
        printShortUsage();
        status = 1;
    }
    if (int error = platform::finishStandardOutput()) {
        std::fprintf(stderr, "hexpeek: %s\n", platform::errorText(error));
        status = 1;
    }
    return status;
}
