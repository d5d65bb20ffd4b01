// show and survey: the commands that only read from the device.
#include "app/globalvar.h"
#include "app/utils.h"
#include "cli/clisession.h"
#include "cli/commands.h"
#include "cli/configview.h"
#include "link/formudp.h"

#include <QJsonArray>

#include <algorithm>

namespace {

// Texts of the survey's coded fields, as the site survey page shows them.
const char* CipherText(int code) {
    static const char* const texts[] = {"Not Use", "WEP", "TKIP", "AES", "TKIP/AES"};
    return code >= 0 && code < 5 ? texts[code] : "";
}

const char* AuthText(int code) {
    static const char* const texts[] = {"OPEN", "",     "WPA-PSK", "WPA2-PSK", "WPA-PSK/WPA2-PSK",
                                        "WPA",  "WPA2", "WPA/WPA2"};
    return code >= 0 && code < 8 ? texts[code] : "";
}

} // namespace

int RunShow(CCliSession& session) {
    if (const int rc = session.Connect(session.Args().Arguments[0]); rc != EXIT_DONE) return rc;
    const tag_DEVICE_INFO& device = g_Var.DevInfo;
    session.Out().Document({{"device", session.DeviceJson(device)},
                            {"mode", ModeWord(g_Var.DeviceMode)},
                            {"ip", IPJson(g_Var.IPSetting)},
                            {"wireless", WirelessJson(g_Var.WlProfile)}});
    TFieldList fields = {{"Device", Printable(FieldText(device.DevName))},
                         {"MAC address", MacToStr(device.MacAddr)},
                         {"Local adapter", session.AdapterText(device.LocalIP)},
                         {"Mode", ModeText(g_Var.DeviceMode)}};
    for (auto& f : IPFields(g_Var.IPSetting))
        fields.push_back(f);
    for (auto& f : WirelessFields(g_Var.WlProfile))
        fields.push_back(f);
    session.Out().Fields(fields);
    return EXIT_DONE;
}

int RunSurvey(CCliSession& session) {
    if (const int rc = session.Connect(session.Args().Arguments[0]); rc != EXIT_DONE) return rc;
    TFormUDP& engine = session.Engine();
    TPatternOptions options;
    options.CheckResult = false; // the survey answer always reports 0
    options.ReadConfig = false;
    CRequestPattern survey(
        engine, [&engine] { engine.SendSiteSurvey(10000); }, options);
    const TPatternEnd end = session.Run(survey, "Surveying");
    if (end.Result != 1) return session.Fail("ER_CONNECT", end);

    std::vector<tag_AP_ROFIILE> aps;
    engine.GetSurveyList(aps);
    // Strongest first; equal signals keep the device's order.
    std::stable_sort(aps.begin(), aps.end(),
                     [](const tag_AP_ROFIILE& a, const tag_AP_ROFIILE& b) { return a.Signal > b.Signal; });
    QJsonArray list;
    std::vector<TTableRow> rows;
    for (const tag_AP_ROFIILE& ap : aps) {
        list.append(QJsonObject{{"ssid", JsonText(ap.SSID)},
                                {"bssid", QString::fromStdString(MacToStr(ap.BSSID))},
                                {"channel", ap.Channel},
                                {"signal", ap.Signal},
                                {"cipher", ap.Cipher},
                                {"encryption", CipherText(ap.Cipher)},
                                {"auth_type", ap.AuthType},
                                {"authentication", AuthText(ap.AuthType)},
                                {"wps", ap.WpsFlag != 0}});
        rows.push_back({Printable(ap.SSID), std::to_string(ap.Channel), std::to_string(ap.Signal) + "%",
                        CipherText(ap.Cipher), AuthText(ap.AuthType), MacToStr(ap.BSSID),
                        ap.WpsFlag ? "yes" : "no"});
    }
    session.Out().Document({{"access_points", list}});
    if (aps.empty())
        session.Out().Line("The device hears no access point.");
    else
        session.Out().Table({"SSID", "CHANNEL", "SIGNAL", "ENCRYPTION", "AUTHENTICATION", "BSSID", "WPS"},
                            rows);
    return EXIT_DONE;
}
