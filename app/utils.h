// Small shared routines without windows: hardware addresses as text, hex texts, WPS PIN checksums.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "%02X:%02X:%02X:%02X:%02X:%02X" of six bytes.
std::string MacToStr(const std::uint8_t* mac);
// True when every character is a hexadecimal digit; true for the empty text.
bool IsHexText(std::string_view text);
// 4 or 8 decimal digits whose weighted digit sum (3,1,3,1,... from the ten-millions) is divisible by 10.
bool IsValidWpsPin(std::string_view text);
