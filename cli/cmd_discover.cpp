// discover: list the devices that answer a discovery.
#include "app/messages.h"
#include "app/records.h"
#include "cli/clisession.h"
#include "cli/commands.h"

#include <QJsonArray>

int RunDiscover(CCliSession& session) {
    unsigned long wait = DISCOVER_WAIT;
    if (session.Args().Has("wait")) {
        const std::string text = session.Args().Option("wait");
        bool ok = !text.empty() && text.size() <= 7;
        for (char c : text)
            ok = ok && c >= '0' && c <= '9';
        if (ok) wait = std::stoul(text);
        if (!ok || wait < 1 || wait > 600000)
            return session.Usage("--wait needs a number of milliseconds from 1 to 600000");
    }
    std::vector<tag_DEVICE_INFO> devices;
    if (!session.Discover(static_cast<std::uint32_t>(wait), devices)) {
        session.Out().Document(
            {{"error", QJsonObject{{"message", JsonText(MessageText("ER_Ethr_Interface"))}}}});
        return EXIT_DEVICE;
    }

    QJsonArray list;
    std::vector<TTableRow> rows;
    for (std::size_t n = 0; n < devices.size(); ++n) {
        QJsonObject device = session.DeviceJson(devices[n]);
        device["index"] = static_cast<int>(n + 1);
        list.append(device);
        TTableRow row = session.DeviceRow(devices[n]);
        row.insert(row.begin(), std::to_string(n + 1));
        rows.push_back(row);
    }
    session.Out().Document({{"devices", list}});
    if (devices.empty()) {
        session.NoDeviceHelp();
        return EXIT_DEVICE;
    }
    session.Out().Table({"#", "NAME", "MAC", "DEVICE IP", "LOCAL ADAPTER"}, rows);
    return EXIT_DONE;
}
