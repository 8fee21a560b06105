// A small X client for the benchmarks under Xvfb.
//
//   bench_x launch TITLE TIMEOUT_MS PROGRAM [ARGS...]
//       Starts PROGRAM and waits for the MapNotify of a top-level window titled
//       TITLE; prints "PID MILLISECONDS", the time from just before the start,
//       then waits for the program to end and exits with its status. Listening
//       from before the start, with no polling, measures to the event rather
//       than to a polling interval.
//   bench_x close WINDOW-ID
//       Asks a window to close as a window manager's close box does
//       (WM_DELETE_WINDOW).
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

template <class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string textProperty(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property)
{
    const auto cookie = xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->format != 8) return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

int launch(const std::string& title, int timeoutMs, char** program)
{
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_x: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t netName = atom(c, "_NET_WM_NAME");
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server has taken the mask before the program starts.
    if (Reply<xcb_generic_error_t> error(
            xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask)), &std::free);
        error) {
        std::fprintf(stderr, "bench_x: cannot listen on the root window\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("bench_x: fork");
        return 2;
    }
    if (pid == 0) {
        close(xcb_get_file_descriptor(c));
        execvp(program[0], program);
        std::perror("bench_x: exec");
        _exit(127);
    }

    const auto elapsedMs = [&] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (elapsedMs() < timeoutMs) {
        while (xcb_generic_event_t* raw = xcb_poll_for_event(c)) {
            Reply<xcb_generic_event_t> event(raw, &std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) continue;
            const double at = elapsedMs();
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (textProperty(c, map->window, netName) == title ||
                textProperty(c, map->window, XCB_ATOM_WM_NAME) == title) {
                std::printf("%d %.1f\n", static_cast<int>(pid), at);
                std::fflush(stdout);
                xcb_disconnect(c);
                int status = 0;
                if (waitpid(pid, &status, 0) != pid) return 2;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
        }
        if (xcb_connection_has_error(c)) break;
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "bench_x: %s ended (status %d) before a window titled '%s' was shown\n", program[0],
                         status, title.c_str());
            return 1;
        }
        poll(&fd, 1, 20);
    }
    std::fprintf(stderr, "bench_x: no window titled '%s' within %d ms\n", title.c_str(), timeoutMs);
    kill(pid, SIGTERM);
    return 1;
}

int closeWindow(const char* idText)
{
    char* end = nullptr;
    const unsigned long id = std::strtoul(idText, &end, 0);
    if (end == idText || *end != '\0' || id == 0 || id > 0xffffffffUL) {
        std::fprintf(stderr, "bench_x: not a window id: %s\n", idText);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) return 2;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(id);
    message.type = atom(c, "WM_PROTOCOLS");
    message.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, message.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    Reply<xcb_get_input_focus_reply_t> sync(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr), &std::free);
    xcb_disconnect(c);
    return sync ? 0 : 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc >= 5 && std::strcmp(argv[1], "launch") == 0) return launch(argv[2], std::atoi(argv[3]), argv + 4);
    if (argc == 3 && std::strcmp(argv[1], "close") == 0) return closeWindow(argv[2]);
    std::fprintf(stderr, "usage: %s launch TITLE TIMEOUT_MS PROGRAM [ARGS...]\n       %s close WINDOW-ID\n", argv[0],
                 argv[0]);
    return 2;
}
