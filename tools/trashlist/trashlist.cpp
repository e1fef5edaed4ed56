// trashlist: writes the removal list remove_e.txt, the names of the entries
// of the current directory that match the built-in wildcard patterns or
// those of a pattern file, optionally only entries smaller than a limit.
#include "platform.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr double version = 1.067;
constexpr std::int32_t defaultLimit = 64;
constexpr std::size_t tableSize = 30;
constexpr std::size_t longestPattern = 255;
const char listName[] = "remove_e.txt";

const char* const builtInPatterns[] = {"CCC*.txt", "DIR*.bat", "LS_*.bat", "FNL*.txt", "*.tmp"};

void printUsage() {
    std::fprintf(stderr, "trashlist Version %2.3f\n", version);
    std::fputs("\n", stderr);
    std::fputs("trashlist -V\n", stderr);
    std::fprintf(stderr, "trashlist -x%d\n", defaultLimit);
    std::fputs("trashlist  \n", stderr);
    std::fputs("trashlist trashlist.txt\n", stderr);
}

struct Settings {
    bool usage = false;
    const char* patternFile = nullptr;  // none: the built-in patterns
    bool sizeFilter = false;
    std::int32_t limit = defaultLimit;
};

Settings readArguments(int count, char** arguments) {
    Settings settings;
    if (count != 1) return settings;  // only a single argument is examined
    const char* argument = arguments[0];
    if (std::strcmp(argument, "-V") == 0) {
        settings.usage = true;
    } else if (std::strncmp(argument, "-x", 2) == 0) {
        settings.sizeFilter = true;
        std::int32_t limit = platform::readDecimal(argument + 2).value;
        settings.limit = limit > 0 ? limit : defaultLimit;
    } else {
        settings.patternFile = argument;
    }
    return settings;
}

// Reads up to 30 patterns, one per line, as text. A line longer than a
// pattern may be is passed over whole, so that no piece of it becomes one.
std::vector<std::string> readPatterns(platform::TextReader& file) {
    std::vector<std::string> patterns;
    std::string line;
    while (patterns.size() < tableSize && file.readLine(line, longestPattern)) patterns.push_back(line);
    return patterns;
}

// The directory part of a pattern, kept in front of each name it matches so
// that the list names the entry that matched.
std::string directoryPart(const std::string& pattern) {
    std::size_t separator = pattern.find_last_of("/\\");
    return separator == std::string::npos ? std::string() : pattern.substr(0, separator + 1);
}

// Entries that report none of these attributes are passed over.
constexpr std::uint32_t listedAttributes = platform::readOnlyAttribute | platform::hiddenAttribute |
                                           platform::systemAttribute | platform::directoryAttribute |
                                           platform::archiveAttribute;

void listMatches(const std::string& pattern, const Settings& settings, platform::TextWriter& list) {
    const std::string prefix = directoryPart(pattern);
    platform::DirectorySearch search;
    platform::DirectoryEntry entry;
    for (bool found = search.first(pattern.c_str(), entry); found; found = search.next(entry)) {
        if ((entry.attributes & listedAttributes) == 0) continue;
        if (settings.sizeFilter && entry.size >= static_cast<std::uint64_t>(settings.limit)) continue;
        list.write((prefix + entry.name + "\n").c_str());
    }
}

int run(const Settings& settings) {
    if (settings.usage) {
        printUsage();
        return 1;
    }
    std::vector<std::string> patterns(std::begin(builtInPatterns), std::end(builtInPatterns));
    if (settings.patternFile != nullptr) {
        platform::TextReader file;
        if (file.open(settings.patternFile) != 0) {
            std::fprintf(stderr, "%s\n", settings.patternFile);
            return 1;
        }
        patterns = readPatterns(file);
    }
    platform::TextWriter list;
    int error = list.create(listName);
    if (error == 0) {
        // The table ends at its first empty entry.
        for (const std::string& pattern : patterns) {
            if (pattern.empty()) break;
            listMatches(pattern, settings, list);
        }
        error = list.close();
    }
    if (error != 0) {
        std::fprintf(stderr, "%s: %s\n", listName, platform::errorText(error));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) { return run(readArguments(argc - 1, argv + 1)); }
