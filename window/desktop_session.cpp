// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/desktop_session.h"

#include <QByteArray>
#include <QtGlobal>

namespace rumitaku {

namespace {

// Qt alone takes only its Wayland plugin in a Wayland session (but on GNOME, where
// it takes X11), and only X11 elsewhere; a compositor without X11 gets Wayland too.
void preferWaylandOverX11()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toLower() + qgetenv("XDG_SESSION_DESKTOP").toLower();
    const bool waylandSession = qgetenv("XDG_SESSION_TYPE") == "wayland" && !desktop.contains("gnome");
    const bool waylandOnly = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") && !qEnvironmentVariableIsSet("DISPLAY");
    if (waylandSession || waylandOnly)
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
}

}  // namespace

void joinDesktopSession()
{
    preferWaylandOverX11();
}

}  // namespace rumitaku
