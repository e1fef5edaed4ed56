// Any pressGo.txt is read without harm, and every setting ends in its range.
#include "fake_desktop.h"
#include "launch_config.h"
#include "test_files.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeBytes("pressGo.txt", std::string(reinterpret_cast<const char*>(data), size));
    LauncherState state;
    FakeDesktop desktop;
    if (!readLaunchConfig(state, desktop)) __builtin_trap();
    const bool inRange = state.autoStartDelay >= 21 && state.autoStartDelay <= 2100000000 && state.consoleType >= 0 &&
                         state.consoleType <= 3 && state.consoleWidth >= 0 && state.consoleWidth <= 979 &&
                         state.consoleHeight >= 0 && state.consoleHeight <= desktop.cyFullScreen;
    if (!inRange || state.program.find(' ') != std::string::npos || state.argument.find(' ') != std::string::npos)
        __builtin_trap();
    return 0;
}
