#include "launch_config.h"

#include "platform.h"

#include <cstdint>
#include <string>

namespace {

const char configName[] = "pressGo.txt";
constexpr std::size_t longestLine = 4223;

const char defaultProgram[] = "java.exe";
const char defaultArgument[] = "Orvex";
constexpr std::int32_t defaultDelay = 1000;
constexpr std::int32_t defaultType = 1;
constexpr std::int32_t defaultSize = 276;

// Reads lines as a 4224-byte line buffer would. A read fails at the end of
// the file or on a line longer than 4223 characters (which is cut there),
// and once it has failed every later read fails too.
class LineReader {
public:
    explicit LineReader(platform::TextReader& file) : file_(file) {}

    bool read(std::string& line) {
        line.clear();
        if (failed_) return false;
        int c;
        while ((c = file_.get()) != -1 && c != '\n') {
            if (line.size() == longestLine) {
                failed_ = true;
                return false;
            }
            line += static_cast<char>(c);
        }
        if (c == -1 && line.empty()) failed_ = true;
        return !failed_;
    }

private:
    platform::TextReader& file_;
    bool failed_ = false;
};

// Line 1: program, one space, argument, and perhaps the start marker.
void takeLineOne(const std::string& line, LauncherState& state) {
    state.autoStart = false;
    std::size_t space = line.find(state.separator);
    if (space == std::string::npos) {
        state.program = defaultProgram;
        state.argument = defaultArgument;
        return;
    }
    state.program = line.substr(0, space);
    std::string rest = line.substr(space + state.separator.size());
    if (std::size_t secondSpace = rest.find(state.separator); secondSpace != std::string::npos) {
        state.argument = rest.substr(0, secondSpace);
        return;
    }
    for (const char* marker : {"[start]", "[Start]"}) {
        if (std::size_t at = rest.find(marker); at != std::string::npos) {
            state.argument = rest.substr(0, at);
            state.autoStart = true;
            return;
        }
    }
    state.argument = rest;
}

// Lines 2 to 5: a number in range, or the default. A line that holds no
// number counts as its start value 0 before the range check.
std::int32_t numberLine(LineReader& lines, std::int32_t lowest, std::int32_t highest, std::int32_t fallback) {
    std::string line;
    if (!lines.read(line)) return fallback;
    std::int32_t value = platform::readDecimal(line.c_str()).value;
    return value >= lowest && value <= highest ? value : fallback;
}

}  // namespace

bool readLaunchConfig(LauncherState& state, Desktop& desktop) {
    platform::TextReader file;
    if (file.open(configName) != 0) return false;
    LineReader lines(file);
    std::string line;
    lines.read(line);  // at the end of the file the line is simply empty
    takeLineOne(line, state);
    state.autoStartDelay = numberLine(lines, 21, 2100000000, defaultDelay);
    state.consoleType = numberLine(lines, 0, 3, defaultType);
    state.consoleWidth = numberLine(lines, 0, 979, defaultSize);
    state.consoleHeight = numberLine(lines, 0, desktop.GetSystemMetrics(win::SM_CYFULLSCREEN), defaultSize);
    return true;
}

void writeDefaultLaunchConfig(LauncherState& state) {
    state.program = defaultProgram;
    state.argument = defaultArgument;
    state.autoStart = true;
    state.showCursor = false;
    state.autoStartDelay = defaultDelay;
    state.consoleType = defaultType;
    state.consoleWidth = defaultSize;
    state.consoleHeight = defaultSize;

    // A file that cannot be written is not noticed: the next run writes it again.
    platform::TextWriter file;
    if (file.create(configName) != 0) return;
    file.write((state.program + state.separator + state.argument + "[Start]\n").c_str());
    for (std::int32_t value : {state.autoStartDelay, state.consoleType, state.consoleWidth, state.consoleHeight})
        file.write((std::to_string(value) + "\n").c_str());
    file.close();
}
