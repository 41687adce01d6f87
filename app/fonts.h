// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

// Makes the first of the Japanese families that is installed, found by any of its names,
// the application's font, which the window, its labels and the message boxes all draw
// from. Says in one line which package to install when there is no Japanese font.
void useJapaneseFont();

// Whether the application's font, with the fonts Qt takes the characters it lacks from,
// draws every text the game shows, rather than empty boxes.
bool hasJapaneseFont();

}  // namespace rumitaku
