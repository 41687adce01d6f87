// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/messages.h"

#include <QString>
#include <QStringList>

namespace rumitaku {

// Qt aborts the program (and dumps core) when its platform plugin is missing or
// cannot reach a display, and ends it with a message of its own when the display
// goes away. Call before the application is made, with the platform plugins Qt is
// to try (see choosePlatforms): the platform's messages are held until
// releaseStartupMessages(), and any failure of the platform, at start-up or later,
// is said in one line of the program's own, for the plugin Qt tried last, and ends
// it with status 1.
void holdStartupMessages(const QStringList& platforms);

// Call once the application is made: says so and ends the program when the
// platform plugin has no screen to show a window on; otherwise passes on the
// messages held since holdStartupMessages(), but for the platform's complaints
// about a plugin it passed over.
void releaseStartupMessages();

// Says so in one line and ends the program with status 1 when the screen shows
// fewer colours than the game's. Call once there is a screen.
void exitWhenTooFewColours();

// Writes one of the program's messages to standard error at once, as one line that
// begins with the program's name, in the terminal's words (see terminal.h).
void printLine(const messages::Message& message);
void printLine(const messages::Message& message, const QString& argument);

}  // namespace rumitaku
