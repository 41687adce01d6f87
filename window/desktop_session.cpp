// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/desktop_session.h"

#include <QByteArray>
#include <QFileInfo>
#include <QLatin1String>
#include <QString>
#include <QtGlobal>

#include <unistd.h>

#include <optional>

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

// The environment's temporary directory while the application is made with another
// (see withholdRuntimeDirectory); none where it had none.
std::optional<QByteArray>& environmentsTemporaryDirectory()
{
    static std::optional<QByteArray> directory;
    return directory;
}

// Qt 6.4 looks for a sandbox's marker in the runtime directory while it sets up the
// platform, and with none in the environment it makes $TMPDIR/runtime-$USER for that
// look alone, and warns. A sandbox always names its runtime directory, so there is
// nothing to find: while the application is made, the temporary directory is /proc,
// where Qt can make nothing, and its lines about it are dropped.
void withholdRuntimeDirectory()
{
    if (qEnvironmentVariableIsSet("TMPDIR"))
        environmentsTemporaryDirectory() = qgetenv("TMPDIR");
    qputenv("TMPDIR", "/proc");
}

// The session's runtime directory where the login made one but did not say so.
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
    else
        withholdRuntimeDirectory();
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

// Where joinDesktopSession() found no runtime directory, the environment has none.
void finishJoiningDesktopSession()
{
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    if (const std::optional<QByteArray>& directory = environmentsTemporaryDirectory())
        qputenv("TMPDIR", *directory);
    else
        qunsetenv("TMPDIR");
}

bool isAboutWithheldRuntimeDirectory(const QString& message)
{
    return !qEnvironmentVariableIsSet("XDG_RUNTIME_DIR") && message.startsWith(QLatin1String("QStandardPaths: "));
}

}  // namespace rumitaku
