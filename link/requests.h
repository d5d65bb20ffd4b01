// Request packets built from the records: header with the client address, operation code, items and Length.
#pragma once

#include "app/records.h"
#include "link/packet.h"

#include <cstdint>

void BuildDiscover(CPacket& packet, const std::uint8_t* clientMac);
// DEVICE_MAC of the chosen device and the authentication phrase (101 payload bytes).
void BuildLogin(CPacket& packet, const std::uint8_t* clientMac, const std::uint8_t* deviceMac);
void BuildLogout(CPacket& packet, const std::uint8_t* clientMac);
void BuildGetConfig(CPacket& packet, const std::uint8_t* clientMac);
void BuildGetMode(CPacket& packet, const std::uint8_t* clientMac);
void BuildSiteSurvey(CPacket& packet, const std::uint8_t* clientMac);
void BuildStationGetConfig(CPacket& packet, const std::uint8_t* clientMac);
// DHCP: IP_MODE 1 only; fixed: IP_MODE 0 and the address, netmask and gateway. DNS servers are never sent.
void BuildIPSetting(CPacket& packet, const std::uint8_t* clientMac, const tag_IP_SETTING& setting);
// Access-point wireless settings (operation code 4): network name, channel items, mode, security items.
void BuildWlSetting(CPacket& packet, const std::uint8_t* clientMac, const tag_WL_PROFILE& profile);
// Station wireless settings (operation code 9): as above without channel items, with WL_STA_FLAG 1.
void BuildWlStationSetting(CPacket& packet, const std::uint8_t* clientMac, const tag_WL_PROFILE& profile);
void BuildWPSPBC(CPacket& packet, const std::uint8_t* clientMac);
// Access-point mode: EnrolleePin as 8 digits with leading zeros; otherwise the network name of the profile.
void BuildWPSPIN(CPacket& packet, const std::uint8_t* clientMac, int deviceMode,
                 const tag_WL_PROFILE& profile);
void BuildSetMode(CPacket& packet, const std::uint8_t* clientMac, int mode);
