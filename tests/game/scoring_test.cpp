// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/colour.h"
#include "tests/game/rules_fixture.h"

#include <gtest/gtest.h>

#include <iterator>

namespace rumitaku::testing {
namespace {

class ScoringTest : public RulesFixture {
protected:
    void SetUp() override { load(); }

    // Clicks cell 9 showing `colour`; returns the score display.
    std::string click(Rgb colour)
    {
        form.paint(9, colour);
        game.co1Click(9);
        return form.label1;
    }

    void reachScore(int target)
    {
        while (game.score() != target) {
            if (game.score() > target)
                click(cell_colour::brightWhite);
            else
                click(target - game.score() >= 8 ? cell_colour::grey : cell_colour::lightGreen);
        }
        ASSERT_EQ(game.score(), target);
    }
};

// The table the rules, the screen reader and the other tests take the colours from, against
// the values written out here: a slip in the table shows.
TEST(ColourTable, HoldsEachColoursValueEffectAndWordInTheOrderAClickComparesThem)
{
    const struct {
        Rgb rgb;
        int change;
        bool resets;
        const char* word;
    } expected[] = {{{0, 255, 0}, 1, false, "緑"},       {{255, 0, 0}, 5, false, "赤"},
                    {{255, 0, 255}, 0, true, "ピンク"},  {{255, 255, 255}, -5, false, "白"},
                    {{128, 128, 128}, 8, false, "灰"},   {{0, 255, 255}, 0, false, "消灯"}};
    ASSERT_EQ(std::size(cell_colour::table), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CellColour& entry = cell_colour::table[i];
        EXPECT_EQ(entry.rgb, expected[i].rgb) << i;
        EXPECT_EQ(entry.effect.change, expected[i].change) << i;
        EXPECT_EQ(entry.effect.resets, expected[i].resets) << i;
        EXPECT_EQ(entry.word, expected[i].word) << i;
        EXPECT_EQ(cellColourOf(expected[i].rgb), &entry) << i;
    }
    EXPECT_EQ(cell_colour::idle.rgb, (Rgb{0, 255, 255}));
    EXPECT_EQ(cellColourOf(Rgb{0, 0, 255}), nullptr);
}

TEST_F(ScoringTest, EachColourChangesTheScoreAsTheLegendSays)
{
    EXPECT_EQ(click(cell_colour::lightGreen), "得点 =  1");
    EXPECT_EQ(click(cell_colour::lightRed), "得点 =  6");
    EXPECT_EQ(click(cell_colour::grey), "得点 =  14");
    EXPECT_EQ(click(cell_colour::brightWhite), "得点 =  9");
    EXPECT_EQ(click(cell_colour::lightMagenta), "得点 =  0");
    EXPECT_EQ(click(cell_colour::brightWhite), "得点 = -5");
    EXPECT_EQ(click(cell_colour::brightWhite), "得点 = -10");
    EXPECT_EQ(click(cell_colour::lightMagenta), "得点 =  0");
    EXPECT_EQ(game.score(), 0);
}

TEST_F(ScoringTest, AnIdleCellLeavesTheScoreButStillShowsIt)
{
    EXPECT_TRUE(form.label1.empty());
    EXPECT_EQ(click(cell_colour::idle), "得点 =  0");
    reachScore(13);
    form.log.clear();
    EXPECT_EQ(click(cell_colour::idle), "得点 =  13");
    EXPECT_EQ(form.log, std::vector<std::string>{"Label1"});
    // A colour outside the table scores nothing either.
    EXPECT_EQ(click(Rgb{0, 0, 255}), "得点 =  13");
}

TEST_F(ScoringTest, ALitCellScoresOnEveryClickUntilTheNextTick)
{
    form.paint(9, cell_colour::lightRed);
    for (int i = 0; i < 3; ++i)
        game.co1Click(9);
    EXPECT_EQ(game.score(), 15);
    EXPECT_EQ(form.cellColour(9), cell_colour::lightRed);
}

TEST_F(ScoringTest, AClickThatWouldPassTheTopLeavesScoreAndDisplay)
{
    reachScore(32765);
    EXPECT_EQ(click(cell_colour::lightGreen), "得点 =  32766");
    EXPECT_EQ(click(cell_colour::lightGreen), "得点 =  32767");
    const struct {
        int score;
        Rgb colour;
    } cases[] = {{32767, cell_colour::lightGreen}, {32763, cell_colour::lightRed},
                 {32760, cell_colour::grey}};
    for (const auto& c : cases) {
        reachScore(c.score);
        const std::string shown = form.label1;
        form.log.clear();
        click(c.colour);
        EXPECT_EQ(game.score(), c.score);
        EXPECT_TRUE(form.log.empty()) << c.score;
        EXPECT_EQ(form.label1, shown);
    }
    // Play goes on.
    EXPECT_EQ(click(cell_colour::brightWhite), "得点 =  32755");
}

TEST_F(ScoringTest, AClickThatWouldPassTheBottomLeavesScoreAndDisplay)
{
    reachScore(-32765);
    form.log.clear();
    click(cell_colour::brightWhite);
    EXPECT_EQ(game.score(), -32765);
    EXPECT_TRUE(form.log.empty());

    reachScore(-32763);
    EXPECT_EQ(click(cell_colour::brightWhite), "得点 = -32768");
    click(cell_colour::brightWhite);
    EXPECT_EQ(game.score(), -32768);
    EXPECT_EQ(form.label1, "得点 = -32768");
    EXPECT_EQ(click(cell_colour::lightMagenta), "得点 =  0");
}

}  // namespace
}  // namespace rumitaku::testing
