#include "platform/windowfinder.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {
xcb_atom_t internAtom(xcb_connection_t* c, const char* name) {
    auto cookie = xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// Reads a window property of up to `maxLen` 32-bit units.
std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>
readProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t type, uint32_t maxLen) {
    auto cookie = xcb_get_property(c, 0, w, prop, type, 0, maxLen);
    return {xcb_get_property_reply(c, cookie, nullptr), &std::free};
}
} // namespace

bool FindTopLevelWindowByTitle(const std::string& title) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    int screenNo = 0;
    xcb_connection_t* c = xcb_connect(display, &screenNo);
    if (!c || xcb_connection_has_error(c)) {
        if (c) xcb_disconnect(c);
        return false;
    }
    bool found = false;
    const xcb_setup_t* setup = xcb_get_setup(c);
    auto it = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNo && it.rem; ++i)
        xcb_screen_next(&it);
    if (it.rem) {
        const xcb_window_t root = it.data->root;
        const xcb_atom_t clientList = internAtom(c, "_NET_CLIENT_LIST");
        const xcb_atom_t wmName = internAtom(c, "_NET_WM_NAME");
        const xcb_atom_t utf8 = internAtom(c, "UTF8_STRING");
        auto list = readProperty(c, root, clientList, XCB_ATOM_WINDOW, 4096);
        if (list && list->format == 32) {
            const int n = xcb_get_property_value_length(list.get()) / 4;
            const auto* wins = static_cast<const xcb_window_t*>(xcb_get_property_value(list.get()));
            for (int k = 0; k < n && !found; ++k) {
                auto name = readProperty(c, wins[k], wmName, utf8, 1024);
                if (!name || xcb_get_property_value_length(name.get()) <= 0)
                    name = readProperty(c, wins[k], XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 1024);
                if (!name) continue;
                const int len = xcb_get_property_value_length(name.get());
                const std::string text(static_cast<const char*>(xcb_get_property_value(name.get())),
                                       static_cast<size_t>(len > 0 ? len : 0));
                found = text == title;
            }
        }
    }
    xcb_disconnect(c);
    return found;
}
