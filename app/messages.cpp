#include "app/messages.h"

#include "app/globalvar.h"
#include "platform/prompt.h"

#include <cstring>

namespace {
struct MessageEntry {
    const char* Key;
    const char* Default; // nullptr: the text read for ER_WEPKey
};
constexpr MessageEntry kMessages[] = {
    {"MSG_Exit", "Do you want to exit the Setup Wizard?"},
    {"MSG_InstAcrobat", "Acrobat Reader is not installed. Would you like to install it now?"},
    {"ER_FILE_UG", "Unable to open the user guide."},
    {"ER_FILE_Acrobat", "Unable to find Acrobat Reader setup file."},
    {"ER_Ethr_Interface", "Unable to initialize adapter interface."},
    {"ER_CONNECT", "Unable to connect to the device."},
    {"ER_LOGIN", "Unable to login the deivce."},
    {"ErIPAddr", "The IP Address entered is invalid."},
    {"ErSubnetMask", "The Subnet Mask entered is invalid."},
    {"ErIPSameAsLocahost", "The IP Address is the same as local host IP."},
    {"ErDefaultGateway", "The Default Gateway entered is invalid."},
    {"ER_Empty_SSID", "No SSID"},
    {"ER_WEPKey", "You have entered an incorrect WEP key. Please try again."},
    {"ER_WEP64", nullptr},
    {"ER_WEP64Hex", nullptr},
    {"ER_WEP128", nullptr},
    {"ER_WEP128Hex", nullptr},
    {"ER_PSKKeyHex", "Passphrase should be 64 hex digits."},
    {"ER_PSKKey", "Passphrase should be between 8 to 63 charachers in ASCII format."},
    {"ER_PIN_Code", "Invaild PIN Code"},
};
} // namespace

std::string MessageText(const char* key) {
    for (const auto& m : kMessages) {
        if (std::strcmp(m.Key, key) != 0) continue;
        const std::string def = m.Default ? std::string(m.Default) : MessageText("ER_WEPKey");
        return g_Var.ReadIni("Message", key, def);
    }
    return g_Var.ReadIni("Message", key, "");
}

void ShowMessageText(const std::string& text) {
    Prompt::Service().MessageBox(PromptKind::Information, text, g_Var.MsgTitle);
}

void ShowMessage(const char* key) {
    ShowMessageText(MessageText(key));
}

bool AskQuestion(const char* key) {
    return Prompt::Service().MessageBox(PromptKind::Question, MessageText(key), g_Var.MsgTitle) == IDYES;
}
