// Window messages and request codes of the protocol engine, shared with the pages (no Widgets headers).
#pragma once

#include "platform/message.h"

constexpr unsigned UM_SOCKET = WM_APP + 1;       // socket readiness (wParam socket, low word of lParam event)
constexpr unsigned UM_UDP_READ = WM_APP + 101;   // a socket to the engine: wParam 1, lParam the CUDPSocket
constexpr unsigned UM_UDP_RESULT = WM_APP + 102; // wParam request code, lParam result
constexpr unsigned UM_UDP_TIMEOUT =
    WM_APP + 103;                               // wParam request code (the pending one; 0 possible), lParam 0
constexpr unsigned UM_UDP_EVENT = WM_APP + 104; // wParam 150 (TLVTYPE_OTHER_WPS_STATUS), lParam WPS status

// Request codes: the pending code of the engine and wParam of the result and time-out messages.
constexpr int UDP_REQ_DISCOVER = 1;
constexpr int UDP_REQ_LOGIN = 2;
constexpr int UDP_REQ_LOGOUT = 3;
constexpr int UDP_REQ_IP_SETTING = 4;
constexpr int UDP_REQ_WL_SETTING = 5;
constexpr int UDP_REQ_GET_CONFIG = 6; // SendGetConfig and SendGetMode
constexpr int UDP_REQ_WPS_PBC = 7;
constexpr int UDP_REQ_WPS_PIN = 8;
constexpr int UDP_REQ_SITE_SURVEY = 9;
constexpr int UDP_REQ_SET_MODE = 10;
constexpr int UDP_REQ_WL_STATION_SETTING = 11;
constexpr int UDP_REQ_STATION_GET_CONFIG = 12;

// wParam of UM_UDP_EVENT.
constexpr int UDP_EVENT_WPS_STATUS = 150;
