// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

// How the program meets the desktop session, settled before the application is made.
// A choice the user made in the environment stands in each.

// In a Wayland session the program runs on Wayland, and on X11 where Qt's Wayland
// plugin is missing or no compositor answers.
void chooseWaylandOrX11();

// Where no session bus runs, the program has none started for it.
void refuseSessionBusLaunch();

}  // namespace rumitaku
