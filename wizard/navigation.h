// The page navigation message and the directions of a page move.
#pragma once

#include "platform/message.h"

constexpr unsigned UM_PAGE_NAV = WM_APP + 100;

constexpr int NAV_EXIT = 1;
constexpr int NAV_NEXT = 2;
constexpr int NAV_BACK = 3;

constexpr int DIR_FORWARD = 0;
constexpr int DIR_BACKWARD = 1;

// Pages ask for a move by posting UM_PAGE_NAV to the application's main window, with lParam 0.
void PostPageNav(int nav);
