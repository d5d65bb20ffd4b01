#include "link/formudp.h"

#include "app/debug.h"
#include "app/globalvar.h"
#include "app/messages.h"
#include "app/utils.h"
#include "link/answers.h"
#include "link/iphelp.h"
#include "link/packet.h"
#include "link/requests.h"
#include "link/udpsocket.h"
#include "platform/application.h"
#include "platform/timer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ctime>

TFormUDP* FormUDP = nullptr;

namespace {
const TMacAddr BroadcastMac{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
// A flood of answers with made-up addresses must not grow the device list without end.
constexpr std::size_t MaxDevices = 4096;
} // namespace

TFormUDP::TFormUDP(QObject* parent, CIPHelp* ipHelp)
    : QObject(parent), m_ipHelp(ipHelp ? *ipHelp : IPHelp()), m_recvBuffer(UDP_RECV_BUFFER) {
    TimerWait = new TTimer(this, 1000, false);
    TimerWait->OnTimer = [this](TTimer*) { TimerWaitTimer(); };
    std::uint32_t address = 0, netmask = 0, gateway = 0;
    if (!m_ipHelp.FindAdapter(address, netmask, gateway, m_clientAddr.data())) {
        std::srand(static_cast<unsigned>(std::time(nullptr)));
        for (auto& b : m_clientAddr)
            b = static_cast<std::uint8_t>(std::rand() % 256);
    }
    if (!FormUDP) FormUDP = this;
}

TFormUDP::~TFormUDP() {
    CloseInterface();
    ClearDevList();
    ClearSurveyList();
    if (FormUDP == this) FormUDP = nullptr;
}

void TFormUDP::SetPorts(std::uint16_t clientPort, std::uint16_t devicePort) {
    m_clientPort = clientPort;
    m_devicePort = devicePort;
}

bool TFormUDP::event(QEvent* e) {
    if (DispatchMessageEvent(e)) return true;
    return QObject::event(e);
}

void TFormUDP::WndProc(TMessage& msg) {
    if (msg.Msg == UM_UDP_READ && msg.WParam == 1) {
        auto* socket = reinterpret_cast<CUDPSocket*>(msg.LParam);
        // Only sockets of our own list are read; a closed one may still have a notification on its way.
        if (std::find(m_sockets.begin(), m_sockets.end(), socket) != m_sockets.end()) UDPSocketRead(socket);
    }
    DefaultHandler(msg);
}

bool TFormUDP::InitInterface() {
    for (const TAdapter& adapter : m_ipHelp.GetAdapterList()) {
        for (const TAdapterAddress& address : adapter.Addresses) {
            if (DottedToHost(address.IP) == 0) continue;
            Log("Addr=%s, IP=%s, Iface=%s", MacToStr(adapter.MacAddr.data()).c_str(), address.IP.c_str(),
                adapter.Name.c_str());
            auto* socket = new CUDPSocket;
            socket->setParent(this);
            socket->AdapterAddr = adapter.MacAddr;
            socket->LocalIP = address.IP;
            socket->NetMask = address.Mask;
            socket->LocalPort = m_clientPort;
            socket->Interface = adapter.Name;
            socket->Broadcast = CIPHelp::BroadcastAddress(adapter, address);
            if (socket->Open(this, UM_UDP_READ)) {
                m_sockets.push_back(socket);
                break; // one socket per adapter, on its first address that opens
            }
            delete socket;
        }
    }
    return !m_sockets.empty();
}

void TFormUDP::CloseInterface() {
    if (m_loggedIn) {
        SendLogout(0);
        m_pending = 0;
        m_loggedIn = false;
    }
    for (CUDPSocket* socket : m_sockets) {
        socket->Close();
        socket->deleteLater(); // a readiness notification of it may still be on the stack
    }
    m_sockets.clear();
}

void TFormUDP::ClearDevList() {
    m_devices.clear();
}

void TFormUDP::ClearSurveyList() {
    m_survey.clear();
}

void TFormUDP::GetDevList(std::vector<tag_DEVICE_INFO>& list) const {
    list.insert(list.end(), m_devices.begin(), m_devices.end());
}

void TFormUDP::GetSurveyList(std::vector<tag_AP_ROFIILE>& list) const {
    list.insert(list.end(), m_survey.begin(), m_survey.end());
}

void TFormUDP::GetWPSSurveyList(std::vector<tag_AP_ROFIILE>& list) const {
    for (const tag_AP_ROFIILE& ap : m_survey)
        if (ap.WpsFlag) list.push_back(ap);
}

// ---- Sending ----------------------------------------------------------------------------------------------

void TFormUDP::SendPacket(CPacket& packet) {
    if (DebugLog().Enabled()) {
        char line[32];
        std::snprintf(line, sizeof line, "[Tx] size=%d", static_cast<int>(packet.Size()));
        LogPacket(line, packet.Data(), packet.Size());
    }
    EncipherPayload(packet.Data(), packet.Size(), g_Var.Password);
    for (CUDPSocket* socket : m_sockets) {
        packet.SetMac(socket->AdapterAddr.data());
        socket->Send(packet.Data(), static_cast<int>(packet.Size()), m_remotePort, socket->Broadcast);
    }
}

bool TFormUDP::Request(int code, CPacket& packet, std::uint32_t wait) {
    m_pending = code;
    SendPacket(packet);
    if (wait > 0) {
        TimerWait->SetInterval(wait);
        TimerWait->SetEnabled(true);
    } else {
        m_pending = 0;
        if (code == UDP_REQ_LOGOUT) m_loggedIn = false;
    }
    return true;
}

void TFormUDP::StopWait() {
    TimerWait->SetEnabled(false);
    m_pending = 0;
}

void TFormUDP::PostResult(int code, int result) {
    PostMessage(TApplication::Instance().MainForm(), UM_UDP_RESULT, static_cast<WPARAM>(code), result);
}

bool TFormUDP::SendDiscover(std::uint32_t wait, bool reopen) {
    LogText("TFormUDP::SendDiscover()");
    if (reopen) {
        CloseInterface();
        ClearDevList();
        // Broadcasts need no neighbour entries, so there is no cache to flush here.
        LogText("  no ARP cache flush needed");
        if (!InitInterface()) {
            LogText("TFormUDP::SendDiscover() FAIL init interface");
            ShowMessage("ER_Ethr_Interface");
            return false;
        }
    }
    m_peerAddr = BroadcastMac;
    m_remotePort = m_devicePort;
    CPacket packet;
    BuildDiscover(packet, m_clientAddr.data());
    return Request(UDP_REQ_DISCOVER, packet, wait);
}

bool TFormUDP::SendLogin(std::uint32_t wait) {
    LogText("TFormUDP::SendLogin()");
    m_remotePort = m_devicePort;
    CPacket packet;
    BuildLogin(packet, m_clientAddr.data(), g_Var.DevInfo.MacAddr);
    return Request(UDP_REQ_LOGIN, packet, wait);
}

bool TFormUDP::SendLogout(std::uint32_t wait) {
    LogText("TFormUDP::SendLogout()");
    CPacket packet;
    BuildLogout(packet, m_clientAddr.data());
    return Request(UDP_REQ_LOGOUT, packet, wait);
}

bool TFormUDP::SendGetConfig(std::uint32_t wait) {
    LogText("TFormUDP::SendGetConfig()");
    CPacket packet;
    BuildGetConfig(packet, m_clientAddr.data());
    return Request(UDP_REQ_GET_CONFIG, packet, wait);
}

bool TFormUDP::SendGetMode(std::uint32_t wait) {
    LogText("TFormUDP::SendGetMode()");
    CPacket packet;
    BuildGetMode(packet, m_clientAddr.data());
    return Request(UDP_REQ_GET_CONFIG, packet, wait);
}

bool TFormUDP::SendSiteSurvey(std::uint32_t wait) {
    LogText("TFormUDP::SendSiteSurvey()");
    CPacket packet;
    BuildSiteSurvey(packet, m_clientAddr.data());
    return Request(UDP_REQ_SITE_SURVEY, packet, wait);
}

bool TFormUDP::SendStationGetConfig(std::uint32_t wait) {
    LogText("TFormUDP::SendStationGetConfig()");
    CPacket packet;
    BuildStationGetConfig(packet, m_clientAddr.data());
    return Request(UDP_REQ_STATION_GET_CONFIG, packet, wait);
}

bool TFormUDP::SendIPSetting(std::uint32_t wait) {
    LogText("TFormUDP::SendIPSetting()");
    CPacket packet;
    BuildIPSetting(packet, m_clientAddr.data(), g_Var.NewIPSetting);
    return Request(UDP_REQ_IP_SETTING, packet, wait);
}

bool TFormUDP::SendWlSetting(std::uint32_t wait) {
    LogText("TFormUDP::SendWlSetting()");
    CPacket packet;
    BuildWlSetting(packet, m_clientAddr.data(), g_Var.NewWlProfile);
    return Request(UDP_REQ_WL_SETTING, packet, wait);
}

bool TFormUDP::SendWlStationSetting(std::uint32_t wait) {
    LogText("TFormUDP::SendWlStationSetting()");
    CPacket packet;
    BuildWlStationSetting(packet, m_clientAddr.data(), g_Var.NewWlProfile);
    return Request(UDP_REQ_WL_STATION_SETTING, packet, wait);
}

bool TFormUDP::SendWPSPBC(std::uint32_t wait) {
    LogText("TFormUDP::SendWPSPBC()");
    CPacket packet;
    BuildWPSPBC(packet, m_clientAddr.data());
    return Request(UDP_REQ_WPS_PBC, packet, wait);
}

bool TFormUDP::SendWPSPIN(std::uint32_t wait) {
    LogText("TFormUDP::SendWPSPIN()");
    CPacket packet;
    BuildWPSPIN(packet, m_clientAddr.data(), g_Var.DeviceMode, g_Var.NewWlProfile);
    return Request(UDP_REQ_WPS_PIN, packet, wait);
}

bool TFormUDP::SendSetMode(std::uint32_t wait, int mode) {
    LogText("TFormUDP::SendSetMode()");
    CPacket packet;
    BuildSetMode(packet, m_clientAddr.data(), mode);
    return Request(UDP_REQ_SET_MODE, packet, wait);
}

// ---- Receiving --------------------------------------------------------------------------------------------

void TFormUDP::UDPSocketRead(CUDPSocket* socket) {
    Log("Local IP:%s", socket->LocalIP.c_str());
    m_lastLocalIP = socket->LocalIP;
    std::uint16_t port = 0;
    std::string address;
    const int n = socket->Recv(m_recvBuffer.data(), static_cast<int>(m_recvBuffer.size()), port, address);
    if (n > 0)
        ProcRecvData(m_recvBuffer.data(), static_cast<std::size_t>(n), address, port, socket);
    else
        Log("TFormUDP::UDPSocketRead() %d", n);
}

void TFormUDP::ProcRecvData(std::uint8_t* data, std::size_t size, const std::string& fromIP,
                            std::uint16_t fromPort, const CUDPSocket* socket) {
    std::vector<TMacAddr> adapters;
    adapters.reserve(m_sockets.size());
    for (const CUDPSocket* s : m_sockets)
        adapters.push_back(s->AdapterAddr);
    const TRecvFault fault = CheckDatagram({data, size}, adapters, m_clientAddr, m_peerAddr);
    if (fault != TRecvFault::None) {
        LogText(RecvFaultText(fault));
        return;
    }
    DecipherPayload(data, size, g_Var.Password);
    if (DebugLog().Enabled()) {
        const std::string line = "[Rx] " + fromIP + ":" + std::to_string(fromPort) +
                                 " size=" + std::to_string(static_cast<int>(size));
        LogPacket(line, data, size);
    }
    const std::span<const std::uint8_t> payload(data + UDP_HEADER_SIZE, size - UDP_HEADER_SIZE);
    switch (HeaderOpCode(data)) {
    case OP_DISCOVER:
        RecvDiscover(payload, HeaderMac(data), fromIP, socket);
        break;
    case OP_LOGIN:
        RecvLogin(payload, HeaderMac(data));
        break;
    case OP_LOGOUT:
        RecvLogout(payload);
        break;
    case OP_GET_CONFIG:
        RecvGetConfig(payload);
        break;
    case OP_SET_CONFIG:
    case OP_STATION_SET_CONFIG:
        RecvSetConfig(payload);
        break;
    case OP_EVENT:
        RecvEvent(payload);
        break;
    case OP_SITE_SURVEY:
        RecvSiteSurvey(payload);
        break;
    case OP_STATION_GET_CONFIG:
        RecvStationGetConfig(payload);
        break;
    default: // 5 and above 9: nothing more
        break;
    }
}

void TFormUDP::RecvDiscover(std::span<const std::uint8_t> payload, const std::uint8_t* mac,
                            const std::string& fromIP, const CUDPSocket* socket) {
    LogText("TFormUDP::RecvDiscover()");
    if (m_pending != UDP_REQ_DISCOVER) {
        LogText("  ignore data");
        return;
    }
    for (const tag_DEVICE_INFO& d : m_devices) {
        if (std::memcmp(d.MacAddr, mac, 6) == 0) {
            LogText("  already exist");
            return;
        }
    }
    if (m_devices.size() >= MaxDevices) {
        LogText("  too many devices");
        return;
    }
    tag_DEVICE_INFO device{};
    if (!ReadDiscoverAnswer(payload, device)) return;
    device.LocalIP = socket ? DottedToHost(socket->LocalIP) : 0;
    device.LocalMask = socket ? DottedToHost(socket->NetMask) : 0;
    device.DeviceIP = DottedToHost(fromIP);
    std::memcpy(device.MacAddr, mac, 6);
    m_devices.push_back(device);
}

void TFormUDP::RecvLogin(std::span<const std::uint8_t> payload, const std::uint8_t* mac) {
    LogText("TFormUDP::RecvLogin()");
    if (m_pending != UDP_REQ_LOGIN) {
        LogText("  ignore data");
        return;
    }
    StopWait();
    const TLoginAnswer answer = ReadLoginAnswer(payload);
    if (answer.HasPort) m_remotePort = answer.Port;
    m_loggedIn = answer.Result != 0;
    if (m_loggedIn) std::memcpy(m_peerAddr.data(), mac, 6);
    PostResult(UDP_REQ_LOGIN, answer.Result);
}

void TFormUDP::RecvLogout(std::span<const std::uint8_t> payload) {
    LogText("TFormUDP::RecvLogout()");
    if (m_pending != UDP_REQ_LOGOUT) {
        LogText("  ignore data");
        return;
    }
    StopWait();
    const int result = ReadResultAnswer(payload);
    m_loggedIn = result == 0;
    PostResult(UDP_REQ_LOGOUT, result);
}

void TFormUDP::RecvGetConfig(std::span<const std::uint8_t> payload) {
    LogText("TFormUDP::RecvGetConfig()");
    if (m_pending != UDP_REQ_GET_CONFIG) {
        LogText("  ignore data");
        return;
    }
    StopWait();
    ReadConfigAnswer(payload, g_Var.DeviceMode, g_Var.IPSetting, g_Var.WlProfile);
    PostResult(UDP_REQ_GET_CONFIG, 1);
}

void TFormUDP::RecvSiteSurvey(std::span<const std::uint8_t> payload) {
    LogText("TFormUDP::RecvSiteSurvey()");
    if (m_pending != UDP_REQ_SITE_SURVEY) {
        LogText("  ignore data");
        return;
    }
    StopWait();
    ClearSurveyList();
    m_survey = ReadSurveyEntries(payload);
    PostResult(UDP_REQ_SITE_SURVEY, 0);
}

void TFormUDP::RecvStationGetConfig(std::span<const std::uint8_t> payload) {
    LogText("TFormUDP::RecvStationGetConfig()");
    if (m_pending != UDP_REQ_STATION_GET_CONFIG) {
        LogText("  ignore data");
        return;
    }
    StopWait();
    ReadStationConfigAnswer(payload, g_Var.ClientPIN);
    PostResult(UDP_REQ_STATION_GET_CONFIG, 1);
}

void TFormUDP::RecvSetConfig(std::span<const std::uint8_t> payload) {
    LogText("TFormUDP::RecvSetConfig()");
    static constexpr int served[] = {UDP_REQ_IP_SETTING, UDP_REQ_WL_SETTING, UDP_REQ_WPS_PBC,
                                     UDP_REQ_WPS_PIN,    UDP_REQ_SET_MODE,   UDP_REQ_WL_STATION_SETTING};
    if (std::find(std::begin(served), std::end(served), m_pending) == std::end(served)) {
        LogText("  ignore data");
        return;
    }
    const int result = ReadResultAnswer(payload);
    PostResult(m_pending, result);
    StopWait();
}

void TFormUDP::RecvEvent(std::span<const std::uint8_t> payload) {
    LogText("TFormUDP::RecvEvent()");
    for (const TEventItem& item : ReadEventAnswer(payload)) {
        if (item.Type == TEventItem::ConnectTimeout)
            m_loggedIn = false;
        else
            PostMessage(TApplication::Instance().MainForm(), UM_UDP_EVENT, UDP_EVENT_WPS_STATUS, item.Status);
    }
}

void TFormUDP::TimerWaitTimer() {
    TimerWait->SetEnabled(false);
    Log("TFormUDP::TimerWaitTimer() %d", m_pending);
    PostMessage(TApplication::Instance().MainForm(), UM_UDP_TIMEOUT, static_cast<WPARAM>(m_pending), 0);
    m_pending = 0;
}
