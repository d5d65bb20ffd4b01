// How swpctl shows the device's settings: aligned fields for people, JSON objects for scripts.
#pragma once

#include "app/records.h"
#include "cli/clioutput.h"

#include <QJsonObject>

#include <string>

// "access point", "bridge", or the number.
std::string ModeText(int deviceMode);
// "ap", "bridge", or the number as text.
QString ModeWord(int deviceMode);

TFieldList IPFields(const tag_IP_SETTING& ip);
QJsonObject IPJson(const tag_IP_SETTING& ip);

// The wireless settings the device reports (its configuration answer carries no 802.11 mode).
TFieldList WirelessFields(const tag_WL_PROFILE& profile);
QJsonObject WirelessJson(const tag_WL_PROFILE& profile);

// The display string of an 802.11 mode code.
std::string WlModeText(int wlMode);

// Dotted text of an address; empty for 0, and for a gateway also for 255.255.255.255.
std::string AddressText(std::uint32_t address, bool gateway = false);
