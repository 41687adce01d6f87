// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Milliseconds from starting a program to the first time it draws on the X
// display, seen from outside through the X DAMAGE extension: the program is
// spawned, the first top-level window it maps is followed, and the first
// damage inside that window is its first paint. The program is then ended.
//   bench_first_paint PROGRAM [ARGUMENTS...]

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

extern char** environ;

namespace {

double monotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

[[noreturn]] void fail(const char* why)
{
    std::fprintf(stderr, "bench_first_paint: %s\n", why);
    std::exit(1);
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool intersects(int ox, int oy, int ow, int oh) const
    {
        return ox < x + width && x < ox + ow && oy < y + height && y < oy + oh;
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fputs("usage: bench_first_paint PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        fail("cannot connect to the display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    const xcb_query_extension_reply_t* damageExtension = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damageExtension || !damageExtension->present)
        fail("the display has no DAMAGE extension");
    std::free(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    // Without a compositor every window draws into the root's pixels: the
    // root's damage is every window's drawing.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    const xcb_damage_damage_t damage = xcb_generate_id(connection);
    xcb_damage_create(connection, damage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const double started = monotonicMs();
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0)
        fail("cannot start the program");

    xcb_window_t mapped = XCB_NONE;
    Rect window;
    double painted = -1.0;
    Rect area;
    const int fd = xcb_get_file_descriptor(connection);
    while (painted < 0) {
        pollfd ready{fd, POLLIN, 0};
        if (poll(&ready, 1, 30000) <= 0)
            break;
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
                   xcb_poll_for_event(connection), &std::free}) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && mapped == XCB_NONE) {
                mapped = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
                std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry{
                    xcb_get_geometry_reply(connection, xcb_get_geometry(connection, mapped), nullptr),
                    &std::free};
                if (geometry)
                    window = {geometry->x, geometry->y, geometry->width, geometry->height};
            } else if (type == damageExtension->first_event + XCB_DAMAGE_NOTIFY && mapped != XCB_NONE) {
                const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
                if (window.intersects(notify->area.x, notify->area.y, notify->area.width, notify->area.height)) {
                    painted = monotonicMs();
                    area = {notify->area.x, notify->area.y, notify->area.width, notify->area.height};
                    break;
                }
            }
        }
        if (xcb_connection_has_error(connection))
            break;
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (painted < 0)
        fail("the program drew nothing within 30 s");
    std::printf("first_paint_ms %.3f\n", painted - started);
    std::fprintf(stderr, "first paint: %dx%d at %d,%d in a %dx%d window\n", area.width, area.height, area.x,
                 area.y, window.width, window.height);
    return 0;
}
