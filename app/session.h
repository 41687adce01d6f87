// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace rumitaku {

// How the program meets the desktop session, settled before the application is made.
// A choice the user made in the environment stands in each.

// The platform plugins Qt is to try, in order, by their names ("wayland", "xcb"): those
// `argument` (the -platform argument) names, else those QT_QPA_PLATFORM names, else the
// program's choice for the session (see sessionPlatforms), which Qt is given in
// QT_QPA_PLATFORM: on Linux, in a Wayland session Wayland, and X11 where Qt's Wayland
// plugin is missing or no compositor answers; elsewhere X11.
QStringList choosePlatforms(const QString& argument);

}  // namespace rumitaku
