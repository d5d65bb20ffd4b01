#include "cli/wpsstatus.h"

namespace {
constexpr const char* kTexts[] = {
    "Not used",
    "Idle",
    "WSC Fail(Ignore this if Intel/Marvell registrar used)",
    "Start WSC Process",
    "Received EAPOL-Start",
    "Sending EAP-Req(ID)",
    "Receive EAP-Rsp(ID)",
    "Receive EAP-Req with wrong WSC SMI Vendor Id",
    "Receive EAPReq with wrong WSC Vendor Type",
    "Sending EAP-Req(WSC_START)",
    "Send M1",
    "Received M1",
    "Send M2",
    "Received M2",
    "Received M2D",
    "Send M3",
    "Received M3",
    "Send M4",
    "Received M4",
    "Send M5",
    "Received M5",
    "Send M6",
    "Received M6",
    "Send M7",
    "Received M7",
    "Send M8",
    "Received M8",
    "Processing EAP Response (ACK)",
    "Processing EAP Request (Done)",
    "Processing EAP Response (Done)",
    "Sending EAP-Fail",
    "WSC_ERROR_HASH_FAIL",
    "WSC_ERROR_HMAC_FAIL",
    "WSC_ERROR_DEV_PWD_AUTH_FAIL",
    "Configured",
    "SCAN AP",
    "EAPOL START SENT",
    "WSC_EAP_RSP_DONE_SENT",
    "WAIT PINCODE",
};
constexpr const char* kHighTexts[] = {
    "PBC:TOO MANY AP",  "PBC:NO AP",         "EAP_FAIL_RECEIVED", "EAP_NONCE_MISMATCH",
    "EAP_INVALID_DATA", "PASSWORD_MISMATCH", "EAP_REQ_WRONG_SMI", "EAP_REQ_WRONG_VENDOR_TYPE",
};
} // namespace

const char* WpsStatusText(int code) {
    constexpr int low = sizeof kTexts / sizeof kTexts[0];
    constexpr int high = sizeof kHighTexts / sizeof kHighTexts[0];
    if (code >= 0 && code < low) return kTexts[code];
    if (code >= 257 && code < 257 + high) return kHighTexts[code - 257];
    return "Unknown";
}
