// Checks a decoded set request against the device's rules and, when it passes, changes the device state.
#pragma once

#include "simdevice.h"
#include "simrequest.h"

#include <string>

namespace swpsim {

// Empty when the request was applied; otherwise why the device refuses it (state unchanged).
std::string ApplySetRequest(SimDevice& d, const SimRequest& r);

bool IsValidWpsPin(std::string_view digits);

} // namespace swpsim
