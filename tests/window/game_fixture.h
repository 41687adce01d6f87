// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tests/game/scripted.h"
#include "tests/support/window_game.h"

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace rumitaku::testing {

// The real window and the rules together, with a fixed seed and a clock the test sets.
class GameFixture : public ::testing::Test {
protected:
    FixedSeedRandom random{7};
    ScriptedClock clock;
    WindowGame play{random, clock};
    MainWindow& window = play.window;
    Game& game = play.game;

    void loadAnsweringOk() { ASSERT_TRUE(play.loadAnsweringOk()) << "the start message stayed open"; }
    // Start-up, after which the test delivers the ticks and round ends itself.
    void loadWithTimersStopped()
    {
        loadAnsweringOk();
        play.stopTimers();
    }

    QWidget* control(const char* objectName) const
    {
        auto* found = window.findChild<QWidget*>(QLatin1String(objectName));
        if (!found)
            ADD_FAILURE() << "no control " << objectName;
        return found;
    }
};

}  // namespace rumitaku::testing
