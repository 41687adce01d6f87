// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/colour.h"
#include "tests/game/fake_form.h"
#include "game/game.h"
#include "tests/game/scripted.h"
#include "game/texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace rumitaku::testing {
namespace {

constexpr int soakTicks = 1000000;

// The score after a click on a cell of `colour`, by the effect the table gives it; none when it
// would leave 16 bits.
std::optional<int> scoreAfterClick(int score, Rgb colour)
{
    const CellColour* entry = cellColourOf(colour);
    const ScoreEffect effect = entry ? entry->effect : ScoreEffect{};
    const int sum = effect.resets ? 0 : score + effect.change;
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return sum;
}

int countdownShown(const std::string& label2)
{
    return std::stoi(label2.substr(texts::remainingPrefix.size()));
}

// One run of the program, from start-up to the player's No.
struct Program {
    Program(RandomSource& random, Clock& clock) : game(form, random, clock) { game.load(); }

    RecordingForm form;
    Game game;
};

// Play as a restless player plays it, with the events in the order the timers would deliver
// them: clicks between the ticks, now and then a long run on the lit cell, speed changes, round
// ends answered after a while with Yes or, now and then, No and a fresh start.
TEST(Soak, AMillionTicksOfRandomPlayKeepTheRules)
{
    std::mt19937 player(1208);
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(player); };
    const auto uniform = [&](int low, int up) { return std::uniform_int_distribution(low, up)(player); };
    FixedSeedRandom random(4242);
    ScriptedClock clock;
    double now = 86000.0;  // in seconds of real time
    double programStart = now;  // each run of the program counts its clock from its start
    const auto setClock = [&] { clock.now = static_cast<float>(now - programStart); };

    setClock();
    auto program = std::make_unique<Program>(random, clock);
    double roundEnd = now + 40.0;
    double nextTick = now + 0.7;
    int previousCell = -1;

    const struct {
        Rgb colour;
        double probability;
    } shares[] = {{cell_colour::lightRed, 1.0 / 10},      {cell_colour::lightMagenta, 9.0 / 80},
                  {cell_colour::brightWhite, 63.0 / 1040}, {cell_colour::grey, 189.0 / 4160},
                  {cell_colour::lightGreen, 567.0 / 832}};
    long counts[5] = {};
    std::vector<long> perCell(144);
    int keptAtTop = 0;
    int keptAtBottom = 0;
    int restarts = 0;

    for (int tick = 0; tick < soakTicks;) {
        RecordingForm& form = program->form;
        Game& game = program->game;
        if (roundEnd < nextTick) {
            now = roundEnd;
            setClock();
            const bool goOn = !chance(0.03);
            const double thinking = uniform(0, 5000) / 1000.0;
            form.answer = [&](const RecordingForm::Message&) {
                now += thinking;
                setClock();
                return goOn ? MessageAnswer::Yes : MessageAnswer::No;
            };
            game.timer2Timer();
            form.messages.clear();
            if (goOn) {
                ASSERT_EQ(game.score(), 0);
                ASSERT_TRUE(form.timer1Enabled && form.timer2Enabled);
            } else {
                ASSERT_TRUE(form.unloaded && form.ended);
                ASSERT_FALSE(form.timer1Enabled || form.timer2Enabled);
                now += 1.0;
                programStart = now;
                setClock();
                program = std::make_unique<Program>(random, clock);
                ++restarts;
                ASSERT_EQ(program->form.litCellCount(), 0);
                previousCell = -1;
            }
            roundEnd = now + 40.0;
            nextTick = now + program->form.timer1Interval / 1000.0;
            continue;
        }

        now = nextTick;
        setClock();
        game.timer1Timer();
        ++tick;
        const int cell = game.lastCell();
        ASSERT_NE(cell, previousCell) << "tick " << tick;
        ASSERT_EQ(form.litCellCount(), 1) << "tick " << tick;
        previousCell = cell;
        ++perCell[static_cast<std::size_t>(cell)];
        for (int k = 0; k < 5; ++k)
            counts[k] += form.cellColour(cell) == shares[k].colour;
        // Single precision may put a tick a few milliseconds past 40 s.
        const int remaining = countdownShown(form.label2);
        ASSERT_TRUE(remaining >= -1 && remaining <= 40) << form.label2 << " at " << clock.now;

        const bool run = chance(0.003);
        const int clicks = run ? uniform(1, 10000) : uniform(0, 3);
        for (int c = 0; c < clicks; ++c) {
            const int target = run || chance(0.5) ? cell : uniform(0, 143);
            const int before = game.score();
            const std::optional<int> expected = scoreAfterClick(before, form.cellColour(target));
            const std::string shown = expected ? std::string() : form.label1;
            game.co1Click(static_cast<std::int16_t>(target));
            if (expected) {
                ASSERT_EQ(game.score(), *expected);
                continue;
            }
            ASSERT_EQ(game.score(), before);
            ASSERT_EQ(form.label1, shown);
            ++(before > 0 ? keptAtTop : keptAtBottom);
        }
        form.log.clear();

        nextTick = now + form.timer1Interval / 1000.0;
        const double pressedAt = now + uniform(1, form.timer1Interval - 1) / 1000.0;
        if (chance(0.005) && pressedAt < roundEnd) {
            // A speed button starts the interval afresh from the moment it is pressed.
            void (Game::*const buttons[])() = {&Game::command1Click, &Game::command2Click,
                                               &Game::command3Click};
            (game.*buttons[uniform(0, 2)])();
            nextTick = pressedAt + form.timer1Interval / 1000.0;
        }
    }

    for (int k = 0; k < 5; ++k) {
        const double p = shares[k].probability;
        const double sigma = std::sqrt(soakTicks * p * (1 - p));
        EXPECT_NEAR(counts[k], soakTicks * p, 4 * sigma) << "colour " << k;
    }
    // Every cell comes up, each about as often.
    for (int cell = 0; cell < 144; ++cell) {
        const double p = 1.0 / 144;
        EXPECT_NEAR(perCell[static_cast<std::size_t>(cell)], soakTicks * p, 5 * std::sqrt(soakTicks * p))
            << "cell " << cell;
    }
    // The runs must have reached both ends of the score, or the soak proved nothing about them.
    EXPECT_GT(keptAtTop, 0);
    EXPECT_GT(keptAtBottom, 0);
    EXPECT_GT(restarts, 0);
}

}  // namespace
}  // namespace rumitaku::testing
