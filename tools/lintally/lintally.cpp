// lintally: copies a file while rewriting its line breaks. Each stretch of CR
// and LF bytes is counted, and LF bytes are written only where the pair rule
// or the group rule selects them; optionally reports how many were written.
#include "line_break_converter.h"
#include "platform.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char usageText[] =
    "lintally Version 1.01 \n"
    "\n"
    "lintally file_name \n"
    "lintally -c file_name \n"
    "lintally file_name new_file \n"
    "lintally -4 file_name \n"
    "lintally -4 file_name new_file \n"
    "lintally -V \n";

void printUsage() {
    std::fputs(usageText, stdout);
    std::fputs("\n", stdout);
}

void printError(const char* text) { std::fprintf(stderr, "lintally: %s\n", text); }

struct Settings {
    bool usage = false;
    const char* input = nullptr;
    const char* output = "lintally.txt";
    std::int32_t groupSize = 4;
    bool report = false;
};

// Reads an option: the one character after its first hyphen decides.
// Returns false when the argument holds no hyphen.
bool readOption(const char* argument, Settings& settings) {
    const char* hyphen = std::strchr(argument, '-');
    if (hyphen == nullptr) return false;
    if (hyphen[1] == 'V')
        settings.usage = true;
    else if (hyphen[1] == 'c')
        settings.report = true;
    else
        settings.groupSize = platform::readDecimal(hyphen + 1).value;
    return true;
}

Settings readArguments(int count, char** arguments) {
    Settings settings;
    if (count == 1) {
        // A lone argument is the input, unless its second character asks for the usage.
        if (arguments[0][0] != '\0' && arguments[0][1] == 'V')
            settings.usage = true;
        else
            settings.input = arguments[0];
    } else if (count == 2) {
        if (readOption(arguments[0], settings)) {
            settings.input = arguments[1];
        } else {
            settings.input = arguments[0];
            settings.output = arguments[1];
        }
    } else if (count == 3) {
        if (!readOption(arguments[0], settings)) settings.usage = true;
        settings.input = arguments[1];
        settings.output = arguments[2];
    } else {
        settings.usage = true;
    }
    return settings;
}

// Converts input into output. Returns 0 or the errno value of a failed read
// or write; a failure is reported, never passed over.
int convertFile(platform::ByteFile& input, platform::ByteFile& output, LineBreakConverter& converter) {
    constexpr std::size_t blockSize = 256 * 1024;
    std::vector<char> block(blockSize);
    std::vector<char> converted(blockSize + 1);
    for (;;) {
        std::ptrdiff_t count = input.read(block.data(), blockSize);
        if (count < 0) return input.lastError();
        char* end = count == 0 ? converter.finish(converted.data())
                               : converter.convert(block.data(), block.data() + count, converted.data());
        if (!output.writeAll(converted.data(), end - converted.data())) return output.lastError();
        if (count == 0) return 0;
    }
}

int run(const Settings& settings) {
    if (settings.usage) {
        printUsage();
        return 1;
    }
    // A file that cannot be opened is reported, followed by the usage text.
    const auto cannotOpen = [](int error) {
        printError(platform::errorText(error));
        printUsage();
        return 1;
    };
    platform::ByteFile input;
    if (int error = input.openForReading(settings.input)) return cannotOpen(error);
    // Creating the output would empty the input before a byte of it is read.
    if (input.isSameFileAs(settings.output)) {
        printError("input and output are the same file");
        return 1;
    }
    platform::ByteFile output;
    if (int error = output.createForWriting(settings.output)) return cannotOpen(error);
    LineBreakConverter converter(settings.groupSize);
    int error = convertFile(input, output, converter);
    input.close();
    int closeError = output.close();
    if (error == 0) error = closeError;
    if (error != 0) {
        printError(platform::errorText(error));
        return 1;
    }
    if (settings.report) {
        long long lines = converter.written();
        std::printf(lines == 1 ? "%lld line\n" : "%lld lines\n", lines);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int status = run(readArguments(argc - 1, argv + 1));
    if (int error = platform::finishStandardOutput()) {
        printError(platform::errorText(error));
        status = 1;
    }
    return status;
}
