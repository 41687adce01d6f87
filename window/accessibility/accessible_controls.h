// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

// Tells Qt how a screen reader is to read the window's own controls, which Qt's
// accessibility does not know: each cell as a button named by its column and row and
// described by what it shows, each display and legend label as static text named by its
// caption, each frame as a group named by its caption. Call once the application is made.
void installAccessibleInterfaces();

}  // namespace rumitaku
