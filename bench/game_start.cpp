// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/game_start.h"

#include "window/startup.h"

namespace rumitaku::bench {

std::unique_ptr<QApplication> startLikeTheGame(int& argc, char** argv)
{
    exitClearlyWithoutDisplay();
    preferPromptTicksAndRepaints();
    auto app = std::make_unique<QApplication>(argc, argv);
    introduceToDesktop();
    useJapaneseFont();
    return app;
}

}  // namespace rumitaku::bench
