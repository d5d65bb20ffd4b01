// The checks of typed settings shared by the pages and the console tool. Each returns the [Message] key of
// the first failure, or nullptr when the input passes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The four field texts of an IPv4 address as typed (leftmost first).
using TIPFields = std::array<std::string, 4>;

// Splits dotted text into four fields the way the address control takes it: parts beyond the fourth are
// dropped, missing parts are empty.
TIPFields SplitDotted(std::string_view text);
// The control's value of one field: the digits before the first other character, 0 when none, at most 255.
int IPFieldValue(std::string_view field);
// The control's dotted text: empty when all four fields are empty, otherwise the four values joined by ".".
std::string IPFieldsText(const TIPFields& fields);
// The classful mask proposed for an address that starts with `firstNumber`.
const char* ClassfulMask(int firstNumber);

// An address text whose last number is 255 is changed to end in 254; any other text comes back unchanged.
std::string ApplyLastNumberRule(const std::string& ipText);

// The static address rules 1 to 10, in order: address, mask, host part, the local adapter's own address
// (`lastLocalIP`, compared as text), then the optional gateway. Keys: "ErIPAddr", "ErSubnetMask",
// "ErIPSameAsLocahost", "ErDefaultGateway".
const char* CheckStaticIP(const TIPFields& ip, const TIPFields& mask, const TIPFields& gateway,
                          const std::string& lastLocalIP);

struct TWepKeyCheck {
    int Format;      // 0 ASCII key, 1 hexadecimal key, -1 refused
    const char* Key; // the [Message] key when refused, else nullptr
};
// Length code 0 (64 bit: 5 characters or 10 hex digits) or 1 (128 bit: 13 characters or 26 hex digits); any
// other code is judged as 64 bit. Refusals: "ER_WEP64Hex"/"ER_WEP64", "ER_WEP128Hex"/"ER_WEP128", and
// "ER_WEPKey" for codes other than 0 and 1.
TWepKeyCheck CheckWepKey(int lengthCode, std::string_view key);
// The maximum key length for a length code: 26 for 128 bit, 10 otherwise.
int WepKeyMaxLength(int lengthCode);

// 8 to 63 characters of any kind, or exactly 64 hexadecimal digits. Refusals: "ER_PSKKeyHex", "ER_PSKKey".
const char* CheckPassphrase(std::string_view passphrase);

// A WPS PIN to send: 8 characters; in access-point mode also decimal digits with a valid checksum.
// Refusal: "ER_PIN_Code".
const char* CheckWpsPin(std::string_view pin, int deviceMode);
