#include "app/globalvar.h"

#include "platform/modulepath.h"
#include "platform/shell.h"

CGlobalVar g_Var;

namespace {
struct DisplayString {
    const char* Key;
    const char* Default;
};
// The [String] keys in their order; the position inside a group is the code of the profile field.
constexpr DisplayString kSecurity[] = {
    {"SecurityNone", "None"}, {"SecurityWEP", "WEP"}, {"SecurityWPAPSK", "WPA-PSK"}, {"SecurityWPA", "WPA"}};
constexpr DisplayString kAuthen[] = {
    {"AuthenOpen", "Open"}, {"AuthenShared", "Shared"}, {"AuthenAuto", "Auto"}};
constexpr DisplayString kWepLen[] = {{"WEP64", "64 bit"}, {"WEP128", "128 bit"}};
constexpr DisplayString kWpaMode[] = {
    {"WPA_WPA", "WPA Only"}, {"WPA_WPA2", "WPA2 Only"}, {"WPA_WPAAuto", "WPA or WPA2"}};
constexpr DisplayString kCipher[] = {
    {"CipherTKIP", "TKIP"}, {"CipherAES", "AES"}, {"CipherAuto", "TKIP and AES"}};
constexpr DisplayString kWlMode[] = {{"WirlessMode_BG", "2.4GHz 802.11 b/g mixed mode"},
                                     {"WirlessMode_B", "2.4GHz 802.11 b only"},
                                     {"WirlessMode_A", "2.4GHz 802.11 a only"},
                                     {"WirlessMode_ABG", "2.4GHz 802.11 a/b/g mixed mode"},
                                     {"WirlessMode_G", "2.4GHz 802.11 g only"},
                                     {"WirlessMode_ABGN", "2.4GHz 802.11 a/b/g/n mixed mode"},
                                     {"WirlessMode_N", "2.4GHz 802.11 n only"},
                                     {"WirlessMode_GN", "2.4GHz 802.11 g/n mixed mode"},
                                     {"WirlessMode_AN", "2.4GHz 802.11 a/n mixed mode"},
                                     {"WirlessMode_BGN", "2.4GHz 802.11 b/g/n mixed mode"}};

template <size_t N> void setDefaults(std::string (&dst)[N], const DisplayString (&table)[N]) {
    for (size_t i = 0; i < N; ++i)
        dst[i] = table[i].Default;
}
template <size_t N> void readStrings(CGlobalVar& g, std::string (&dst)[N], const DisplayString (&table)[N]) {
    for (size_t i = 0; i < N; ++i)
        dst[i] = g.ReadIni("String", table[i].Key, dst[i]);
}
} // namespace

CGlobalVar::CGlobalVar() {
    setDefaults(SecurityStr, kSecurity);
    setDefaults(AuthenStr, kAuthen);
    setDefaults(WepLenStr, kWepLen);
    setDefaults(WpaModeStr, kWpaMode);
    setDefaults(CipherStr, kCipher);
    setDefaults(WlModeStr, kWlMode);
}

CGlobalVar::~CGlobalVar() = default;

std::string CGlobalVar::ReadIni(const char* section, const char* key, const std::string& def) {
    return IniFile ? IniFile->ReadString(section, key, def) : def;
}

bool CGlobalVar::ReadIniBool(const char* section, const char* key, bool def) {
    return IniFile ? IniFile->ReadBool(section, key, def) : def;
}

bool CGlobalVar::LoadConfig() {
    return LoadConfig(ModuleFileName());
}

bool CGlobalVar::LoadConfig(const std::string& programPath) {
    AppPath = ExtractFilePath(programPath);
    IniFile = std::make_unique<CThreadIni>(ChangeFileExt(programPath, ".ini"));
    ShortName = ReadIni("Product", "ShortName", "QVN-514WBR");
    MutexName = ShortName + "_Mutex";
    AppTitle = ReadIni("Product", "AppTitle", ExtractBaseName(programPath));
    MsgTitle = ReadIni("Product", "MsgTitle", AppTitle);
    const std::string reader = ReadIni("Product", "AcrobatReader", "");
    if (!reader.empty()) AcrobatReader = AppPath + reader;
    AcrobatReaderTitle = ReadIni("Product", "AcrobatReaderTitle", "Adobe Reader 7.0.5 - Setup");
    LicenseAccepted = false;
    Password = "pylon";
    NonWorking = ReadIniBool("Setting", "NonWorking", false);
    readStrings(*this, SecurityStr, kSecurity);
    readStrings(*this, AuthenStr, kAuthen);
    readStrings(*this, WepLenStr, kWepLen);
    readStrings(*this, WpaModeStr, kWpaMode);
    readStrings(*this, CipherStr, kCipher);
    readStrings(*this, WlModeStr, kWlMode);
    return true;
}

int CGlobalVar::OpenUserGuide() {
    const std::string name = ReadIni("Product", "UserGuide", "");
    if (name.empty()) return 2;
    const std::string path = AppPath + name;
    if (!FileExists(path)) return 2;
    IShell& shell = Shell::Service();
    if (!shell.HasAssociatedProgram(path)) return 3;
    return shell.Open(path) ? 0 : 2;
}

void CGlobalVar::ResetIPSetting(tag_IP_SETTING& record) {
    record.DHCP = 1;
    record.IPAddr = record.NetMask = record.Gateway = record.DNS1 = record.DNS2 = 0;
}

void CGlobalVar::ResetWlProfile(tag_WL_PROFILE& record) {
    const std::string ssid = ReadIni("Setting", "SSID", "wireless");
    CopyText(record.SSID, std::string_view(ssid).substr(0, 32));
    record.StdChannel = 0;
    record.ExtChannel = 0;
    std::memset(record.ChannelList, 0, sizeof record.ChannelList);
    record.SecurityMode = 0;
    record.AuthMode = 2;
    record.WepKeyLen = 0;
    record.WepKeyIndex = 1;
    std::memset(record.WepKey, 0, sizeof record.WepKey);
    record.WpaMode = 2;
    record.WpaCipher = 2;
    std::memset(record.Passphrase, 0, sizeof record.Passphrase);
    record.WpsPin = 0;
    record.EnrolleePin = 0;
}
