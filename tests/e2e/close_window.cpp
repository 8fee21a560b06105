// End-to-end helper: asks an X11 window to close the way a window manager's
// close button does (a WM_DELETE_WINDOW client message), so a test can prove the
// program ends cleanly when the player closes its window. xdotool's windowclose
// destroys the window instead, which no real desktop does.
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(xcb_intern_atom_reply(c, cookie, nullptr),
                                                                         &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// ICCCM: a client that does not list WM_DELETE_WINDOW must not be sent it.
bool acceptsDelete(xcb_connection_t* c, xcb_window_t window, xcb_atom_t protocols, xcb_atom_t del)
{
    const auto cookie = xcb_get_property(c, 0, window, protocols, XCB_ATOM_ATOM, 0, 64);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(xcb_get_property_reply(c, cookie, nullptr),
                                                                          &std::free);
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == del) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end != '\0' || id == 0 || id > 0xffffffffUL) {
        std::fprintf(stderr, "close_window: not a window id: %s\n", argv[1]);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(id);

    Connection conn(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(conn.get())) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    xcb_connection_t* c = conn.get();
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
    const xcb_atom_t del = atom(c, "WM_DELETE_WINDOW");
    if (!acceptsDelete(c, window, protocols, del)) {
        std::fprintf(stderr, "close_window: window 0x%lx does not take WM_DELETE_WINDOW\n", id);
        return 1;
    }

    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = protocols;
    event.data.data32[0] = del;
    event.data.data32[1] = XCB_CURRENT_TIME;
    const auto cookie =
        xcb_send_event_checked(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(xcb_request_check(c, cookie), &std::free);
    if (error) {
        std::fprintf(stderr, "close_window: X error %d sending to 0x%lx\n", int(error->error_code), id);
        return 1;
    }
    return 0;
}
