// CUDPSocket: one UDP socket per local adapter, readiness from a socket notifier on the GUI thread, each
// waiting datagram announced to the owner by a synchronous message.
#pragma once

#include "link/udpdefs.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <string>

class QSocketNotifier;

class CUDPSocket : public QObject {
    Q_OBJECT
public:
    CUDPSocket();
    ~CUDPSocket() override;
    CUDPSocket(const CUDPSocket&) = delete;
    CUDPSocket& operator=(const CUDPSocket&) = delete;

    // Set by the owner before Open.
    TMacAddr AdapterAddr{}; // hardware address of the adapter
    std::string LocalIP;    // address to bind to; after Open the adapter's (or the bound) address
    std::string NetMask;    // kept for the owner
    std::uint16_t LocalPort = 0;
    std::string Interface; // interface to tie the socket to; empty binds the local IP instead
    std::string Broadcast; // where the owner sends its requests through this socket

    // Creates the socket and asks for readiness notification; the owner then hears of every waiting datagram
    // through `notifyMessage` (wParam 1, lParam this socket), sent synchronously to `notifyWindow`.
    bool Open(QObject* notifyWindow, unsigned notifyMessage);
    void Close();
    bool IsOpen() const { return m_socket >= 0; }
    int Handle() const { return m_socket; }
    // True when the socket is tied to its interface (answers by broadcast are received too).
    bool BoundToDevice() const { return m_boundToDevice; }
    // The receive buffer the system granted, in bytes.
    int ReceiveBuffer() const { return m_receiveBuffer; }

    // One datagram to the dotted address and port; false when closed, the address is not a dotted IPv4
    // address, or the system refuses. No retry.
    bool Send(const void* data, int length, std::uint16_t port, const std::string& address);
    // Reads one waiting datagram: its length, 0 when closed, -1 on error or when none is waiting.
    int Recv(void* buffer, int size, std::uint16_t& port, std::string& address);

    // Readiness handling, as the notifier calls it (public for tests of the mismatch path).
    void OnUMSocket(std::uintptr_t wParam, std::intptr_t lParam);

private:
    bool CreateSocket();
    void Readiness();

    int m_socket = -1;
    bool m_boundToDevice = false;
    int m_receiveBuffer = 0;
    QObject* m_notifyWindow = nullptr;
    unsigned m_notifyMessage = 0;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
