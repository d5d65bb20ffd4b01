#include "app/utils.h"

#include <cstdio>

std::string MacToStr(const std::uint8_t* mac) {
    char buf[18];
    std::snprintf(buf, sizeof buf, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4],
                  mac[5]);
    return buf;
}

bool IsHexText(std::string_view text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

bool IsValidWpsPin(std::string_view text) {
    if (text.size() != 4 && text.size() != 8) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    // Right-aligned into eight digits, so a 4-digit text weighs its digits 3, 1, 3, 1 as well.
    int sum = 0;
    const size_t pad = 8 - text.size();
    for (size_t i = 0; i < text.size(); ++i)
        sum += (text[i] - '0') * (((pad + i) % 2 == 0) ? 3 : 1);
    return sum % 10 == 0;
}
