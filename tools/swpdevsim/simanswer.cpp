// Answer payloads built from the device state.
#include "simanswer.h"

namespace swpsim {

Bytes DiscoveryPayload(const SimDevice& d) {
    return PayloadWriter().Text(tlv::DeviceName, d.name).Take();
}

Bytes LoginPayload(std::uint8_t result, std::uint16_t port) {
    PayloadWriter w;
    w.Byte(tlv::OtherResult, result);
    if (port != 0) w.Word(tlv::OtherPort, port);
    return w.Take();
}

Bytes ResultPayload(std::uint8_t result) {
    return PayloadWriter().Byte(tlv::OtherResult, result).Take();
}

Bytes ConfigPayload(const SimDevice& d) {
    PayloadWriter w;
    w.Byte(tlv::DeviceMode, d.mode)
        .Byte(tlv::IpMode, d.dhcp ? 1 : 0)
        .Dword(tlv::LanIp, d.ip)
        .Dword(tlv::LanNetmask, d.netmask)
        .Dword(tlv::LanGateway, d.gateway)
        .Text(tlv::WlSsid, d.ssid)
        .Raw(tlv::WlChList, d.channels)
        .Byte(tlv::WlStdCh, d.stdChannel)
        .Byte(tlv::WlExtCh, d.extChannel)
        .Byte(tlv::WlSecurityMode, d.security)
        .Byte(tlv::WlAuthMode, d.authMode)
        .Byte(tlv::WlWepKeyLen, d.wepKeyLen)
        .Byte(tlv::WlWepKeyIndex, d.wepKeyIndex)
        .Byte(tlv::WlWpaMode, d.wpaMode)
        .Byte(tlv::WlWpaCipher, d.wpaCipher)
        .Dword(tlv::WlWpsPin, d.wpsPin);
    return w.Take();
}

Bytes ModePayload(const SimDevice& d) {
    return PayloadWriter().Byte(tlv::DeviceMode, d.mode).Take();
}

Bytes SurveyPayload(const SimDevice& d) {
    Bytes out;
    for (const SurveyEntry& e : d.survey)
        AppendSurveyEntry(out, e);
    return out;
}

Bytes StationPayload(const SimDevice& d) {
    return PayloadWriter().Text(tlv::WlWpsPin, d.stationPin).Take();
}

Bytes EventPayload(const WpsStep& step) {
    PayloadWriter w;
    for (std::int32_t status : step.statuses)
        w.Dword(tlv::OtherWpsStatus, static_cast<std::uint32_t>(status));
    if (step.connectTimeout) w.Empty(tlv::OtherConnectTimeout);
    return w.Take();
}

Bytes ConnectTimeoutPayload() {
    return PayloadWriter().Empty(tlv::OtherConnectTimeout).Take();
}

} // namespace swpsim
