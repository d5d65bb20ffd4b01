#include "wizard/routing.h"

#include "wizard/navigation.h"

namespace {
TRouteDecision move(PageId target, int direction) {
    TRouteDecision d;
    d.Action = TRouteDecision::Move;
    d.Target = target;
    d.Direction = direction;
    return d;
}
TRouteDecision forward(PageId target) {
    return move(target, DIR_FORWARD);
}
TRouteDecision backward(PageId target) {
    return move(target, DIR_BACKWARD);
}
TRouteDecision none() {
    return {};
}
TRouteDecision closeWizard(int result) {
    TRouteDecision d;
    d.Action = TRouteDecision::Close;
    d.ModalResult = result;
    return d;
}
TRouteDecision askProfile() {
    TRouteDecision d;
    d.Action = TRouteDecision::AskProfile;
    return d;
}
bool isAP(const TRouteState& s) {
    return s.DeviceMode == 1;
}

// From the IP part on to the wireless part: the records read from the device become the ones to send.
TRouteDecision toWirelessWithCopy(const TRouteState& s) {
    TRouteDecision d = forward(isAP(s) ? PageId::SetWlMethod : PageId::WlProfile);
    d.SetSetupTypeToWireless = true;
    d.CopyRecords = true;
    return d;
}
} // namespace

TRouteDecision RouteNext(const TRouteState& s) {
    switch (s.Current) {
    case PageId::None:
    case PageId::Welcome:
        return forward(PageId::License);
    case PageId::License:
        return forward(PageId::Tutorial);
    case PageId::Tutorial:
        return forward(PageId::Tutorial2);
    case PageId::Tutorial2:
        return forward(PageId::DevList);
    case PageId::DevList:
        return forward(PageId::Password);
    case PageId::Password:
        return forward(PageId::WlModeSel);
    case PageId::WlModeSel:
        return forward(isAP(s) ? PageId::SetupMethod : PageId::SiteSurvey);
    case PageId::SetupMethod:
        if (s.SetupType == 0) return s.StaticIPChosen ? forward(PageId::DevIPCfg) : toWirelessWithCopy(s);
        if (s.SetupType == 1) return forward(isAP(s) ? PageId::SetWlMethod : PageId::WlProfile);
        return none();
    case PageId::DevIPCfg:
        return toWirelessWithCopy(s);
    case PageId::SetWlMethod:
        if (s.WlMethod == 0) return forward(PageId::WPSMethod);
        if (s.WlMethod == 1) return forward(isAP(s) ? PageId::WlProfile : PageId::SiteSurvey);
        return none();
    case PageId::SiteSurvey:
        if (s.WlMethod == 1) return forward(PageId::WlProfile);
        if (s.WlMethod == 0) return forward(PageId::WPSMethod);
        if (s.WlMethod == 2) return forward(PageId::SetupMethod);
        return none();
    case PageId::WlProfile:
        return askProfile();
    case PageId::WPSMethod:
        return forward(PageId::Success);
    case PageId::Success:
        return forward(PageId::SetupMethod);
    case PageId::AdhocMode:
    case PageId::WlConfig:
        return none();
    }
    return none();
}

TRouteDecision RouteBack(const TRouteState& s) {
    switch (s.Current) {
    case PageId::None:
    case PageId::Welcome:
    case PageId::AdhocMode:
    case PageId::WlConfig:
        return none();
    case PageId::License:
    case PageId::Tutorial:
        return closeWizard(2);
    case PageId::Tutorial2:
        return backward(PageId::Tutorial);
    case PageId::DevList:
        return backward(PageId::Tutorial2);
    case PageId::Password:
    case PageId::WlModeSel:
        return backward(PageId::DevList);
    case PageId::SetupMethod:
        return backward(isAP(s) ? PageId::WlModeSel : PageId::SiteSurvey);
    case PageId::DevIPCfg:
        return backward(PageId::SetupMethod);
    case PageId::SetWlMethod:
        return backward(s.StaticIPChosen ? PageId::DevIPCfg : PageId::SetupMethod);
    case PageId::SiteSurvey:
        return backward(PageId::WlModeSel);
    case PageId::WlProfile:
        return askProfile();
    // Entered forward on purpose, so the method page remembers the WPS page as where it came from.
    case PageId::WPSMethod:
        return isAP(s) ? forward(PageId::SetWlMethod) : backward(PageId::SiteSurvey);
    case PageId::Success:
        return backward(PageId::WlModeSel);
    }
    return none();
}

TRouteDecision RouteAfterProfile(const TRouteState& s, bool forwardMove) {
    if (forwardMove) return forward(PageId::Success);
    if (isAP(s)) return backward(PageId::SetWlMethod);
    if (s.WlMethod == 1) return backward(PageId::SiteSurvey);
    if (s.WlMethod == 2) return backward(s.StaticIPChosen ? PageId::DevIPCfg : PageId::SetupMethod);
    return none();
}
