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

// Call before the application is made. Timers then wake to the microsecond:
// Qt's own event dispatcher instead of GLib's, which rounds each wait up to
// the next millisecond. Repaints, a few cells at a time, go to the X server
// through its socket: shared memory costs a round trip on every flush. A
// choice the user made in the environment stands.
void preferPromptTicksAndRepaints();

// Says in one line which package to install when the labels' font has no Japanese glyphs.
void warnWithoutJapaneseFont();

}  // namespace rumitaku
