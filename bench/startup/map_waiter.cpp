// Start-up time of a windowed program as the user sees it: the time from
// fork until the X server maps a top-level window whose name contains TEXT,
// taken from the server's own MapNotify event (no polling), in
// milliseconds on standard output. The program is then ended.
//   castovin-map-waiter TEXT PROGRAM [ARGUMENT...]

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include <xcb/xcb.h>

namespace {

double Seconds()
{
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

std::string Property(xcb_connection_t* x, xcb_window_t window, xcb_atom_t property)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(x, cookie, nullptr);
    if (reply == nullptr)
        return {};
    std::string value(static_cast<const char*>(xcb_get_property_value(reply)),
                      static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return value;
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply != nullptr ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: castovin-map-waiter TEXT PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    // A server started just before may not take connections yet.
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    for (int tries = 0; xcb_connection_has_error(x) && tries < 50; ++tries) {
        xcb_disconnect(x);
        ::usleep(100000);
        x = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(x)) {
        std::fputs("castovin-map-waiter: cannot connect to the X server\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netName = Atom(x, "_NET_WM_NAME");
    xcb_flush(x);

    const double start = Seconds();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(argv[2], argv + 2);
        std::perror("castovin-map-waiter: exec");
        ::_exit(127);
    }
    int status = 1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        const xcb_window_t window = mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        std::free(event);
        if (!mapped)
            continue;
        const std::string name = Property(x, window, netName) + "\n" + Property(x, window, XCB_ATOM_WM_NAME);
        if (name.find(argv[1]) == std::string::npos)
            continue;
        std::printf("%.2f\n", (Seconds() - start) * 1000);
        status = 0;
        break;
    }
    ::kill(child, SIGTERM);
    ::waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    return status;
}
