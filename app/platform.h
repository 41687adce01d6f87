// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace rumitaku {

// What start-up asks of the operating system, in a file of each system's own
// (platform_linux.cpp, platform_windows.cpp).

// Before anything else runs: the process as the program needs it from its start.
void prepareProcess();

// Before the application is made: what the desktop session needs settled first.
void prepareSession();

// The platform plugins Qt is to take in this session where the user names none, as
// QT_QPA_PLATFORM lists them.
QString sessionPlatforms();

}  // namespace rumitaku
