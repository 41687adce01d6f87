// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/platform.h"

namespace rumitaku {

// Windows starts a program with what it needs: its standard handles, where it has none,
// are simply absent (see terminal_windows.cpp), and there is no session bus to hold off.
void prepareProcess() {}

void prepareSession() {}

QString sessionPlatforms()
{
    return QStringLiteral("windows");
}

}  // namespace rumitaku
