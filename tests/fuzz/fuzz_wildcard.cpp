// Wildcard matching must agree with matching tried every way.
#include "platform.h"
#include "reference_models.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string both(reinterpret_cast<const char*>(data), size);
    const std::size_t split = both.find('\0');
    if (split == std::string::npos) return 0;
    const std::string pattern = both.substr(0, split), name = both.substr(split + 1);
    if (name.find('\0') != std::string::npos) return 0;
    if (platform::matchesWildcard(pattern.c_str(), name.c_str()) != reference::matchesWildcard(pattern, name))
        __builtin_trap();
    return 0;
}
