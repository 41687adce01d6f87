// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

// Without a display Qt aborts the program (and dumps core). Call before the
// application is made: it then says so in one line and exits with status 1.
void exitClearlyWithoutDisplay();

// Names the program to the desktop, which finds its menu entry and icon by the
// desktop file name, and lets screen readers read the board and the labels.
// The display name follows once the window is shown (see MainWindow::showWindow).
// Call once the application is made, before the window.
void introduceToDesktop();

// Call before the application is made. Each wake-up costs less through Qt's
// own event dispatcher than through GLib's. Repaints, a few cells at a time,
// go to the X server through its socket: shared memory costs a round trip on
// every flush. A choice the user made in the environment stands.
void preferPromptTicksAndRepaints();

// Makes the Japanese font the application's, so that the message boxes draw their
// text from the same font file as the window. Says in one line which package to
// install when there is no Japanese font.
void useJapaneseFont();

}  // namespace rumitaku
