// The one piece each platform file supplies to the shared code.
#pragma once

#include <ctime>

namespace platform {

// Converts a calendar time to the fields of the local time zone.
void toLocalFields(std::time_t when, std::tm& fields);

}  // namespace platform
