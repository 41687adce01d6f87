// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a program puts on the X display, and when, seen from outside through
// the X DAMAGE extension: the program is spawned, the top-level windows it
// maps are followed, and the first damage inside one is its first paint. The
// program is then ended.
//   bench_first_paint PROGRAM [ARGUMENTS...]
//       milliseconds from the start to the first paint of its first window
//   bench_first_paint --question ROUND_MS PROGRAM [ARGUMENTS...]
//       milliseconds from the round's end to the first paint of the question
//       that follows: the second window (the start message) is closed as a
//       window manager closes it, a player's moment after it is drawn (unless
//       the program closes it itself by then); the
//       round ends ROUND_MS after it is gone, and the next window mapped is
//       the question

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

extern char** environ;

namespace {

double monotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

int failed(const char* why)
{
    std::fprintf(stderr, "bench_first_paint: %s\n", why);
    return 1;
}

[[noreturn]] void fail(const char* why)
{
    std::exit(failed(why));
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool intersects(const Rect& other) const
    {
        return other.x < x + width && x < other.x + other.width && other.y < y + height
            && y < other.y + other.height;
    }
};

using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

// The display, with the damage of its whole screen reported.
class Display {
public:
    Display()
    {
        int screenNumber = 0;
        connection_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection_))
            fail("cannot connect to the display");
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        const xcb_window_t root = screens.data->root;

        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the display has no DAMAGE extension");
        damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(
            connection_,
            xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));

        // Without a compositor every window draws into the root's pixels: the
        // root's damage is every window's drawing.
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &events);
        xcb_damage_create(connection_, xcb_generate_id(connection_), root,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }
    ~Display() { xcb_disconnect(connection_); }

    // The next event, or none once `untilMs` has passed or the display is gone.
    Event next(double untilMs)
    {
        while (true) {
            if (Event event{xcb_poll_for_event(connection_), &std::free})
                return event;
            const int wait = static_cast<int>(untilMs - monotonicMs()) + 1;
            pollfd ready{xcb_get_file_descriptor(connection_), POLLIN, 0};
            if (wait <= 0 || xcb_connection_has_error(connection_) || poll(&ready, 1, wait) <= 0)
                return {nullptr, &std::free};
        }
    }

    // The next top-level window mapped and the time of the first drawing inside it.
    struct Shown {
        xcb_window_t window = XCB_NONE;
        Rect frame, area;
        double paintedMs = -1.0;
    };
    Shown nextShown(double untilMs)
    {
        Shown shown;
        while (Event event = next(untilMs)) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && shown.window == XCB_NONE) {
                shown.window = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
                std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry{
                    xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, shown.window), nullptr),
                    &std::free};
                if (geometry)
                    shown.frame = {geometry->x, geometry->y, geometry->width, geometry->height};
            } else if (type == damageNotify_ && shown.window != XCB_NONE) {
                const auto& area = reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->area;
                shown.area = {area.x, area.y, area.width, area.height};
                if (shown.frame.intersects(shown.area)) {
                    shown.paintedMs = monotonicMs();
                    return shown;
                }
            }
        }
        return shown;
    }

    // The time the window was taken off the screen; -1 if not by `untilMs`.
    double unmapped(xcb_window_t window, double untilMs)
    {
        while (Event event = next(untilMs)) {
            if ((event->response_type & 0x7f) == XCB_UNMAP_NOTIFY
                && reinterpret_cast<xcb_unmap_notify_event_t*>(event.get())->window == window)
                return monotonicMs();
        }
        return -1.0;
    }

    // Asks the window to close, as a window manager's close button does.
    void close(xcb_window_t window)
    {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.window = window;
        message.type = atom("WM_PROTOCOLS");
        message.format = 32;
        message.data.data32[0] = atom("WM_DELETE_WINDOW");
        message.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection_, false, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
    }

private:
    xcb_atom_t atom(const char* name)
    {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply{
            xcb_intern_atom_reply(connection_,
                                  xcb_intern_atom(connection_, false, std::strlen(name), name), nullptr),
            &std::free};
        return reply ? reply->atom : XCB_NONE;
    }

    xcb_connection_t* connection_ = nullptr;
    int damageNotify_ = 0;
};

void report(const char* what, const Display::Shown& shown)
{
    std::fprintf(stderr, "%s: %dx%d at %d,%d in a %dx%d window\n", what, shown.area.width, shown.area.height,
                 shown.area.x, shown.area.y, shown.frame.width, shown.frame.height);
}

}  // namespace

int main(int argc, char* argv[])
{
    const bool question = argc > 3 && std::strcmp(argv[1], "--question") == 0;
    const double roundMs = question ? std::atof(argv[2]) : 0.0;
    char** program = argv + (question ? 3 : 1);
    if (argc < 2 || (std::strcmp(argv[1], "--question") == 0 && !question)) {
        std::fputs("usage: bench_first_paint [--question ROUND_MS] PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    constexpr double patienceMs = 30000;
    Display display;

    const double started = monotonicMs();
    pid_t child = 0;
    if (posix_spawn(&child, program[0], nullptr, nullptr, program, environ) != 0)
        return failed("cannot start the program");
    struct Ending {
        pid_t child;
        ~Ending()
        {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    } ending{child};

    const Display::Shown window = display.nextShown(started + patienceMs);
    if (window.paintedMs < 0)
        return failed("the program drew nothing within 30 s");
    if (!question) {
        std::printf("first_paint_ms %.3f\n", window.paintedMs - started);
        report("first paint", window);
        return 0;
    }

    const Display::Shown start = display.nextShown(monotonicMs() + patienceMs);
    if (start.paintedMs < 0)
        return failed("the program showed no second window within 30 s");
    // A program that closes it itself is left to; events are read meanwhile,
    // so that its closing time is taken as it comes.
    double closed = display.unmapped(start.window, start.paintedMs + 300);
    if (closed < 0) {
        display.close(start.window);
        closed = display.unmapped(start.window, monotonicMs() + patienceMs);
    }
    if (closed < 0)
        return failed("the second window did not close");
    const Display::Shown asked = display.nextShown(closed + roundMs + patienceMs);
    if (asked.paintedMs < 0)
        return failed("the program showed no question after the round");
    std::printf("question_ms %.3f\n", asked.paintedMs - (closed + roundMs));
    report("question", asked);
    return 0;
}
