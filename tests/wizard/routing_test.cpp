#include "wizard/navigation.h"
#include "wizard/routing.h"

#include <gtest/gtest.h>

namespace {
using K = TRouteDecision::Kind;
using P = PageId;
constexpr int F = DIR_FORWARD, B = DIR_BACKWARD;
constexpr int AP = 1, BR = 2;

struct Row {
    P Current;
    int Mode, SetupType, WlMethod;
    bool StaticIP;
    K Action;
    P Target;
    int Direction;
    bool Copy;
    int Result;
};

void check(const char* table, const Row& r, const TRouteDecision& d) {
    SCOPED_TRACE(std::string(table) + " from page " + std::to_string(static_cast<int>(r.Current)) + " mode " +
                 std::to_string(r.Mode) + " setup " + std::to_string(r.SetupType) + " wl " +
                 std::to_string(r.WlMethod) + " static " + std::to_string(r.StaticIP));
    EXPECT_EQ(d.Action, r.Action);
    if (r.Action == K::Move) {
        EXPECT_EQ(d.Target, r.Target);
        EXPECT_EQ(d.Direction, r.Direction);
    }
    EXPECT_EQ(d.CopyRecords, r.Copy);
    EXPECT_EQ(d.SetSetupTypeToWireless, r.Copy); // the copy always comes with SetupType 1
    if (r.Action == K::Close) {
        EXPECT_EQ(d.ModalResult, r.Result);
    }
}
TRouteState state(const Row& r) {
    return {r.Current, r.Mode, r.SetupType, r.WlMethod, r.StaticIP};
}
} // namespace

TEST(Routing, NextTable) {
    const Row rows[] = {
        {P::None, AP, 0, 0, false, K::Move, P::License, F, false, 0},
        {P::Welcome, AP, 0, 0, false, K::Move, P::License, F, false, 0},
        {P::License, AP, 0, 0, false, K::Move, P::Tutorial, F, false, 0},
        {P::Tutorial, AP, 0, 0, false, K::Move, P::Tutorial2, F, false, 0},
        {P::Tutorial2, AP, 0, 0, false, K::Move, P::DevList, F, false, 0},
        {P::DevList, AP, 0, 0, false, K::Move, P::Password, F, false, 0},
        {P::Password, AP, 0, 0, false, K::Move, P::WlModeSel, F, false, 0},
        {P::WlModeSel, AP, 0, 0, false, K::Move, P::SetupMethod, F, false, 0},
        {P::WlModeSel, BR, 0, 0, false, K::Move, P::SiteSurvey, F, false, 0},
        {P::SetupMethod, AP, 0, 0, true, K::Move, P::DevIPCfg, F, false, 0},
        {P::SetupMethod, BR, 0, 0, true, K::Move, P::DevIPCfg, F, false, 0},
        {P::SetupMethod, AP, 0, 0, false, K::Move, P::SetWlMethod, F, true, 0},
        {P::SetupMethod, BR, 0, 0, false, K::Move, P::WlProfile, F, true, 0},
        {P::SetupMethod, AP, 1, 0, true, K::Move, P::SetWlMethod, F, false, 0},
        {P::SetupMethod, BR, 1, 0, false, K::Move, P::WlProfile, F, false, 0},
        {P::SetupMethod, AP, 2, 0, false, K::NoMove, P::None, F, false, 0}, // advanced settings
        {P::DevIPCfg, AP, 0, 0, true, K::Move, P::SetWlMethod, F, true, 0},
        {P::DevIPCfg, BR, 0, 0, true, K::Move, P::WlProfile, F, true, 0},
        {P::SetWlMethod, AP, 1, 0, false, K::Move, P::WPSMethod, F, false, 0},
        {P::SetWlMethod, AP, 1, 1, false, K::Move, P::WlProfile, F, false, 0},
        {P::SetWlMethod, BR, 1, 1, false, K::Move, P::SiteSurvey, F, false, 0},
        {P::SetWlMethod, AP, 1, 2, false, K::NoMove, P::None, F, false, 0},
        {P::SiteSurvey, BR, 1, 1, false, K::Move, P::WlProfile, F, false, 0},
        {P::SiteSurvey, BR, 1, 0, false, K::Move, P::WPSMethod, F, false, 0},
        {P::SiteSurvey, BR, 1, 2, false, K::Move, P::SetupMethod, F, false, 0},
        {P::SiteSurvey, BR, 1, 3, false, K::NoMove, P::None, F, false, 0},
        {P::WlProfile, AP, 1, 1, false, K::AskProfile, P::None, F, false, 0},
        {P::WPSMethod, BR, 1, 0, false, K::Move, P::Success, F, false, 0},
        {P::Success, AP, 1, 0, false, K::Move, P::SetupMethod, F, false, 0},
        {P::AdhocMode, AP, 0, 0, false, K::NoMove, P::None, F, false, 0},
        {P::WlConfig, AP, 0, 0, false, K::NoMove, P::None, F, false, 0},
    };
    for (const Row& r : rows)
        check("next", r, RouteNext(state(r)));
}

TEST(Routing, BackTable) {
    const Row rows[] = {
        {P::None, AP, 0, 0, false, K::NoMove, P::None, B, false, 0},
        {P::Welcome, AP, 0, 0, false, K::NoMove, P::None, B, false, 0},
        {P::AdhocMode, AP, 0, 0, false, K::NoMove, P::None, B, false, 0},
        {P::WlConfig, AP, 0, 0, false, K::NoMove, P::None, B, false, 0},
        {P::License, AP, 0, 0, false, K::Close, P::None, B, false, 2},
        {P::Tutorial, AP, 0, 0, false, K::Close, P::None, B, false, 2},
        {P::Tutorial2, AP, 0, 0, false, K::Move, P::Tutorial, B, false, 0},
        {P::DevList, AP, 0, 0, false, K::Move, P::Tutorial2, B, false, 0},
        {P::Password, AP, 0, 0, false, K::Move, P::DevList, B, false, 0},
        {P::WlModeSel, AP, 0, 0, false, K::Move, P::DevList, B, false, 0},
        {P::SetupMethod, AP, 0, 0, false, K::Move, P::WlModeSel, B, false, 0},
        {P::SetupMethod, BR, 0, 0, false, K::Move, P::SiteSurvey, B, false, 0},
        {P::DevIPCfg, AP, 0, 0, true, K::Move, P::SetupMethod, B, false, 0},
        {P::SetWlMethod, AP, 1, 0, true, K::Move, P::DevIPCfg, B, false, 0},
        {P::SetWlMethod, AP, 1, 0, false, K::Move, P::SetupMethod, B, false, 0},
        {P::SiteSurvey, BR, 0, 0, false, K::Move, P::WlModeSel, B, false, 0},
        {P::WlProfile, AP, 1, 1, false, K::AskProfile, P::None, B, false, 0},
        {P::WPSMethod, AP, 1, 0, false, K::Move, P::SetWlMethod, F, false, 0}, // entered forward on purpose
        {P::WPSMethod, BR, 1, 0, false, K::Move, P::SiteSurvey, B, false, 0},
        {P::Success, AP, 1, 0, false, K::Move, P::WlModeSel, B, false, 0},
    };
    for (const Row& r : rows)
        check("back", r, RouteBack(state(r)));
}

TEST(Routing, AfterTheProfileSubWizardIsLeft) {
    struct Case {
        bool Forward;
        Row Expect;
    } cases[] = {
        {true, {P::WlProfile, BR, 1, 1, false, K::Move, P::Success, F, false, 0}},
        {false, {P::WlProfile, AP, 1, 1, false, K::Move, P::SetWlMethod, B, false, 0}},
        {false, {P::WlProfile, BR, 1, 1, false, K::Move, P::SiteSurvey, B, false, 0}},
        {false, {P::WlProfile, BR, 1, 2, true, K::Move, P::DevIPCfg, B, false, 0}},
        {false, {P::WlProfile, BR, 1, 2, false, K::Move, P::SetupMethod, B, false, 0}},
        {false, {P::WlProfile, BR, 1, 0, false, K::NoMove, P::None, B, false, 0}},
    };
    for (const auto& c : cases)
        check(c.Forward ? "profile end" : "profile start", c.Expect,
              RouteAfterProfile(state(c.Expect), c.Forward));
}
