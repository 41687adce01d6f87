// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/game_start.h"

#include "window/startup.h"

namespace rumitaku::bench {

std::unique_ptr<QApplication> startLikeTheGame(int& argc, char** argv)
{
    return startApplication(argc, argv, Arguments::Caller);
}

}  // namespace rumitaku::bench
