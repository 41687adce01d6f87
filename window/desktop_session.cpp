// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/desktop_session.h"

#include <QByteArray>
#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <unistd.h>

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

// The session's runtime directory where the login made one but did not say so;
// without any, Qt would make one of its own in /tmp (and warn).
void findRuntimeDirectory()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    const QString ours = QStringLiteral("/run/user/%1").arg(::geteuid());
    const QFileInfo directory(ours);
    const auto privateToUs = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser
                             | QFile::WriteUser | QFile::ExeUser;
    if (directory.isDir() && directory.ownerId() == ::geteuid() && directory.permissions() == privateToUs)
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(ours));
}

// With no session bus address libdbus takes the bus in the runtime directory, and
// without one there it has dbus-launch start a bus for the game that outlives it
// (and leaves files in the home directory). An address of a kind libdbus does not
// know, "disabled:", makes it fail at once, and Qt's accessibility then stays quiet.
void startNoSessionBus()
{
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists())
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

}  // namespace

void joinDesktopSession()
{
    preferWaylandOverX11();
    findRuntimeDirectory();
    startNoSessionBus();
}

}  // namespace rumitaku
