// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace rumitaku {

class Game;
class MainWindow;

// Delivers each event of the window to its handler in the rules.
void connectGame(MainWindow& window, Game& game);

}  // namespace rumitaku
