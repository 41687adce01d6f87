// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

#include <memory>

namespace rumitaku::bench {

// The application, made as the game's start-up makes it, so that a benchmark of
// the game starts with the same environment, fonts and desktop identity.
std::unique_ptr<QApplication> startLikeTheGame(int& argc, char** argv);

}  // namespace rumitaku::bench
