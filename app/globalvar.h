// CGlobalVar g_Var: product identity and texts from the ini file, the chosen device and the wizard's choices.
#pragma once

#include "app/records.h"
#include "app/threadini.h"

#include <memory>
#include <string>

class CGlobalVar {
public:
    CGlobalVar();
    virtual ~CGlobalVar();
    CGlobalVar(const CGlobalVar&) = delete;
    CGlobalVar& operator=(const CGlobalVar&) = delete;

    // Fills the product values from the ini file beside the running program; always true.
    bool LoadConfig();
    // The same for a given program file path (the ini is that path with the extension ".ini").
    bool LoadConfig(const std::string& programPath);
    // 0 opened, 2 not configured / missing / failed to open, 3 no program associated with its type.
    int OpenUserGuide();
    void ResetIPSetting(tag_IP_SETTING& record);
    void ResetWlProfile(tag_WL_PROFILE& record);

    std::string AppPath;
    std::unique_ptr<CThreadIni> IniFile;
    std::string ShortName;
    std::string MutexName;
    std::string AppTitle;
    std::string MsgTitle;
    std::string AcrobatReader;
    std::string AcrobatReaderTitle;
    bool LicenseAccepted = false;
    std::string Password;
    bool NonWorking = false;
    tag_DEVICE_INFO DevInfo;
    int SetupType = 0;
    int DeviceMode = 0;
    int WlMethod = 0;
    char ClientPIN[12] = {};
    int WpsType = 0;
    tag_AP_ROFIILE SurveyAP;
    tag_IP_SETTING IPSetting;
    tag_IP_SETTING NewIPSetting;
    tag_WL_PROFILE WlProfile;
    tag_WL_PROFILE NewWlProfile;

    // Display strings, one group per profile field; the code of the field is the index.
    std::string SecurityStr[4];
    std::string AuthenStr[3];
    std::string WepLenStr[2];
    std::string WpaModeStr[3];
    std::string CipherStr[3];
    std::string WlModeStr[10];

    // Reads [section] key through the ini object (the default when there is none yet).
    std::string ReadIni(const char* section, const char* key, const std::string& def);
    bool ReadIniBool(const char* section, const char* key, bool def);
};

extern CGlobalVar g_Var;
