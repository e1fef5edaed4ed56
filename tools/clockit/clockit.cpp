// clockit: prints the current local date and time, or a part of them, in one
// of ten fixed layouts chosen by the arguments. Nothing follows the stamp.
#include "platform.h"

#include <cstdio>
#include <cstring>

namespace {

// The six fields in printing order. Every layout prints a contiguous run of
// them, so a layout is its format and the first field it shows.
enum Field { year, month, day, hour, minute, second, fieldCount };

struct Layout {
    const char* option;
    const char* format;
    Field firstField;
};

const Layout minuteSecond = {"", "%02d:%02d", minute};

// The one-argument layouts, in the order the argument is compared with them.
const Layout singleLayouts[] = {
    {"-g", "%04d-%02d-%02d %02d:%02d:%02d", year},
    {"-h", "%02d:%02d:%02d", hour},
    {"-iso", "%04d-%02d-%02dT%02d:%02d:%02d", year},
    {"-_", "%04d-%02d-%02d_%02d-%02d-%02d", year},
};

// The layouts after -g; the second argument names what is left out.
const Layout shortenedLayouts[] = {
    {"-y-", "%02d-%02d %02d:%02d:%02d", month},
    {"-ym-", "%02d %02d:%02d:%02d", day},
    {"-ymd-", "%02d:%02d:%02d", hour},
    {"-s-", "%04d-%02d-%02d %02d:%02d", year},
    {"-ms-", "%04d-%02d-%02d %02d", year},
    {"-hms-", "%04d-%02d-%02d", year},
};

const char usageText[] =
    "clockit Version 1.01 \n"
    "\n"
    "clockit \n"
    "clockit -g \n"
    "clockit -h \n"
    "clockit -iso \n"
    "clockit -_ \n"
    "clockit -V \n"
    "clockit -g -y-\n"
    "clockit -g -ym-\n"
    "clockit -g -ymd-\n"
    "clockit -g -s-\n"
    "clockit -g -ms-\n"
    "clockit -g -hms-\n";

void printUsage() {
    std::fputs(usageText, stdout);
    std::fputs("\n", stdout);
}

void printStamp(const Layout& layout, const platform::LocalTime& now) {
    // Padded so that a layout may take up to six fields from any first field;
    // a format ignores the values it does not use.
    const int fields[fieldCount * 2] = {now.year, now.month, now.day, now.hour, now.minute, now.second};
    const int* f = fields + layout.firstField;
    std::printf(layout.format, f[0], f[1], f[2], f[3], f[4], f[5]);
}

template <std::size_t count>
const Layout* findLayout(const Layout (&layouts)[count], const char* option) {
    for (const Layout& layout : layouts)
        if (std::strcmp(layout.option, option) == 0) return &layout;
    return nullptr;
}

// Prints what the arguments ask for and returns the exit code.
int run(int argumentCount, char** arguments, const platform::LocalTime& now) {
    if (argumentCount == 1) {
        if (std::strcmp(arguments[0], "-V") == 0) {
            printUsage();
            return 1;
        }
        if (const Layout* layout = findLayout(singleLayouts, arguments[0])) printStamp(*layout, now);
        return 0;
    }
    if (argumentCount == 2) {
        if (std::strcmp(arguments[0], "-g") != 0) {  // -V, or anything but -g
            printUsage();
            return 1;
        }
        if (const Layout* layout = findLayout(shortenedLayouts, arguments[1])) printStamp(*layout, now);
        return 0;
    }
    printStamp(minuteSecond, now);  // no argument, or three and more
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const platform::LocalTime now = platform::localTimeNow();
    int status = run(argc - 1, argv + 1, now);
    if (int error = platform::finishStandardOutput()) {
        std::fprintf(stderr, "clockit: %s\n", platform::errorText(error));
        status = 1;
    }
    return status;
}
