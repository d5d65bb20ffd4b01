// The wizard's Next and Back tables as one pure function of the current page and the user's choices.
#pragma once

// The hosted pages, in the wizard window's creation order.
enum class PageId {
    None,
    Welcome,
    License,
    Tutorial,
    DevList,
    Password,
    SetupMethod,
    DevIPCfg,
    SetWlMethod,
    WPSMethod,
    Success,
    WlProfile,
    AdhocMode,
    WlModeSel,
    WlConfig,
    SiteSurvey,
    Tutorial2,
};

struct TRouteState {
    PageId Current = PageId::None;
    int DeviceMode = 0; // 1: access point
    int SetupType = 0;
    int WlMethod = 0;
    bool StaticIPChosen = false; // the set-up method page's static IP choice
};

struct TRouteDecision {
    enum Kind {
        NoMove,
        Move,       // to Target with Direction
        Close,      // end the wizard with ModalResult
        AskProfile, // step the profile sub-wizard first; see RouteAfterProfile
    } Action = NoMove;
    PageId Target = PageId::None;
    int Direction = 0;
    int ModalResult = 0;
    bool SetSetupTypeToWireless = false; // SetupType = 1 before moving
    bool CopyRecords = false;            // NewIPSetting = IPSetting, NewWlProfile = WlProfile
};

TRouteDecision RouteNext(const TRouteState& s);
TRouteDecision RouteBack(const TRouteState& s);
// The move after the profile sub-wizard reported that it was left at its end (forward) or start (backward).
TRouteDecision RouteAfterProfile(const TRouteState& s, bool forward);
