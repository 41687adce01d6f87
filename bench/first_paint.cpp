// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a program puts on the X display, and when, seen from outside through X DAMAGE;
// the program is ended once it is seen (bench/README.md tells how).
//   bench_first_paint PROGRAM [ARGUMENTS...]
//       milliseconds from the start to the first paint of its first window
//   bench_first_paint --question ROUND_MS PROGRAM [ARGUMENTS...]
//       milliseconds from the round's end, ROUND_MS after the second window is gone,
//       to the first paint of the next window

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

extern char** environ;

namespace {

constexpr double patienceMs = 30000;

double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// An X reply or event, which the caller frees.
template <typename T>
std::unique_ptr<T, decltype(&std::free)> owned(T* reply)
{
    return {reply, &std::free};
}

bool overlap(const xcb_rectangle_t& a, const xcb_rectangle_t& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The display, with the damage of its whole screen reported.
class Display {
public:
    Display()
    {
        int screenNumber = 0;
        connection_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection_))
            throw std::runtime_error("cannot connect to the display");
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber; ++i)
            xcb_screen_next(&screens);
        const xcb_window_t root = screens.data->root;

        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            throw std::runtime_error("the display has no DAMAGE extension");
        damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        owned(xcb_damage_query_version_reply(
            connection_,
            xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));

        // Without a compositor every window draws into the root's pixels: the
        // root's damage is every window's drawing.
        const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &events);
        xcb_damage_create(connection_, xcb_generate_id(connection_), root,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        owned(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }
    ~Display() { xcb_disconnect(connection_); }

    // The next top-level window mapped, and the time of the first drawing inside it;
    // `why` is thrown if there is none by `untilMs`.
    struct Shown {
        xcb_window_t window = XCB_NONE;
        double paintedMs = 0;
    };
    Shown nextShown(double untilMs, const char* why)
    {
        Shown shown;
        xcb_rectangle_t frame{};
        while (const auto event = next(untilMs)) {
            const int type = event->response_type & 0x7f;
            if (type == XCB_MAP_NOTIFY && shown.window == XCB_NONE) {
                shown.window = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
                if (const auto geometry = owned(xcb_get_geometry_reply(
                        connection_, xcb_get_geometry(connection_, shown.window), nullptr)))
                    frame = {geometry->x, geometry->y, geometry->width, geometry->height};
            } else if (type == damageNotify_ && shown.window != XCB_NONE
                       && overlap(frame, reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->area)) {
                shown.paintedMs = monotonicMs();
                return shown;
            }
        }
        throw std::runtime_error(why);
    }

    // The time the window was taken off the screen: by itself by `closeAtMs`, or else
    // after it was asked then to close, as a window manager's close button does.
    double closed(xcb_window_t window, double closeAtMs)
    {
        if (const double at = unmapped(window, closeAtMs); at >= 0)
            return at;
        const xcb_client_message_event_t message{
            .response_type = XCB_CLIENT_MESSAGE, .format = 32, .sequence = 0, .window = window,
            .type = atom("WM_PROTOCOLS"), .data = {.data32 = {atom("WM_DELETE_WINDOW"), XCB_CURRENT_TIME}}};
        xcb_send_event(connection_, false, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
        xcb_flush(connection_);
        if (const double at = unmapped(window, monotonicMs() + patienceMs); at >= 0)
            return at;
        throw std::runtime_error("the second window did not close");
    }

private:
    // The next event, or none once `untilMs` has passed or the display is gone.
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> next(double untilMs)
    {
        while (true) {
            if (auto event = owned(xcb_poll_for_event(connection_)))
                return event;
            const int wait = static_cast<int>(untilMs - monotonicMs()) + 1;
            pollfd ready{xcb_get_file_descriptor(connection_), POLLIN, 0};
            if (wait <= 0 || xcb_connection_has_error(connection_) || poll(&ready, 1, wait) <= 0)
                return owned<xcb_generic_event_t>(nullptr);
        }
    }

    // Events are read meanwhile, so that the time is taken as it comes; -1 if none.
    double unmapped(xcb_window_t window, double untilMs)
    {
        while (const auto event = next(untilMs)) {
            if ((event->response_type & 0x7f) == XCB_UNMAP_NOTIFY
                && reinterpret_cast<xcb_unmap_notify_event_t*>(event.get())->window == window)
                return monotonicMs();
        }
        return -1.0;
    }

    xcb_atom_t atom(const char* name)
    {
        const auto reply = owned(xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, false, std::strlen(name), name), nullptr));
        return reply ? reply->atom : XCB_NONE;
    }

    xcb_connection_t* connection_ = nullptr;
    int damageNotify_ = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    const bool question = argc > 1 && std::strcmp(argv[1], "--question") == 0;
    if (argc < (question ? 4 : 2)) {
        std::fputs("usage: bench_first_paint [--question ROUND_MS] PROGRAM [ARGUMENTS...]\n", stderr);
        return 2;
    }
    try {
        Display display;
        const double started = monotonicMs();
        char** program = argv + (question ? 3 : 1);
        pid_t child = 0;
        if (posix_spawn(&child, program[0], nullptr, nullptr, program, environ) != 0)
            throw std::runtime_error("cannot start the program");
        // Ended, whatever it is doing, once its figure is taken or given up.
        const std::shared_ptr<void> ending(nullptr, [child](void*) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        });

        const Display::Shown window =
            display.nextShown(started + patienceMs, "the program drew nothing within 30 s");
        if (!question) {
            std::printf("first_paint_ms %.3f\n", window.paintedMs - started);
            return 0;
        }
        // The start message is closed a player's moment after it is drawn.
        const Display::Shown start =
            display.nextShown(monotonicMs() + patienceMs, "the program showed no second window within 30 s");
        const double roundEnd = display.closed(start.window, start.paintedMs + 300) + std::atof(argv[2]);
        const Display::Shown asked =
            display.nextShown(roundEnd + patienceMs, "the program showed no question after the round");
        std::printf("question_ms %.3f\n", asked.paintedMs - roundEnd);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bench_first_paint: %s\n", failure.what());
        return 1;
    }
    return 0;
}
