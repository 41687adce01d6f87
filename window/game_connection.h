// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

class Game;
class MainWindow;

// Delivers each event of the window to its handler in the rules.
void connectGame(MainWindow& window, Game& game);

// Loads the game from within the application's event loop and runs the loop until the
// program ends; returns its exit status.
int runGame(Game& game);

}  // namespace rumitaku
