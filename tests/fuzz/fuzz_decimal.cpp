// Decimal numbers are read as the C library reads them, held to 32 bits.
#include "platform.h"
#include "reference_models.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const platform::DecimalReading reading = platform::readDecimal(text.c_str());
    const reference::Decimal expected = reference::decimalOf(text);
    if (reading.value != expected.value || reading.hasDigits != expected.hasDigits ||
        reading.outOfRange != expected.outOfRange)
        __builtin_trap();
    return 0;
}
