// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;

namespace rumitaku {

// Settles how the program meets the desktop session, before the application is
// made. In a Wayland session the program runs on Wayland, and on X11 when Qt's
// Wayland plugin is missing or no compositor answers. A choice the user made in
// the environment stands. Where no session bus runs, none is started for the
// program; the session's runtime directory is found where the login left it out,
// and where there is none, Qt makes none for the program.
void joinDesktopSession();

// Call once the application is made: gives back what joinDesktopSession() changed
// for the making of the application alone.
void finishJoiningDesktopSession();

// Whether a message Qt gave while the application was made is about the runtime
// directory joinDesktopSession() kept it from making.
bool isAboutWithheldRuntimeDirectory(const QString& message);

}  // namespace rumitaku
