// SPDX-FileCopyrightText: 2026 The rumitaku developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/clock.h"
#include "game/form.h"
#include "game/random_source.h"

#include <cstdint>
#include <string>

namespace rumitaku {

// The rules of the game: one handler per event of the window, each run to
// completion on the window's thread. The window delivers the events and
// keeps the cells' colours; this class keeps the score and the round.
class Game {
public:
    // A round lasts one interval of Timer2; the countdown counts the same length from the clock.
    static constexpr float roundSeconds = timer2Interval / 1000.0f;
    // The intervals the speed buttons give Timer1.
    static constexpr int fastInterval = 650;
    static constexpr int normalInterval = 800;
    static constexpr int slowInterval = 1400;

    Game(Form& form, RandomSource& random, Clock& clock);

    void load();
    void timer1Timer();  // the lighting tick
    void co1Click(std::int16_t index);  // a cell
    void timer2Timer();  // the round's end
    void command1Click();  // 早い, the fast button
    void command2Click();  // 遅い, the slow button
    void command3Click();  // 普通？, the normal button

    void showScore();
    // A whole number drawn uniformly from low to up inclusive.
    std::int16_t Ransuu(std::int16_t low, std::int16_t up);

    std::int16_t score() const { return score_; }
    float roundStart() const { return roundStart_; }
    std::int16_t lastCell() const { return lastCell_; }

private:
    Rgb drawColour();
    bool changeScore(ScoreEffect effect);
    void showRemainingTime();

    Form& form_;
    RandomSource& random_;
    Clock& clock_;

    std::int16_t score_ = 0;
    float roundStart_ = 0.0f;
    std::int16_t lastCell_ = 0;
    std::string text_;  // reused for every caption the rules compose
};

}  // namespace rumitaku
