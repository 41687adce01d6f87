// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/input_time.h"

#include <QGuiApplication>

#include <X11/Xlib.h>
#include <X11/extensions/sync.h>

#include <cstring>

namespace rumitaku {

// The X server's time, with which it stamps its events, is its SYNC extension's counter
// SERVERTIME, which a request reads without waiting for an event; Qt's own connection
// carries it. (libxcb reads the extension's list of counters wrongly, Xlib rightly.)
namespace {

std::optional<XSyncCounter> serverTimeCounter(Display* display)
{
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (!XSyncQueryExtension(display, &eventBase, &errorBase) || !XSyncInitialize(display, &major, &minor))
        return std::nullopt;
    int count = 0;
    XSyncSystemCounter* counters = XSyncListSystemCounters(display, &count);
    std::optional<XSyncCounter> found;
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(counters[i].name, "SERVERTIME") == 0)
            found = counters[i].counter;
    }
    if (counters)
        XSyncFreeSystemCounterList(counters);
    return found;
}

}  // namespace

std::optional<quint32> inputTimeNow()
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // The counter is the server's, the same for the program's whole run.
    static const std::optional<XSyncCounter> counter = serverTimeCounter(display);
    XSyncValue time;
    if (!counter || !XSyncQueryCounter(display, *counter, &time))
        return std::nullopt;
    return static_cast<quint32>(XSyncValueLow32(time));
}

}  // namespace rumitaku
