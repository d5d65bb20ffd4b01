// The texts of the device's WPS status codes.
#pragma once

// The text of a status code; "Unknown" for codes without one.
const char* WpsStatusText(int code);

// The codes that change what a WPS run does.
constexpr int WPS_STATUS_IDLE = 1;
constexpr int WPS_STATUS_FAIL = 2;
constexpr int WPS_STATUS_START = 3;
constexpr int WPS_STATUS_CONFIGURED = 34;
