// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform.h"

#include "app/descriptors.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

namespace rumitaku {

namespace {

// With no session bus address libdbus takes the bus in the runtime directory, and
// without one there it has dbus-launch start a bus for the game that outlives it
// (and leaves files in the home directory). An address of a kind libdbus does not
// know, "disabled:", makes it fail at once, and Qt's accessibility then stays quiet.
void refuseSessionBusLaunch()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus")))
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

}  // namespace

void prepareProcess()
{
    fillClosedStandardDescriptors();
}

void prepareSession()
{
    exitWhenTooFewDescriptors();
    refuseSessionBusLaunch();
}

// Qt alone takes its Wayland plugin in a Wayland session (but on GNOME, where it takes
// X11) with nothing to fall back on, and only X11 elsewhere; a compositor without X11
// gets Wayland too. Naming both makes Qt try them in turn; naming X11 where Qt would
// take it leaves no choice to Qt, so that a failure is said for the plugin it tried.
QString sessionPlatforms()
{
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toLower() + qgetenv("XDG_SESSION_DESKTOP").toLower();
    const bool waylandSession = qgetenv("XDG_SESSION_TYPE") == "wayland" && !desktop.contains("gnome");
    const bool waylandOnly = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("DISPLAY");
    return QLatin1String(waylandSession || waylandOnly ? "wayland;xcb" : "xcb");
}

}  // namespace rumitaku
