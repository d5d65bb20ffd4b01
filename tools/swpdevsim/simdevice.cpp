// Default and generated devices and survey lists.
#include "simdevice.h"

#include <cstdio>

namespace swpsim {

std::vector<SurveyEntry> DefaultSurvey() {
    return {
        {1, "HomeNet", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x01}, 86, 6, 3, 3, 1, 1},
        {0, "CafeOpen", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x02}, 54, 1, 0, 0, 0, 0},
        {0, "OldLab", {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x03}, 31, 11, 1, 1, 0, 0},
    };
}

std::vector<SurveyEntry> GeneratedSurvey(int count) {
    std::vector<SurveyEntry> out;
    for (int i = 0; i < count; ++i) {
        SurveyEntry e;
        char name[16];
        std::snprintf(name, sizeof name, "AP-%03d", (i + 1) % 1000);
        e.ssid = name;
        e.bssid = {0x00, 0x1A, 0x2B, 0x00, static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i)};
        e.signal = 100 - (i * 7) % 100;
        e.channel = 1 + i % 11;
        e.cipher = static_cast<std::uint8_t>(i % 5);
        e.authType = static_cast<std::uint8_t>(i % 8);
        e.wpsFlag = i % 2 ? 0 : 1;
        out.push_back(e);
    }
    return out;
}

SimDevice GeneratedDevice(const SimDevice& base, int i, int n) {
    SimDevice d = base;
    const unsigned index =
        static_cast<unsigned>(i) + ((base.mac[3] << 16) | (base.mac[4] << 8) | base.mac[5]);
    d.mac[3] = static_cast<std::uint8_t>(index >> 16);
    d.mac[4] = static_cast<std::uint8_t>(index >> 8);
    d.mac[5] = static_cast<std::uint8_t>(index);
    if (n > 1) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "-%04d", i + 1);
        d.name = base.name.substr(0, 28) + suffix;
    }
    if (base.behaviour.commandPort != 0)
        d.behaviour.commandPort = static_cast<std::uint16_t>(base.behaviour.commandPort + i);
    return d;
}

} // namespace swpsim
