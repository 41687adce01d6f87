// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/colour.h"
#include "tests/game/rules_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rumitaku::testing {
namespace {

class RoundsTest : public RulesFixture {
protected:
    void SetUp() override { load(10.0f); }

    void scoreTo(int target)
    {
        while (game.score() != target) {
            form.paint(20, game.score() < target ? cell_colour::lightGreen : cell_colour::brightWhite);
            if (game.score() > target && game.score() - target < 5)
                form.paint(20, cell_colour::lightMagenta);
            game.co1Click(20);
        }
    }

    // Ends the round, answering the question with `answer` at `answeredAt`.
    void endRound(MessageAnswer answer, float answeredAt = 50.0f)
    {
        form.answer = [this, answer, answeredAt](const RecordingForm::Message&) {
            timersAtQuestion = {form.timer1Enabled, form.timer2Enabled};
            clock.now = answeredAt;
            return answer;
        };
        game.timer2Timer();
    }

    std::pair<bool, bool> timersAtQuestion{true, true};
};

TEST_F(RoundsTest, TheRoundEndStopsBothTimersThenAsksWithTheScore)
{
    scoreTo(37);
    form.log.clear();
    endRound(MessageAnswer::Yes);
    EXPECT_EQ(timersAtQuestion, std::make_pair(false, false));
    ASSERT_EQ(form.messages.size(), 2u);
    const auto& question = form.messages.back();
    EXPECT_EQ(question.prompt, "得点は37でした！　ゲームを続けますか？");
    EXPECT_EQ(question.title, "ルミタク");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::None);
    EXPECT_EQ(std::vector<std::string>(form.log.begin(), form.log.begin() + 3),
              (std::vector<std::string>{"Timer1 off", "Timer2 off", "message"}));
}

TEST_F(RoundsTest, ThePromptWritesTheScoreWithoutALeadingSpace)
{
    const struct {
        int score;
        const char* prompt;
    } cases[] = {{0, "得点は0でした！　ゲームを続けますか？"},
                 {-10, "得点は-10でした！　ゲームを続けますか？"},
                 {9, "得点は9でした！　ゲームを続けますか？"}};
    for (const auto& c : cases) {
        scoreTo(c.score);
        endRound(MessageAnswer::Yes);
        EXPECT_EQ(form.messages.back().prompt, c.prompt);
    }
}

TEST_F(RoundsTest, YesStartsAFreshRoundAndKeepsTheBoard)
{
    random.values = {drawing(33, 143), drawing(1, 9)};
    clock.now = 45.0f;
    game.timer1Timer();
    game.command2Click();
    scoreTo(12);
    const std::string countdown = form.label2;
    form.log.clear();

    endRound(MessageAnswer::Yes, 61.25f);

    EXPECT_EQ(form.log, (std::vector<std::string>{"Timer1 off", "Timer2 off", "message", "Label1",
                                                  "Timer1 on", "Timer2 on"}));
    EXPECT_EQ(game.score(), 0);
    EXPECT_EQ(form.label1, "得点 =  0");
    EXPECT_EQ(game.roundStart(), 61.25f);
    EXPECT_FALSE(form.unloaded);
    EXPECT_FALSE(form.ended);
    // Kept from the round before, until the next tick.
    EXPECT_EQ(form.label2, countdown);
    EXPECT_EQ(game.lastCell(), 33);
    EXPECT_EQ(form.cellColour(33), cell_colour::lightRed);
    EXPECT_EQ(form.timer1Interval, 1400);

    random.values = {drawing(34, 143), drawing(0, 9), drawing(0, 7), drawing(0, 12), drawing(0, 15)};
    clock.now = 64.0f;
    game.timer1Timer();
    EXPECT_EQ(form.cellColour(33), cell_colour::idle);
    EXPECT_EQ(form.label2, " 残り  37 秒 ");
}

TEST_F(RoundsTest, NoUnloadsTheWindowThenEndsTheProgram)
{
    endRound(MessageAnswer::No);
    EXPECT_EQ(form.log, (std::vector<std::string>{"Timer1 off", "Timer2 off", "message", "unload",
                                                  "end"}));
    EXPECT_FALSE(form.timer1Enabled);
    EXPECT_FALSE(form.timer2Enabled);
}

TEST_F(RoundsTest, SpeedButtonsSetOnlyTheTickInterval)
{
    random.values = {drawing(8, 143), drawing(1, 9)};
    game.timer1Timer();
    scoreTo(-5);
    const float roundStart = game.roundStart();

    const struct {
        void (Game::*click)();
        int interval;
    } buttons[] = {{&Game::command1Click, 650}, {&Game::command3Click, 800}, {&Game::command2Click, 1400}};
    for (const auto& button : buttons) {
        form.log.clear();
        (game.*button.click)();
        EXPECT_EQ(form.log, std::vector<std::string>{"Timer1 interval " + std::to_string(button.interval)});
        EXPECT_EQ(form.timer1Interval, button.interval);
    }
    EXPECT_EQ(game.score(), -5);
    EXPECT_EQ(game.roundStart(), roundStart);
    EXPECT_EQ(game.lastCell(), 8);
    EXPECT_EQ(form.cellColour(8), cell_colour::lightRed);
    EXPECT_TRUE(form.timer1Enabled);
    EXPECT_TRUE(form.timer2Enabled);
    EXPECT_EQ(form.timer2Interval, 40000);
}

}  // namespace
}  // namespace rumitaku::testing
