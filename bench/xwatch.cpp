// SPDX-License-Identifier: MIT
// Starts a program on the X display and measures its start from outside:
//
//   xwatch [--settle MS] PROGRAM [ARGS...]
//
// It paints the root window magenta, starts the program and watches the root
// for the first window the program maps. From then on it follows that
// window's damage (what the X server reports as drawn into it) and reads the
// window's pixels back after each report: the window counts as drawn once no
// magenta pixel is left, that is once the program has painted every pixel of
// it. A window without a background of its own shows the root through until
// then. After MS milliseconds more (default 100) it asks the window to close
// as a window manager does (WM_DELETE_WINDOW), waits for the program to end
// and prints one line:
//
//   <ms to mapped> <ms to drawn> <peak resident memory, kB> <exit status>
//
// Times count from just before the program's process is created. The peak
// memory is the kernel's high-water mark for the process (the figure
// /usr/bin/time -v reports). It takes the first window mapped and expects no
// window manager, which would map frames of its own.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "xwatch: %s\n", what);
    std::exit(2);
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T *r)
{
    return Reply<T>(r, &std::free);
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    auto r =
        reply(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
    if (!r)
        fail("cannot intern an atom");
    return r->atom;
}

// Whether every pixel of the window has been painted: none shows the root's
// magenta any more. Only 24-bit true colour, as Xvfb gives by default.
bool fullyDrawn(xcb_connection_t *c, xcb_window_t window)
{
    auto geometry = reply(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry)
        return false;
    auto image = reply(xcb_get_image_reply(c,
                                           xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                                         geometry->width, geometry->height, ~0u),
                                           nullptr));
    if (!image)
        return false;
    const auto *pixels = reinterpret_cast<const std::uint32_t *>(xcb_get_image_data(image.get()));
    const int count = xcb_get_image_data_length(image.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if ((pixels[i] & 0xFFFFFF) == kMagenta)
            return false;
    }
    return true;
}

void askToClose(xcb_connection_t *c, xcb_window_t window)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(c, "WM_PROTOCOLS");
    message.data.data32[0] = atom(c, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&message));
    xcb_flush(c);
}

}  // namespace

int main(int argc, char *argv[])
{
    int settle = 100;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settle = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc)
        fail("usage: xwatch [--settle MS] PROGRAM [ARGS...]");

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        fail("cannot open the display");
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (screen->root_depth != 24)
        fail("the screen must have a depth of 24");
    const xcb_query_extension_reply_t *damageExtension = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damageExtension || !damageExtension->present)
        fail("the X server has no DAMAGE extension");
    reply(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));

    const std::uint32_t rootValues[] = {kMagenta, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_change_window_attributes(c, screen->root, XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK,
                                 rootValues);
    xcb_clear_area(c, 0, screen->root, 0, 0, 0, 0);
    // A round trip: the root is magenta and watched before the program starts.
    reply(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0)
        fail("cannot fork");
    if (child == 0) {
        execvp(argv[first], argv + first);
        std::perror("xwatch: exec");
        _exit(127);
    }

    xcb_window_t window = XCB_NONE;
    double mapped = -1, drawn = -1;
    const double deadline = start + 20000;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (drawn < 0 && nowMs() < deadline) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            fail("the program ended before its window was drawn");
        xcb_generic_event_t *event = xcb_poll_for_event(c);
        if (!event) {
            if (xcb_connection_has_error(c))
                fail("lost the display");
            poll(&fd, 1, 50);
            continue;
        }
        const int type = event->response_type & 0x7F;
        if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect) {
                mapped = nowMs() - start;
                window = map->window;
                const xcb_damage_damage_t damage = xcb_generate_id(c);
                xcb_damage_create(c, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                // Drawn already before the damage was watched?
                if (fullyDrawn(c, window))
                    drawn = nowMs() - start;
            }
        } else if (type == damageExtension->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            // Clear the report first, so that drawing after the check below
            // is reported again.
            xcb_damage_subtract(c, notify->damage, XCB_NONE, XCB_NONE);
            if (fullyDrawn(c, window))
                drawn = nowMs() - start;
        }
        std::free(event);
    }
    if (drawn < 0) {
        kill(child, SIGKILL);
        fail("the window was not drawn within 20 s");
    }

    const double settled = nowMs() + settle;
    while (nowMs() < settled)
        usleep(5000);
    askToClose(c, window);

    int status = 0;
    rusage usage{};
    const double end = nowMs() + 5000;
    pid_t ended = 0;
    while ((ended = wait4(child, &status, WNOHANG, &usage)) == 0 && nowMs() < end)
        usleep(5000);
    if (ended != child) {
        kill(child, SIGKILL);
        wait4(child, &status, 0, &usage);
        std::fprintf(stderr, "xwatch: the program did not end when its window was closed\n");
    }
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("%.2f %.2f %ld %d\n", mapped, drawn, usage.ru_maxrss, code);
    xcb_disconnect(c);
    return 0;
}
