// The shared input checks: static address rules, WEP keys, WPA passphrases and WPS PINs.
#include "link/inputcheck.h"

#include "app/records.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Key(const char* key) {
    return key ? key : "pass";
}

TEST(InputCheck, StaticAddressRulesInOrder) {
    struct Case {
        const char* IP;
        const char* Mask;
        const char* Gateway;
        const char* Expected;
    };
    const Case cases[] = {
        {"192.168.1.10", "255.255.255.0", "192.168.1.1", nullptr},
        {"192.168.1.10", "255.255.255.0", "", nullptr},             // 7: a gateway is optional
        {"192.168.1.10", "255.255.255.0", "192.168.1.10", nullptr}, // the gateway may equal the address
        {"192.168.1", "255.255.255.0", "", "ErIPAddr"},             // 1
        {"192.168..10", "255.255.255.0", "", "ErIPAddr"},
        {"127.0.0.1", "255.0.0.0", "", "ErIPAddr"}, // 2
        {"0.0.0.0", "255.0.0.0", "", "ErIPAddr"},
        {"224.0.0.1", "255.255.255.0", "", "ErIPAddr"},
        {"192.168.1.10", "255.255", "", "ErSubnetMask"},         // 3
        {"192.168.1.10", "255.255.0.255", "", "ErSubnetMask"},   // 4
        {"192.168.1.10", "255.255.255.255", "", "ErSubnetMask"}, // 4
        {"192.168.1.10", "0.0.0.0", "", "ErSubnetMask"},
        {"192.168.1.10", "255.255.255.254", "", "ErIPAddr"}, // the mask passes 4; the host part (0) fails 5
        {"10.0.0.0", "255.0.0.0", "", "ErIPAddr"},           // 5: host part zero
        {"10.255.255.254", "255.0.0.0", "", nullptr},
        {"192.168.1.20", "255.255.255.0", "",
         "ErIPSameAsLocahost"}, // 6: the adapter that talks to the device
        {"192.168.1.10", "255.255.255.0", "192.168.1", "ErDefaultGateway"},   // 8
        {"192.168.1.10", "255.255.255.0", "192.168.2.1", "ErDefaultGateway"}, // 9
        {"192.168.1.10", "255.255.255.0", "192.168.1.0", "ErDefaultGateway"}, // 10
        {"192.168.1.10", "255.255.255.0", "192.168.1.255", "ErDefaultGateway"},
        {"192.168.1.10", "255.255.255.0", "192.168.1.300", "ErDefaultGateway"},
        {" 192.168.1.10", "255.255.255.0", "", nullptr}, // blanks around a field are trimmed
    };
    for (const Case& c : cases)
        EXPECT_EQ(Key(CheckStaticIP(SplitDotted(c.IP), SplitDotted(c.Mask), SplitDotted(c.Gateway),
                                    "192.168.1.20")),
                  Key(c.Expected))
            << c.IP << " / " << c.Mask << " / " << c.Gateway;
}

TEST(InputCheck, LastNumberRuleAndControlText) {
    EXPECT_EQ(ApplyLastNumberRule("192.168.1.255"), "192.168.1.254");
    EXPECT_EQ(ApplyLastNumberRule("10.255.255.255"), "10.255.255.254");
    EXPECT_EQ(ApplyLastNumberRule("192.168.1.25"), "192.168.1.25");
    EXPECT_EQ(ApplyLastNumberRule(""), "");
    EXPECT_EQ(ApplyLastNumberRule("255"), "255"); // no "." in the text
    // After the rule, 192.168.1.255/24 passes.
    EXPECT_EQ(CheckStaticIP(SplitDotted(ApplyLastNumberRule("192.168.1.255")), SplitDotted("255.255.255.0"),
                            {}, ""),
              nullptr);

    EXPECT_EQ(IPFieldsText(SplitDotted("")), "");
    EXPECT_EQ(IPFieldsText(SplitDotted("10.1")), "10.1.0.0");
    EXPECT_EQ(IPFieldsText(SplitDotted("192.168.1.300.7")), "192.168.1.255");
    EXPECT_EQ(IPFieldValue("12a4"), 12);
    EXPECT_EQ(IPFieldValue("999"), 255);
    EXPECT_EQ(IPFieldValue("99999999999999"), 255);
    EXPECT_STREQ(ClassfulMask(127), "255.0.0.0");
    EXPECT_STREQ(ClassfulMask(172), "255.255.0.0");
    EXPECT_STREQ(ClassfulMask(230), "255.255.255.0");
}

TEST(InputCheck, WepKeyFormats) {
    struct Case {
        int Code;
        std::string Key;
        int Format;
        const char* Error;
    };
    const Case cases[] = {
        {0, "ab c!", 0, nullptr},
        {0, "12345", 0, nullptr}, // five digits are an ASCII key, not a short hexadecimal one
        {0, "0123456789", 1, nullptr},
        {0, "abcdefABCD", 1, nullptr},
        {0, "012345678g", -1, "ER_WEP64Hex"},
        {0, "abc", -1, "ER_WEP64"},
        {0, "", -1, "ER_WEP64"},
        {1, "thirteen char", 0, nullptr},
        {1, std::string(26, 'F'), 1, nullptr},
        {1, std::string(25, 'F') + "x", -1, "ER_WEP128Hex"},
        {1, std::string(20, 'a'), -1, "ER_WEP128"},
        {7, "12345", 0, nullptr}, // unknown code is judged as 64 bit
        {7, "1234", -1, "ER_WEPKey"},
    };
    for (const Case& c : cases) {
        const TWepKeyCheck r = CheckWepKey(c.Code, c.Key);
        EXPECT_EQ(r.Format, c.Format) << c.Code << " " << c.Key;
        EXPECT_EQ(Key(r.Key), Key(c.Error)) << c.Code << " " << c.Key;
    }
    EXPECT_EQ(WepKeyMaxLength(1), 26);
    EXPECT_EQ(WepKeyMaxLength(0), 10);
}

TEST(InputCheck, PassphraseFormats) {
    struct Case {
        std::string Text;
        const char* Error;
    };
    const Case cases[] = {
        {"1234567", "ER_PSKKey"},
        {"", "ER_PSKKey"},
        {"8 chars!", nullptr},
        {std::string(63, ' '), nullptr},
        {std::string(64, 'a'), nullptr},
        {std::string(63, 'a') + "g", "ER_PSKKeyHex"},
        {std::string(65, 'a'), "ER_PSKKey"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Key(CheckPassphrase(c.Text)), Key(c.Error)) << c.Text.size();
}

TEST(InputCheck, WpsPin) {
    EXPECT_EQ(CheckWpsPin("12345670", DEVICE_AP), nullptr);
    EXPECT_EQ(Key(CheckWpsPin("12345671", DEVICE_AP)), "ER_PIN_Code"); // checksum
    EXPECT_EQ(Key(CheckWpsPin("1234567", DEVICE_AP)), "ER_PIN_Code");
    EXPECT_EQ(Key(CheckWpsPin("", DEVICE_AP)), "ER_PIN_Code");
    EXPECT_EQ(Key(CheckWpsPin("1234567a", DEVICE_AP)), "ER_PIN_Code");
    EXPECT_EQ(CheckWpsPin("12345671", DEVICE_WBRIDGE), nullptr); // bridge mode: 8 characters suffice
    EXPECT_EQ(Key(CheckWpsPin("123", DEVICE_WBRIDGE)), "ER_PIN_Code");
}

} // namespace
