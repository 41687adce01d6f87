// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/colour.h"
#include "tests/game/rules_fixture.h"
#include "game/texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace rumitaku::testing {
namespace {

constexpr float largestBelowOne = 0x1.fffffep-1f;

// The numbers a tick draws to light `cell` in `colour`: the cell, then the colour cascade.
void scriptTick(ScriptedRandom& random, int cell, Rgb colour)
{
    random.values.push_back(drawing(cell, 143));
    const Rgb cascade[] = {cell_colour::lightRed, cell_colour::lightMagenta,
                           cell_colour::brightWhite, cell_colour::grey};
    const int bounds[] = {9, 7, 12, 15};
    for (int test = 0; test < 4; ++test) {
        const bool hit = colour == cascade[test];
        random.values.push_back(drawing(hit ? 1 : 0, bounds[test]));
        if (hit)
            return;
    }
}

class GameTest : public RulesFixture {
protected:
    void tick(int cell, Rgb colour, float at)
    {
        scriptTick(random, cell, colour);
        clock.now = at;
        game.timer1Timer();
    }
};

TEST_F(GameTest, LoadBuildsTheBoardDownTheColumns)
{
    load();
    for (int i = 0; i < 144; ++i) {
        const auto& cell = form.cells[static_cast<std::size_t>(i)];
        ASSERT_TRUE(cell.created) << i;
        EXPECT_TRUE(cell.visible) << i;
        EXPECT_EQ(cell.colour, cell_colour::idle) << i;
        EXPECT_EQ(cell.top, 120 + 615 * (i % 12)) << i;
        EXPECT_EQ(cell.left, 120 + 615 * (i / 12)) << i;
    }
    EXPECT_EQ(form.cells[12].left, 735);
    EXPECT_EQ(form.cells[12].top, 120);
    EXPECT_EQ(form.cells[11].left, 120);
    EXPECT_EQ(form.cells[11].top, 6885);
    EXPECT_EQ(form.cells[143].left, 6885);
    EXPECT_EQ(form.cells[143].top, 6885);
}

TEST_F(GameTest, LoadGreetsThePlayerWithTheTimersOffAndStartsTheRoundWhenTheMessageCloses)
{
    clock.now = 50.0f;
    std::vector<std::string> logAtMessage;
    bool cellsIdleAtMessage = false;
    form.answer = [&](const RecordingForm::Message&) {
        logAtMessage = form.log;
        cellsIdleAtMessage = form.litCellCount() == 0 && form.label1.empty() && form.label2.empty();
        clock.now = 75.5f;
        return MessageAnswer::Ok;
    };
    game.load();

    EXPECT_EQ(logAtMessage, (std::vector<std::string>{"show", "Timer1 off", "Timer2 off", "message"}));
    EXPECT_TRUE(cellsIdleAtMessage);
    EXPECT_EQ(form.log, (std::vector<std::string>{"show", "Timer1 off", "Timer2 off", "message",
                                                  "Timer1 on", "Timer2 on"}));
    ASSERT_EQ(form.messages.size(), 1u);
    EXPECT_EQ(form.messages[0].prompt, "ゲームを開始します！");
    EXPECT_EQ(form.messages[0].title, "ルミタク");
    EXPECT_EQ(form.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(form.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(game.roundStart(), 75.5f);
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(random.draws, 0u);
}

TEST_F(GameTest, TickPutsOutTheLastCellAndLightsANewOne)
{
    load();
    tick(5, cell_colour::lightRed, 101.0f);
    EXPECT_EQ(form.cells[5].colour, cell_colour::lightRed);
    EXPECT_EQ(game.lastCell(), 5);
    EXPECT_EQ(form.litCellCount(), 1);

    tick(140, cell_colour::grey, 101.7f);
    EXPECT_EQ(form.cells[5].colour, cell_colour::idle);
    EXPECT_EQ(form.cells[140].colour, cell_colour::grey);
    EXPECT_EQ(form.litCellCount(), 1);
    EXPECT_TRUE(random.values.empty());
}

TEST_F(GameTest, TickDrawsAgainWhileTheCellIsTheLastOne)
{
    load();
    // On the first tick cell 0 counts as the last one: it is drawn again, twice.
    random.values = {drawing(0, 143), drawing(0, 143)};
    scriptTick(random, 7, cell_colour::lightGreen);
    game.timer1Timer();
    EXPECT_EQ(game.lastCell(), 7);
    EXPECT_EQ(random.draws, 2u + 1u + 4u);

    random.draws = 0;
    random.values = {drawing(7, 143)};
    scriptTick(random, 0, cell_colour::lightMagenta);
    game.timer1Timer();
    EXPECT_EQ(game.lastCell(), 0);
    EXPECT_EQ(form.cells[0].colour, cell_colour::lightMagenta);
    EXPECT_EQ(form.cells[7].colour, cell_colour::idle);
    EXPECT_EQ(random.draws, 2u + 2u);
}

TEST_F(GameTest, ColourCascadeStopsAtTheFirstTestThatDrawsOne)
{
    load();
    const struct {
        Rgb colour;
        std::size_t draws;
    } cases[] = {{cell_colour::lightRed, 1},    {cell_colour::lightMagenta, 2},
                 {cell_colour::brightWhite, 3}, {cell_colour::grey, 4},
                 {cell_colour::lightGreen, 4}};
    int cell = 1;
    for (const auto& c : cases) {
        random.draws = 0;
        tick(cell, c.colour, 101.0f);
        EXPECT_EQ(form.cells[static_cast<std::size_t>(cell)].colour, c.colour) << cell;
        EXPECT_EQ(random.draws, 1 + c.draws) << cell;
        ++cell;
    }
    // A test that draws anything but 1 fails, even its bound.
    random.values = {drawing(3, 143), drawing(9, 9), drawing(7, 7), drawing(12, 12), drawing(15, 15)};
    game.timer1Timer();
    EXPECT_EQ(form.cells[3].colour, cell_colour::lightGreen);
}

TEST_F(GameTest, CountdownShowsWholeSecondsLeftInTheRound)
{
    load(100.0f);
    const struct {
        float now;
        const char* text;
    } cases[] = {
        {100.0f, " 残り  40 秒 "},
        {103.2f, " 残り  36 秒 "},
        {139.99f, " 残り  0 秒 "},
        {140.0f, " 残り  0 秒 "},
        {140.5f, " 残り -1 秒 "},
        {150.0f, " 残り -10 秒 "},
    };
    int cell = 1;
    for (const auto& c : cases) {
        tick(cell++, cell_colour::lightGreen, c.now);
        EXPECT_EQ(form.label2, c.text) << c.now;
    }
    EXPECT_TRUE(form.label1.empty());
}

// The clock is steady: a round that spans midnight reads on past a day's seconds,
// in single precision as coarse as it gets a day into the program.
TEST_F(GameTest, CountdownGoesOnAcrossMidnight)
{
    load(86398.0f);
    tick(1, cell_colour::lightGreen, 86399.5f);
    EXPECT_EQ(form.label2, " 残り  38 秒 ");
    tick(2, cell_colour::lightGreen, 86402.2f);
    EXPECT_EQ(form.label2, " 残り  35 秒 ");
    tick(3, cell_colour::lightGreen, 86438.5f);
    EXPECT_EQ(form.label2, " 残り -1 秒 ");
}

TEST_F(GameTest, RansuuCoversItsRangeAndNeverPassesItsBound)
{
    for (int up : {7, 9, 12, 15, 143}) {
        random.values = {0.0f, largestBelowOne};
        EXPECT_EQ(game.Ransuu(0, static_cast<std::int16_t>(up)), 0) << up;
        EXPECT_EQ(game.Ransuu(0, static_cast<std::int16_t>(up)), up) << up;
    }
    random.values = {0.0f, largestBelowOne, 0.5f};
    EXPECT_EQ(game.Ransuu(-3, 3), -3);
    EXPECT_EQ(game.Ransuu(-3, 3), 3);
    EXPECT_EQ(game.Ransuu(-3, 3), 0);
    // One value per call.
    EXPECT_EQ(random.draws, 13u);
}

TEST(MersenneRandom, ValuesAreSingle24BitFractionsBelowOne)
{
    MersenneRandom random(1);
    MersenneRandom same(1);
    float smallest = 1.0f;
    float largest = 0.0f;
    for (int i = 0; i < 100000; ++i) {
        const float value = random.next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        ASSERT_EQ(value * 0x1.0p24f, std::floor(value * 0x1.0p24f));
        ASSERT_EQ(value, same.next());
        smallest = std::min(smallest, value);
        largest = std::max(largest, value);
    }
    EXPECT_LT(smallest, 0.001f);
    EXPECT_GT(largest, 0.999f);
}

TEST(MersenneRandom, SeedingFromTheClockChangesTheSequence)
{
    MersenneRandom seeded;
    MersenneRandom unseeded;
    seeded.seedFromClock();
    int same = 0;
    for (int i = 0; i < 8; ++i)
        same += seeded.next() == unseeded.next();
    EXPECT_LT(same, 8);
}

}  // namespace
}  // namespace rumitaku::testing
