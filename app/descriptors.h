// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

// The process's file descriptors, as Linux numbers and limits them.

// Opens /dev/null onto each of standard input, output and error that the program was
// started without (`rumitaku 2>&-`, as some launchers and daemons start programs), so that
// no file the program opens later, such as its connection to the X server, takes its
// number and receives what is written there. Call before anything else.
void fillClosedStandardDescriptors();

// Says so in one line and ends the program with status 1 when fewer file
// descriptors are left than the program takes at most (its display connection,
// the event loop's wake-ups, its timers, the session bus, font and plugin files):
// Qt and the font library would otherwise fail in ways that abort or hide.
void exitWhenTooFewDescriptors();

}  // namespace rumitaku
