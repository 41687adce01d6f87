// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Lets the mouse's presses through late, one at a time, as a window manager does on a
// loaded desktop: it takes each press under a grab that holds the pointer, and lets it
// go on DELAY milliseconds later to the window it was made on, or to the window manager's
// own grab there. Presses made meanwhile wait in the X server, in their order, with the
// time they were made. Says "holding" once its grab is in place, and a line for each
// press it lets through; runs until it is ended.
//   slow_clicks DELAY

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: slow_clicks DELAY\n", stderr);
        return 2;
    }
    const std::chrono::milliseconds delay(std::strtol(argv[1], nullptr, 10));
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("slow_clicks: cannot open the display\n", stderr);
        return 1;
    }
    // A grab on the root window comes before every other client's on the windows in it;
    // a press let go with ReplayPointer goes on as if this grab were not there.
    XGrabButton(display, AnyButton, AnyModifier, DefaultRootWindow(display), False, ButtonPressMask,
                GrabModeSync, GrabModeAsync, None, None);
    XSync(display, False);
    std::puts("holding");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != ButtonPress)
            continue;
        std::this_thread::sleep_for(delay);
        XAllowEvents(display, ReplayPointer, CurrentTime);
        XFlush(display);
        std::printf("let through a press made at %lu\n", event.xbutton.time);
        std::fflush(stdout);
    }
}
