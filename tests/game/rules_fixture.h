// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/game.h"
#include "tests/game/fake_form.h"
#include "tests/game/scripted.h"

#include <gtest/gtest.h>

namespace rumitaku::testing {

// The rules against the recording fake window, with the random numbers and the clock
// the test scripts.
class RulesFixture : public ::testing::Test {
protected:
    RecordingForm form;
    ScriptedRandom random;
    ScriptedClock clock;
    Game game{form, random, clock};

    // Start-up, with the start message closed at `closedAt` on the clock; the record of
    // the window's operations starts afresh after it.
    void load(float closedAt = 100.0f)
    {
        form.answer = [this, closedAt](const RecordingForm::Message&) {
            clock.now = closedAt;
            return MessageAnswer::Ok;
        };
        game.load();
        form.answer = nullptr;
        form.log.clear();
    }
};

}  // namespace rumitaku::testing
