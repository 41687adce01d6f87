// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace rumitaku::bench {

// Milliseconds on the steady clock, the one every figure taken from outside is read on.
double monotonicMs();

// The X display as a player's screen, mouse and window manager: the damage of its whole
// screen reported as it comes, windows seen as they are mapped, closed as a window manager
// closes them, pointer and button moved through XTEST, pixels read back.
class XDisplay {
public:
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // A top-level window, where it stands on the screen, and when it was first drawn.
    struct Shown {
        xcb_window_t window = XCB_NONE;
        xcb_rectangle_t frame{};
        double paintedMs = 0;
    };
    // The next top-level window mapped and drawn into by `untilMs`, if any.
    std::optional<Shown> nextShown(double untilMs);
    // The same; `why` is thrown if there is none.
    Shown nextShown(double untilMs, const char* why);

    // The time the window was taken off the screen: by itself by `closeAtMs`, or else
    // after it was asked then to close, as a window manager's close button does.
    double closed(xcb_window_t window, double closeAtMs);

    // The time of the first drawing on the screen that overlaps `area`, by `untilMs`.
    std::optional<double> nextDrawing(const xcb_rectangle_t& area, double untilMs);
    // Reads and forgets whatever the display reports until then.
    void passUntil(double untilMs);

    // The pointer moved to a point of the screen, and the left button pressed or let go
    // there, as a mouse does; sent at once.
    void movePointer(int x, int y);
    void setButtonDown(bool down);

    // The colours of a rectangle of the screen, row after row, each 0xRRGGBB (the screen
    // 24 bits deep, TrueColor, as Xvfb's).
    std::vector<std::uint32_t> pixels(const xcb_rectangle_t& area);

private:
    using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;
    // The next event, or none once `untilMs` has passed or the display is gone.
    Event next(double untilMs);
    std::optional<double> unmapped(xcb_window_t window, double untilMs);
    xcb_atom_t atom(const char* name);

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    int damageNotify_ = 0;
};

}  // namespace rumitaku::bench
