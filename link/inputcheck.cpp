#include "link/inputcheck.h"

#include "app/records.h"
#include "app/utils.h"

#include <cctype>

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// A field "holds a number" when, blanks trimmed, it is one to three digits worth at most 255.
bool FieldNumber(std::string_view field, std::uint32_t& value) {
    field = Trim(field);
    if (field.empty() || field.size() > 3) return false;
    value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value <= 255;
}

bool Address(const TIPFields& fields, std::uint32_t& address) {
    address = 0;
    for (const std::string& field : fields) {
        std::uint32_t part = 0;
        if (!FieldNumber(field, part)) return false;
        address = address << 8 | part;
    }
    return true;
}

} // namespace

TIPFields SplitDotted(std::string_view text) {
    TIPFields fields;
    for (std::size_t n = 0; n < 4; ++n) {
        const std::size_t dot = text.find('.');
        fields[n] = std::string(text.substr(0, dot));
        if (dot == std::string_view::npos) break;
        text.remove_prefix(dot + 1);
    }
    return fields;
}

int IPFieldValue(std::string_view field) {
    int value = 0;
    for (char c : field) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > 255) value = 256; // stays "256 or more"
    }
    return value > 255 ? 255 : value;
}

std::string IPFieldsText(const TIPFields& fields) {
    bool allEmpty = true;
    for (const auto& f : fields)
        allEmpty = allEmpty && f.empty();
    if (allEmpty) return {};
    std::string text;
    for (std::size_t n = 0; n < 4; ++n) {
        if (n) text += '.';
        text += std::to_string(IPFieldValue(fields[n]));
    }
    return text;
}

const char* ClassfulMask(int firstNumber) {
    if (firstNumber < 128) return "255.0.0.0";
    if (firstNumber < 192) return "255.255.0.0";
    return "255.255.255.0";
}

std::string ApplyLastNumberRule(const std::string& ipText) {
    const std::size_t dot = ipText.rfind('.');
    if (dot == std::string::npos) return ipText;
    const std::string last = ipText.substr(dot + 1);
    // "reads as the number 255": the decimal conversion of the part, blanks allowed around it.
    const std::string_view digits = Trim(last);
    if (digits.empty() || digits.size() > 8) return ipText;
    for (char c : digits)
        if (c < '0' || c > '9') return ipText;
    if (std::stoi(std::string(digits)) != 255) return ipText;
    return ipText.substr(0, dot + 1) + "254";
}

const char* CheckStaticIP(const TIPFields& ip, const TIPFields& mask, const TIPFields& gateway,
                          const std::string& lastLocalIP) {
    std::uint32_t a = 0, m = 0, g = 0;
    if (!Address(ip, a)) return "ErIPAddr";                                // 1
    if (a == 0 || a >= 0xE0000000u || (a >> 24) == 127) return "ErIPAddr"; // 2
    if (!Address(mask, m)) return "ErSubnetMask";                          // 3
    const std::uint32_t run = ~m + 1;                                      // 4: ones from the top bit down
    if (m == 0 || m == 0xFFFFFFFFu || (run & (run - 1)) != 0) return "ErSubnetMask";
    const std::uint32_t host = a & ~m; // 5
    if (host == 0 || host == ~m) return "ErIPAddr";
    if (IPFieldsText(ip) == lastLocalIP) return "ErIPSameAsLocahost";       // 6
    if (IPFieldsText(gateway).empty()) return nullptr;                      // 7
    if (!Address(gateway, g)) return "ErDefaultGateway";                    // 8
    if ((g & m) != (a & m)) return "ErDefaultGateway";                      // 9
    if ((g & ~m) == 0 || (g | m) == 0xFFFFFFFFu) return "ErDefaultGateway"; // 10
    return nullptr;
}

int WepKeyMaxLength(int lengthCode) {
    return lengthCode == 1 ? 26 : 10;
}

TWepKeyCheck CheckWepKey(int lengthCode, std::string_view key) {
    const std::size_t max = static_cast<std::size_t>(WepKeyMaxLength(lengthCode));
    if (key.size() == max / 2) return {0, nullptr};
    const bool full = key.size() == max;
    if (full && IsHexText(key)) return {1, nullptr};
    const bool hex = full; // the right length for a hexadecimal key, with a wrong character
    if (lengthCode == 0) return {-1, hex ? "ER_WEP64Hex" : "ER_WEP64"};
    if (lengthCode == 1) return {-1, hex ? "ER_WEP128Hex" : "ER_WEP128"};
    return {-1, "ER_WEPKey"};
}

const char* CheckPassphrase(std::string_view passphrase) {
    if (passphrase.size() == 64) return IsHexText(passphrase) ? nullptr : "ER_PSKKeyHex";
    if (passphrase.size() >= 8 && passphrase.size() <= 63) return nullptr;
    return "ER_PSKKey";
}

const char* CheckWpsPin(std::string_view pin, int deviceMode) {
    if (pin.size() != 8) return "ER_PIN_Code";
    if (deviceMode == DEVICE_AP && !IsValidWpsPin(pin)) return "ER_PIN_Code";
    return nullptr;
}
