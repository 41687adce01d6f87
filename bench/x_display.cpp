// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/x_display.h"

#include <xcb/damage.h>
#include <xcb/xtest.h>

#include <poll.h>

#include <chrono>
#include <cstring>
#include <stdexcept>

namespace rumitaku::bench {

namespace {

constexpr double patienceMs = 30000;

// An X reply, which the caller frees.
template <typename T>
std::unique_ptr<T, decltype(&std::free)> owned(T* reply)
{
    return {reply, &std::free};
}

bool overlap(const xcb_rectangle_t& a, const xcb_rectangle_t& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

double monotonicMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

XDisplay::XDisplay()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("cannot connect to the display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    root_ = screens.data->root;

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present)
        throw std::runtime_error("the display has no DAMAGE extension");
    damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    owned(xcb_damage_query_version_reply(
        connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    // Without a compositor every window draws into the root's pixels: the
    // root's damage is every window's drawing.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    xcb_damage_create(connection_, xcb_generate_id(connection_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    owned(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

XDisplay::~XDisplay()
{
    xcb_disconnect(connection_);
}

std::optional<XDisplay::Shown> XDisplay::nextShown(double untilMs)
{
    Shown shown;
    while (const Event event = next(untilMs)) {
        const int type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && shown.window == XCB_NONE) {
            shown.window = reinterpret_cast<xcb_map_notify_event_t*>(event.get())->window;
            if (const auto geometry = owned(
                    xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, shown.window), nullptr)))
                shown.frame = {geometry->x, geometry->y, geometry->width, geometry->height};
        } else if (type == damageNotify_ && shown.window != XCB_NONE
                   && overlap(shown.frame, reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->area)) {
            shown.paintedMs = monotonicMs();
            return shown;
        }
    }
    return std::nullopt;
}

XDisplay::Shown XDisplay::nextShown(double untilMs, const char* why)
{
    if (const auto shown = nextShown(untilMs))
        return *shown;
    throw std::runtime_error(why);
}

double XDisplay::closed(xcb_window_t window, double closeAtMs)
{
    if (const auto at = unmapped(window, closeAtMs))
        return *at;
    const xcb_client_message_event_t message{
        .response_type = XCB_CLIENT_MESSAGE, .format = 32, .sequence = 0, .window = window,
        .type = atom("WM_PROTOCOLS"), .data = {.data32 = {atom("WM_DELETE_WINDOW"), XCB_CURRENT_TIME}}};
    xcb_send_event(connection_, false, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
    if (const auto at = unmapped(window, monotonicMs() + patienceMs))
        return *at;
    throw std::runtime_error("a window asked to close did not close");
}

std::optional<double> XDisplay::nextDrawing(const xcb_rectangle_t& area, double untilMs)
{
    while (const Event event = next(untilMs)) {
        if ((event->response_type & 0x7f) == damageNotify_
            && overlap(area, reinterpret_cast<xcb_damage_notify_event_t*>(event.get())->area))
            return monotonicMs();
    }
    return std::nullopt;
}

void XDisplay::passUntil(double untilMs)
{
    while (next(untilMs)) {
    }
}

void XDisplay::movePointer(int x, int y)
{
    xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, false, XCB_CURRENT_TIME, root_, static_cast<int16_t>(x),
                        static_cast<int16_t>(y), XCB_NONE);
    xcb_flush(connection_);
}

void XDisplay::setButtonDown(bool down)
{
    constexpr uint8_t leftButton = 1;
    xcb_test_fake_input(connection_, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, leftButton, XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, XCB_NONE);
    xcb_flush(connection_);
}

std::vector<std::uint32_t> XDisplay::pixels(const xcb_rectangle_t& area)
{
    const auto image = owned(xcb_get_image_reply(
        connection_,
        xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, area.x, area.y, area.width, area.height, ~0u),
        nullptr));
    const std::size_t count = std::size_t{area.width} * area.height;
    if (!image || image->depth != 24 || static_cast<std::size_t>(xcb_get_image_data_length(image.get())) != count * 4)
        throw std::runtime_error("cannot read the screen's pixels (a 24-bit screen is needed)");
    std::vector<std::uint32_t> colours(count);
    std::memcpy(colours.data(), xcb_get_image_data(image.get()), count * 4);
    for (std::uint32_t& colour : colours)
        colour &= 0xffffff;
    return colours;
}

XDisplay::Event XDisplay::next(double untilMs)
{
    while (true) {
        if (Event event = owned(xcb_poll_for_event(connection_)))
            return event;
        const int wait = static_cast<int>(untilMs - monotonicMs()) + 1;
        pollfd ready{xcb_get_file_descriptor(connection_), POLLIN, 0};
        if (wait <= 0 || xcb_connection_has_error(connection_) || poll(&ready, 1, wait) <= 0)
            return owned<xcb_generic_event_t>(nullptr);
    }
}

// Events are read meanwhile, so that the time is taken as it comes.
std::optional<double> XDisplay::unmapped(xcb_window_t window, double untilMs)
{
    while (const Event event = next(untilMs)) {
        if ((event->response_type & 0x7f) == XCB_UNMAP_NOTIFY
            && reinterpret_cast<xcb_unmap_notify_event_t*>(event.get())->window == window)
            return monotonicMs();
    }
    return std::nullopt;
}

xcb_atom_t XDisplay::atom(const char* name)
{
    const auto reply = owned(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, false, std::strlen(name), name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

}  // namespace rumitaku::bench
