// TFormUDP: the protocol engine. Owns the adapter sockets, the wait timer, the found devices, the survey
// entries and the login state; sends every request and reports answers to the application's main window.
#pragma once

#include "app/records.h"
#include "link/messages_udp.h"
#include "link/udpdefs.h"
#include "platform/message.h"

#include <QObject>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CIPHelp;
class CPacket;
class CUDPSocket;
class TTimer;

class TFormUDP : public QObject, public CMessageReceiver {
    Q_OBJECT
public:
    // `ipHelp` null uses the program's adapter list. The first engine created becomes FormUDP.
    explicit TFormUDP(QObject* parent = nullptr, CIPHelp* ipHelp = nullptr);
    ~TFormUDP() override;
    TFormUDP(const TFormUDP&) = delete;
    TFormUDP& operator=(const TFormUDP&) = delete;

    // Ports of the protocol; tests move them so they never need privileges or collide.
    void SetPorts(std::uint16_t clientPort, std::uint16_t devicePort);
    std::uint16_t ClientPort() const { return m_clientPort; }
    std::uint16_t DevicePort() const { return m_devicePort; }

    // Opens one socket per adapter; true when at least one opened.
    bool InitInterface();
    // Logs out first when logged in, then closes every socket.
    void CloseInterface();
    void ClearDevList();
    void ClearSurveyList();
    // Append copies to the caller's list.
    void GetDevList(std::vector<tag_DEVICE_INFO>& list) const;
    void GetSurveyList(std::vector<tag_AP_ROFIILE>& list) const;
    void GetWPSSurveyList(std::vector<tag_AP_ROFIILE>& list) const;

    // The requests. Each returns true, except SendDiscover when no adapter could be opened. A wait of 0
    // waits for nothing (the pending code returns to 0 at once).
    bool SendDiscover(std::uint32_t wait, bool reopen);
    bool SendLogin(std::uint32_t wait);
    bool SendLogout(std::uint32_t wait);
    bool SendGetConfig(std::uint32_t wait);
    bool SendGetMode(std::uint32_t wait);
    bool SendSiteSurvey(std::uint32_t wait);
    bool SendStationGetConfig(std::uint32_t wait);
    bool SendIPSetting(std::uint32_t wait);
    bool SendWlSetting(std::uint32_t wait);
    bool SendWlStationSetting(std::uint32_t wait);
    bool SendWPSPBC(std::uint32_t wait);
    bool SendWPSPIN(std::uint32_t wait);
    bool SendSetMode(std::uint32_t wait, int mode);

    bool LoggedIn() const { return m_loggedIn; }
    // Local IP text of the socket that received the last datagram.
    const std::string& LastLocalIP() const { return m_lastLocalIP; }

    // State, for the console tool and tests.
    int PendingCode() const { return m_pending; }
    const TMacAddr& ClientAddr() const { return m_clientAddr; }
    const TMacAddr& PeerAddr() const { return m_peerAddr; }
    std::uint16_t RemotePort() const { return m_remotePort; }
    std::size_t SocketCount() const { return m_sockets.size(); }
    const std::vector<CUDPSocket*>& Sockets() const { return m_sockets; }

    void WndProc(TMessage& msg) override;
    // Checks, deciphers, logs and dispatches one received datagram (in place).
    void ProcRecvData(std::uint8_t* data, std::size_t size, const std::string& fromIP, std::uint16_t fromPort,
                      const CUDPSocket* socket);

protected:
    bool event(QEvent* e) override;

private:
    void UDPSocketRead(CUDPSocket* socket);
    void TimerWaitTimer();
    // Logs the packet, enciphers its payload and sends one copy through each socket, stamped with its
    // adapter.
    void SendPacket(CPacket& packet);
    // Sets the pending code, sends, and starts the wait (or clears the pending code for a wait of 0).
    bool Request(int code, CPacket& packet, std::uint32_t wait);
    void StopWait();
    void PostResult(int code, int result);

    void RecvDiscover(std::span<const std::uint8_t> payload, const std::uint8_t* mac,
                      const std::string& fromIP, const CUDPSocket* socket);
    void RecvLogin(std::span<const std::uint8_t> payload, const std::uint8_t* mac);
    void RecvLogout(std::span<const std::uint8_t> payload);
    void RecvGetConfig(std::span<const std::uint8_t> payload);
    void RecvSiteSurvey(std::span<const std::uint8_t> payload);
    void RecvStationGetConfig(std::span<const std::uint8_t> payload);
    void RecvSetConfig(std::span<const std::uint8_t> payload);
    void RecvEvent(std::span<const std::uint8_t> payload);

    CIPHelp& m_ipHelp;
    TTimer* TimerWait;
    int m_pending = 0;
    TMacAddr m_clientAddr{};
    TMacAddr m_peerAddr{};
    std::uint16_t m_remotePort = 0;
    std::vector<CUDPSocket*> m_sockets;
    std::vector<tag_DEVICE_INFO> m_devices;
    std::vector<tag_AP_ROFIILE> m_survey;
    bool m_loggedIn = false;
    std::string m_lastLocalIP;
    std::uint16_t m_clientPort = UDP_CLIENT_PORT;
    std::uint16_t m_devicePort = UDP_DEVICE_PORT;
    std::vector<std::uint8_t> m_recvBuffer;
};

// The program's engine (the first one created), or null.
extern TFormUDP* FormUDP;
