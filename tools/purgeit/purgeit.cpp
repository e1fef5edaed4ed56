// purgeit: deletes every file named in the removal list remove_e.txt,
// optionally sparing one name, silently.
#include "platform.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t longestName = 255;
const char listName[] = "remove_e.txt";

const char usageText[] =
    "purgeit Version 1.03 \n"
    "\n"
    "purgeit \n"
    "purgeit -V \n"
    "purgeit -w- \n"
    "purgeit -w- who.txt \n";

struct Settings {
    bool usage = false;
    bool spare = false;
    std::string spareName = "who.txt";
};

Settings readArguments(int count, char** arguments) {
    Settings settings;
    if (count >= 3 || (count >= 1 && std::strcmp(arguments[0], "-V") == 0)) {
        settings.usage = true;
    } else if (count >= 1 && std::strcmp(arguments[0], "-w-") == 0) {
        settings.spare = true;
        if (count == 2) settings.spareName = arguments[1];
    }
    return settings;  // any other argument is passed over
}

int run(const Settings& settings) {
    if (settings.usage) {
        std::fputs(usageText, stderr);
        return 1;
    }
    platform::TextReader list;
    if (list.open(listName) != 0) {
        std::fprintf(stderr, "%s\n", listName);
        return 1;
    }
    std::string name;
    // A line longer than a name may be names nothing: no piece of it is deleted.
    while (list.readLine(name, longestName)) {
        if (settings.spare && name == settings.spareName) continue;
        // The list itself is never deleted, whatever name it goes by.
        if (list.isSameFileAs(name.c_str())) continue;
        platform::deleteFile(name.c_str());  // a failure is passed over silently
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return run(readArguments(argc - 1, argv + 1)); }
