// Every request is checked against the exact item sequence a client writes; anything else is refused.
#include "simrequest.h"

#include <cstdio>
#include <vector>

namespace swpsim {

namespace {

std::vector<std::uint8_t> Types(const ItemWalk& walk) {
    std::vector<std::uint8_t> t;
    for (const Item& i : walk.items)
        t.push_back(i.type);
    return t;
}

std::string TypeList(const std::vector<std::uint8_t>& types) {
    std::string s;
    char hex[8];
    for (std::uint8_t t : types) {
        std::snprintf(hex, sizeof hex, "%s%02X", s.empty() ? "" : " ", t);
        s += hex;
    }
    return s.empty() ? "(none)" : s;
}

// Sets `problem` when the walk is not exactly `expected` or some fixed-size item has another length.
bool CheckShape(const ItemWalk& walk, const std::vector<std::uint8_t>& expected, SimRequest& r) {
    if (walk.overrun) {
        r.problem = "an item runs past the payload";
        return false;
    }
    if (walk.strayByte) {
        r.problem = "a stray byte after the last item";
        return false;
    }
    const std::vector<std::uint8_t> got = Types(walk);
    if (got != expected) {
        r.problem = "items " + TypeList(got) + ", expected " + TypeList(expected);
        return false;
    }
    for (const Item& item : walk.items) {
        std::size_t want = 0;
        switch (item.type) {
        case tlv::DeviceMac:
            want = 6;
            break;
        case tlv::LanIp:
        case tlv::LanNetmask:
        case tlv::LanGateway:
            want = 4;
            break;
        case tlv::WlWpsPbc:
            want = 0;
            break;
        case tlv::DeviceMode:
        case tlv::IpMode:
        case tlv::WlExtCh:
        case tlv::WlStdCh:
        case tlv::WlMode:
        case tlv::WlStaFlag:
        case tlv::WlSecurityMode:
        case tlv::WlAuthMode:
        case tlv::WlWepKeyIndex:
        case tlv::WlWpaMode:
        case tlv::WlWpaCipher:
        case tlv::OtherGetConfig:
            want = 1;
            break;
        default:
            continue; // texts
        }
        if (item.value.size() != want) {
            char text[80];
            std::snprintf(text, sizeof text, "item %02X has %zu bytes, expected %zu", item.type,
                          item.value.size(), want);
            r.problem = text;
            return false;
        }
    }
    return true;
}

std::uint8_t ByteOf(const ItemWalk& walk, std::uint8_t type) {
    const Item* item = FindItem(walk, type);
    return item && !item->value.empty() ? item->value[0] : 0;
}

std::string TextOf(const ItemWalk& walk, std::uint8_t type) {
    const Item* item = FindItem(walk, type);
    return item ? ValueText(*item) : std::string();
}

void DecodeWireless(const ItemWalk& walk, bool station, SimRequest& r) {
    WirelessValues& w = r.wireless;
    std::vector<std::uint8_t> expected = {tlv::WlSsid};
    if (station) {
        expected.push_back(tlv::WlStaFlag);
    } else {
        expected.push_back(tlv::WlStdCh);
        if (ByteOf(walk, tlv::WlStdCh) != 0) expected.push_back(tlv::WlExtCh);
    }
    expected.push_back(tlv::WlMode);
    expected.push_back(tlv::WlSecurityMode);
    const std::uint8_t security = ByteOf(walk, tlv::WlSecurityMode);
    if (security == 1) expected.insert(expected.end(), {tlv::WlAuthMode, tlv::WlWepKey, tlv::WlWepKeyIndex});
    if (security == 2) expected.insert(expected.end(), {tlv::WlWpaMode, tlv::WlWpaCipher, tlv::WlWpaPsk});
    if (!CheckShape(walk, expected, r)) return;
    w.ssid = TextOf(walk, tlv::WlSsid);
    if (!station) {
        w.stdChannel = ByteOf(walk, tlv::WlStdCh);
        if (FindItem(walk, tlv::WlExtCh)) w.extChannel = ByteOf(walk, tlv::WlExtCh);
    }
    w.staFlag = station && ByteOf(walk, tlv::WlStaFlag) != 0;
    if (station && !w.staFlag) r.problem = "station flag is 0";
    w.wlMode = ByteOf(walk, tlv::WlMode);
    w.security = security;
    w.authMode = ByteOf(walk, tlv::WlAuthMode);
    w.wepKey = TextOf(walk, tlv::WlWepKey);
    w.wepKeyIndex = ByteOf(walk, tlv::WlWepKeyIndex);
    w.wpaMode = ByteOf(walk, tlv::WlWpaMode);
    w.wpaCipher = ByteOf(walk, tlv::WlWpaCipher);
    w.passphrase = TextOf(walk, tlv::WlWpaPsk);
}

void DecodeSet(const ItemWalk& walk, SimRequest& r) {
    const std::uint8_t first = walk.items.empty() ? 0xFF : walk.items.front().type;
    switch (first) {
    case tlv::IpMode:
        r.kind = Req::IpSetting;
        r.dhcp = ByteOf(walk, tlv::IpMode) != 0;
        if (r.dhcp) {
            CheckShape(walk, {tlv::IpMode}, r);
        } else if (CheckShape(walk, {tlv::IpMode, tlv::LanIp, tlv::LanNetmask, tlv::LanGateway}, r)) {
            r.ip = ReadBe32(FindItem(walk, tlv::LanIp)->value);
            r.netmask = ReadBe32(FindItem(walk, tlv::LanNetmask)->value);
            r.gateway = ReadBe32(FindItem(walk, tlv::LanGateway)->value);
        }
        break;
    case tlv::WlSsid:
        r.kind = Req::WlSetting;
        DecodeWireless(walk, false, r);
        break;
    case tlv::WlWpsPbc:
        r.kind = Req::WpsPbc;
        CheckShape(walk, {tlv::WlWpsPbc}, r);
        break;
    case tlv::WlWpsPin:
        r.kind = Req::WpsPin;
        if (CheckShape(walk, {tlv::WlWpsPin}, r)) r.pinText = TextOf(walk, tlv::WlWpsPin);
        break;
    case tlv::DeviceMode:
        r.kind = Req::SetMode;
        if (CheckShape(walk, {tlv::DeviceMode}, r)) r.mode = ByteOf(walk, tlv::DeviceMode);
        break;
    default:
        r.kind = Req::Unknown;
        r.problem = "set request with items " + TypeList(Types(walk));
        break;
    }
}

void ExpectEmpty(std::span<const std::uint8_t> payload, SimRequest& r) {
    if (!payload.empty())
        r.problem = "payload of " + std::to_string(payload.size()) + " bytes, expected none";
}

} // namespace

SimRequest DecodeRequest(std::uint8_t opCode, std::span<const std::uint8_t> payload) {
    SimRequest r;
    if (payload.size() > kMaxRequestPayload) {
        r.problem = "payload longer than a request can be";
        return r;
    }
    const ItemWalk walk = ReadItems(payload);
    switch (opCode) {
    case op::Discover:
        r.kind = Req::Discover;
        ExpectEmpty(payload, r);
        break;
    case op::Login: {
        r.kind = Req::Login;
        if (!CheckShape(walk, {tlv::DeviceMac, tlv::OtherAuth}, r)) {
            r.readable = false;
            break;
        }
        const Item* mac = FindItem(walk, tlv::DeviceMac);
        std::copy(mac->value.begin(), mac->value.end(), r.loginMac.begin());
        r.phrase = TextOf(walk, tlv::OtherAuth);
        break;
    }
    case op::Logout:
        r.kind = Req::Logout;
        ExpectEmpty(payload, r);
        break;
    case op::GetConfig: {
        const bool modeOnly = !walk.items.empty() && walk.items.front().type == tlv::DeviceMode;
        r.kind = modeOnly ? Req::GetMode : Req::GetConfig;
        if (CheckShape(walk, {modeOnly ? tlv::DeviceMode : tlv::OtherGetConfig}, r) &&
            walk.items[0].value[0] != 0)
            r.problem = "request value is not 0";
        break;
    }
    case op::SetConfig:
        DecodeSet(walk, r);
        break;
    case op::SiteSurvey:
        r.kind = Req::Survey;
        ExpectEmpty(payload, r);
        break;
    case op::StationGetConfig:
        r.kind = Req::StationGet;
        ExpectEmpty(payload, r);
        break;
    case op::StationSetConfig:
        r.kind = Req::StationSet;
        DecodeWireless(walk, true, r);
        break;
    default:
        r.problem = "operation code " + std::to_string(opCode) + " is not a request";
        break;
    }
    return r;
}

} // namespace swpsim
