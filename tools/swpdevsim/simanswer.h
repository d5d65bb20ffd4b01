// Plain payloads of the answers and events a simulated device sends.
#pragma once

#include "simdevice.h"
#include "simwire.h"

namespace swpsim {

Bytes DiscoveryPayload(const SimDevice& d);
// Result, and the command port when `port` is nonzero.
Bytes LoginPayload(std::uint8_t result, std::uint16_t port);
Bytes ResultPayload(std::uint8_t result);
// Mode, IP settings, network name, channel list and channels, security items and the device's own PIN.
Bytes ConfigPayload(const SimDevice& d);
Bytes ModePayload(const SimDevice& d);
Bytes SurveyPayload(const SimDevice& d);
Bytes StationPayload(const SimDevice& d);
Bytes EventPayload(const WpsStep& step);
Bytes ConnectTimeoutPayload();

} // namespace swpsim
